// The statistics logic over an in-memory store: the first start, loading, saving, clearing, the dialog's
// outcome, Quit and the close of the window.
#include "stats/statistics.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "memory_registry.h"
#include "platform/error.h"
#include "platform/scripted_host.h"
#include "stats/stats_texts.h"
#include "table/table.h"

namespace vantrel::testing {
namespace {

using Log = std::vector<std::string>;

// A dialog that records what it was given and closes as told.
class ScriptedDialog : public StatsDialog {
 public:
  explicit ScriptedDialog(int result) : result_(result) {}
  int ShowModal(const StatsTexts& texts) override {
    shown.push_back(texts);
    return result_;
  }
  std::vector<StatsTexts> shown;

 private:
  int result_;
};

struct Fixture {
  MemoryRegistry registry;
  platform::ScriptedHost host;
  Results results;
  Statistics stats{registry, host, results};

  void Win() { RecordResult(results, results.wins, kStreakWins); }
  void Lose() { RecordResult(results, results.losses, kStreakLosses); }
  std::vector<std::int32_t> Stored() const {
    std::vector<std::int32_t> out;
    for (const StoredValue& v : kStoredValues) {
      out.push_back(registry.values.contains(v.name) ? registry.values.at(v.name) : -999);
    }
    return out;
  }
};

const Log kWriteZeros = {"open create",       "write Wins 0",       "write Losses 0",
                         "write WinStreak 0", "write LoseStreak 0", "close"};

TEST(Statistics, FirstStartWritesFourZerosWithoutAQuestion) {
  Fixture f;
  f.results.wins = 5;  // whatever the table held, a first start clears it
  f.stats.Start();
  EXPECT_TRUE(f.host.questions.empty());
  EXPECT_TRUE(f.registry.exists);
  EXPECT_EQ(f.Stored(), (std::vector<std::int32_t>{0, 0, 0, 0}));
  EXPECT_EQ(f.registry.values.size(), 4u) << "the current streak is never stored";
  EXPECT_EQ(f.results, Results{});
  Log expected = {"open"};
  expected.insert(expected.end(), kWriteZeros.begin(), kWriteZeros.end());
  EXPECT_EQ(f.registry.log, expected);
  EXPECT_FALSE(f.stats.HasUnsavedResults());
}

TEST(Statistics, LoadReadsInOrderAndEveryRunStartsAtZeroWins) {
  Fixture f;
  f.registry.Store(7, -3, 4, 2);
  f.results.streak_kind = kStreakLosses;
  f.results.streak_count = 6;
  // The current streak is reset before the key is even opened.
  f.registry.on_open = [&f] {
    EXPECT_EQ(f.results.streak_kind, kStreakWins);
    EXPECT_EQ(f.results.streak_count, 0);
  };
  f.stats.Start();
  EXPECT_EQ(f.results, (Results{7, -3, kStreakWins, 0, 4, 2}));
  EXPECT_EQ(f.registry.log,
            (Log{"open", "read Wins", "read Losses", "read WinStreak", "read LoseStreak", "close"}));
  EXPECT_TRUE(f.host.questions.empty());

  // Without a store LoadStats answers false, resets the current streak and leaves the rest alone.
  Fixture g;
  g.results = Results{1, 2, kStreakLosses, 3, 4, 5};
  EXPECT_FALSE(g.stats.LoadStats());
  EXPECT_EQ(g.results, (Results{1, 2, kStreakWins, 0, 4, 5}));
  EXPECT_FALSE(g.registry.exists);
}

TEST(Statistics, AValueThatCannotBeReadStopsTheStartAndIsNeverOverwritten) {
  for (const bool missing : {true, false}) {
    SCOPED_TRACE(missing ? "WinStreak missing" : "WinStreak not an integer");
    Fixture f;
    f.registry.Store(2, 1, 9, 1);
    if (missing) {
      f.registry.values.erase("WinStreak");
    } else {
      f.registry.not_integers.insert("WinStreak");
    }
    f.results = Results{11, 12, kStreakLosses, 2, 13, 14};
    EXPECT_THROW(f.stats.Start(), Error);
    // Nothing was half taken over from the store, and nothing was written to it.
    EXPECT_EQ(f.results, (Results{11, 12, kStreakWins, 0, 13, 14}));
    EXPECT_EQ(f.registry.log, (Log{"open", "read Wins", "read Losses", "read WinStreak"}));
    // A window that closes after the failed start must not write over the store it could not read.
    f.stats.SaveOnClose();
    EXPECT_EQ(f.registry.log.size(), 4u);
    EXPECT_EQ(f.registry.values.at("Wins"), 2);
  }
}

TEST(Statistics, SaveWritesTheFourCountersInOrderAndAFailureIsNeverSilent) {
  Fixture f;
  f.stats.Start();
  f.Win();
  f.Win();
  f.Lose();
  f.registry.log.clear();
  f.stats.SaveStats();
  // The store's values are read under the same opening as the write.
  EXPECT_EQ(f.registry.log,
            (Log{"open create", "read Wins", "read Losses", "read WinStreak", "read LoseStreak",
                 "write Wins 2", "write Losses 1", "write WinStreak 2", "write LoseStreak 1", "close"}));
  EXPECT_EQ(f.Stored(), (std::vector<std::int32_t>{2, 1, 2, 1}));

  // A write that fails raises, the counters stay in memory, and the store keeps what it had.
  f.Win();
  f.registry.fail_close = true;
  EXPECT_THROW(f.stats.SaveStats(), Error);
  EXPECT_EQ(f.results.wins, 3);
  EXPECT_EQ(f.Stored(), (std::vector<std::int32_t>{2, 1, 2, 1}));
  EXPECT_TRUE(f.stats.HasUnsavedResults());

  // A store that can be neither opened nor created raises too, naming it.
  f.registry.fail_close = false;
  f.registry.refuse_open = true;
  try {
    f.stats.SaveStats();
    ADD_FAILURE() << "a store that cannot be opened was reported as saved";
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("memory:Vantrel"), std::string::npos) << e.what();
  }
  f.registry.refuse_open = false;
  f.stats.SaveStats();
  EXPECT_EQ(f.Stored(), (std::vector<std::int32_t>{3, 1, 2, 1}));
  EXPECT_FALSE(f.stats.HasUnsavedResults());
}

TEST(Statistics, ClearingNeedsAnExplicitYes) {
  Fixture f;
  f.registry.Store(4, 6, 3, 2);
  f.stats.Start();
  f.Lose();
  f.registry.log.clear();

  f.host.QueueAnswer(false);  // No, Esc and closing the question all answer false
  f.stats.ClearStats(true);
  EXPECT_EQ(f.host.questions, (Log{"Are you SURE you want to clear the statistics?"}));
  // Enter answers No: the question's default button is No.
  EXPECT_EQ(f.host.question_defaults, std::vector<platform::DefaultAnswer>{platform::DefaultAnswer::kNo});
  EXPECT_EQ(f.results, (Results{4, 7, kStreakLosses, 1, 3, 2}));
  EXPECT_TRUE(f.registry.log.empty()) << "a refused clearing writes nothing";

  f.host.QueueAnswer(true);
  f.stats.ClearStats(true);
  EXPECT_EQ(f.results, Results{});
  EXPECT_EQ(f.registry.log, kWriteZeros);
  EXPECT_EQ(f.Stored(), (std::vector<std::int32_t>{0, 0, 0, 0}));
}

TEST(Statistics, TheDialogShowsTheCountersAndClearLeadsToTheQuestion) {
  Fixture f;
  f.registry.Store(12, -5, 4, 3);
  f.stats.Start();
  f.Lose();
  f.Lose();
  f.Lose();

  ScriptedDialog ok(kStatsOk);
  f.stats.Show(ok);
  ASSERT_EQ(ok.shown.size(), 1u);
  EXPECT_EQ(ok.shown[0], (StatsTexts{"12", "-2", "4", "3", "3 losses"}));
  EXPECT_TRUE(f.host.questions.empty());

  ScriptedDialog clear(kStatsClear);
  f.host.QueueAnswer(false);
  f.stats.Show(clear);
  EXPECT_EQ(f.host.questions.size(), 1u);
  EXPECT_EQ(f.results.wins, 12);
  EXPECT_EQ(f.Stored(), (std::vector<std::int32_t>{12, -5, 4, 3}));

  f.host.QueueAnswer(true);
  f.stats.Show(clear);
  EXPECT_EQ(f.Stored(), (std::vector<std::int32_t>{0, 0, 0, 0}));
  // The next showing shows the zeros and a current streak of 0 wins.
  f.stats.Show(ok);
  EXPECT_EQ(ok.shown.back(), (StatsTexts{"0", "0", "0", "0", "0 wins"}));
}

TEST(Statistics, CurrentStreakTexts) {
  struct Row {
    int kind;
    int count;
    const char* text;
  };
  for (const Row& row :
       {Row{kStreakWins, 0, "0 wins"}, Row{kStreakWins, 1, "1 win"}, Row{kStreakWins, 4, "4 wins"},
        Row{kStreakLosses, 1, "1 loss"}, Row{kStreakLosses, 3, "3 losses"}, Row{kStreakLosses, 0, "0 losses"},
        Row{kStreakWins, 21, "21 wins"}}) {
    EXPECT_EQ(CurrentStreakText({.streak_kind = row.kind, .streak_count = row.count}), row.text)
        << row.kind << " " << row.count;
  }
  EXPECT_EQ(MakeStatsTexts(Results{-2147483647 - 1, 2147483647, kStreakWins, 1, 1000000, 0}),
            (StatsTexts{"-2147483648", "2147483647", "1000000", "0", "1 win"}));
}

TEST(Statistics, QuitSavesThenClosesAndAFailedSaveKeepsTheWindowOpen) {
  Fixture f;
  f.stats.Start();
  f.Win();
  f.registry.fail_close = true;
  int closes = 0;
  EXPECT_THROW(f.stats.SaveThenClose([&] { ++closes; }), Error);
  EXPECT_EQ(closes, 0) << "the window closed although its results were not saved";
  EXPECT_EQ(f.results.wins, 1);

  f.registry.fail_close = false;
  f.stats.SaveThenClose([&] {
    ++closes;
    EXPECT_EQ(f.Stored(), (std::vector<std::int32_t>{1, 0, 1, 0})) << "closed before saving";
  });
  EXPECT_EQ(closes, 1);
  // The close that follows Quit has nothing more to save.
  f.registry.log.clear();
  f.stats.SaveOnClose();
  EXPECT_TRUE(f.registry.log.empty());
}

TEST(Statistics, ClosingTheWindowSavesTheResultsButNotAGameInProgress) {
  MemoryRegistry registry;
  platform::ScriptedHost host(1700000000);
  {
    Table table(host);
    Statistics stats(registry, host, table.course.results);
    stats.Start();
    // Nothing changed: closing writes nothing.
    registry.log.clear();
    stats.SaveOnClose();
    EXPECT_TRUE(registry.log.empty());

    RecordResult(table.course.results, table.course.results.wins, kStreakWins);
    RecordResult(table.course.results, table.course.results.wins, kStreakWins);
    table.Deal(DealKind::kNew);
    ASSERT_EQ(table.course.game_state, GameState::kInProgress) << "this deal must leave moves";
    stats.SaveOnClose();  // the close box, Alt+F4, the system menu or the end of the session
  }
  EXPECT_EQ(registry.values.at("Wins"), 2);
  EXPECT_EQ(registry.values.at("Losses"), 0) << "the game in progress was counted";

  // The next run shows them, with a current streak of 0 wins; a loss then keeps the longest winning streak.
  Table table(host);
  Statistics stats(registry, host, table.course.results);
  stats.Start();
  ScriptedDialog ok(kStatsOk);
  stats.Show(ok);
  EXPECT_EQ(ok.shown.back(), (StatsTexts{"2", "0", "2", "0", "0 wins"}));
  RecordResult(table.course.results, table.course.results.losses, kStreakLosses);
  stats.Show(ok);
  EXPECT_EQ(ok.shown.back(), (StatsTexts{"2", "1", "2", "1", "1 loss"}));

  // A failed save at the close is raised for the window to show before it closes.
  registry.fail_close = true;
  EXPECT_THROW(stats.SaveOnClose(), Error);
  EXPECT_EQ(registry.values.at("Losses"), 0);
}

TEST(Statistics, CopiesOnOneStoreAddTheirResultsAndAClearingWritesZeros) {
  MemoryRegistry registry;
  registry.Store(10, 5, 3, 2);
  platform::ScriptedHost host;
  Results a_results;
  Results b_results;
  Statistics a(registry, host, a_results);
  Statistics b(registry, host, b_results);
  a.Start();
  b.Start();
  // A wins four in a row; B loses one. Each close adds its own results to what the store holds by then.
  for (int i = 0; i < 4; ++i) RecordResult(a_results, a_results.wins, kStreakWins);
  RecordResult(b_results, b_results.losses, kStreakLosses);
  b.SaveOnClose();
  a.SaveOnClose();
  EXPECT_EQ(registry.values, (std::map<std::string, std::int32_t>{
                                 {"Wins", 14}, {"Losses", 6}, {"WinStreak", 4}, {"LoseStreak", 2}}));
  EXPECT_EQ(a_results.losses, 6) << "the window shows the totals after its save";
  // A's next save adds only what it played since, and a store near the largest count stays there.
  registry.values["Wins"] = INT32_MAX - 1;
  for (int i = 0; i < 3; ++i) RecordResult(a_results, a_results.wins, kStreakWins);
  a.SaveStats();
  EXPECT_EQ(registry.values.at("Wins"), INT32_MAX);
  EXPECT_EQ(registry.values.at("WinStreak"), 7);
  // Clearing is not an addition: four zeros, whatever the store held.
  b.ClearStats(false);
  EXPECT_EQ(registry.values, (std::map<std::string, std::int32_t>{
                                 {"Wins", 0}, {"Losses", 0}, {"WinStreak", 0}, {"LoseStreak", 0}}));
}

// Another copy's clearing between this run's load and its save: the counts add what this run played since,
// and each longest streak is the store's or this run's own since then, within its count. A clearing of this
// run's own that could not be saved is saved by its next save.
TEST(Statistics, AClearingMeanwhileLeavesTheStreaksConsistentWithTheCounts) {
  struct Case {
    const char* name;
    std::vector<std::int32_t> store;  // Wins, Losses, WinStreak, LoseStreak at the start
    std::function<void(Statistics& other, Results& theirs)> meanwhile;
    const char* games;  // this run's, W and L
    std::vector<std::int32_t> expected;
  };
  const auto clear = [](Statistics& other, Results&) { other.ClearStats(false); };
  const auto clear_and_lose = [](Statistics& other, Results& theirs) {
    other.ClearStats(false);
    RecordResult(theirs, theirs.losses, kStreakLosses);
    other.SaveOnClose();
  };
  const auto nothing = [](Statistics&, Results&) {};
  const std::vector<Case> cases = {
      {"three losses after a clearing", {0, 5, 0, 5}, clear, "LLL", {0, 3, 0, 3}},
      {"after a clearing and a loss", {0, 5, 0, 5}, clear_and_lose, "LLL", {0, 4, 0, 3}},
      {"a win after a clearing", {4, 0, 4, 0}, clear, "W", {1, 0, 1, 0}},
      {"a longer streak of this run's, nobody clearing", {2, 2, 2, 2}, nothing, "LLL", {2, 5, 2, 3}},
      {"a shorter one", {2, 2, 2, 4}, nothing, "WLL", {3, 4, 2, 4}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f;
    f.registry.Store(c.store[0], c.store[1], c.store[2], c.store[3]);
    Results theirs;
    Statistics other(f.registry, f.host, theirs);
    f.stats.Start();
    other.Start();
    c.meanwhile(other, theirs);
    for (const char* g = c.games; *g != 0; ++g) (*g == 'W' ? f.Win() : f.Lose());
    f.stats.SaveOnClose();
    EXPECT_EQ(f.Stored(), c.expected);
  }
  // This run's clearing fails; its next save still clears, and keeps only what came after.
  Fixture f;
  f.registry.Store(3, 3, 3, 3);
  f.stats.Start();
  f.registry.fail_close = true;
  EXPECT_THROW(f.stats.ClearStats(false), Error);
  f.registry.fail_close = false;
  f.Win();
  f.stats.SaveOnClose();
  EXPECT_EQ(f.Stored(), (std::vector<std::int32_t>{1, 0, 1, 0}));
}

}  // namespace
}  // namespace vantrel::testing
