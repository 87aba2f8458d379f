// The additions at the end of the Options menu and Select Deal, with the settings folder of each test's own:
// off they add nothing; each switch is remembered; the game kept at a close comes back once, and what cannot
// be restored is refused with a message; the live verdict agrees with vantrel-cli solve; winnable deals only
// deals the first deal from the clock's second that the survey finds winnable; the deal-number dialog.
#include "app/game_aids.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAbstractButton>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QThread>
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

// What vantrel-cli prints for the arguments (already quoted for the shell).
std::string Cli(const std::string& args) {
  std::string out;
  FILE* pipe = popen(("'" VANTREL_CLI "' " + args + " 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return out;
  char buf[4096];
  for (std::size_t n; (n = fread(buf, 1, sizeof buf, pipe)) > 0;) out.append(buf, n);
  pclose(pipe);
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

  QString OptionsPath() const { return home_.StoreDir() + "/Vantrel.options"; }
  QString GamePath() const { return home_.StoreDir() + "/Vantrel.game"; }
  QStringList Files() const {
    return QDir(home_.StoreDir()).entryList(QDir::Files | QDir::Dirs | QDir::System | QDir::NoDotAndDotDot);
  }

  // Plays a drop as the mouse does, through the window's handler.
  static void Play(Window& w, int moved, int target) {
    w->Handle([&] { w->interaction().DragAndDrop(moved, target); });
  }
  // Waits until the live verdict reads `text`.
  static bool Verdict(Window& w, const QString& text) {
    for (int tries = 0; tries < 2000; ++tries) {
      QCoreApplication::processEvents();
      if (w->aids().verdict() != nullptr && w->aids().verdict()->text() == text) return true;
      QThread::msleep(5);
    }
    ADD_FAILURE() << "the verdict reads \""
                  << (w->aids().verdict() ? w->aids().verdict()->text().toStdString() : "") << "\", not \""
                  << text.toStdString() << "\"";
    return false;
  }

  testing::TempSettingsHome home_;
};

TEST_F(GameAidsWindow, OffTheyAddNothingAndEachSwitchIsRemembered) {
  {
    Window w;
    for (QAction* item : {w->KeepGame(), w->TellWinnable(), w->WinnableOnly()})
      EXPECT_FALSE(item->isChecked());
    EXPECT_EQ(w->aids().verdict(), nullptr);
    EXPECT_TRUE(w->SB()->findChildren<QLabel*>().isEmpty());
    EXPECT_FALSE(w.table().pick_new_deal);
    w.Deal();
    Play(w, 38, 41);
    w->close();
  }
  // A game under way when the window closed, and only the statistics were written.
  EXPECT_EQ(Files(), QStringList{"Vantrel.conf"});

  const std::pair<QAction* (app::TCardTable::*)() const, const char*> items[] = {
      {&app::TCardTable::KeepGame, "KeepGame"},
      {&app::TCardTable::TellWinnable, "TellWinnable"},
      {&app::TCardTable::WinnableOnly, "WinnableOnly"}};
  for (const auto& [item, name] : items) {
    SCOPED_TRACE(name);
    {
      Window w;
      (*w.window.*item)()->trigger();
      EXPECT_TRUE((*w.window.*item)()->isChecked());
    }
    EXPECT_NE(testing::ReadBytes(OptionsPath()).find(std::string(name) + "=1\n"), std::string::npos);
    Window w;
    EXPECT_TRUE((*w.window.*item)()->isChecked());
    (*w.window.*item)()->trigger();
    EXPECT_FALSE((*w.window.*item)()->isChecked());
    EXPECT_EQ(testing::ReadBytes(OptionsPath()), "KeepGame=0\nTellWinnable=0\nWinnableOnly=0\n");
  }
}

TEST_F(GameAidsWindow, TheKeptGameComesBackOnceAndWhatCannotBeRestoredIsRefused) {
  Position played;
  Position before_last;
  {
    Window w;
    w->KeepGame()->trigger();
    w.host.SetNow(1700000004);
    w.Deal();
    Play(w, 38, 41);
    before_last = w.table().position;
    Play(w, 35, 46);
    w->GiveHint()->trigger();
    w->ShowNumber()->trigger();
    played = w.table().position;
    ASSERT_TRUE(w->Undo()->isEnabled());
    w->close();
  }
  ASSERT_TRUE(QFileInfo::exists(GamePath()));
  const std::string kept = testing::ReadBytes(GamePath());
  const std::string statistics = testing::ReadBytes(home_.StorePath());
  EXPECT_EQ(testing::StoredText(home_.StorePath()).at("Losses"), "0") << "a kept game is no loss";
  {
    Window w;
    EXPECT_EQ(w.table().position, played);
    EXPECT_EQ(w.table().course.deal_number, 1700000004u);
    EXPECT_EQ(w->GiveHint()->text(), QStringLiteral("Give &Hint (2)"));
    EXPECT_FALSE(w->NumMoves_lbl()->isVisible());
    EXPECT_FALSE(QFileInfo::exists(GamePath())) << "restored once only";
    // Another copy started now finds nothing to restore.
    Window other;
    EXPECT_EQ(other.table().course.game_state, GameState::kNoDeal);
    ASSERT_TRUE(w->Undo()->isEnabled());
    w->Undo()->trigger();
    EXPECT_EQ(w.table().position, before_last);
    w->KeepGame()->trigger();  // off: closing keeps nothing
  }
  EXPECT_FALSE(QFileInfo::exists(GamePath()));
  testing::WriteBytes(OptionsPath(), "KeepGame=1\n");

  // What cannot be restored is refused with one message naming the file, set aside, and the game starts as
  // usual with the statistics as they were.
  struct Case {
    const char* what;
    std::function<void()> make;
    const char* reason;
  };
  const auto text = [this](const std::string& bytes) {
    return [this, bytes] { testing::WriteBytes(GamePath(), bytes); };
  };
  const std::string twice =
      std::regex_replace(kept, std::regex("game column ([^ \n]+)"), "game column $1 $1");
  const Case cases[] = {
      {"damaged", text(kept.substr(0, kept.size() / 3)), "it is damaged"},
      {"forged", text(twice), "it holds cards laid out as no game could have left them"},
      {"another version's", text(std::regex_replace(kept, std::regex("version [^\n]+"), "version 0.9")),
       "it was kept by another version of the game"},
      {"a folder", [this] { QDir().mkpath(GamePath()); }, "it is not an ordinary file that can be read"},
      {"a pipe", [this] { ASSERT_EQ(::mkfifo(QFile::encodeName(GamePath()).constData(), 0600), 0); },
       "it is not an ordinary file that can be read"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QDir(GamePath() + ".refused").removeRecursively();
    QFile::remove(GamePath() + ".refused");
    c.make();
    QString message;
    WhenNextDialogOpens([&message](QWidget* dialog) {
      auto* box = qobject_cast<QMessageBox*>(dialog);
      ASSERT_NE(box, nullptr);
      message = box->text();
      box->button(QMessageBox::Ok)->click();
    });
    Window w;
    EXPECT_TRUE(message.contains("\"" + GamePath() + "\"")) << message.toStdString();
    EXPECT_TRUE(message.contains(c.reason)) << message.toStdString();
    EXPECT_TRUE(message.contains("\"" + GamePath() + ".refused\"")) << message.toStdString();
    EXPECT_EQ(w.table().course.game_state, GameState::kNoDeal);
    EXPECT_FALSE(QFileInfo::exists(GamePath()));
    EXPECT_TRUE(QFileInfo::exists(GamePath() + ".refused"));
    EXPECT_EQ(testing::ReadBytes(home_.StorePath()), statistics);
  }
}

TEST_F(GameAidsWindow, TheLiveVerdictAgreesWithTheCommandLineAndLeavesThePeekItsText) {
  Window w;
  w->TellWinnable()->trigger();
  ASSERT_NE(w->aids().verdict(), nullptr);
  EXPECT_EQ(w->aids().verdict()->text(), QString()) << "nothing to tell before a deal";
  w.host.SetNow(1700000004);
  w.Deal();
  ASSERT_EQ(CliVerdict("1700000004"), "winnable");
  ASSERT_TRUE(Verdict(w, "This game can still be won"));

  // Along the command line's winning line, the first drop that leaves a game no longer winnable.
  std::string moves = Cli("solve 1700000004");
  std::vector<Drop> line;
  const std::regex drop("\"([0-9]+)>([0-9]+)\"");
  for (std::sregex_iterator it(moves.begin(), moves.end(), drop), end; it != end; ++it)
    line.push_back({std::stoi((*it)[1]), std::stoi((*it)[2])});
  std::string played;
  std::optional<LegalDrop> losing;
  for (const Drop& next : line) {
    for (const LegalDrop& candidate : w.table().ListLegalDrops()) {
      Position after = w.table().position;
      after.Apply(after.MoveOf(candidate.target, candidate.moved));
      if (after.Judge() == Outcome::kGoesOn &&
          solver::Solver({}).Solve(after).verdict == solver::Verdict::kUnwinnable) {
        losing = candidate;
        break;
      }
    }
    if (losing) break;
    Play(w, next.moved, next.target);
    played += " '" + FormatDrop(next) + "'";
  }
  ASSERT_TRUE(losing.has_value()) << "no drop along the line loses the game";
  ASSERT_TRUE(Verdict(w, "This game can still be won"));
  const std::string last = " '" + FormatDrop({losing->moved, losing->target}) + "'";
  EXPECT_EQ(CliVerdict("1700000004" + played), "winnable");
  Play(w, losing->moved, losing->target);
  ASSERT_TRUE(Verdict(w, "This game can no longer be won"));
  EXPECT_EQ(CliVerdict("1700000004" + played + last), "unwinnable");

  // The peek writes its text beside the verdict, and neither wipes the other.
  w->Handle([&] { w->interaction().PeekCard(0); });
  EXPECT_TRUE(w->SB()->currentMessage().startsWith("ontop = "));
  EXPECT_EQ(w->aids().verdict()->text(), QStringLiteral("This game can no longer be won"));
  EXPECT_TRUE(w->aids().verdict()->isVisible());
  w->Handle([&] { w->interaction().UnpeekCard(); });
  EXPECT_EQ(w->aids().verdict()->text(), QStringLiteral("This game can no longer be won"));

  // Undo brings the verdict back; switched off, the status bar is as it always was.
  w->Undo()->trigger();
  ASSERT_TRUE(Verdict(w, "This game can still be won"));
  w->TellWinnable()->trigger();
  EXPECT_EQ(w->aids().verdict(), nullptr);
  EXPECT_TRUE(w->SB()->findChildren<QLabel*>().isEmpty());
}

TEST_F(GameAidsWindow, WinnableDealsOnlyDealsTheFirstWinnableDealFromTheClocksSecond) {
  Window w;
  w->WinnableOnly()->trigger();
  // Twenty New deals from seconds around the longest run of unwinnable deals known (30 from 1780653674).
  constexpr std::uint32_t kFrom = 1780653674;
  std::map<std::uint32_t, std::uint32_t> dealt;  // the clock's second, the deal's number
  for (std::uint32_t k = 0; k < 20; ++k) {
    const std::uint32_t now = kFrom + k * k;
    w.host.SetNow(now);
    w.Deal();
    dealt[now] = w.table().course.deal_number;
    EXPECT_EQ(w.table().position, Position::Deal(dealt[now]));
  }
  EXPECT_EQ(dealt[kFrom], 1780653704u);
  const std::string csv =
      QDir::temp()
          .filePath(QStringLiteral("winnable-%1.csv").arg(QCoreApplication::applicationPid()))
          .toStdString();
  Cli("survey --from " + std::to_string(kFrom) + " --count 500 --csv '" + csv + "'");
  std::map<std::uint32_t, bool> winnable;
  std::istringstream rows(testing::ReadBytes(QString::fromStdString(csv)));
  std::remove(csv.c_str());
  std::string row;
  std::getline(rows, row);  // the heading
  while (std::getline(rows, row))
    winnable[static_cast<std::uint32_t>(std::stoul(row))] = row.find(",winnable,") != std::string::npos;
  ASSERT_EQ(winnable.size(), 500u);
  for (const auto& [now, number] : dealt) {
    SCOPED_TRACE(now);
    EXPECT_EQ(CliVerdict(std::to_string(number)), "winnable");
    for (std::uint32_t second = now; second < number; ++second) EXPECT_FALSE(winnable.at(second)) << second;
  }
  // Redo deals that deal again; Select Deal deals exactly the number given, winnable or not.
  const Position last = w.table().position;
  w->Redo()->trigger();
  EXPECT_EQ(w.table().position, last);
  w.host.QueueDealNumber(kFrom);
  w->SelectDeal()->trigger();
  EXPECT_EQ(w.table().course.deal_number, kFrom);
  EXPECT_EQ(w.table().position, Position::Deal(kFrom));
}

TEST(DealNumberDialog, TakesOnlyAWholeNumberFrom0To4294967295) {
  Window w;
  platform::QtHost host(w.window.get());
  struct Case {
    const char* typed;
    std::optional<std::uint32_t> dealt;  // nothing: refused in the dialog
  };
  const Case cases[] = {{"", std::nullopt},
                        {"abc", std::nullopt},
                        {"-1", std::nullopt},
                        {"4294967296", std::nullopt},
                        {"1.5", std::nullopt},
                        {"1e3", std::nullopt},
                        {"0x10", std::nullopt},
                        {"12 34", std::nullopt},
                        {" 42 ", 42},
                        {"0", 0},
                        {"4294967295", 4294967295u},
                        {"007", 7}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    bool refused = false;
    WhenNextDialogOpens([&](QWidget* dialog) {
      EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Select Deal"));
      auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("DealNumber"));
      ASSERT_NE(field, nullptr);
      EXPECT_EQ(field->text(), QStringLiteral("1700000004"));
      EXPECT_EQ(field->selectedText(), field->text());
      field->setText(QString::fromLatin1(c.typed));
      auto* buttons = dialog->findChild<QDialogButtonBox*>();
      buttons->button(QDialogButtonBox::Ok)->click();
      refused = dialog->isVisible();
      if (refused) {
        EXPECT_TRUE(dialog->findChild<QLabel*>(QStringLiteral("Refusal"))->isVisible());
        buttons->button(QDialogButtonBox::Cancel)->click();
      }
    });
    const std::optional<std::uint32_t> number = host.AskDealNumber(1700000004u);
    EXPECT_EQ(number, c.dealt);
    EXPECT_EQ(refused, !c.dealt.has_value());
  }
  // Ended from outside as by OK (as a termination signal ends dialogs), Esc, or before any deal: no number.
  for (const std::function<void(QDialog*)>& end : std::vector<std::function<void(QDialog*)>>{
           [](QDialog* dialog) { dialog->done(QDialog::Accepted); },
           [](QDialog* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); }}) {
    WhenNextDialogOpens([&end](QWidget* dialog) {
      EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("DealNumber"))->text(), QString());
      end(static_cast<QDialog*>(dialog));
    });
    EXPECT_EQ(host.AskDealNumber(std::nullopt), std::nullopt);
  }
}

}  // namespace
}  // namespace vantrel::uitest
