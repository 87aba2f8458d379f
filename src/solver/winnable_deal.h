// "Deal only winnable games": the first deal from a clock's second on that the solver proves winnable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace vantrel::solver {

// How far the search may go: it must never keep the window waiting long. Each deal is searched to a node
// limit; one left unknown there is passed over. The whole search ends after `max_deals` deals or
// `max_seconds`, whichever comes first.
struct WinnableDealLimits {
  std::uint64_t max_nodes = 250'000;  // a deal; of 100,000 deals the hardest took some 82,000
  std::uint32_t max_deals = 1000;     // the longest run of unwinnable deals found so far is 35 long
  double max_seconds = 1;
  std::size_t max_table_bytes = std::size_t{48} << 20;
};

// The first of the deals numbered `from`, `from` + 1, ... (past 4294967295 on from 0) that can be won, or
// nothing when none was found within the limits.
std::optional<std::uint32_t> FirstWinnableDeal(std::uint32_t from, const WinnableDealLimits& limits = {});

}  // namespace vantrel::solver
