// The survey: every deal decided once whatever the number of threads, counts that add up, memory shared out
// within the cap, a stop that reports only finished deals, and the Wilson interval.
#include "solver/survey.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "solver/tally.h"

namespace vantrel::solver {
namespace {

TEST(Survey, CountsAddUpAndThreadsChangeNothing) {
  const std::uint32_t from = 1700000000;
  const std::uint64_t count = 300;
  // Seeds an earlier run decided are left out.
  const std::vector<std::uint32_t> skip = {from, from + 7, from + 8, from + 299};
  Limits limits;
  limits.max_seconds = 10;
  Solver single(limits);
  std::map<std::uint32_t, Verdict> expected;
  for (std::uint32_t s = from; s < from + count; ++s) expected[s] = single.SolveDeal(s).verdict;

  for (const int jobs : {1, 2, 3}) {
    SurveyOptions options;
    options.jobs = jobs;
    options.limits = limits;
    std::map<std::uint32_t, int> seen;
    Tally tally;
    const auto skipped = [&](std::uint32_t seed) {
      return std::find(skip.begin(), skip.end(), seed) != skip.end();
    };
    const std::uint64_t reported =
        RunSurvey({.from = from, .count = count}, skipped, options, [&](DealResult&& r) {
          ++seen[r.seed];
          tally.Add(r.verdict);
          EXPECT_EQ(r.verdict, expected[r.seed]) << "seed " << r.seed;
          EXPECT_EQ(r.moves.empty(), r.verdict != Verdict::kWinnable);
        });
    EXPECT_EQ(reported, count - skip.size());
    EXPECT_EQ(seen.size(), count - skip.size());
    for (const auto& [seed, times] : seen) EXPECT_EQ(times, 1) << "seed " << seed;
    for (const std::uint32_t s : skip) EXPECT_FALSE(seen.contains(s));
    EXPECT_EQ(tally.total(), reported);
    EXPECT_EQ(tally.winnable + tally.unwinnable + tally.unknown, count - skip.size());
    EXPECT_GT(tally.winnable, 0u);
    EXPECT_GT(tally.unwinnable, 0u);
  }
}

TEST(Survey, StopsWhenCancelled) {
  std::atomic<bool> cancel{false};
  SurveyOptions options;
  options.jobs = 2;
  options.cancel = &cancel;
  std::size_t calls = 0;
  const std::uint64_t reported =
      RunSurvey({.from = 1700000000, .count = 100000}, {}, options, [&](DealResult&&) {
        if (++calls == 10) cancel = true;
      });
  EXPECT_EQ(reported, calls);
  EXPECT_GE(reported, 10u);
  EXPECT_LT(reported, 1000u);

  cancel = true;
  EXPECT_EQ(RunSurvey({.from = 1700000000, .count = 100000}, {}, options, [](DealResult&&) {}), 0u);
}

TEST(Survey, MemoryIsSharedWithinTheCap) {
  for (const std::size_t total : {std::size_t{1} << 30, std::size_t{64} << 20, std::size_t{3} << 20}) {
    for (const int jobs : {1, 2, 8, 64}) {
      const std::size_t share = TableShare(total, jobs);
      EXPECT_GT(share, 0u);
      EXPECT_LE(share * static_cast<std::size_t>(jobs), total) << total << " over " << jobs;
    }
  }
}

TEST(Survey, WilsonInterval) {
  const Interval half = Wilson({.successes = 50, .n = 100});
  EXPECT_NEAR(half.lo, 0.403832, 1e-6);
  EXPECT_NEAR(half.hi, 0.596168, 1e-6);
  const Interval none = Wilson({.successes = 0, .n = 10});
  EXPECT_EQ(none.lo, 0.0);
  EXPECT_NEAR(none.hi, 0.277533, 1e-6);
  const Interval all = Wilson({.successes = 10, .n = 10});
  EXPECT_NEAR(all.lo, 0.722467, 1e-6);
  EXPECT_LE(all.hi, 1.0);
  const Interval empty = Wilson({.successes = 0, .n = 0});
  EXPECT_EQ(empty.lo, 0.0);
  EXPECT_EQ(empty.hi, 1.0);

  // Unknown deals could go either way: the interval covers both.
  Tally tally{40, 50, 10};
  const Interval wide = WinnableInterval(tally);
  EXPECT_NEAR(wide.lo, Wilson({.successes = 40, .n = 100}).lo, 1e-12);
  EXPECT_NEAR(wide.hi, Wilson({.successes = 50, .n = 100}).hi, 1e-12);
  Tally decided{40, 60, 0};
  EXPECT_NEAR(WinnableInterval(decided).lo, Wilson({.successes = 40, .n = 100}).lo, 1e-12);
  EXPECT_NEAR(WinnableInterval(decided).hi, Wilson({.successes = 40, .n = 100}).hi, 1e-12);
}

}  // namespace
}  // namespace vantrel::solver
