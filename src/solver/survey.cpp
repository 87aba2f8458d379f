// The survey's worker threads, its tally and its confidence interval.
#include "solver/survey.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <thread>

namespace vantrel::solver {

std::size_t TableShare(std::size_t max_memory_bytes, int jobs) {
  // Beyond the tables each thread holds little: a position, a path and the answer (a few KiB), kept out of
  // the share with room to spare.
  constexpr std::size_t kPerThreadOverhead = std::size_t{1} << 20;
  const std::size_t share = max_memory_bytes / static_cast<std::size_t>(std::max(jobs, 1));
  return share > 2 * kPerThreadOverhead ? share - kPerThreadOverhead : share / 2;
}

std::size_t RunSurvey(const std::vector<std::uint32_t>& seeds, const SurveyOptions& options,
                      const std::function<void(DealResult&&)>& done) {
  const int jobs = std::max(1, std::min<int>(options.jobs, static_cast<int>(std::max<std::size_t>(seeds.size(), 1))));
  Limits limits = options.limits;
  limits.max_table_bytes = TableShare(options.max_memory_bytes, jobs);
  limits.cancel = options.cancel;

  std::atomic<std::size_t> next{0};
  std::mutex report;
  std::size_t reported = 0;
  auto work = [&] {
    Solver solver(limits);
    for (;;) {
      if (options.cancel && options.cancel->load()) return;
      const std::size_t k = next.fetch_add(1);
      if (k >= seeds.size()) return;
      Result r = solver.SolveDeal(seeds[k]);
      if (r.cancelled) return;
      DealResult d{seeds[k], r.verdict, std::move(r.moves), r.nodes, r.seconds};
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

void Tally::Add(Verdict verdict) {
  switch (verdict) {
    case Verdict::kWinnable: ++winnable; break;
    case Verdict::kUnwinnable: ++unwinnable; break;
    case Verdict::kUnknown: ++unknown; break;
  }
}

Interval Wilson(std::uint64_t successes, std::uint64_t n, double z) {
  if (n == 0) return {0, 1};
  const double nn = static_cast<double>(n);
  const double p = static_cast<double>(successes) / nn;
  const double z2 = z * z;
  const double centre = (p + z2 / (2 * nn)) / (1 + z2 / nn);
  const double half = z / (1 + z2 / nn) * std::sqrt(p * (1 - p) / nn + z2 / (4 * nn * nn));
  return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

Interval WinnableInterval(const Tally& tally) {
  const std::uint64_t n = tally.total();
  return {Wilson(tally.winnable, n).lo, Wilson(tally.winnable + tally.unknown, n).hi};
}

}  // namespace vantrel::solver
