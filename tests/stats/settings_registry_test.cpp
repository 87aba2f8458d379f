// The store over QSettings with real files in a private folder: where it lives, what a first start and a
// save write, and bad stores tried as a player would meet them.
#include "registry/settings_registry.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <iostream>
#include <optional>
#include <random>

#include "../test_seed.h"
#include "platform/error.h"
#include "platform/scripted_host.h"
#include "stats/statistics.h"
#include "store_support.h"

namespace vantrel::testing {
namespace {

using Values = std::map<std::string, std::string>;

// A run of the game as far as the statistics go: its store, its counters.
struct GameRun {
  platform::SettingsRegistry registry;
  platform::ScriptedHost host;
  Results results;
  Statistics stats{registry, host, results};
};

// The message of the Error that `action` raises, or a failure.
template <typename Action>
std::string ErrorOf(Action action) {
  try {
    action();
  } catch (const Error& e) {
    return e.what();
  }
  ADD_FAILURE() << "no error was raised";
  return {};
}

#define EXPECT_HAS(text, part) EXPECT_NE((text).find(part), std::string::npos) << (text)

TEST(SettingsStore, AFirstStartWritesFourZerosInTheUsersSettingsFile) {
  TempSettingsHome home;
  GameRun run;
  EXPECT_EQ(run.registry.Location(), home.StorePath().toStdString());
  ASSERT_FALSE(QFile::exists(home.StorePath()));
  run.stats.Start();
  EXPECT_EQ(StoredText(home.StorePath()),
            (Values{{"Wins", "0"}, {"Losses", "0"}, {"WinStreak", "0"}, {"LoseStreak", "0"}}));
  // Nothing but the store is left in its folder.
  EXPECT_EQ(QDir(home.StoreDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList{"Vantrel.conf"});
}

TEST(SettingsStore, SavedValuesComeBackWholeAndHandEditedNumbersLoad) {
  TempSettingsHome home;
  {
    GameRun run;
    run.stats.Start();
    run.results = Results{2147483647, -2147483647 - 1, kStreakLosses, 3, 0, 17};
    run.stats.SaveStats();
  }
  EXPECT_EQ(
      StoredText(home.StorePath()),
      (Values{{"Wins", "2147483647"}, {"Losses", "-2147483648"}, {"WinStreak", "0"}, {"LoseStreak", "17"}}));
  GameRun next;
  next.stats.Start();
  EXPECT_EQ(next.results, (Results{2147483647, -2147483647 - 1, kStreakWins, 0, 0, 17}));

  // What a player might type: spaces around the sign, leading zeros, no section header, negative numbers.
  WriteBytes(home.StorePath(), "Wins = 7 \nLosses=007\n\n; a comment\nWinStreak=-5\nLoseStreak=  0\n");
  GameRun edited;
  edited.stats.Start();
  EXPECT_EQ(edited.results, (Results{7, 7, kStreakWins, 0, -5, 0}));
}

TEST(SettingsStore, ABadValueStopsTheStartNamingItTheFileAndTheWayOut) {
  struct Case {
    const char* what;
    std::string content;
    const char* value;  // the value the message must name
    const char* shown;  // what it must quote of it, if anything
  };
  const std::string good_rest = "Losses=1\nWinStreak=2\nLoseStreak=3\n";
  std::vector<Case> cases = {
      {"missing value", "[General]\nWins=1\nLosses=2\nLoseStreak=3\n", "WinStreak", nullptr},
      {"the first missing one in order", "[General]\nLosses=2\n", "Wins", nullptr},
      {"text for a number", "[General]\nWins=abc\n" + good_rest, "Wins", "\"abc\""},
      {"beyond 32 bits", "[General]\nWins=2147483648\n" + good_rest, "Wins", "\"2147483648\""},
      {"below 32 bits", "[General]\nWins=0\nLosses=-2147483649\nWinStreak=2\nLoseStreak=3\n", "Losses",
       "\"-2147483649\""},
      {"far beyond", "[General]\nWins=0\nLosses=1\nWinStreak=99999999999999999999\nLoseStreak=3\n",
       "WinStreak", "\"99999999999999999999\""},
      {"a fraction", "[General]\nWins=1.5\n" + good_rest, "Wins", "\"1.5\""},
      {"hexadecimal", "[General]\nWins=0x10\n" + good_rest, "Wins", "\"0x10\""},
      {"a plus sign", "[General]\nWins=+3\n" + good_rest, "Wins", "\"+3\""},
      {"a list", "[General]\nWins=1, 2\n" + good_rest, "Wins", "\"1, 2\""},
      {"empty", "[General]\nWins=\n" + good_rest, "Wins", "\"\""},
      {"a typed value of another kind", "[General]\nWins=@Point(1 2)\n" + good_rest, "Wins", "never writes"},
      {"an empty file", "", "Wins", nullptr},
      {"values in another section", "[Other]\nWins=1\nLosses=1\nWinStreak=1\nLoseStreak=1\n", "Wins",
       nullptr},
  };
  VANTREL_RANDOM_SEED(seed);
  std::mt19937 random(seed);
  std::string binary(2048, '\0');
  for (char& c : binary) c = static_cast<char>(random() & 0xff);
  cases.push_back({"a binary file", binary, "Wins", nullptr});
  // QSettings would read this with QDataStream and try to allocate gigabytes for the list it announces.
  cases.push_back({"a serialised list", "[General]\nWins=@Variant(\\0\\0\\0\\xb\\x10\\0\\0\\0)\n", "Wins",
                   "never writes"});
  cases.push_back({"an escaped @", "[General]\nWins=\\x40Variant(\\0)\n", "Wins", "never writes"});

  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempSettingsHome home;
    WriteBytes(home.StorePath(), c.content);
    GameRun run;
    const std::string message = ErrorOf([&] { run.stats.Start(); });
    EXPECT_HAS(message, std::string("\"") + c.value + "\"");
    if (c.shown) {
      EXPECT_HAS(message, c.shown);
    }
    EXPECT_HAS(message, home.StorePath().toStdString());
    EXPECT_HAS(message, "delete that file");
    // Closing the window after the failed start writes nothing over the store.
    run.stats.SaveOnClose();
    EXPECT_EQ(ReadBytes(home.StorePath()), c.content);
  }
}

TEST(SettingsStore, AStoreThatIsAFolderIsReportedAndLeftAlone) {
  TempSettingsHome home;
  QDir().mkpath(home.StorePath());
  WriteBytes(home.StorePath() + "/keep", "mine");
  GameRun run;
  const std::string message = ErrorOf([&] { run.stats.Start(); });
  EXPECT_HAS(message, home.StorePath().toStdString());
  EXPECT_HAS(message, "is a folder");
  run.results.wins = 3;
  EXPECT_HAS(ErrorOf([&] { run.stats.SaveStats(); }), "is a folder");
  EXPECT_EQ(ReadBytes(home.StorePath() + "/keep"), "mine");
}

TEST(SettingsStore, PathsThatWouldFreezeTheGameOrPassForAFirstStartAreReportedByName) {
  const std::string content = "[General]\nWins=5\nLosses=4\nWinStreak=3\nLoseStreak=2\n";
  const auto fifo = [](const QString& path) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
  };
  {
    SCOPED_TRACE("a pipe as the store");
    TempSettingsHome home;
    QDir().mkpath(home.StoreDir());
    fifo(home.StorePath());
    GameRun run;
    const std::string message = ErrorOf([&] { run.stats.Start(); });
    EXPECT_HAS(message, home.StorePath().toStdString());
    EXPECT_HAS(message, "not an ordinary file");
  }
  for (const bool folder : {true, false}) {
    SCOPED_TRACE(folder ? "a folder as the lock" : "a pipe as the lock");
    TempSettingsHome home;
    WriteBytes(home.StorePath(), content);
    const QString lock = home.StorePath() + ".lock";
    if (folder) {
      QDir().mkpath(lock);
    } else {
      fifo(lock);
    }
    GameRun run;
    run.stats.Start();
    run.results.wins = 6;
    const std::string message = ErrorOf([&] { run.stats.SaveStats(); });
    EXPECT_HAS(message, lock.toStdString());
    EXPECT_EQ(ReadBytes(home.StorePath()), content);
  }
  {
    SCOPED_TRACE("a lock somebody keeps holding");
    TempSettingsHome home;
    WriteBytes(home.StorePath(), content);
    const QString lock = home.StorePath() + ".lock";
    WriteBytes(lock, "");
    const int held = ::open(QFile::encodeName(lock).constData(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    GameRun run;
    run.stats.Start();
    run.results.wins = 6;
    const std::string message = ErrorOf([&] { run.stats.SaveStats(); });  // after a few seconds, not for ever
    EXPECT_HAS(message, lock.toStdString());
    EXPECT_HAS(message, "held its lock");
    ::close(held);
    run.stats.SaveStats();
    EXPECT_EQ(StoredText(home.StorePath()).at("Wins"), "6");
  }
  for (const bool loop : {true, false}) {
    SCOPED_TRACE(loop ? "a link to itself as the store" : "a link into a folder that does not exist");
    TempSettingsHome home;
    QDir().mkpath(home.StoreDir());
    const QString target = loop ? home.StorePath() : home.StoreDir() + "/gone/Vantrel.conf";
    ASSERT_TRUE(QFile::link(target, home.StorePath()));
    GameRun run;
    const std::string message = ErrorOf([&] { run.stats.Start(); });
    EXPECT_HAS(message, home.StorePath().toStdString());
    EXPECT_HAS(message, "link that cannot be followed");
    EXPECT_EQ(QFileInfo(home.StorePath()).symLinkTarget(), target) << "the link was replaced";
  }
}

TEST(SettingsStore, AStoreThatCannotBeReadIsNeverTakenForAFirstStart) {
  TempSettingsHome home;
  const std::string content = "[General]\nWins=5\nLosses=4\nWinStreak=3\nLoseStreak=2\n";
  WriteBytes(home.StorePath(), content);
  QFile::setPermissions(home.StorePath(), QFile::WriteOwner);
  {
    AsOrdinaryUser user;
    GameRun run;
    const std::string message = ErrorOf([&] { run.stats.Start(); });
    EXPECT_HAS(message, "cannot be read");
    EXPECT_HAS(message, home.StorePath().toStdString());
  }
  EXPECT_EQ(ReadBytes(home.StorePath()), content) << "the statistics were overwritten";
}

// The folder of the store is read-only to the player (checked as nobody when the tests run as root).
TEST(SettingsStore, AReadOnlyFolderIsReportedAndTheStoreStaysReadable) {
  const QFile::Permissions kReadOnlyFolder = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                             QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
  {
    SCOPED_TRACE("first start, no store yet");
    TempSettingsHome home;
    QDir().mkpath(home.StoreDir());
    QFile::setPermissions(home.StoreDir(), kReadOnlyFolder);
    AsOrdinaryUser user;
    GameRun run;
    // A first start says why, and the game plays on without a store.
    const std::optional<Error> error = run.stats.Start();
    ASSERT_TRUE(error.has_value());
    const std::string message = error->what();
    EXPECT_HAS(message, "cannot be saved to " + home.StorePath().toStdString());
    EXPECT_HAS(message, "Permission denied");
    EXPECT_FALSE(QFile::exists(home.StorePath()));
  }
  for (const bool damaged : {false, true}) {
    // A damaged line makes QSettings report a format error, which hides a failed write from its status.
    SCOPED_TRACE(damaged ? "writable store with a damaged line" : "writable store");
    TempSettingsHome home;
    const std::string content = std::string("[General]\nWins=5\nLosses=4\nWinStreak=3\nLoseStreak=2\n") +
                                (damaged ? "[broken\n" : "");
    WriteBytes(home.StorePath(), content);
    QFile::setPermissions(home.StorePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                                QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther);
    QFile::setPermissions(home.StoreDir(), kReadOnlyFolder);
    AsOrdinaryUser user;
    GameRun run;
    run.stats.Start();
    EXPECT_EQ(run.results, (Results{5, 4, kStreakWins, 0, 3, 2}));
    RecordResult(run.results, run.results.wins, kStreakWins);
    const std::string message = ErrorOf([&] { run.stats.SaveThenClose([] { ADD_FAILURE() << "closed"; }); });
    EXPECT_HAS(message, "could not be saved to " + home.StorePath().toStdString());
    EXPECT_HAS(message, "Permission denied");
    EXPECT_EQ(ReadBytes(home.StorePath()), content);
    EXPECT_THROW(run.stats.SaveOnClose(), Error);
  }
  {
    SCOPED_TRACE("store owned by someone else");
    TempSettingsHome home;
    const std::string content = "[General]\nWins=5\nLosses=4\nWinStreak=3\nLoseStreak=2\n";
    WriteBytes(home.StorePath(), content);
    QFile::setPermissions(home.StorePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    if (geteuid() != 0) GTEST_SKIP() << "needs root to give the store to another user";
    AsOrdinaryUser user;
    GameRun run;
    run.stats.Start();
    const std::string message = ErrorOf([&] { run.stats.SaveStats(); });
    EXPECT_HAS(message, "the file cannot be written");
    EXPECT_EQ(ReadBytes(home.StorePath()), content);
  }
}

TEST(SettingsStore, AReadOnlyDiskIsReportedAndTheStoreStaysReadable) {
  TempSettingsHome home;
  TmpfsMount disk(home.StoreDir(), 64);
  if (!disk.mounted()) GTEST_SKIP() << "cannot mount a tmpfs here: " << disk.error();
  {
    GameRun run;
    run.stats.Start();
    run.results.wins = 9;
    run.stats.SaveStats();
  }
  ASSERT_TRUE(disk.MakeReadOnly());
  GameRun run;
  run.stats.Start();
  EXPECT_EQ(run.results.wins, 9);
  run.results.losses = 1;
  const std::string message = ErrorOf([&] { run.stats.SaveStats(); });
  EXPECT_HAS(message, home.StorePath().toStdString());
  EXPECT_HAS(message, "Read-only file system");
  EXPECT_EQ(StoredText(home.StorePath()),
            (Values{{"Wins", "9"}, {"Losses", "0"}, {"WinStreak", "0"}, {"LoseStreak", "0"}}));
}

TEST(SettingsStore, AFullDiskIsReportedAndTheOldValuesSurvive) {
  TempSettingsHome home;
  TmpfsMount disk(home.StoreDir(), 32);
  if (!disk.mounted()) GTEST_SKIP() << "cannot mount a tmpfs here: " << disk.error();
  {
    SCOPED_TRACE("first start on a full disk");
    const QString filler = disk.Fill();
    GameRun run;
    const std::optional<Error> error = run.stats.Start();
    ASSERT_TRUE(error.has_value());
    EXPECT_HAS(std::string(error->what()), "No space left on device");
    EXPECT_FALSE(QFile::exists(home.StorePath()));
    QFile::remove(filler);
  }
  GameRun run;
  run.stats.Start();
  run.results = Results{4, 3, kStreakWins, 0, 2, 1};
  run.stats.SaveStats();
  const QString filler = disk.Fill();
  run.results.wins = 5;
  const std::string message = ErrorOf([&] { run.stats.SaveStats(); });
  EXPECT_HAS(message, home.StorePath().toStdString());
  EXPECT_HAS(message, "No space left on device");
  EXPECT_EQ(StoredText(home.StorePath()),
            (Values{{"Wins", "4"}, {"Losses", "3"}, {"WinStreak", "2"}, {"LoseStreak", "1"}}));
  // With room again, the next save goes through.
  QFile::remove(filler);
  run.stats.SaveStats();
  EXPECT_EQ(StoredText(home.StorePath()).at("Wins"), "5");
}

}  // namespace
}  // namespace vantrel::testing
