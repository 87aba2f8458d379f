// The game's table on a real X server next to the model of the same table: starting the game, finding its
// table on screen, dealing with F2, dragging cards with the mouse, and comparing the screen with the model
// pixel by pixel.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QPoint>
#include <QString>
#include <memory>
#include <vector>

#include "interaction/interaction.h"
#include "platform/scripted_host.h"
#include "table/table.h"
#include "x_session.h"

namespace vantrel::e2e {

// The table compared: everything above the move label and the button.
inline constexpr int kTableWidth = 627;
inline constexpr int kComparedHeight = 368;
// The table area above the status bar.
inline constexpr int kTableHeight = 395;

QString GameDir();

// The game's table for the same clock, played by the same rules.
struct Model {
  explicit Model(unsigned clock) : host(clock) {}
  platform::ScriptedHost host;
  Table table{host};
  Interaction player{table};
};

// The table as it must look: green, then every visible image in stacking order, its transparent colour left
// out.
QImage Render(const Table& table);
// A point on the part of the slot's image that shows on top (the strip of a covered card): the middle of
// the strip for a covered card, of the whole card otherwise.
QPoint GrabPoint(const Table& table, int slot);
// Which slot's image shows on top at each point of the compared part of the table, as the game's hit test
// finds it.
class TopSlots {
 public:
  explicit TopSlots(const Table& table);
  int At(QPoint p) const { return slots_[static_cast<std::size_t>(p.y() * kTableWidth + p.x())]; }
  // A point where `slot` shows, as near the middle of what shows of it as there is one; a null point when
  // none of it shows.
  QPoint VisiblePoint(int slot) const;

 private:
  std::vector<int> slots_;
};

class TableOnScreen : public ::testing::Test {
 protected:
  // Starts the game with its clock at `clock` and its settings under `config_home` (a folder of its own when
  // empty), waits for its window and finds the table in it. A fresh model stands for the game's table.
  void StartGame(unsigned clock, const QString& config_home = QString());
  // Waits for the game to end by itself (after Quit or a close) and checks that it ended with exit code 0.
  void ExpectGameEnds();

  // The table as the screen shows it now.
  QImage TableShot();
  // Waits until the screen shows `expected` left of x = `width`; returns the differing pixels of the last
  // look.
  int WaitForScreen(const QImage& expected, const char* what, int width = kTableWidth);
  // Waits until the screen shows the model's table; returns the differing pixels of the last look. A table
  // taller than the window has a scroll bar at the right, which is left out.
  int WaitForModel(const char* what);
  // Presses a key (xdotool's name for it) in `window`, the game's main window by default.
  void Key(const QString& key, unsigned long window = 0);
  // F2 in the game, New in the model; the screen must then show the model's deal.
  void Deal();
  // A drag with the left button from one point of the table to another.
  void Drag(QPoint from, QPoint to);

  std::unique_ptr<Game> game_;
  unsigned long window_ = 0;
  QPoint origin_;
  std::unique_ptr<Model> model_;
};

}  // namespace vantrel::e2e
