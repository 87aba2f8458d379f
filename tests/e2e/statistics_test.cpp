// The statistics through the real window and its store file: a first start writes four zeros; two games won
// with the mouse and one abandoned with F2 are kept by the close box and by Quit; after a restart F4 shows
// them, drawn exactly as the statistics dialog draws those texts; Esc then No keeps them, Yes writes four
// zeros at once. And a damaged store stops the start-up with the error box.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "statistics_dialog/statistics_dialog.h"
#include "store_support.h"
#include "table/decimal_text.h"
#include "table/move_text.h"
#include "table_on_screen.h"
#include "x_server.h"

namespace vantrel::e2e {
namespace {

using Values = std::map<std::string, std::string>;

Values Stored(int wins, int losses, int win_streak, int lose_streak) {
  return {{"Wins", std::to_string(wins)},
          {"Losses", std::to_string(losses)},
          {"WinStreak", std::to_string(win_streak)},
          {"LoseStreak", std::to_string(lose_streak)}};
}

// Where a drop on `slot` lands: the uppermost card of its column.
int Landing(const Table& table, int slot) {
  const ColumnList above = table.CardsAbove(slot);
  return above.empty() ? slot : above.last();
}

// The statistics dialog drawn here, by the same class, with the texts it must show.
QImage DrawnDialog(const StatsTexts& texts) {
  StatisticsDialog dialog;
  QImage picture;
  QTimer::singleShot(0, &dialog, [&dialog, &picture] {
    picture = dialog.grab().toImage().convertToFormat(QImage::Format_RGB32);
    dialog.done(kStatsOk);
  });
  dialog.ShowModal(texts);
  return picture;
}

// Saves a screenshot where VANTREL_E2E_SHOTS says, to be looked at.
void KeepShot(const QImage& shot, const char* name) {
  if (!qEnvironmentVariableIsSet("VANTREL_E2E_SHOTS")) return;
  shot.save(QDir(qEnvironmentVariable("VANTREL_E2E_SHOTS")).filePath(QString::fromLatin1(name) + ".png"));
}

// What `xprop` says of one property of the window.
QString Property(unsigned long window, const char* name) {
  QProcess xprop;
  xprop.start(QStringLiteral("xprop"),
              {QStringLiteral("-id"), QString::number(window), QString::fromLatin1(name)});
  EXPECT_TRUE(xprop.waitForFinished(10000));
  return QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
}

// The title a window manager shows is exactly "Game Statistics"; the frame is a dialog's of fixed size with a
// close box, and neither minimise nor maximise.
void ExpectFixedDialogFrame(unsigned long dialog) {
  EXPECT_EQ(Property(dialog, "_NET_WM_NAME"),
            QStringLiteral("_NET_WM_NAME(UTF8_STRING) = \"Game Statistics\""));
  EXPECT_TRUE(Property(dialog, "_NET_WM_WINDOW_TYPE").contains(QStringLiteral("_NET_WM_WINDOW_TYPE_DIALOG")));
  const QString sizes = Property(dialog, "WM_NORMAL_HINTS");
  EXPECT_TRUE(sizes.contains(QStringLiteral("minimum size: 242 by 262")) &&
              sizes.contains(QStringLiteral("maximum size: 242 by 262")))
      << sizes.toStdString();
  // flags, functions, decorations: close (32) among the functions; no minimise (8) or maximise (16) among
  // the functions, nor their buttons (32, 64) among the decorations.
  const QStringList motif = Property(dialog, "_MOTIF_WM_HINTS").section(u'=', 1).split(u',');
  ASSERT_GE(motif.size(), 3) << motif.join(u',').toStdString();
  const unsigned functions = motif[1].trimmed().toUInt(nullptr, 16);
  const unsigned decorations = motif[2].trimmed().toUInt(nullptr, 16);
  EXPECT_EQ(functions & (8u | 16u | 32u), 32u) << functions;
  EXPECT_EQ(decorations & (32u | 64u), 0u) << decorations;
}

class StatisticsOnScreen : public TableOnScreen {
 protected:
  QString StorePath() const { return home_.path() + "/Quorvin Software/Vantrel.conf"; }
  Values StoredNow() const { return testing::StoredText(StorePath()); }
  void Start(unsigned clock) { StartGame(clock, home_.path()); }

  // Plays the drops with the mouse, each checked on screen against the model, except a last one that ends
  // the game: its box covers part of the table.
  void Play(const std::vector<Drop>& drops) {
    const Table& table = model_->table;
    for (std::size_t i = 0; i < drops.size(); ++i) {
      const Drop& drop = drops[i];
      SCOPED_TRACE(FormatDrop(drop));
      const TopSlots top(table);
      const QPoint press = top.VisiblePoint(drop.moved);
      ASSERT_FALSE(press.isNull()) << "the moved card does not show";
      // Released over some part of the target's column that shows, a different one drop after drop.
      std::set<int> column;
      for (int y = 0; y < kComparedHeight; ++y) {
        for (int x = 0; x < kTableWidth; ++x) {
          const int slot = top.At(QPoint(x, y));
          if (slot >= 0 && Landing(table, slot) == Landing(table, drop.target)) column.insert(slot);
        }
      }
      ASSERT_FALSE(column.empty()) << "the target's column does not show";
      const QPoint release =
          top.VisiblePoint(*std::next(column.begin(), static_cast<long>(i % column.size())));
      ASSERT_EQ(Layout().SlotAt(table, press.x(), press.y()), drop.moved);
      ASSERT_TRUE(model_->player.OffersDrop(
          {.moved = drop.moved, .target = Layout().SlotAt(table, release.x(), release.y())}));

      Drag(press, release);
      model_->player.DragAndDrop(drop);
      if (table.course.game_state == GameState::kInProgress) {
        ASSERT_EQ(WaitForModel("drop"), 0);
      }
    }
  }

  // Deals, plays the line, which must win in the core first, and answers "You Win!".
  void Win(const WinningLine& line) {
    ASSERT_TRUE(WinsInTheCore(line)) << "the line for " << line.seed << " does not win";
    model_->host.messages.clear();
    ASSERT_NO_FATAL_FAILURE(Deal());
    ASSERT_NO_FATAL_FAILURE(Play(line.drops));
    ASSERT_EQ(model_->host.messages, std::vector<std::string>{"You Win!"});
    const unsigned long box = WaitForWindow(QStringLiteral("Vantrel"), std::chrono::seconds(10), window_);
    ASSERT_NE(box, 0u) << "no \"You Win!\" box";
    Key(QStringLiteral("Return"), box);
    ASSERT_TRUE(WaitForNoWindow(QStringLiteral("Vantrel"), std::chrono::seconds(10), window_))
        << "the box stayed";
    ASSERT_EQ(WaitForModel("won"), 0);
  }

  // F4: the dialog must show `texts` exactly as the statistics dialog draws them. Returns the dialog.
  unsigned long ShowStatistics(const StatsTexts& texts, const char* what) {
    const QImage expected = DrawnDialog(texts);
    Key(QStringLiteral("F4"));
    const unsigned long dialog = WaitForWindow(QStringLiteral("Game Statistics"), std::chrono::seconds(10));
    EXPECT_NE(dialog, 0u) << "F4 showed no statistics";
    if (dialog == 0) return 0;
    const QRect place = WindowGeometry(dialog);
    EXPECT_EQ(place.size(), QSize(242, 262));
    ExpectFixedDialogFrame(dialog);
    const QRect screen(0, 0, testing::kScreenWidth, testing::kScreenHeight);
    EXPECT_LE((place.center() - screen.center()).manhattanLength(), 2)
        << "the dialog is centred on the desktop";
    QImage shot;
    for (int tries = 0; tries < 100; ++tries) {
      shot = Screenshot(place);
      if (shot == expected) break;
      QThread::msleep(50);
    }
    KeepShot(shot, what);
    if (shot != expected) {
      const QString base =
          QDir::temp().filePath(QStringLiteral("vantrel-e2e-%1").arg(QString::fromLatin1(what)));
      shot.save(base + QStringLiteral("-screen.png"));
      expected.save(base + QStringLiteral("-drawn.png"));
      ADD_FAILURE() << what << ": the dialog differs from the one drawn here; see " << base.toStdString()
                    << "-*.png";
    }
    return dialog;
  }

  // Enter in the dialog: OK, which closes it.
  void CloseWithOk(unsigned long dialog) {
    Key(QStringLiteral("Return"), dialog);
    EXPECT_TRUE(WaitForNoWindow(QStringLiteral("Game Statistics"), std::chrono::seconds(10)))
        << "Enter left the dialog open";
  }

  // Presses `key` in `window` (the main window by default), which must bring a question; answers it with
  // `answer` ("y" or "n") and waits until it has gone.
  void AnswerQuestion(const QString& key, const QString& answer, const char* what, unsigned long window = 0) {
    Key(key, window);
    const unsigned long question =
        WaitForWindow(QStringLiteral("Vantrel"), std::chrono::seconds(10), window_);
    ASSERT_NE(question, 0u) << key.toStdString() << " asked nothing";
    EXPECT_FALSE(WindowShown(QStringLiteral("Game Statistics"))) << "the dialog closes before the question";
    QThread::msleep(100);  // painted, for the picture
    KeepShot(Screenshot(WindowGeometry(question)), what);
    Key(answer, question);
    ASSERT_TRUE(WaitForNoWindow(QStringLiteral("Vantrel"), std::chrono::seconds(10), window_))
        << "the question stayed";
  }

  QTemporaryDir home_;
};

TEST_F(StatisticsOnScreen, TwoWinsAndALossOutliveTheCloseBoxAndQuitAndOnlyYesClearsThem) {
  const std::map<unsigned, WinningLine> lines =
      ReadWinningLines(QStringLiteral(VANTREL_E2E_DATA "/winning_lines.txt"));
  ASSERT_TRUE(lines.contains(1700000004) && lines.contains(1700000008));
  const WinningLine& first = lines.at(1700000008);
  const WinningLine& second = lines.at(1700000004);
  EXPECT_TRUE(WinsInTheCore(first)) << "the line for " << first.seed << " does not win";

  // A first start writes four zeros. A game played some way and abandoned (F2 while it is under way, Yes)
  // is lost; the game dealt instead is under way when the close box ends the run: the loss is kept, the game
  // under way is not counted.
  ASSERT_NO_FATAL_FAILURE(Start(first.seed));
  EXPECT_EQ(StoredNow(), Stored(0, 0, 0, 0));
  ASSERT_NO_FATAL_FAILURE(Deal());
  ASSERT_NO_FATAL_FAILURE(Play(std::vector<Drop>(first.drops.begin(), first.drops.begin() + 10)));
  ASSERT_NO_FATAL_FAILURE(AnswerQuestion(QStringLiteral("F2"), QStringLiteral("y"), "abandon-question"));
  model_->table.Deal(DealKind::kNew);  // the model's question is answered Yes
  ASSERT_EQ(model_->table.course.results.losses, 1);
  ASSERT_EQ(WaitForModel("abandoned"), 0);
  CloseWindow(window_);
  ASSERT_NO_FATAL_FAILURE(ExpectGameEnds());
  EXPECT_EQ(StoredNow(), Stored(0, 1, 0, 1));

  // Two wins in a row, then Quit. F4 shows the current streak of the run before Quit.
  ASSERT_NO_FATAL_FAILURE(Start(second.seed));
  ASSERT_NO_FATAL_FAILURE(Win(second));
  ASSERT_NO_FATAL_FAILURE(Win(second));  // the clock stands still: New deals the same game again
  unsigned long dialog = ShowStatistics({"2", "1", "2", "1", "2 wins"}, "statistics-two-wins");
  ASSERT_NE(dialog, 0u);
  CloseWithOk(dialog);
  Key(QStringLiteral("F10"));
  ASSERT_NO_FATAL_FAILURE(ExpectGameEnds());
  EXPECT_EQ(StoredNow(), Stored(2, 1, 2, 1));

  // After a restart the dialog shows them, and the current streak starts again at 0 wins.
  ASSERT_NO_FATAL_FAILURE(Start(second.seed));
  const StatsTexts kept{"2", "1", "2", "1", "0 wins"};
  dialog = ShowStatistics(kept, "statistics");
  ASSERT_NE(dialog, 0u);
  CloseWithOk(dialog);

  // Esc, then No: nothing changes, in the window or in the file.
  const std::string before = testing::ReadBytes(StorePath());
  dialog = ShowStatistics(kept, "statistics-again");
  ASSERT_NE(dialog, 0u);
  ASSERT_NO_FATAL_FAILURE(
      AnswerQuestion(QStringLiteral("Escape"), QStringLiteral("n"), "clear-question", dialog));
  EXPECT_EQ(testing::ReadBytes(StorePath()), before);
  dialog = ShowStatistics(kept, "statistics-kept");
  ASSERT_NE(dialog, 0u);
  CloseWithOk(dialog);

  // Esc, then Yes: four zeros in the file at once, while the game still runs.
  dialog = ShowStatistics(kept, "statistics-before-clearing");
  ASSERT_NE(dialog, 0u);
  ASSERT_NO_FATAL_FAILURE(
      AnswerQuestion(QStringLiteral("Escape"), QStringLiteral("y"), "clear-question", dialog));
  // The question may be gone from the screen a moment before the save has ended.
  for (int tries = 0; tries < 100 && StoredNow() != Stored(0, 0, 0, 0); ++tries) QThread::msleep(50);
  EXPECT_EQ(StoredNow(), Stored(0, 0, 0, 0));
  EXPECT_EQ(game_->process().state(), QProcess::Running);
  dialog = ShowStatistics({"0", "0", "0", "0", "0 wins"}, "statistics-cleared");
  ASSERT_NE(dialog, 0u);
  CloseWithOk(dialog);
  CloseWindow(window_);
  ASSERT_NO_FATAL_FAILURE(ExpectGameEnds());
  EXPECT_EQ(StoredNow(), Stored(0, 0, 0, 0));
}

TEST_F(StatisticsOnScreen, EachTerminationSignalSavesTheResultsAsTheCloseBoxDoesEvenWithADialogOpen) {
  struct Case {
    int signal;
    const char* name;
    const char* open;  // what is open when the signal comes
  };
  const Case cases[] = {{SIGTERM, "SIGTERM", ""}, {SIGHUP, "SIGHUP", "F4"}, {SIGINT, "SIGINT", "F2"}};
  int losses = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // A game abandoned (F2, F2, Yes) is a loss; the game dealt instead is under way and is not counted.
    ASSERT_NO_FATAL_FAILURE(Start(1700000000));
    ASSERT_NO_FATAL_FAILURE(Deal());
    ASSERT_NO_FATAL_FAILURE(AnswerQuestion(QStringLiteral("F2"), QStringLiteral("y"), "abandon"));
    ++losses;
    if (c.open == std::string("F4")) {
      Key(QStringLiteral("F4"));
      ASSERT_NE(WaitForWindow(QStringLiteral("Game Statistics"), std::chrono::seconds(10)), 0u);
    } else if (c.open == std::string("F2")) {
      Key(QStringLiteral("F2"));  // the new-game question stays unanswered: nothing more is lost
      ASSERT_NE(WaitForWindow(QStringLiteral("Vantrel"), std::chrono::seconds(10), window_), 0u);
    }
    ASSERT_EQ(::kill(static_cast<pid_t>(game_->process().processId()), c.signal), 0);
    ASSERT_NO_FATAL_FAILURE(ExpectGameEnds());
    EXPECT_EQ(StoredNow(), Stored(0, losses, 0, 1));
  }
}

// The visible windows titled "Vantrel" now.
std::set<unsigned long> VantrelWindows() {
  QProcess search;
  search.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                           QStringLiteral("--name"), QStringLiteral("^Vantrel$")});
  search.waitForFinished(5000);
  std::set<unsigned long> windows;
  for (const QString& id :
       QString::fromLocal8Bit(search.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)) {
    windows.insert(id.toULong());
  }
  return windows;
}

// A visible window titled "Vantrel" that is none of `known`, waiting up to ten seconds; 0 if none came.
unsigned long NewVantrelWindow(const std::set<unsigned long>& known) {
  for (int tries = 0; tries < 200; ++tries) {
    for (const unsigned long window : VantrelWindows()) {
      if (!known.contains(window)) return window;
    }
    QThread::msleep(50);
  }
  return 0;
}

TEST_F(StatisticsOnScreen, TwoCopiesClosingAtOnceKeepEachOthersResults) {
  // Copy A abandons one game, copy B two; both are closed by the window manager at once.
  ASSERT_NO_FATAL_FAILURE(Start(1700000000));
  ASSERT_NO_FATAL_FAILURE(Deal());
  ASSERT_NO_FATAL_FAILURE(AnswerQuestion(QStringLiteral("F2"), QStringLiteral("y"), "abandon-a"));
  Game b(GameDir(), 1700000000, home_.path());
  const unsigned long b_window = NewVantrelWindow({window_});
  ASSERT_NE(b_window, 0u) << "the second copy did not appear";
  Key(QStringLiteral("F2"), b_window);  // the deal
  for (int loss = 0; loss < 2; ++loss) {
    Key(QStringLiteral("F2"), b_window);
    const unsigned long question = NewVantrelWindow({window_, b_window});
    ASSERT_NE(question, 0u) << "the second copy asked nothing";
    Key(QStringLiteral("y"), question);
    for (int tries = 0; tries < 200 && VantrelWindows().contains(question); ++tries) QThread::msleep(50);
  }
  CloseWindow(window_);
  CloseWindow(b_window);
  ASSERT_TRUE(b.process().waitForFinished(10000));
  EXPECT_EQ(b.process().exitCode(), 0);
  ASSERT_NO_FATAL_FAILURE(ExpectGameEnds());
  EXPECT_EQ(StoredNow(), Stored(0, 3, 0, 2));
}

TEST(StartUp, ADamagedStatisticsStoreShowsTheErrorAndTheGameEndsWithZero) {
  QTemporaryDir home;
  ASSERT_TRUE(home.isValid());
  const QString store = home.path() + "/Quorvin Software/Vantrel.conf";
  testing::WriteBytes(store, "[General]\nWins=3\nLosses=three\nWinStreak=2\nLoseStreak=1\n");
  const std::string before = testing::ReadBytes(store);

  Game game(GameDir(), 1700000000, home.path());
  const QString error = AnswerStartUpError(game, [](const QRect& box) {
    QThread::msleep(200);  // painted, for the picture
    KeepShot(Screenshot(box), "damaged-store");
  });
  EXPECT_NE(error.indexOf(QStringLiteral("\"Losses\"")), -1) << error.toStdString();
  EXPECT_NE(error.indexOf(store), -1) << error.toStdString();
  EXPECT_EQ(testing::ReadBytes(store), before) << "a damaged store is never overwritten";
}

}  // namespace
}  // namespace vantrel::e2e
