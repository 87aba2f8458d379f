// The survey's tally and the Wilson interval.
#include "solver/tally.h"

#include <algorithm>
#include <cmath>

namespace vantrel::solver {

void Tally::Add(Verdict verdict) {
  switch (verdict) {
    case Verdict::kWinnable:
      ++winnable;
      break;
    case Verdict::kUnwinnable:
      ++unwinnable;
      break;
    case Verdict::kUnknown:
      ++unknown;
      break;
  }
}

Interval Wilson(Proportion proportion, double z) {
  if (proportion.n == 0) return {0, 1};
  const double nn = static_cast<double>(proportion.n);
  const double p = static_cast<double>(proportion.successes) / nn;
  const double z2 = z * z;
  const double centre = (p + z2 / (2 * nn)) / (1 + z2 / nn);
  const double half = z / (1 + z2 / nn) * std::sqrt(p * (1 - p) / nn + z2 / (4 * nn * nn));
  return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

Interval WinnableInterval(const Tally& tally) {
  const std::uint64_t n = tally.total();
  return {Wilson({.successes = tally.winnable, .n = n}).lo,
          Wilson({.successes = tally.winnable + tally.unknown, .n = n}).hi};
}

}  // namespace vantrel::solver
