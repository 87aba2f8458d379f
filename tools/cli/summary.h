// The summary that survey, merge, census-stats and the census print: first seed, counts, share and interval.
#pragma once

#include <cstdint>

#include "json.h"
#include "solver/tally.h"

namespace vantrel::cli {

// Writes "from", "count" (the deals decided), "winnable", "unwinnable", "unknown", "winnable_rate" and "ci95"
// into the object `j` has open.
void SummaryFields(Json& j, std::uint32_t from, const solver::Tally& tally);

}  // namespace vantrel::cli
