// Shared helpers of the widget tests: a window over a scripted host, points on cards, and answering dialogs.
#pragma once

#include <QAction>
#include <QDir>
#include <QPoint>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "app/main_window.h"
#include "platform/scripted_host.h"
#include "statistics_dialog/statistics_dialog.h"

namespace vantrel::uitest {

inline constexpr std::uint32_t kNow = 1700000000;

// The built game's folder, which holds CARDS.
QDir GameDir();

// Where the game's statistics store lives while the tests run (the store tests move it for a while).
void SetRunSettingsDir(const QString& folder);
QString RunSettingsDir();

// The main window over a scripted host, shown (offscreen) at its design size and active, with the statistics
// dialog created after it as the game creates it.
struct Window {
  Window();
  ~Window();
  app::MainWindow& operator*() { return *window; }
  app::MainWindow* operator->() { return window.get(); }
  Table& table() { return window->table(); }
  // Deals with the clock at kNow.
  void Deal();

  platform::ScriptedHost host{kNow};
  std::unique_ptr<StatisticsDialog> statistics_dialog;  // outlives the window, as in the game
  std::unique_ptr<app::MainWindow> window;
};

// The control of that object name among the children of `parent`, found as Qt's own tests find controls (a
// menu item by default: "newGame", "optionsMenu", "moveCount", ...). One that is not there fails the test.
template <typename T = QAction>
T* Find(const QObject& parent, const char* name) {
  T* found = parent.findChild<T*>(QString::fromLatin1(name));
  if (found == nullptr) throw std::runtime_error(std::string("no control named ") + name);
  return found;
}

// The game's window among the top-level widgets, also while it is being built; null when there is none.
app::MainWindow* MainWindowAlive();

// A point on the part of a slot's image that lies uppermost (the strip a covered card shows), in view
// coordinates.
QPoint GrabPoint(const Table& table, int slot);
// The slot holding the card, or -1.
int SlotOfCard(const Table& table, int suit, int number);
// No drop: what FindValidMove finds when the deal offers none.
inline constexpr Drop kNoDrop{.moved = -1, .target = -1};
// A valid drop of the current deal onto a card: the dragged slot and the slot of the card it goes onto.
Drop FindValidMove(const Table& table);
// The images of every card slot (place, column, face, uppermost), to tell whether anything moved.
std::vector<std::tuple<int, int, int, bool, bool>> SlotsAsShown(const Table& table);

// Shows the keyboard's focus if it is not shown yet, then moves it to `slot` with the arrow keys, the
// shortest way.
void FocusOn(Window& w, int slot);
void FocusOn(app::MainWindow& window, int slot);

// When the next modal dialog opens, hands it to `act`, which is to close it. The watch lasts until then;
// deleting the timer returned ends it sooner.
QTimer* WhenNextDialogOpens(std::function<void(QWidget*)> act);
// When the next modal dialog opens, hands it to `inspect` and then closes it with `button` (a
// QMessageBox::StandardButton, or 0 for Esc).
void AnswerNextDialog(std::function<void(QWidget*)> inspect, int button);

}  // namespace vantrel::uitest
