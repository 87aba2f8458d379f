// Searching the deals after a clock's second for one that can be won.
#include "solver/winnable_deal.h"

#include <chrono>

#include "solver/solver.h"

namespace vantrel::solver {

std::optional<std::uint32_t> FirstWinnableDeal(std::uint32_t from, const WinnableDealLimits& limits) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(limits.max_seconds);
  for (std::uint32_t k = 0; k < limits.max_deals; ++k) {
    const std::chrono::duration<double> left = deadline - std::chrono::steady_clock::now();
    if (left.count() <= 0) break;
    // Each deal gets what is left of the time, so the whole search ends on time.
    Solver solver({.max_nodes = limits.max_nodes,
                   .max_seconds = left.count(),
                   .max_table_bytes = limits.max_table_bytes});
    const std::uint32_t number = from + k;  // wraps past the last second
    if (solver.SolveDeal(number).verdict == Verdict::kWinnable) return number;
  }
  return std::nullopt;
}

}  // namespace vantrel::solver
