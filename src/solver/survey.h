// Deciding many deals at once on several threads, and the figures a survey reports.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "solver/solver.h"

namespace vantrel::solver {

struct DealResult {
  std::uint32_t seed = 0;
  Verdict verdict = Verdict::kUnknown;
  std::vector<Drop> moves;
  std::uint64_t nodes = 0;
  double seconds = 0;
};

struct SurveyOptions {
  int jobs = 1;
  // Limits for each deal; `max_table_bytes` is ignored in favour of an equal share of `max_memory_bytes`.
  Limits limits;
  // All the memory the survey's tables may hold together.
  std::size_t max_memory_bytes = std::size_t{1} << 30;
  // Set from outside (Ctrl+C): every thread stops, and deals under way are reported as not done.
  const std::atomic<bool>* cancel = nullptr;
};

// The table memory each of `jobs` threads may use, so that together they stay within `max_memory_bytes`.
std::size_t TableShare(std::size_t max_memory_bytes, int jobs);

// Decides every seed on `jobs` threads, seeds taken in the order given. `done` is called for each deal
// decided (or left unknown by a limit), one call at a time, in the order they finish; deals cut short by
// the cancel flag are not reported. Returns the number reported.
std::size_t RunSurvey(const std::vector<std::uint32_t>& seeds, const SurveyOptions& options,
                      const std::function<void(DealResult&&)>& done);

struct Tally {
  std::uint64_t winnable = 0;
  std::uint64_t unwinnable = 0;
  std::uint64_t unknown = 0;
  void Add(Verdict verdict);
  std::uint64_t total() const { return winnable + unwinnable + unknown; }
};

struct Interval {
  double lo = 0;
  double hi = 0;
};

// The Wilson score interval for `successes` out of `n` at the normal quantile `z` (1.96 for 95%); for
// n = 0 the whole range [0, 1].
Interval Wilson(std::uint64_t successes, std::uint64_t n, double z = 1.959963984540054);

// The 95% interval of the share of winnable deals. Deals left unknown could go either way, so the lower
// end counts them as lost and the upper end as won; without unknowns it is the plain Wilson interval.
Interval WinnableInterval(const Tally& tally);

}  // namespace vantrel::solver
