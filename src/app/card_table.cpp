// The main window: building it, its command table, its statistics, and the behaviour that belongs to the
// window.
#include "app/card_table.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSessionManager>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "app/form_font.h"
#include "app/game_aids.h"
#include "app/window_geometry.h"
#include "platform_qt/cursors.h"
#include "platform_qt/exception_display.h"
#include "platform_qt/screen_metrics.h"
#include "registry/settings_registry.h"
#include "stats/statistics.h"
#include "stats_form/stats_form.h"
#include "table/controls.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace vantrel::app {

TCardTable* CardTable = nullptr;
TStatsForm* StatsForm = nullptr;

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TCardTable::TCardTable(platform::Host* host, const QDir& working_folder) : global_reference_(this) {
  // The window and its controls take their design state first.
  if (host == nullptr) {
    qt_host_ = std::make_unique<platform::QtHost>(this);
    host = qt_host_.get();
    timer_ = &qt_host_->hint_timer();
  }
  host_ = host;
  setWindowTitle(QStringLiteral("Vantrel"));
  BuildMenus();
  BuildControls();

  // Then the table: 60 slots for the design size, all hidden; then the pictures, read once.
  table_ = std::make_unique<Table>(*host_, kDesignHeight);
  interaction_ = std::make_unique<Interaction>(*table_);
  pictures_ = std::make_unique<CardPictures>(working_folder);
  view_ = new TableView(*table_, *interaction_, *pictures_);
  view_->SetRunner([this](const std::function<void()>& handler) { Handle(handler); });
  scroll_->setWidget(view_);
  // The statistics, as the last act of the construction: loaded from the player's store, or four zeros
  // written on a first start. A store that cannot be read stops the start-up here, before the window shows.
  registry_ = std::make_unique<platform::SettingsRegistry>();
  stats_ = std::make_unique<Statistics>(*registry_, *host_, table_->course.results);
  // The box has no parent: one would make the window's own before its first showing, which then places the
  // window's inside, not its frame, where the frame belongs (some 20 pixels higher under a window manager).
  if (const std::optional<Error> no_store = stats_->Start()) platform::ShowException(*no_store, nullptr);
  // Then the switches, and the game kept at the last close when Keep is on (a refusal is shown likewise).
  aids_ = std::make_unique<GameAids>(*table_, *interaction_, *sb_);
  if (const std::optional<Error> refused = aids_->Start()) platform::ShowException(*refused, nullptr);
  // Results are never lost when the desktop session ends rather than the window closing: the session
  // manager asks for the data first, and the application may quit without closing the window.
  connect(qApp, &QGuiApplication::commitDataRequest, this, &TCardTable::SessionEnding);
  connect(qApp, &QCoreApplication::aboutToQuit, this, &TCardTable::ApplicationQuits);

  if (qt_host_) {
    // The end of a hint's blink only shows the card again: not a command, so a drag under way goes on.
    qt_host_->OnHintTimer([this] { Handle([this] { table_->TimerTimer(); }); });
    qt_host_->OnBeforeDialog([this] { SyncControls(); });
  }
  SetOuterSize(kDesignWidth, kDesignHeight);
  SyncControls();
  // The create event comes after the whole construction.
  FormCreate();
}

TCardTable::~TCardTable() {
  // The scroll bar outlives the table (children go last): it tells the window nothing more.
  scroll_->verticalScrollBar()->removeEventFilter(this);
}

void TCardTable::BuildMenus() {
  QMenuBar* bar = menuBar();
  auto item = [this](QMenu* menu, const QString& caption, const QKeySequence& shortcut) {
    auto* action = new QAction(caption, this);
    action->setShortcut(shortcut);
    menu->addAction(action);
    return action;
  };
  auto on = [this](QAction* action, std::function<void()> handler) {
    connect(action, &QAction::triggered, this, [this, handler = std::move(handler)] { Command(handler); });
  };

  game_ = bar->addMenu(QCoreApplication::translate("Menu", "&Game"));
  new_ = item(game_, QCoreApplication::translate("Menu", "&New"), QKeySequence(Qt::Key_F2));
  new_->setObjectName(QStringLiteral("New"));
  redo_ = item(game_, QCoreApplication::translate("Menu", "&Redo (no shuffle)"), QKeySequence(Qt::Key_F3));
  redo_->setObjectName(QStringLiteral("Redo"));
  select_deal_ = item(game_, QCoreApplication::translate("Menu", kSelectDealItem.caption), QKeySequence());
  stats_menu_ = item(game_, QCoreApplication::translate("Menu", "Statistics"), QKeySequence(Qt::Key_F4));
  n1_ = game_->addSeparator();
  quit_ = item(game_, QCoreApplication::translate("Menu", "&Quit"), QKeySequence(Qt::Key_F10));

  options_ = bar->addMenu(QCoreApplication::translate("Menu", "&Options"));
  undo_ = item(options_, QCoreApplication::translate("Menu", "&Undo"), QKeySequence(Qt::CTRL | Qt::Key_U));
  undo_->setEnabled(false);
  show_valid_ = item(options_, QCoreApplication::translate("Menu", "Show &Valid Moves"),
                     QKeySequence(Qt::CTRL | Qt::Key_V));
  show_valid_->setCheckable(true);
  show_valid_->setChecked(true);
  show_number_ = item(options_, QCoreApplication::translate("Menu", "Show &Number of Moves"),
                      QKeySequence(Qt::CTRL | Qt::Key_N));
  show_number_->setCheckable(true);
  show_number_->setChecked(true);
  give_hint_ = item(options_, QStringLiteral("Give &Hint (3)"), QKeySequence(Qt::CTRL | Qt::Key_H));
  n2_ = options_->addSeparator();
  for (std::size_t i = 0; i < switch_items_.size(); ++i) {
    switch_items_[i] =
        item(options_, QCoreApplication::translate("Menu", kSwitchItems[i].caption), QKeySequence());
    switch_items_[i]->setCheckable(true);
  }
  // The cheat switch is never shown; only its shortcut reaches it. A hidden menu item gets no shortcut from
  // Qt, so the window carries the shortcut itself. It is in no drop-down: Qt's accessibility lists every
  // item of a drop-down, hidden or not, and a screen reader would read it out under Options.
  enable_cheats_ = new QAction(QStringLiteral("Enable Cheats"), this);
  enable_cheats_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  enable_cheats_->setVisible(false);
  auto* cheat = new QShortcut(enable_cheats_->shortcut(), this);
  connect(cheat, &QShortcut::activated, enable_cheats_, &QAction::trigger);

  // Help and Center are menu-bar items without a drop-down: a click runs them at once.
  help_ = new QAction(QCoreApplication::translate("Menu", "&Help"), this);
  help_->setShortcut(QKeySequence(Qt::Key_F1));
  bar->addAction(help_);

  debug_ = bar->addMenu(QCoreApplication::translate("Menu", "Debug"));
  use_transparency_ = item(debug_, QCoreApplication::translate("Menu", "Use Transparency"), QKeySequence());
  use_transparency_->setCheckable(true);
  use_transparency_->setChecked(true);

  center_ = new QAction(QCoreApplication::translate("Menu", "&Center"), this);
  bar->addAction(center_);

  // An open drop-down takes the keyboard; the items' shortcuts still work then.
  for (QMenu* menu : {game_, options_, debug_}) menu->installEventFilter(this);

  on(new_, [this] { table_->NewClick(DealCommand::kNew); });
  on(redo_, [this] { table_->NewClick(DealCommand::kRedo); });
  on(select_deal_, [this] { table_->SelectDealClick(); });
  for (std::size_t i = 0; i < switch_items_.size(); ++i)
    on(switch_items_[i], [this, i] { aids_->Toggle(kSwitchItems[i].switched); });
  on(stats_menu_, [this] { StatsMenuClick(); });
  on(quit_, [this] { QuitClick(); });
  on(undo_, [this] { interaction_->UndoClick(); });
  on(show_valid_, [this] { interaction_->ShowValidClick(); });
  on(show_number_, [this] { interaction_->ShowNumberClick(); });
  on(give_hint_, [this] { table_->GiveHintClick(); });
  on(enable_cheats_, [this] { interaction_->EnableCheatsClick(); });
  on(help_, [this] { interaction_->HelpClick(); });
  on(use_transparency_, [this] { interaction_->UseTransparencyClick(); });
  on(center_, [this] { CenterClick(); });
}

void TCardTable::BuildControls() {
  const QFont font = FormFont();
  client_ = new QWidget(this);
  client_->installEventFilter(this);
  setCentralWidget(client_);

  scroll_ = new QScrollArea(client_);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setFocusPolicy(Qt::NoFocus);  // the keyboard goes to the table itself (keyboard play)
  scroll_->setWidgetResizable(true);
  QPalette green = scroll_->palette();
  green.setColor(QPalette::Window, QColor(kTableGreen));
  scroll_->setPalette(green);
  scroll_->viewport()->setAutoFillBackground(true);
  scroll_->verticalScrollBar()->installEventFilter(this);

  num_moves_lbl_ = new QLabel(client_);
  num_moves_lbl_->setFont(font);
  QPalette white = num_moves_lbl_->palette();
  white.setColor(QPalette::WindowText, Qt::white);
  num_moves_lbl_->setPalette(white);

  show_moves_btn_ = new QPushButton(QCoreApplication::translate("Table", "Show All Moves"), client_);
  show_moves_btn_->setFont(font);
  show_moves_btn_->setEnabled(false);
  show_moves_btn_->setFocusPolicy(Qt::NoFocus);
  connect(show_moves_btn_, &QPushButton::clicked, this,
          [this] { Command([this] { table_->ShowMovesBtnClick(); }); });

  sb_ = statusBar();
  sb_->setFont(font);
  sb_->setFixedHeight(kStatusBarHeight);
}

void TCardTable::FormCreate() {
  platform::CursorTable& cursors = platform::CursorTable::Screen();
  cursors.Register(table_->cr_hand_pointer, platform::LoadCursorResource("HANDPOINTER"));
  cursors.Register(table_->cr_hand_grab, platform::LoadCursorResource("HANDGRAB"));
}

void TCardTable::FormShow() {}

void TCardTable::FormResize() {
  Handle([this] { view_->SetWindowHeight(outer_size_.height()); });
}

void TCardTable::CenterClick() {
  const QSize screen = platform::PrimaryScreenSize();
  const QSize outer = OuterSize();
  const int top = CentredOffset(screen.height(), outer.height());
  move(pos().x(), top);
  const int left = CentredOffset(screen.width(), outer.width());
  move(left, top);
}

void TCardTable::StatsMenuClick() {
  if (StatsForm == nullptr) throw std::logic_error("the statistics dialog has not been created");
  stats_->StatsMenuClick(*StatsForm);
}

void TCardTable::QuitClick() {
  stats_->QuitClick([this] { close(); });
}

void TCardTable::FormClose() {
  // The game under way is kept (with Keep on) and the statistics are saved, each whatever became of the
  // other.
  ClosingStep([this] { aids_->KeepGame(); });
  ClosingStep([this] { stats_->FormClose(); });
}

void TCardTable::ClosingStep(const std::function<void()>& step) {
  if (!unattended_) {
    Handle(step);
    return;
  }
  try {
    step();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "vantrel: %s\n", error.what());
  }
}

void TCardTable::EndBySignal() {
  unattended_ = true;
  close();
  QCoreApplication::quit();
}

void TCardTable::ApplicationQuits() {
  if (isVisible()) FormClose();
}

void TCardTable::SessionEnding(QSessionManager& manager) {
  for (const std::function<void()>& step : {std::function<void()>([this] { aids_->KeepGame(); }),
                                            std::function<void()>([this] { stats_->FormClose(); })}) {
    try {
      step();
    } catch (const std::exception& error) {
      // The session may forbid dialogs at this point; the error then goes where the session logs its
      // programs' output.
      std::fprintf(stderr, "vantrel: %s\n", error.what());
      if (manager.allowsInteraction()) {
        platform::ShowException(error, this);
        manager.release();
      }
    }
  }
}

void TCardTable::ShowCentred() {
  const QSize screen = platform::PrimaryScreenSize();
  const QSize outer = OuterSize();
  move(CentredOffset(screen.width(), outer.width()), CentredOffset(screen.height(), outer.height()));
  show();
  activateWindow();
}

void TCardTable::Handle(const std::function<void()>& handler) {
  platform::RunShowingErrors(handler, this);
  SyncControls();
}

void TCardTable::Command(const std::function<void()>& handler) {
  if (view_ != nullptr) view_->EndDragWithoutDrop();
  Handle(handler);
}

QSize TCardTable::OuterSize() const { return outer_size_; }

QSize TCardTable::MeasuredOuterSize() const {
  // The client area is what lies below the menu bar: the table and the status bar.
  return QSize(client_->width() + kFrameWidth, client_->height() + sb_->height() + kFrameHeight);
}

void TCardTable::SetOuterSize(int width, int height) {
  const int client_width = width - kFrameWidth;
  int bar = menuBar()->heightForWidth(client_width);
  if (bar < 0) bar = menuBar()->sizeHint().height();
  setMinimumSize(kMinOuterWidth - kFrameWidth, kMinOuterHeight - kFrameHeight + bar);
  setMaximumWidth(kMaxOuterWidth - kFrameWidth);
  resize(client_width, height - kFrameHeight + bar);
}

void TCardTable::PlaceMaximised(int outer_width) {
  move(CentredOffset(platform::PrimaryScreenSize().width(), outer_width), pos().y());
}

bool TCardTable::event(QEvent* event) {
  // Menus and their items send status tips while hovered, which would clear the status bar: only the peek
  // writes it.
  if (event->type() == QEvent::StatusTip) return true;
  return QMainWindow::event(event);
}

bool TCardTable::eventFilter(QObject* watched, QEvent* event) {
  if (watched == client_ && event->type() == QEvent::Resize) ClientResized();
  if (scroll_ != nullptr && watched == scroll_->verticalScrollBar() && table_ &&
      (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
    PlaceControls();
  }
  if (event->type() == QEvent::KeyPress && qobject_cast<QMenu*>(watched) != nullptr &&
      ShortcutInOpenMenu(static_cast<QKeyEvent*>(event))) {
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

bool TCardTable::ShortcutInOpenMenu(const QKeyEvent* key) {
  const QKeySequence pressed(key->keyCombination());
  for (QAction* action : {new_, redo_, stats_menu_, quit_, undo_, show_valid_, show_number_, give_hint_,
                          enable_cheats_, help_}) {
    // A disabled item answers no shortcut; the hidden cheat switch, disabled by Qt while hidden, still does.
    if (action->shortcut() != pressed || (!action->isEnabled() && action != enable_cheats_)) continue;
    while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    action->trigger();
    return true;
  }
  return false;
}

void TCardTable::ClientResized() {
  if (!table_) return;  // not built yet: the first showing places everything
  scroll_->setGeometry(client_->rect());
  PlaceControls();
  const QSize outer = MeasuredOuterSize();
  if (!isMaximized()) normal_outer_width_ = outer.width();
  if (outer == outer_size_) return;
  outer_size_ = outer;
  FormResize();
}

void TCardTable::PlaceControls() {
  const int client_width = client_->width();
  const int client_height = client_->height() + sb_->height();
  num_moves_lbl_->adjustSize();
  const LabelPlace label =
      NumMovesLabelPlace(client_width, client_height, num_moves_lbl_->width(), num_moves_lbl_->height());
  num_moves_lbl_->move(label.left, label.top);
  num_moves_lbl_->raise();
  // The button keeps its distance to the edge of the table's area, beside the vertical scroll bar when that
  // shows; the bar is off during a drag, which leaves the button where it is. A longer translation widens it
  // to the left.
  if (!table_->ui.dragging) {
    const QScrollBar* bar = scroll_->verticalScrollBar();
    scroll_bar_room_ = bar->isVisible() ? bar->width() : 0;
  }
  const QFontMetrics metrics(show_moves_btn_->font());
  const int button_width =
      kButtonWidth + std::max(0, metrics.horizontalAdvance(show_moves_btn_->text()) -
                                     metrics.horizontalAdvance(QStringLiteral("Show All Moves")));
  const LabelPlace button =
      ShowMovesButtonPlace(client_width - scroll_bar_room_, client_height, button_width);
  show_moves_btn_->setGeometry(button.left, button.top, button_width, kButtonHeight);
  show_moves_btn_->raise();
}

void TCardTable::SyncControls() {
  const Controls c = ControlsOf(*table_);
  give_hint_->setText(Text(c.give_hint_caption));
  undo_->setEnabled(c.undo_enabled);
  show_valid_->setChecked(c.show_valid_checked);
  show_number_->setChecked(c.show_number_checked);
  use_transparency_->setChecked(c.use_transparency_checked);
  show_moves_btn_->setEnabled(c.show_moves_enabled);
  const QString caption = Text(c.num_moves_caption);
  if (num_moves_lbl_->text() != caption) {
    num_moves_lbl_->setText(caption);
    PlaceControls();
  }
  num_moves_lbl_->setVisible(c.num_moves_visible);
  if (c.status_text.empty()) {
    sb_->clearMessage();
  } else {
    sb_->showMessage(Text(c.status_text));
  }
  for (std::size_t i = 0; aids_ && i < switch_items_.size(); ++i)
    switch_items_[i]->setChecked(aids_->switches().*kSwitchItems[i].switched);
  if (aids_) aids_->Follow();
  const Qt::ScrollBarPolicy bars = c.scroll_bars ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
  scroll_->setHorizontalScrollBarPolicy(bars);
  scroll_->setVerticalScrollBarPolicy(bars);
  if (view_ != nullptr) view_->Sync();
}

void TCardTable::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  FormShow();
}

void TCardTable::closeEvent(QCloseEvent* event) {
  FormClose();
  QMainWindow::closeEvent(event);
}

void TCardTable::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
#ifndef Q_OS_WIN
  // Elsewhere than on Windows the maximised window is placed after the window manager has maximised it:
  // its left edge goes where the width it had before puts it.
  if (event->type() == QEvent::WindowStateChange && isMaximized()) {
    const int width = normal_outer_width_;
    QTimer::singleShot(0, this, [this, width] {
      if (isMaximized()) PlaceMaximised(width);
    });
  }
#endif
}

#ifdef Q_OS_WIN
bool TCardTable::nativeEvent(const QByteArray& type, void* message, qintptr* result) {
  auto* msg = static_cast<MSG*>(message);
  if (msg->message == WM_GETMINMAXINFO) {
    // Only the maximised position's left edge is ours; Qt goes on to apply the size limits.
    auto* info = reinterpret_cast<MINMAXINFO*>(msg->lParam);
    info->ptMaxPosition.x = CentredOffset(GetSystemMetrics(SM_CXSCREEN), OuterSize().width());
  }
  return QMainWindow::nativeEvent(type, message, result);
}
#endif

}  // namespace vantrel::app
