// The live verdict's worker: a new position cancels the search under way, and Cancel does. (The window's
// test checks its verdicts against vantrel-cli solve.)
#include "solver/verdict_worker.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

#include "support.h"

namespace vantrel::solver_testing {
namespace {

// The worker's reports, by job.
class Reports {
 public:
  solver::VerdictWorker::Report Sink() {
    return [this](std::uint64_t job, const solver::Result& result) {
      const std::lock_guard lock(mutex_);
      results_[job] = result;
      arrived_.notify_all();
    };
  }
  // The report of `job`, waiting up to a few minutes (a search that never ends fails the test).
  std::optional<solver::Result> Of(std::uint64_t job) {
    std::unique_lock lock(mutex_);
    arrived_.wait_for(lock, std::chrono::minutes(3), [&] { return results_.contains(job); });
    if (!results_.contains(job)) return std::nullopt;
    return results_.at(job);
  }

 private:
  std::mutex mutex_;
  std::condition_variable arrived_;
  std::map<std::uint64_t, solver::Result> results_;
};

TEST(VerdictWorker, ANewPositionCancelsTheSearchUnderWay) {
  // Without its proofs of lost positions the solver searches the lost deal of 1700000003 for far longer
  // than a test runs; the worker gives up on it only when told to.
  const solver::Limits slow{.max_seconds = 120, .prove_dead_ends = false};
  Reports reports;
  solver::VerdictWorker worker(slow, reports.Sink());
  const std::uint64_t first = worker.Decide(Position::Deal(1700000003));
  for (int waited = 0; worker.searching() != first && waited < 10'000; ++waited)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  ASSERT_EQ(worker.searching(), first) << "the search never began";
  // The next position: a deal won along the first line tried.
  const std::uint64_t second = worker.Decide(Position::Deal(1700000004));
  const std::optional<solver::Result> cancelled = reports.Of(first);
  ASSERT_TRUE(cancelled.has_value());
  EXPECT_TRUE(cancelled->cancelled);
  EXPECT_EQ(cancelled->verdict, solver::Verdict::kUnknown);
  const std::optional<solver::Result> decided = reports.Of(second);
  ASSERT_TRUE(decided.has_value());
  EXPECT_EQ(decided->verdict, solver::Verdict::kWinnable);

  // Cancel alone stops it too, and a position still waiting is dropped.
  const std::uint64_t third = worker.Decide(Position::Deal(1700000003));
  for (int waited = 0; worker.searching() != third && waited < 10'000; ++waited)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  worker.Cancel();
  const std::optional<solver::Result> stopped = reports.Of(third);
  ASSERT_TRUE(stopped.has_value());
  EXPECT_TRUE(stopped->cancelled);
}

}  // namespace
}  // namespace vantrel::solver_testing
