// TCardTable, the main window: the menu bar with its command table, the table on screen, the move label,
// the status bar, the "Show All Moves" button, the statistics it keeps, and the window's own behaviour
// (resize, centring, the maximised placement, saving the statistics whenever it closes).
#pragma once

#include <QDir>
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

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
class QMenu;
class QPushButton;
class QScrollArea;
class QStatusBar;
class QSessionManager;
class QTimer;

namespace vantrel {
class Statistics;
class TStatsForm;
namespace platform {
class SettingsRegistry;
}
}  // namespace vantrel

namespace vantrel::app {

class GameAids;
class TCardTable;

// The main window, set before its construction runs and valid until the process ends.
extern TCardTable* CardTable;
// The statistics dialog, created hidden at start-up right after the main window; StatsMenuClick shows it.
extern TStatsForm* StatsForm;

class TCardTable : public QMainWindow {
  Q_OBJECT

 public:
  // Builds the window and its controls, then the table (60 slots, the pictures from the CARDS folder under
  // `working_folder`), loads the statistics from the player's store (a first start writes four zeros), then
  // runs FormCreate. Throws vantrel::Error when a picture or a statistics value cannot be read; the window is
  // then never shown. `host` stands in for the desktop's dialogs and timer (tests); by default the window
  // uses its own QtHost.
  explicit TCardTable(platform::Host* host = nullptr, const QDir& working_folder = QDir::current());
  ~TCardTable() override;

  // --- handlers of the window ---
  void FormCreate();
  void FormShow();
  void FormResize();
  void CenterClick();
  void StatsMenuClick();
  // Saves the statistics, then closes the window. A failed save raises before the close (the menu item's
  // handler shows it), so the window stays open.
  void QuitClick();
  // The window is closing, by whatever means: the game under way is kept when Keep is on, and the statistics
  // are saved unless the store already holds them.
  // A failed save shows its error, and the window closes all the same.
  void FormClose();
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
  void SetOuterSize(int width, int height);
  // Places the maximised window's left edge for a window that was `outer_width` wide before maximising.
  void PlaceMaximised(int outer_width);

  Table& table() { return *table_; }
  Interaction& interaction() { return *interaction_; }
  TableView& view() { return *view_; }
  QScrollArea& scroll_area() { return *scroll_; }

  // The controls, under the names the window's commands know them by; only the window sets them.
  // The menu bar, in its order:
  QMenu* Game() const { return game_; }
  QAction* New() const { return new_; }
  QAction* Redo() const { return redo_; }
  QAction* SelectDeal() const { return select_deal_; }
  QAction* StatsMenu() const { return stats_menu_; }
  QAction* N1() const { return n1_; }
  QAction* Quit() const { return quit_; }
  QMenu* Options() const { return options_; }
  QAction* Undo() const { return undo_; }
  QAction* ShowValid() const { return show_valid_; }
  QAction* ShowNumber() const { return show_number_; }
  QAction* GiveHint() const { return give_hint_; }
  QAction* N2() const { return n2_; }
  // The check items after it, in the order of kSwitchItems (app/game_aids.h).
  QAction* KeepGame() const { return switch_items_[0]; }
  QAction* TellWinnable() const { return switch_items_[1]; }
  QAction* WinnableOnly() const { return switch_items_[2]; }
  QAction* EnableCheats() const { return enable_cheats_; }
  QAction* Help() const { return help_; }
  QMenu* Debug() const { return debug_; }
  QAction* UseTransparency() const { return use_transparency_; }
  QAction* Center() const { return center_; }
  // The other controls:
  QLabel* NumMoves_lbl() const { return num_moves_lbl_; }
  QStatusBar* SB() const { return sb_; }
  QPushButton* ShowMovesBtn() const { return show_moves_btn_; }
  QTimer* Timer() const { return timer_; }  // the hint's 700 ms timer; null when a test host stands in
  GameAids& aids() { return *aids_; }

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
#ifdef Q_OS_WIN
  bool nativeEvent(const QByteArray& type, void* message, qintptr* result) override;
#endif

 private:
  // Sets CardTable for the lifetime of the window.
  struct GlobalReference {
    explicit GlobalReference(TCardTable* window) { CardTable = window; }
    ~GlobalReference() { CardTable = nullptr; }
  };

  void BuildMenus();
  void BuildControls();
  void PlaceControls();
  void SyncControls();
  void ClientResized();
  // A key pressed while a drop-down is open: runs the enabled item with that shortcut, if there is one.
  bool ShortcutInOpenMenu(const QKeyEvent* key);
  QSize MeasuredOuterSize() const;
  // One step of a close: its failure is shown, or only written to standard error when ending by a signal.
  void ClosingStep(const std::function<void()>& step);
  // The end of the desktop session: the game is kept and the statistics are saved as at a close.
  void SessionEnding(QSessionManager& manager);

  GlobalReference global_reference_;
  std::unique_ptr<platform::QtHost> qt_host_;
  platform::Host* host_ = nullptr;
  std::unique_ptr<Table> table_;
  std::unique_ptr<Interaction> interaction_;
  std::unique_ptr<CardPictures> pictures_;
  std::unique_ptr<platform::SettingsRegistry> registry_;
  std::unique_ptr<Statistics> stats_;
  std::unique_ptr<GameAids> aids_;
  QWidget* client_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  TableView* view_ = nullptr;
  QMenu* game_ = nullptr;
  QAction* new_ = nullptr;
  QAction* redo_ = nullptr;
  QAction* select_deal_ = nullptr;
  QAction* stats_menu_ = nullptr;
  QAction* n1_ = nullptr;
  QAction* quit_ = nullptr;
  QMenu* options_ = nullptr;
  QAction* undo_ = nullptr;
  QAction* show_valid_ = nullptr;
  QAction* show_number_ = nullptr;
  QAction* give_hint_ = nullptr;
  QAction* n2_ = nullptr;
  std::array<QAction*, 3> switch_items_{};
  QAction* enable_cheats_ = nullptr;
  QAction* help_ = nullptr;
  QMenu* debug_ = nullptr;
  QAction* use_transparency_ = nullptr;
  QAction* center_ = nullptr;
  QLabel* num_moves_lbl_ = nullptr;
  QStatusBar* sb_ = nullptr;
  QPushButton* show_moves_btn_ = nullptr;
  QTimer* timer_ = nullptr;
  QSize outer_size_{kDesignWidth, kDesignHeight};  // the outer size as the game counts it
  int normal_outer_width_ = kDesignWidth;
  int scroll_bar_room_ = 0;  // the width of the vertical scroll bar beside the button, when it shows
  bool unattended_ = false;  // ending by a signal
};

}  // namespace vantrel::app
