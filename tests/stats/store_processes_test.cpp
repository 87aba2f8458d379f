// Copies of the game saving at once, run as separate processes on one store: every read finds one whole
// save, the last copy to save wins whole, copies that close at once keep every one's results, and a streak
// played after another copy's clearing is kept within the counts.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <iostream>
#include <set>
#include <string>

#include "store_support.h"

namespace vantrel::testing {
namespace {

// Runs of the store helper with its own settings home.
class Helpers {
 public:
  explicit Helpers(const QString& home) {
    env_ = QProcessEnvironment::systemEnvironment();
    env_.insert("HOME", home);
    env_.insert("XDG_CONFIG_HOME", home + "/config");
  }
  void Start(QProcess& process, const QStringList& arguments) const {
    process.setProcessEnvironment(env_);
    process.start(STORE_HELPER, arguments);
    ASSERT_TRUE(process.waitForStarted()) << process.errorString().toStdString();
  }
  std::string Run(const QStringList& arguments) const {
    QProcess process;
    Start(process, arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return process.readAllStandardOutput().trimmed().toStdString();
  }

 private:
  QProcessEnvironment env_;
};

TEST(StoreProcesses, TwoCopiesSavingAtOnceNeverDamageTheStoreAndTheLastWinsWhole) {
  QTemporaryDir home;
  ASSERT_TRUE(home.isValid());
  const Helpers helpers(home.path());
  const QString store = home.path() + "/config/Quorvin Software/Vantrel.conf";

  // One after the other: the later save replaces all four values.
  helpers.Run({"save", "1", "2", "3", "4"});
  helpers.Run({"save", "50", "51", "52", "53"});
  EXPECT_EQ(helpers.Run({"load"}), "50 51 52 53");

  constexpr int kSaves = 300;
  QProcess first, second;
  helpers.Start(first, {"hammer", "1", QString::number(kSaves)});
  helpers.Start(second, {"hammer", "2", QString::number(kSaves)});
  std::set<std::string> seen;
  int reads = 0;
  while (first.state() != QProcess::NotRunning || second.state() != QProcess::NotRunning) {
    // Read the file as it lies on disk, without QSettings: it must always hold one whole save.
    const auto values = StoredText(store);
    ASSERT_EQ(values.size(), 4u) << "read " << reads << " found a damaged store:\n" << ReadBytes(store);
    const long w = std::stol(values.at("Wins"));
    ASSERT_EQ(std::stol(values.at("Losses")), w + 1) << "mixed saves";
    ASSERT_EQ(std::stol(values.at("WinStreak")), w + 2) << "mixed saves";
    ASSERT_EQ(std::stol(values.at("LoseStreak")), w + 3) << "mixed saves";
    seen.insert(values.at("Wins"));
    ++reads;
    first.waitForFinished(1);
    second.waitForFinished(1);
  }
  ASSERT_EQ(first.exitCode(), 0) << first.readAllStandardError().toStdString();
  ASSERT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
  std::cout << reads << " reads while two copies saved " << kSaves << " times each; " << seen.size()
            << " different saves seen\n";
  EXPECT_GT(seen.size(), 2u) << "the reads did not overlap the saves";

  // The store holds the last save of one copy or the other, whole.
  const std::string last = helpers.Run({"load"});
  const auto run_of = [](int v) {
    return std::to_string(v) + " " + std::to_string(v + 1) + " " + std::to_string(v + 2) + " " +
           std::to_string(v + 3);
  };
  const std::string last_of_first = run_of(1000000 + kSaves - 1);
  const std::string last_of_second = run_of(2000000 + kSaves - 1);
  EXPECT_TRUE(last == last_of_first || last == last_of_second) << last;
}

TEST(StoreProcesses, FiveCopiesClosingAtOnceKeepEveryResult) {
  QTemporaryDir home;
  ASSERT_TRUE(home.isValid());
  const Helpers helpers(home.path());
  helpers.Run({"save", "7", "3", "4", "1"});
  // Copy i loses i games and closes; all five at once.
  QProcess copies[5];
  for (int i = 0; i < 5; ++i) helpers.Start(copies[i], {"lose", QString::number(i + 1)});
  for (QProcess& copy : copies) {
    ASSERT_TRUE(copy.waitForFinished(60000));
    EXPECT_EQ(copy.exitCode(), 0) << copy.readAllStandardError().toStdString();
  }
  // Wins kept, losses added up (1 + 2 + 3 + 4 + 5), the longest losing streak the longest of them.
  EXPECT_EQ(helpers.Run({"load"}), "7 18 4 5");
}

TEST(StoreProcesses, ALosingStreakAfterAnotherCopysClearingIsKept) {
  QTemporaryDir home;
  ASSERT_TRUE(home.isValid());
  const Helpers helpers(home.path());
  helpers.Run({"save", "0", "5", "0", "5"});
  // Copy A starts; copy B starts and clears; then A loses three in a row and closes.
  QProcess a;
  helpers.Start(a, {"lose-later", "3"});
  ASSERT_TRUE(a.waitForReadyRead(60000));
  EXPECT_EQ(a.readLine().trimmed().toStdString(), "started");
  helpers.Run({"clear"});
  EXPECT_EQ(helpers.Run({"load"}), "0 0 0 0");
  a.write("\n");
  a.closeWriteChannel();
  ASSERT_TRUE(a.waitForFinished(60000));
  EXPECT_EQ(a.exitCode(), 0) << a.readAllStandardError().toStdString();
  EXPECT_EQ(helpers.Run({"load"}), "0 3 0 3");
}

}  // namespace
}  // namespace vantrel::testing
