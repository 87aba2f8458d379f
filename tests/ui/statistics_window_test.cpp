// The statistics as the window keeps them, with the real store in a folder of each test's own: loaded by the
// construction, shown by F4, cleared only on Yes, saved by F10 and by every close, and a bad store stopping
// the start-up.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QWindow>
#include <map>
#include <string>

#include "platform/error.h"
#include "stats/statistics.h"
#include "store_support.h"
#include "ui_support.h"

namespace vantrel::uitest {
namespace {

using Values = std::map<std::string, std::string>;

const Values kZeros = {{"Wins", "0"}, {"Losses", "0"}, {"WinStreak", "0"}, {"LoseStreak", "0"}};

class StatisticsWindow : public ::testing::Test {
 protected:
  // The next test finds the store where the run keeps it, not in this test's folder, which is about to go.
  ~StatisticsWindow() override { SetRunSettingsDir(RunSettingsDir()); }

  QString StorePath() const { return home_.StorePath(); }
  void Store(const std::string& values) { testing::WriteBytes(StorePath(), "[General]\n" + values); }
  Values Stored() const { return testing::StoredText(StorePath()); }
  // Turns the store into a folder, so that no save can happen.
  void BreakStore() const {
    ASSERT_TRUE(QFile::remove(StorePath()));
    ASSERT_TRUE(QDir().mkpath(StorePath()));
  }
  // Closes the next message box with OK, keeping its text in `text`.
  static std::function<void(QWidget*)> ReadAndAcknowledge(QString& text) {
    return [&text](QWidget* dialog) {
      auto* box = qobject_cast<QMessageBox*>(dialog);
      ASSERT_NE(box, nullptr);
      text = box->text();
      box->button(QMessageBox::Ok)->click();
    };
  }

  // Ends a game as lost: a deal unless a game is under way, then another one whose question is answered Yes,
  // which abandons it.
  static void Lose(Window& w) {
    if (w.table().course.game_state != GameState::kInProgress) w.Deal();
    w.host.QueueAnswer(true);
    w.Deal();
    ASSERT_FALSE(w.host.questions.empty());
    ASSERT_EQ(w.host.questions.back(), "Are you sure you want to start a new game?");
  }

  // Presses `key` in the window, which a dialog closed before may have left inactive: shortcuts reach only
  // the active window.
  static void Press(Window& w, Qt::Key key) {
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get()));
    QTest::keyClick(w.window.get(), key);
  }

  // Presses `key` in the window while the next dialog, when it opens, is handed to `act` to be closed.
  static void PressWithDialog(Window& w, Qt::Key key, std::function<void(QWidget*)> act) {
    WhenNextDialogOpens(std::move(act));
    Press(w, key);
  }

  // The texts the statistics dialog shows, read when F4 has opened it; then the dialog is closed with
  // `close`.
  static Values ShowStatistics(Window& w, Qt::Key close) {
    Values shown;
    PressWithDialog(w, Qt::Key_F4, [&shown, &w, close](QWidget* dialog) {
      EXPECT_EQ(dialog, w.statistics_dialog.get()) << "F4 must show the one statistics dialog";
      for (const char* name : {"wins", "losses", "winStreak", "loseStreak", "currentStreak"}) {
        if (const auto* label = dialog->findChild<QLabel*>(name)) shown[name] = label->text().toStdString();
      }
      QTest::keyClick(dialog->focusWidget() != nullptr ? dialog->focusWidget() : dialog, close);
    });
    EXPECT_FALSE(w.statistics_dialog->isVisible());
    return shown;
  }

  testing::TempSettingsHome home_;
};

TEST_F(StatisticsWindow, TheConstructionLoadsTheStoreAndAFirstStartWritesFourZeros) {
  {
    Window w;
    EXPECT_EQ(Stored(), kZeros);
    EXPECT_TRUE(w.host.questions.empty()) << "a first start asks nothing";
    EXPECT_EQ(w.table().course.results, Results{});
  }
  // A store with values of its own (the file grows, so it is read afresh).
  Store("Wins=17\nLosses=-2\nWinStreak=4\nLoseStreak=1\n");
  Window w;
  EXPECT_EQ(w.table().course.results, (Results{17, -2, kStreakWins, 0, 4, 1}));
  EXPECT_EQ(Stored().at("Wins"), "17") << "loading writes nothing";
}

TEST_F(StatisticsWindow, F4ShowsTheCountersAndTheCurrentStreakAndOkChangesNothing) {
  Store("Wins=7\nLosses=2\nWinStreak=4\nLoseStreak=1\n");
  Window w;
  EXPECT_EQ(ShowStatistics(w, Qt::Key_Return), (Values{{"wins", "7"},
                                                       {"losses", "2"},
                                                       {"winStreak", "4"},
                                                       {"loseStreak", "1"},
                                                       {"currentStreak", "0 wins"}}));
  Lose(w);
  Lose(w);
  EXPECT_EQ(ShowStatistics(w, Qt::Key_Return), (Values{{"wins", "7"},
                                                       {"losses", "4"},
                                                       {"winStreak", "4"},
                                                       {"loseStreak", "2"},
                                                       {"currentStreak", "2 losses"}}));
  EXPECT_EQ(w.host.questions.size(), 2u) << "OK asks nothing";
  EXPECT_EQ(Stored().at("Losses"), "2") << "showing the statistics saves nothing";
}

TEST_F(StatisticsWindow, EscInTheDialogThenNoKeepsEverythingYesWritesFourZeros) {
  Store("Wins=7\nLosses=2\nWinStreak=4\nLoseStreak=1\n");
  const std::string before = testing::ReadBytes(StorePath());
  Window w;
  Lose(w);
  const Results played = w.table().course.results;

  w.host.QueueAnswer(false);
  ShowStatistics(w, Qt::Key_Escape);
  ASSERT_FALSE(w.host.questions.empty());
  EXPECT_EQ(w.host.questions.back(), kClearQuestion.english);
  EXPECT_EQ(w.table().course.results, played);
  EXPECT_EQ(testing::ReadBytes(StorePath()), before) << "No must leave the store as it was";

  w.host.QueueAnswer(true);
  ShowStatistics(w, Qt::Key_Escape);
  EXPECT_EQ(w.host.questions.back(), kClearQuestion.english);
  EXPECT_EQ(Stored(), kZeros) << "Yes writes the zeros at once";
  EXPECT_EQ(w.table().course.results, Results{});
  EXPECT_EQ(ShowStatistics(w, Qt::Key_Return), (Values{{"wins", "0"},
                                                       {"losses", "0"},
                                                       {"winStreak", "0"},
                                                       {"loseStreak", "0"},
                                                       {"currentStreak", "0 wins"}}));
}

TEST_F(StatisticsWindow, F10SavesThenClosesAndAFailedSaveKeepsTheWindowOpen) {
  Window w;
  Lose(w);
  // The store turned into a folder: the save cannot happen.
  BreakStore();
  QString error;
  WhenNextDialogOpens(ReadAndAcknowledge(error));
  Press(w, Qt::Key_F10);
  EXPECT_NE(error.indexOf(QDir::toNativeSeparators(StorePath())), -1) << error.toStdString();
  EXPECT_TRUE(w->isVisible()) << "a failed save must not close the window";
  EXPECT_EQ(w.table().course.results.losses, 1) << "the results are still there to be saved";

  ASSERT_TRUE(QDir().rmdir(StorePath()));
  Press(w, Qt::Key_F10);
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(Stored(), (Values{{"Wins", "0"}, {"Losses", "1"}, {"WinStreak", "0"}, {"LoseStreak", "1"}}));
}

TEST_F(StatisticsWindow, EveryCloseSavesAGameInProgressIsNotCountedAndAFailedSaveStillCloses) {
  {
    Window w;
    Lose(w);  // and the next game is under way
    ASSERT_EQ(w.table().course.game_state, GameState::kInProgress);
    w->windowHandle()->close();  // as the window system closes it: the close box, Alt+F4, the system menu
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(Stored(), (Values{{"Wins", "0"}, {"Losses", "1"}, {"WinStreak", "0"}, {"LoseStreak", "1"}}));
  }
  Window w;
  Lose(w);
  BreakStore();
  QString error;
  WhenNextDialogOpens(ReadAndAcknowledge(error));
  w->windowHandle()->close();
  EXPECT_NE(error.indexOf(QDir::toNativeSeparators(StorePath())), -1) << "the failed save must be shown";
  EXPECT_FALSE(w->isVisible()) << "any close but Quit closes after the error";
}

TEST_F(StatisticsWindow, QuittingWithTheWindowOpenSavesAndAFailedSaveAtACloseIsShownOnce) {
  Window w;
  Lose(w);
  w->ApplicationQuits();  // the desktop session ends without closing the window
  EXPECT_EQ(Stored(), (Values{{"Wins", "0"}, {"Losses", "1"}, {"WinStreak", "0"}, {"LoseStreak", "1"}}));

  Lose(w);
  BreakStore();
  int errors = 0;
  const auto count = [&errors](QWidget* dialog) {
    ++errors;
    QTest::keyClick(dialog, Qt::Key_Return);
  };
  WhenNextDialogOpens(count);
  w->windowHandle()->close();
  EXPECT_EQ(errors, 1);
  // The application quits after its last window has closed: the close has already shown the failure.
  QTimer* watch = WhenNextDialogOpens(count);
  w->ApplicationQuits();
  delete watch;
  EXPECT_EQ(errors, 1) << "the failed save must be shown once";
}

TEST_F(StatisticsWindow, AFirstStartWithoutAStoreSaysSoOncePlaysAndEveryCloseTriesAgain) {
  // A plain file where the store's folder belongs: the folder cannot be created.
  testing::WriteBytes(home_.StoreDir(), "in the way");
  int errors = 0;
  QString error;
  bool window_made = false;
  auto count = [&](QWidget* dialog) {
    ++errors;
    // The box does not make the window before its first showing, which would then be placed by its inside.
    const app::MainWindow* window = MainWindowAlive();
    window_made = window_made ||
                  (window != nullptr && !window->isVisible() && window->testAttribute(Qt::WA_WState_Created));
    ReadAndAcknowledge(error)(dialog);
  };
  {
    WhenNextDialogOpens(count);
    Window w;
    ASSERT_EQ(errors, 1) << "the failed first save is shown once";
    EXPECT_FALSE(window_made);
    EXPECT_NE(error.indexOf(QDir::toNativeSeparators(StorePath())), -1) << error.toStdString();
    EXPECT_NE(error.indexOf("Not a directory"), -1) << error.toStdString();
    Lose(w);
    EXPECT_EQ(errors, 1);
    // Quit tries again, says once more why it failed, and the window closes all the same.
    WhenNextDialogOpens(count);
    Press(w, Qt::Key_F10);
    EXPECT_EQ(errors, 2);
    EXPECT_FALSE(w->isVisible());
  }
  // The folder mended while such a run plays: its close saves what it played.
  WhenNextDialogOpens(count);
  Window w;
  EXPECT_EQ(errors, 3);
  Lose(w);
  ASSERT_TRUE(QFile::remove(home_.StoreDir()));
  w->windowHandle()->close();
  EXPECT_EQ(errors, 3);
  EXPECT_EQ(Stored(), (Values{{"Wins", "0"}, {"Losses", "1"}, {"WinStreak", "0"}, {"LoseStreak", "1"}}));
}

TEST_F(StatisticsWindow, ABadStoreStopsTheStartUpAndIsLeftAsItWas) {
  struct Case {
    const char* values;
    const char* named;
  };
  const Case cases[] = {
      {"Wins=3\nLosses=abc\nWinStreak=1\nLoseStreak=0\n", "\"Losses\""},
      {"Wins=3\nLosses=1\nWinStreak=1\n", "\"LoseStreak\""},
      {"Wins=2147483648\nLosses=1\nWinStreak=1\nLoseStreak=0\n", "\"Wins\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.values);
    Store(c.values);
    const std::string before = testing::ReadBytes(StorePath());
    platform::ScriptedHost host(kNow);
    try {
      app::MainWindow window(&host, GameDir());
      ADD_FAILURE() << "the window was built over a bad store";
    } catch (const Error& error) {
      const std::string message = error.what();
      EXPECT_NE(message.find(c.named), std::string::npos) << message;
      EXPECT_NE(message.find(QDir::toNativeSeparators(StorePath()).toStdString()), std::string::npos)
          << message;
      EXPECT_NE(message.find("delete that file"), std::string::npos) << message;
    }
    EXPECT_EQ(MainWindowAlive(), nullptr) << "no window is left of a start-up that stopped";
    EXPECT_EQ(testing::ReadBytes(StorePath()), before) << "a bad store is never overwritten";
  }
}

TEST_F(StatisticsWindow, TheDialogAndTheIconComeOnceAfterTheFirstPaintOrAtAnEarlierF4) {
  for (const bool f4_first : {false, true}) {
    SCOPED_TRACE(f4_first ? "F4 before the window shows" : "the window shows first");
    platform::ScriptedHost host{kNow};
    std::unique_ptr<StatisticsDialog> dialog;  // outlives the window, as in the game
    int made = 0;
    app::MainWindow window(&host, GameDir());
    window.SetStatisticsDialogMaker([&]() -> StatsDialog& {
      ++made;
      dialog = std::make_unique<StatisticsDialog>();
      return *dialog;
    });
    QGuiApplication::setWindowIcon(QIcon());
    EXPECT_EQ(made, 0) << "nothing is made before the table is on screen";
    if (f4_first) {
      QWidget* shown = nullptr;
      WhenNextDialogOpens([&shown](QWidget* opened) {
        shown = opened;
        QTest::keyClick(opened, Qt::Key_Escape);
      });
      Find(window, "statistics")->trigger();
      EXPECT_EQ(made, 1);
      EXPECT_EQ(shown, dialog.get()) << "F4 shows the dialog it made";
      EXPECT_FALSE(QGuiApplication::windowIcon().isNull()) << "a box before the table has the game's icon";
    }
    window.ShowCentred();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(made, 1);
    QTest::qWait(50);
    EXPECT_EQ(made, 1) << "made once";
    EXPECT_FALSE(QGuiApplication::windowIcon().isNull()) << "the game's icon is set once the table shows";
    EXPECT_FALSE(dialog->isVisible());
  }
}

}  // namespace
}  // namespace vantrel::uitest
