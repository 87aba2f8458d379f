// The desktop host: the message box and the warning question as the player sees them, the clock that tests
// can fix, and the hint timer.
#include "platform_qt/qt_host.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>

#include "ui_support.h"

namespace vantrel::uitest {
namespace {

TEST(QtHost, MessageBoxHasTheProgramsTitleTheTextAndOk) {
  platform::QtHost host;
  bool before_dialog = false;
  host.OnBeforeDialog([&] { before_dialog = true; });
  AnswerNextDialog(
      [](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Vantrel"));
        EXPECT_EQ(box->text(), QStringLiteral("You Win!"));
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
      },
      QMessageBox::Ok);
  host.ShowMessage("You Win!");
  EXPECT_TRUE(before_dialog);
}

TEST(QtHost, WarningQuestionGoesOnOnlyOnYes) {
  const std::string kNewGame = "Are you sure you want to start a new game?";
  platform::QtHost host;
  auto check = [](QWidget* dialog) {
    auto* box = qobject_cast<QMessageBox*>(dialog);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box->text(), QStringLiteral("Are you sure you want to start a new game?"));
  };
  AnswerNextDialog(check, QMessageBox::Yes);
  EXPECT_TRUE(host.AskWarning(kNewGame, platform::DefaultAnswer::kYes));
  AnswerNextDialog(check, QMessageBox::No);
  EXPECT_FALSE(host.AskWarning(kNewGame, platform::DefaultAnswer::kYes));
  AnswerNextDialog(check, 0);  // Esc
  EXPECT_FALSE(host.AskWarning(kNewGame, platform::DefaultAnswer::kYes));
  // Enter presses the default button: Yes for a new game, No for clearing the statistics.
  const auto enter = [](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Return); };
  WhenNextDialogOpens(enter);
  EXPECT_TRUE(host.AskWarning(kNewGame, platform::DefaultAnswer::kYes));
  WhenNextDialogOpens(enter);
  EXPECT_FALSE(
      host.AskWarning("Are you SURE you want to clear the statistics?", platform::DefaultAnswer::kNo));
}

TEST(QtHost, ClockCanBeFixedThroughTheEnvironment) {
  qputenv(platform::kClockVariable, "1700000123");
  EXPECT_EQ(platform::QtHost().NowSeconds(), 1700000123u);
  qputenv(platform::kClockVariable, "4294967295");
  EXPECT_EQ(platform::FixedClock(), std::optional<std::uint32_t>(4294967295u));
  for (const char* bad : {"", "soon", "-1", "4294967296"}) {
    qputenv(platform::kClockVariable, bad);
    EXPECT_EQ(platform::FixedClock(), std::nullopt) << bad;
  }
  qunsetenv(platform::kClockVariable);
  const std::uint32_t now = platform::QtHost().NowSeconds();
  EXPECT_GT(now, 1700000000u);  // a real clock, after the game was written
}

TEST(QtHost, HintTimerFiresAfter700Milliseconds) {
  platform::QtHost host;
  int fired = 0;
  host.OnHintTimer([&] {
    ++fired;
    host.StopHintTimer();
  });
  EXPECT_EQ(host.hint_timer().interval(), 700);
  host.StartHintTimer();
  EXPECT_TRUE(host.hint_timer().isActive());
  QTRY_COMPARE_WITH_TIMEOUT(fired, 1, 3000);
  EXPECT_FALSE(host.hint_timer().isActive());
}

TEST(QtHost, TheWindowWiresTheTimerToTheHint) {
  qputenv(platform::kClockVariable, "1700000000");
  app::MainWindow window(nullptr, GameDir());
  qunsetenv(platform::kClockVariable);
  const QTimer* timer = Find<QTimer>(window, "hintTimer");
  Find(window, "newGame")->trigger();
  Find(window, "giveHint")->trigger();
  const int hinted = window.table().course.hint_card;
  EXPECT_FALSE(window.table().images[hinted].visible);
  EXPECT_TRUE(timer->isActive());
  QTRY_VERIFY_WITH_TIMEOUT(window.table().images[hinted].visible, 3000);
  EXPECT_FALSE(timer->isActive());
}

}  // namespace
}  // namespace vantrel::uitest
