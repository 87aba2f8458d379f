// The survey's worker threads: each takes the next seed, decides it with its own solver, and reports.
#include "solver/survey.h"

#include <algorithm>
#include <mutex>
#include <thread>

namespace vantrel::solver {

std::size_t TableShare(std::size_t max_memory_bytes, int jobs) {
  // Beyond its table each thread holds little: a position, a path and the answer (a few KiB), kept out of
  // the share with room to spare.
  constexpr std::size_t kPerThreadOverhead = std::size_t{1} << 20;
  const std::size_t share = max_memory_bytes / static_cast<std::size_t>(std::max(jobs, 1));
  return share > 2 * kPerThreadOverhead ? share - kPerThreadOverhead : share / 2;
}

std::uint64_t RunSurvey(SeedRange seeds, const SkipSeed& skip, const SurveyOptions& options,
                        const std::function<void(DealResult&&)>& done) {
  const int jobs = static_cast<int>(
      std::clamp<std::uint64_t>(seeds.count, 1, static_cast<std::uint64_t>(std::max(options.jobs, 1))));
  Limits limits = options.limits;
  limits.max_table_bytes = TableShare(options.max_memory_bytes, jobs);
  limits.cancel = options.cancel;

  std::atomic<std::uint64_t> next{0};
  std::mutex report;
  std::uint64_t reported = 0;
  auto work = [&] {
    Solver solver(limits);
    for (;;) {
      if (options.cancel && options.cancel->load()) return;
      const std::uint64_t k = next.fetch_add(1);
      if (k >= seeds.count) return;
      const auto seed = static_cast<std::uint32_t>(seeds.from + k);
      if (skip && skip(seed)) continue;
      Result r = solver.SolveDeal(seed);
      if (r.cancelled) return;
      DealResult d{seed, r.verdict, std::move(r.moves), r.nodes, r.seconds, r.table_bytes};
      std::lock_guard<std::mutex> lock(report);
      done(std::move(d));
      ++reported;
    }
  };
  std::vector<std::thread> threads;
  for (int t = 1; t < jobs; ++t) threads.emplace_back(work);
  work();
  for (std::thread& t : threads) t.join();
  return reported;
}

}  // namespace vantrel::solver
