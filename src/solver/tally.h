// Counting a survey's verdicts, and the confidence interval of the share of winnable deals.
#pragma once

#include <cstdint>

#include "solver/solver.h"

namespace vantrel::solver {

struct Tally {
  std::uint64_t winnable = 0;
  std::uint64_t unwinnable = 0;
  std::uint64_t unknown = 0;
  void Add(Verdict verdict);
  Tally& operator+=(const Tally& other) {
    winnable += other.winnable;
    unwinnable += other.unwinnable;
    unknown += other.unknown;
    return *this;
  }
  bool operator==(const Tally&) const = default;
  std::uint64_t total() const { return winnable + unwinnable + unknown; }
};

struct Interval {
  double lo = 0;
  double hi = 0;
};

// `successes` out of `n` trials.
struct Proportion {
  std::uint64_t successes = 0;
  std::uint64_t n = 0;
};

// The Wilson score interval of the proportion at the normal quantile `z` (1.96 for 95%); for n = 0 the whole
// range [0, 1].
Interval Wilson(Proportion proportion, double z = 1.959963984540054);

// The 95% interval of the share of winnable deals. Deals left unknown could go either way, so the lower
// end counts them as lost and the upper end as won; without unknowns it is the plain Wilson interval.
Interval WinnableInterval(const Tally& tally);

}  // namespace vantrel::solver
