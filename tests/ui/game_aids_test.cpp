// The additions in the window, with a settings folder of each test's own: off they add nothing and each
// switch is remembered; a kept game that cannot be restored is refused with a message; the live verdict
// agrees with vantrel-cli solve; winnable deals only deals what vantrel-cli survey finds winnable; the
// deal-number dialog.
#include "app/game_aids.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QThread>
#include <cctype>
#include <cstdio>
#include <map>
#include <regex>
#include <sstream>

#include "platform_qt/qt_host.h"
#include "solver/solver.h"
#include "store_support.h"
#include "ui_support.h"

namespace vantrel::uitest {
namespace {

// What vantrel-cli prints for the arguments (quoted for the shell).
std::string Cli(const std::string& args) {
  std::string out;
  FILE* pipe = popen(("'" VANTREL_CLI "' " + args + " 2>&1").c_str(), "r");
  char buf[4096];
  for (std::size_t n; pipe != nullptr && (n = fread(buf, 1, sizeof buf, pipe)) > 0;) out.append(buf, n);
  if (pipe != nullptr) pclose(pipe);
  return out;
}

std::string CliVerdict(const std::string& args) {
  std::smatch found;
  const std::string out = Cli("solve " + args);
  return std::regex_search(out, found, std::regex("\"verdict\": \"([a-z]+)\"")) ? found[1].str() : out;
}

class GameAidsWindow : public ::testing::Test {
 protected:
  // The next test finds the store where the run keeps it, not in this test's folder, which is about to go.
  ~GameAidsWindow() override { SetRunSettingsDir(RunSettingsDir()); }
  QString Path(const char* name) const { return home_.StoreDir() + "/" + name; }

  static void Play(Window& w, Drop drop) {
    w->Handle([&] { w->interaction().DragAndDrop(drop); });
  }
  // Waits until the live verdict reads `text`.
  static void ExpectVerdict(Window& w, const char* text) {
    for (int tries = 0; tries < 2000 && w->aids().verdict()->text() != text; ++tries) {
      QCoreApplication::processEvents();
      QThread::msleep(5);
    }
    EXPECT_EQ(w->aids().verdict()->text(), QString::fromLatin1(text));
  }

  testing::TempSettingsHome home_;
};

TEST_F(GameAidsWindow, OffTheyAddNothingAndEachSwitchIsRemembered) {
  {
    Window w;
    EXPECT_EQ(w->aids().verdict(), nullptr);
    EXPECT_TRUE(w->statusBar()->findChildren<QLabel*>().isEmpty());
    EXPECT_FALSE(w.table().pick_new_deal);
    w.Deal();
    Play(w, {38, 41});
    w->close();
  }
  // A game was under way at the close, and only the statistics were written.
  EXPECT_EQ(QDir(home_.StoreDir()).entryList(QDir::Files | QDir::System), QStringList{"Vantrel.conf"});
  const std::pair<const char*, const char*> items[] = {
      {"keepGame", "KeepGame=1\nTellWinnable=0\nWinnableOnly=0\n"},
      {"tellWinnable", "KeepGame=0\nTellWinnable=1\nWinnableOnly=0\n"},
      {"winnableOnly", "KeepGame=0\nTellWinnable=0\nWinnableOnly=1\n"}};
  for (const auto& [item, saved] : items) {
    {
      Window w;
      EXPECT_FALSE(Find(*w, item)->isChecked());
      Find(*w, item)->trigger();
    }
    EXPECT_EQ(testing::ReadBytes(Path("Vantrel.options")), saved);
    Window w;
    EXPECT_TRUE(Find(*w, item)->isChecked());
    Find(*w, item)->trigger();
  }
  EXPECT_EQ(testing::ReadBytes(Path("Vantrel.options")), "KeepGame=0\nTellWinnable=0\nWinnableOnly=0\n");
}

TEST_F(GameAidsWindow, AKeptGameThatCannotBeRestoredIsRefusedWithAMessageAndSetAside) {
  { Window first; }  // the statistics' four zeros
  testing::WriteBytes(Path("Vantrel.options"), "KeepGame=1\n");
  const std::string statistics = testing::ReadBytes(home_.StorePath());
  const std::pair<std::function<void()>, const char*> cases[] = {
      {[this] { testing::WriteBytes(Path("Vantrel.game"), "Vantrel kept game 1\nversion 1.0.0.1\ndeal 5"); },
       "it is damaged"},
      {[this] { testing::WriteBytes(Path("Vantrel.game"), "Vantrel kept game 1\nversion 0.9\n"); },
       "it was kept by another version of the game"},
      {[this] { ASSERT_EQ(::mkfifo(QFile::encodeName(Path("Vantrel.game")).constData(), 0600), 0); },
       "it is not an ordinary file that can be read"},
  };
  for (const auto& [make, reason] : cases) {
    SCOPED_TRACE(reason);
    QFile::remove(Path("Vantrel.game.refused"));
    make();
    QString message;
    AnswerNextDialog([&message](QWidget* box) { message = static_cast<QMessageBox*>(box)->text(); },
                     QMessageBox::Ok);
    Window w;
    EXPECT_EQ(message,
              QStringLiteral("The kept game \"%1\" cannot be restored: %2. The game starts as usual. The "
                             "file has been moved to \"%1.refused\".")
                  .arg(Path("Vantrel.game"), reason));
    EXPECT_EQ(w.table().course.game_state, GameState::kNoDeal);
    EXPECT_TRUE(QFileInfo::exists(Path("Vantrel.game.refused")) && !QFileInfo::exists(Path("Vantrel.game")));
    EXPECT_EQ(testing::ReadBytes(home_.StorePath()), statistics);
  }
}

TEST_F(GameAidsWindow, TheLiveVerdictAgreesWithTheCommandLineAndLeavesThePeekItsText) {
  Window w;
  Find(*w, "tellWinnable")->trigger();
  EXPECT_EQ(w->aids().verdict()->text(), QString()) << "nothing to tell before a deal";
  const std::string seed = "1700000008";  // won along a line where some other drop loses
  w.host.SetNow(std::stoul(seed));
  w.Deal();
  ASSERT_EQ(CliVerdict(seed), "winnable");
  ExpectVerdict(w, "This game can still be won");
  // Along the command line's winning line, the first drop that leaves the game no longer winnable.
  const std::string line = Cli("solve " + seed);
  std::string played;
  std::optional<Drop> losing;
  const std::regex drop_text("\"([0-9]+)>([0-9]+)\"");
  for (std::sregex_iterator it(line.begin(), line.end(), drop_text), end; it != end && !losing; ++it) {
    for (const LegalDrop& drop : w.table().ListLegalDrops()) {
      Position after = w.table().position;
      after.Apply(after.MoveOf(drop));
      if (after.Judge() == Outcome::kGoesOn &&
          solver::Solver({}).Solve(after).verdict == solver::Verdict::kUnwinnable)
        losing = Drop{drop.moved, drop.target};
    }
    if (losing) break;
    Play(w, {std::stoi((*it)[1]), std::stoi((*it)[2])});
    played += " '" + (*it)[1].str() + ">" + (*it)[2].str() + "'";
  }
  ASSERT_TRUE(losing.has_value()) << "no drop along the line loses the game";
  EXPECT_EQ(CliVerdict(seed + played), "winnable");
  ExpectVerdict(w, "This game can still be won");
  Play(w, *losing);
  EXPECT_EQ(CliVerdict(seed + played + " '" + FormatDrop(*losing) + "'"), "unwinnable");
  ExpectVerdict(w, "This game can no longer be won");

  // The peek writes its text beside the verdict, and neither wipes the other; Undo is decided again.
  w->Handle([&] { w->interaction().PeekCard(0); });
  EXPECT_TRUE(w->statusBar()->currentMessage().startsWith("ontop = "));
  EXPECT_EQ(w->aids().verdict()->text(), QStringLiteral("This game can no longer be won"));
  w->Handle([&] { w->interaction().UnpeekCard(); });
  Find(*w, "undo")->trigger();
  ExpectVerdict(w, "This game can still be won");
  Find(*w, "tellWinnable")->trigger();
  EXPECT_TRUE(w->statusBar()->findChildren<QLabel*>().isEmpty())
      << "switched off, the status bar is as it was";
}

TEST_F(GameAidsWindow, WinnableDealsOnlyDealsTheFirstWinnableDealFromTheClocksSecond) {
  Window w;
  Find(*w, "winnableOnly")->trigger();
  // Twenty New deals from seconds around the longest run of unwinnable deals known (30 from 1780653674).
  constexpr std::uint32_t kFrom = 1780653674;
  std::map<std::uint32_t, std::uint32_t> dealt;  // the clock's second, the deal's number
  for (std::uint32_t k = 0; k < 20; ++k) {
    w.host.SetNow(kFrom + k * k);
    w.Deal();
    dealt[kFrom + k * k] = w.table().course.deal_number;
    EXPECT_EQ(w.table().position, Position::Deal(w.table().course.deal_number));
  }
  const std::string csv =
      QDir::temp().filePath("winnable-" + QString::number(getpid()) + ".csv").toStdString();
  Cli("survey --from " + std::to_string(kFrom) + " --count 500 --csv '" + csv + "'");
  std::istringstream rows(testing::ReadBytes(QString::fromStdString(csv)));
  std::remove(csv.c_str());
  std::map<std::uint32_t, bool> winnable;
  for (std::string row; std::getline(rows, row);) {
    if (std::isdigit(static_cast<unsigned char>(row[0])) != 0)
      winnable[std::stoul(row)] = row.find(",winnable,") != std::string::npos;
  }
  ASSERT_EQ(winnable.size(), 500u);
  for (const auto& [now, number] : dealt) {
    EXPECT_EQ(CliVerdict(std::to_string(number)), "winnable") << number;
    for (std::uint32_t second = now; second < number; ++second) EXPECT_FALSE(winnable.at(second)) << second;
  }
  EXPECT_EQ(dealt[kFrom], 1780653704u);
  // Redo deals that deal again; Select Deal deals exactly the number given, winnable or not, and the game
  // under way counts as lost.
  Find(*w, "redeal")->trigger();
  EXPECT_EQ(w.table().course.deal_number, dealt.rbegin()->second);
  const int losses = w.table().course.results.losses;
  w.host.QueueDealNumber(kFrom);
  Find(*w, "selectDeal")->trigger();
  EXPECT_EQ(w.table().position, Position::Deal(kFrom));
  EXPECT_EQ(w.table().course.results.losses, losses + 1);
}

TEST(DealNumberDialog, TakesOnlyAWholeNumberFrom0To4294967295) {
  Window w;
  platform::QtHost host(w.window.get());
  const std::pair<const char*, std::optional<std::uint32_t>> cases[] = {{"", {}},
                                                                        {"abc", {}},
                                                                        {"-1", {}},
                                                                        {"4294967296", {}},
                                                                        {"1.5", {}},
                                                                        {"0x10", {}},
                                                                        {"12 34", {}},
                                                                        {" 42 ", 42},
                                                                        {"0", 0},
                                                                        {"007", 7},
                                                                        {"4294967295", 4294967295u}};
  for (const auto& [typed, number] : cases) {
    SCOPED_TRACE(typed);
    WhenNextDialogOpens([typed = typed, number = number](QWidget* dialog) {
      auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("dealNumber"));
      EXPECT_TRUE(dialog->windowTitle() == "Select Deal" && field->selectedText() == "1700000004");
      field->setText(QString::fromLatin1(typed));
      auto* buttons = dialog->findChild<QDialogButtonBox*>();
      buttons->button(QDialogButtonBox::Ok)->click();
      // Refused in the dialog, which stays open with its word; then Cancel.
      EXPECT_EQ(dialog->isVisible(), !number.has_value());
      EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("refusal"))->isVisible(), !number.has_value());
      if (dialog->isVisible()) buttons->button(QDialogButtonBox::Cancel)->click();
    });
    EXPECT_EQ(host.AskDealNumber(1700000004u), number);
  }
  // Ended from outside as by OK, as a termination signal ends dialogs, it gives no number.
  WhenNextDialogOpens([](QWidget* dialog) { static_cast<QDialog*>(dialog)->done(QDialog::Accepted); });
  EXPECT_EQ(host.AskDealNumber(std::nullopt), std::nullopt);
}

}  // namespace
}  // namespace vantrel::uitest
