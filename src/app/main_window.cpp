// The main window: building it, its command table, its statistics, and the behaviour that belongs to the
// window.
#include "app/main_window.h"

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

#include "app/game_aids.h"
#include "app/menu_table.h"
#include "app/window_font.h"
#include "app/window_geometry.h"
#include "platform/startup_marks.h"
#include "platform_qt/cursors.h"
#include "platform_qt/exception_display.h"
#include "platform_qt/resources.h"
#include "platform_qt/screen_metrics.h"
#include "registry/settings_registry.h"
#include "stats/statistics.h"
#include "table/controls.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace vantrel::app {

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

MainWindow::MainWindow(platform::Host* host, const QDir& working_folder) {
  // The window and its controls take their design state first.
  if (host == nullptr) {
    qt_host_ = std::make_unique<platform::QtHost>(this);
    host = qt_host_.get();
  }
  host_ = host;
  setWindowTitle(QStringLiteral("Vantrel"));
  BuildMenus();
  platform::StartupMark("menus");
  BuildControls();
  platform::StartupMark("controls");

  // Then the table: 60 slots for the design size, all hidden; then the pictures, read once.
  table_ = std::make_unique<Table>(*host_, kDesignHeight);
  interaction_ = std::make_unique<Interaction>(*table_);
  platform::StartupMark("table");
  pictures_ = std::make_unique<CardPictures>(working_folder);
  platform::StartupMark("pictures");
  view_ = new TableView(*table_, *interaction_, *pictures_);
  view_->setObjectName(QStringLiteral("table"));
  view_->SetRunner([this](const std::function<void()>& handler) { Handle(handler); });
  scroll_->setWidget(view_);
  // What waits until the table is on screen, after the event that painted it.
  view_->SetOnFirstPaint([this] {
    QTimer::singleShot(0, this, [this] {
      platform::SetWindowIcon();
      MakeStatisticsDialog();
    });
  });
  platform::StartupMark("view");
  // The statistics, as the last act of the construction: loaded from the player's store, or four zeros
  // written on a first start. A store that cannot be read stops the start-up here, before the window shows.
  registry_ = std::make_unique<platform::SettingsRegistry>();
  stats_ = std::make_unique<Statistics>(*registry_, *host_, table_->course.results);
  // The box has no parent: one would make the window's own before its first showing, which then places the
  // window's inside, not its frame, where the frame belongs (some 20 pixels higher under a window manager).
  if (const std::optional<Error> no_store = stats_->Start()) platform::ShowException(*no_store, nullptr);
  platform::StartupMark("statistics");
  // Then the switches, and the game kept at the last close when Keep is on (a refusal is shown likewise).
  aids_ = std::make_unique<GameAids>(*table_, *interaction_, *status_bar_);
  if (const std::optional<Error> refused = aids_->Start()) platform::ShowException(*refused, nullptr);
  platform::StartupMark("aids");
  // Results are never lost when the desktop session ends rather than the window closing: the session
  // manager asks for the data first, and the application may quit without closing the window.
  connect(qApp, &QGuiApplication::commitDataRequest, this, &MainWindow::SessionEnding);
  connect(qApp, &QCoreApplication::aboutToQuit, this, &MainWindow::ApplicationQuits);

  if (qt_host_) {
    // The end of a hint's blink only shows the card again: not a command, so a drag under way goes on.
    qt_host_->OnHintTimer([this] { Handle([this] { table_->EndHintBlink(); }); });
    qt_host_->OnBeforeDialog([this] { SyncControls(); });
  }
  SetOuterSize({kDesignWidth, kDesignHeight});
  SyncControls();
  platform::StartupMark("synchronised");
  // Last, once everything is built.
  RegisterCursors();
  platform::StartupMark("cursors");
}

MainWindow::~MainWindow() {
  // The scroll bar outlives the table (children go last): it tells the window nothing more.
  scroll_->verticalScrollBar()->removeEventFilter(this);
}

void MainWindow::BuildMenus() {
  QMenuBar* bar = menuBar();
  QMenu* drop_down = nullptr;  // the drop-down the items go into
  for (const MenuEntry& entry : MenuTable()) {
    switch (entry.place) {
      case MenuPlace::kDropDown:
        drop_down = bar->addMenu(QCoreApplication::translate("Menu", entry.caption));
        drop_down->setObjectName(QString::fromLatin1(entry.name));
        // An open drop-down takes the keyboard; the items' shortcuts still work then (ShortcutInOpenMenu).
        drop_down->installEventFilter(this);
        continue;
      case MenuPlace::kSeparator:
        drop_down->addSeparator();
        continue;
      default:
        break;
    }
    QString caption;
    if (entry.caption != nullptr) {
      caption = entry.place == MenuPlace::kHidden ? QString::fromLatin1(entry.caption)
                                                  : QCoreApplication::translate("Menu", entry.caption);
    }
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(entry.name));
    action->setShortcut(QKeySequence(entry.shortcut));
    action->setCheckable(entry.checked != nullptr || entry.aid != nullptr);
    switch (entry.place) {
      case MenuPlace::kBar:
        bar->addAction(action);  // a click runs it at once
        break;
      case MenuPlace::kHidden: {
        // A hidden item gets no shortcut from Qt, so the window carries the shortcut itself.
        action->setVisible(false);
        auto* shortcut = new QShortcut(action->shortcut(), this);
        connect(shortcut, &QShortcut::activated, action, &QAction::trigger);
        break;
      }
      default:
        drop_down->addAction(action);
        break;
    }
    connect(action, &QAction::triggered, this, [this, &entry] {
      Command([this, &entry] {
        if (entry.aid != nullptr) {
          aids_->Toggle(entry.aid);
        } else {
          entry.run(*this);
        }
      });
    });
    menu_items_.push_back({&entry, action});
  }
}

void MainWindow::BuildControls() {
  const QFont font = WindowFont();
  client_ = new QWidget(this);
  client_->installEventFilter(this);
  setCentralWidget(client_);

  scroll_ = new QScrollArea(client_);
  scroll_->setObjectName(QStringLiteral("tableArea"));
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setFocusPolicy(Qt::NoFocus);  // the keyboard goes to the table itself (keyboard play)
  scroll_->setWidgetResizable(true);
  QPalette green = scroll_->palette();
  green.setColor(QPalette::Window, QColor(kTableGreen));
  scroll_->setPalette(green);
  scroll_->viewport()->setAutoFillBackground(true);
  scroll_->verticalScrollBar()->installEventFilter(this);

  move_label_ = new QLabel(client_);
  move_label_->setObjectName(QStringLiteral("moveCount"));
  move_label_->setFont(font);
  QPalette white = move_label_->palette();
  white.setColor(QPalette::WindowText, Qt::white);
  move_label_->setPalette(white);

  show_all_moves_ = new QPushButton(QCoreApplication::translate("Table", "Show All Moves"), client_);
  show_all_moves_->setObjectName(QStringLiteral("showAllMoves"));
  show_all_moves_->setFont(font);
  show_all_moves_->setEnabled(false);
  show_all_moves_->setFocusPolicy(Qt::NoFocus);
  connect(show_all_moves_, &QPushButton::clicked, this,
          [this] { Command([this] { table_->ShowAllMoves(); }); });

  status_bar_ = statusBar();
  status_bar_->setFont(font);
  status_bar_->setFixedHeight(kStatusBarHeight);
}

void MainWindow::RegisterCursors() {
  platform::CursorTable& cursors = platform::CursorTable::Screen();
  cursors.Register(kCursorHandPointer, platform::LoadCursorResource("HANDPOINTER"));
  cursors.Register(kCursorHandGrab, platform::LoadCursorResource("HANDGRAB"));
}

void MainWindow::ResizeTable() {
  Handle([this] { view_->SetWindowHeight(outer_size_.height()); });
}

void MainWindow::CenterOnScreen() {
  const QSize screen = platform::PrimaryScreenSize();
  const QSize outer = OuterSize();
  const int top = CentredOffset(screen.height(), outer.height());
  move(pos().x(), top);
  const int left = CentredOffset(screen.width(), outer.width());
  move(left, top);
}

void MainWindow::MakeStatisticsDialog() {
  if (statistics_dialog_ == nullptr && make_statistics_dialog_)
    statistics_dialog_ = &make_statistics_dialog_();
}

void MainWindow::ShowStatistics() {
  platform::SetWindowIcon();
  MakeStatisticsDialog();
  if (statistics_dialog_ == nullptr) throw std::logic_error("the statistics dialog has not been created");
  stats_->Show(*statistics_dialog_);
}

void MainWindow::SaveThenClose() {
  stats_->SaveThenClose([this] { close(); });
}

void MainWindow::SaveOnClose() {
  // The game under way is kept (with Keep on) and the statistics are saved, each whatever became of the
  // other.
  ClosingStep([this] { aids_->KeepGame(); });
  ClosingStep([this] { stats_->SaveOnClose(); });
}

void MainWindow::ClosingStep(const std::function<void()>& step) {
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

void MainWindow::EndBySignal() {
  unattended_ = true;
  close();
  QCoreApplication::quit();
}

void MainWindow::ApplicationQuits() {
  if (isVisible()) SaveOnClose();
}

void MainWindow::SessionEnding(QSessionManager& manager) {
  for (const std::function<void()>& step : {std::function<void()>([this] { aids_->KeepGame(); }),
                                            std::function<void()>([this] { stats_->SaveOnClose(); })}) {
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

void MainWindow::ShowCentred() {
  const QSize screen = platform::PrimaryScreenSize();
  const QSize outer = OuterSize();
  move(CentredOffset(screen.width(), outer.width()), CentredOffset(screen.height(), outer.height()));
  platform::StartupMark("show");
  show();
  activateWindow();
  platform::StartupMark("shown");
}

void MainWindow::Handle(const std::function<void()>& handler) {
  platform::RunShowingErrors(handler, this);
  SyncControls();
}

void MainWindow::Command(const std::function<void()>& handler) {
  if (view_ != nullptr) view_->EndDragWithoutDrop();
  Handle(handler);
}

QSize MainWindow::OuterSize() const { return outer_size_; }

QSize MainWindow::MeasuredOuterSize() const {
  // The client area is what lies below the menu bar: the table and the status bar.
  return QSize(client_->width() + kFrameWidth, client_->height() + status_bar_->height() + kFrameHeight);
}

void MainWindow::SetOuterSize(QSize outer) {
  const int client_width = outer.width() - kFrameWidth;
  int bar = menuBar()->heightForWidth(client_width);
  if (bar < 0) bar = menuBar()->sizeHint().height();
  setMinimumSize(kMinOuterWidth - kFrameWidth, kMinOuterHeight - kFrameHeight + bar);
  setMaximumWidth(kMaxOuterWidth - kFrameWidth);
  resize(client_width, outer.height() - kFrameHeight + bar);
}

void MainWindow::PlaceMaximised(int outer_width) {
  move(CentredOffset(platform::PrimaryScreenSize().width(), outer_width), pos().y());
}

bool MainWindow::event(QEvent* event) {
  // Menus and their items send status tips while hovered, which would clear the status bar: only the peek
  // writes it.
  if (event->type() == QEvent::StatusTip) return true;
  return QMainWindow::event(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
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

bool MainWindow::ShortcutInOpenMenu(const QKeyEvent* key) {
  const QKeySequence pressed(key->keyCombination());
  for (const MenuItem& item : menu_items_) {
    // A disabled item answers no shortcut; the hidden item, disabled by Qt while hidden, still does.
    const bool answers = item.action->isEnabled() || item.entry->place == MenuPlace::kHidden;
    if (item.action->shortcut() != pressed || !answers) continue;
    while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    item.action->trigger();
    return true;
  }
  return false;
}

void MainWindow::ClientResized() {
  if (!table_) return;  // not built yet: the first showing places everything
  scroll_->setGeometry(client_->rect());
  PlaceControls();
  const QSize outer = MeasuredOuterSize();
  if (!isMaximized()) normal_outer_width_ = outer.width();
  if (outer == outer_size_) return;
  outer_size_ = outer;
  ResizeTable();
}

void MainWindow::PlaceControls() {
  const QSize client(client_->width(), client_->height() + status_bar_->height());
  move_label_->adjustSize();
  const LabelPlace label = NumMovesLabelPlace(client, move_label_->size());
  move_label_->move(label.left, label.top);
  move_label_->raise();
  // The button keeps its distance to the edge of the table's area, beside the vertical scroll bar when that
  // shows; the bar is off during a drag, which leaves the button where it is. A longer translation widens it
  // to the left.
  if (!table_->ui.dragging) {
    const QScrollBar* bar = scroll_->verticalScrollBar();
    scroll_bar_room_ = bar->isVisible() ? bar->width() : 0;
  }
  const QFontMetrics metrics(show_all_moves_->font());
  const int button_width =
      kButtonWidth + std::max(0, metrics.horizontalAdvance(show_all_moves_->text()) -
                                     metrics.horizontalAdvance(QStringLiteral("Show All Moves")));
  const LabelPlace button = ShowMovesButtonPlace(client - QSize(scroll_bar_room_, 0), button_width);
  show_all_moves_->setGeometry(button.left, button.top, button_width, kButtonHeight);
  show_all_moves_->raise();
}

void MainWindow::SyncControls() {
  const Controls c = ControlsOf(*table_);
  for (const MenuItem& item : menu_items_) {
    const MenuEntry& entry = *item.entry;
    if (entry.text != nullptr) item.action->setText(Text(c.*entry.text));
    if (entry.enabled != nullptr) item.action->setEnabled(c.*entry.enabled);
    if (entry.checked != nullptr) item.action->setChecked(c.*entry.checked);
    if (entry.aid != nullptr && aids_) item.action->setChecked(aids_->switches().*entry.aid);
  }
  show_all_moves_->setEnabled(c.show_moves_enabled);
  const QString caption = Text(c.num_moves_caption);
  if (move_label_->text() != caption) {
    move_label_->setText(caption);
    PlaceControls();
  }
  move_label_->setVisible(c.num_moves_visible);
  if (c.status_text.empty()) {
    status_bar_->clearMessage();
  } else {
    status_bar_->showMessage(Text(c.status_text));
  }
  if (aids_) aids_->Follow();
  const Qt::ScrollBarPolicy bars = c.scroll_bars ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
  scroll_->setHorizontalScrollBarPolicy(bars);
  scroll_->setVerticalScrollBarPolicy(bars);
  if (view_ != nullptr) view_->Sync();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  SaveOnClose();
  QMainWindow::closeEvent(event);
}

void MainWindow::changeEvent(QEvent* event) {
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
bool MainWindow::nativeEvent(const QByteArray& type, void* message, qintptr* result) {
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
