// MainWindow, the game's window: the menu bar built from the menu table (menu_table.h), the table on screen,
// the move label, the status bar, the "Show All Moves" button, the statistics it keeps, and the window's own
// behaviour (resize, centring, the maximised placement, saving the statistics whenever it closes).
#pragma once

#include <QDir>
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "interaction/interaction.h"
#include "platform/host.h"
#include "platform_qt/qt_host.h"
#include "table/table.h"
#include "view/card_pictures.h"
#include "view/table_view.h"

class QAction;
class QCloseEvent;
class QKeyEvent;
class QLabel;
class QPushButton;
class QScrollArea;
class QStatusBar;
class QSessionManager;
class QTimer;

namespace vantrel {
class Statistics;
class StatsDialog;
namespace platform {
class SettingsRegistry;
}
}  // namespace vantrel

namespace vantrel::app {

class GameAids;
struct MenuEntry;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Builds the window and its controls, then the table (60 slots, the pictures from the CARDS folder under
  // `working_folder`), loads the statistics from the player's store (a first start writes four zeros), then
  // runs RegisterCursors. Throws vantrel::Error when a picture or a statistics value cannot be read; the
  // window is then never shown. `host` stands in for the desktop's dialogs and timer (tests); by default the
  // window uses its own QtHost.
  explicit MainWindow(platform::Host* host = nullptr, const QDir& working_folder = QDir::current());
  ~MainWindow() override;

  // --- handlers of the window ---
  // Puts the window in the middle of the primary screen, frame and all.
  void CenterOnScreen();
  // The statistics dialog, made hidden at start-up right after the window, which ShowStatistics shows. It
  // must outlive the window.
  void SetStatisticsDialog(StatsDialog& dialog) { statistics_dialog_ = &dialog; }
  // Or what makes that dialog: the window makes it once the table has been painted for the first time, so
  // that the making never delays the window, or at the first ShowStatistics if that comes sooner.
  void SetStatisticsDialogMaker(std::function<StatsDialog&()> make) {
    make_statistics_dialog_ = std::move(make);
  }
  // Shows the statistics dialog; clearing the statistics asks first.
  void ShowStatistics();
  // Saves the statistics, then closes the window. A failed save raises before the close (the menu item's
  // handler shows it), so the window stays open.
  void SaveThenClose();
  // The window is closing, by whatever means: the game under way is kept when Keep is on, and the statistics
  // are saved unless the store already holds them.
  // A failed save shows its error, and the window closes all the same.
  void SaveOnClose();
  // The application quits while the window is still open (the end of the desktop session without a close):
  // saves as a close does. Once the window has closed, its close has saved (or shown why not) already.
  void ApplicationQuits();
  // A termination signal: the window closes as by its close box and the program ends. Nobody may be there to
  // answer a box, so a failed save is written to standard error only.
  void EndBySignal();

  // The first showing: centred on the desktop.
  void ShowCentred();
  // Runs one handler: a failure it raises is shown and the program goes on; then every control shows the
  // table's state again and the screen repaints what changed.
  void Handle(const std::function<void()>& handler);
  // Runs a command from a menu item, its key, the button or the hint timer: a drag under way ends first,
  // without a drop, then the command runs as Handle runs it.
  void Command(const std::function<void()>& handler);

  // The outer size, Width and Height: the client area (between the menu bar and the bottom edge) plus the
  // frame allowance. The table keeps it; every resize of the client area updates it.
  QSize OuterSize() const;
  void SetOuterSize(QSize outer);
  // Places the maximised window's left edge for a window that was `outer_width` wide before maximising.
  void PlaceMaximised(int outer_width);

  // The game the window shows, which the menu table's handlers and the tests drive. The controls are found
  // by their object names, as Qt's own tests find them: the menus and their items by the names of the menu
  // table, the table "table" in its scroll area "tableArea", the move label "moveCount", the button
  // "showAllMoves", the hint's timer "hintTimer" (none while a test's host stands in).
  Table& table() { return *table_; }
  Interaction& interaction() { return *interaction_; }
  // The player's aids: the switches at the end of the Options menu, the kept game and the live verdict.
  GameAids& aids() { return *aids_; }

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
#ifdef Q_OS_WIN
  bool nativeEvent(const QByteArray& type, void* message, qintptr* result) override;
#endif

 private:
  // Registers the two hand cursors of the cards, at the end of the construction.
  void RegisterCursors();
  // The window's outer size changed: the table follows its new height (the reserve row, its bottom edge).
  void ResizeTable();
  void BuildMenus();
  void BuildControls();
  void PlaceControls();
  // Shows the game's state in every control: the menu items' captions, enabled states and check marks as
  // the menu table says, the move label, the button, the status bar and the scroll bars.
  void SyncControls();
  void ClientResized();
  // A key pressed while a drop-down is open: runs the enabled item with that shortcut, if there is one.
  bool ShortcutInOpenMenu(const QKeyEvent* key);
  QSize MeasuredOuterSize() const;
  // One step of a close: its failure is shown, or only written to standard error when ending by a signal.
  void ClosingStep(const std::function<void()>& step);
  // The end of the desktop session: the game is kept and the statistics are saved as at a close.
  void SessionEnding(QSessionManager& manager);
  // Makes the statistics dialog with the maker given, unless it is made (or given) already.
  void MakeStatisticsDialog();

  std::unique_ptr<platform::QtHost> qt_host_;
  platform::Host* host_ = nullptr;
  std::unique_ptr<Table> table_;
  std::unique_ptr<Interaction> interaction_;
  std::unique_ptr<CardPictures> pictures_;
  std::unique_ptr<platform::SettingsRegistry> registry_;
  std::unique_ptr<Statistics> stats_;
  StatsDialog* statistics_dialog_ = nullptr;
  std::function<StatsDialog&()> make_statistics_dialog_;
  std::unique_ptr<GameAids> aids_;
  QWidget* client_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  TableView* view_ = nullptr;
  // Every menu item with its entry of the menu table, in the table's order.
  struct MenuItem {
    const MenuEntry* entry;
    QAction* action;
  };
  std::vector<MenuItem> menu_items_;
  QLabel* move_label_ = nullptr;
  QStatusBar* status_bar_ = nullptr;
  QPushButton* show_all_moves_ = nullptr;
  QSize outer_size_{kDesignWidth, kDesignHeight};  // the outer size as the game counts it
  int normal_outer_width_ = kDesignWidth;
  int scroll_bar_room_ = 0;  // the width of the vertical scroll bar beside the button, when it shows
  bool unattended_ = false;  // ending by a signal
};

}  // namespace vantrel::app
