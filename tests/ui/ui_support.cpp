// The widget tests' helpers.
#include "ui_support.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "interaction/table_places.h"
#include "platform_qt/screen_metrics.h"

namespace vantrel::uitest {

QDir GameDir() { return QDir(QStringLiteral(VANTREL_GAME_DIR)); }

namespace {
QString& RunSettings() {
  static QString folder;
  return folder;
}
}  // namespace

void SetRunSettingsDir(const QString& folder) {
  RunSettings() = folder;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder));
}

QString RunSettingsDir() { return RunSettings(); }

Window::Window() {
  window = std::make_unique<app::MainWindow>(&host, GameDir());
  statistics_dialog = std::make_unique<StatisticsDialog>();
  window->SetStatisticsDialog(*statistics_dialog);
  window->ShowCentred();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  window->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

Window::~Window() { platform::SetPrimaryScreenSizeForTesting(std::nullopt); }

app::MainWindow* MainWindowAlive() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* window = qobject_cast<app::MainWindow*>(widget)) return window;
  }
  return nullptr;
}

void Window::Deal() {
  Find(*window, "newGame")->trigger();
  QCoreApplication::processEvents();
}

QPoint GrabPoint(const Table& table, int slot) {
  const SlotPlace place = Layout().PlaceOf(table, slot);
  const Image& image = table.images[slot];
  const bool covered = !table.CardsAbove(slot).empty();
  return QPoint(place.left + image.width / 2, place.top + (covered ? 7 : image.height / 2));
}

int SlotOfCard(const Table& table, int suit, int number) {
  for (int i = 0; i < kCardSlots; ++i) {
    if (table.card(i).suit == suit && table.card(i).number == number) return i;
  }
  return -1;
}

Drop FindValidMove(const Table& table) {
  for (const LegalDrop& drop : table.ListLegalDrops()) {
    if (drop.counted && !IsBlankSpot(drop.target)) return drop;
  }
  return kNoDrop;
}

std::vector<std::tuple<int, int, int, bool, bool>> SlotsAsShown(const Table& table) {
  std::vector<std::tuple<int, int, int, bool, bool>> layout;
  for (int i = 0; i < kCardSlots; ++i) {
    const Card c = table.card(i);
    const SlotPlace place = Layout().PlaceOf(table, i);
    layout.emplace_back(place.left, place.top, c.col, c.back_up, c.ontop);
  }
  return layout;
}

void FocusOn(Window& w, int slot) { FocusOn(*w, slot); }

void FocusOn(app::MainWindow& window, int slot) {
  TableView& view = *Find<TableView>(window, "table");
  if (!view.keys().play().shown()) QTest::keyClick(&view, Qt::Key_Up);
  const auto way = TablePlaces(window.table()).Way(view.keys().play().focus(), slot);
  ASSERT_TRUE(way.has_value()) << "no way to slot " << slot;
  const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right};
  for (Step step : *way) QTest::keyClick(&view, keys[static_cast<int>(step)]);
  ASSERT_EQ(view.keys().play().focus(), slot);
}

QTimer* WhenNextDialogOpens(std::function<void(QWidget*)> act) {
  // The timer belongs to the application, which frees it at the end; it stops once it has acted.
  auto* timer = new QTimer(QCoreApplication::instance());
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, act = std::move(act)] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr) return;
    timer->stop();
    act(dialog);
  });
  timer->start();
  return timer;
}

void AnswerNextDialog(std::function<void(QWidget*)> inspect, int button) {
  WhenNextDialogOpens([inspect = std::move(inspect), button](QWidget* dialog) {
    inspect(dialog);
    auto* box = qobject_cast<QMessageBox*>(dialog);
    if (box != nullptr && button != 0) {
      box->button(static_cast<QMessageBox::StandardButton>(button))->click();
    } else {
      QTest::keyClick(dialog, Qt::Key_Escape);
    }
  });
}

}  // namespace vantrel::uitest
