// The texts of the statistics dialog, made from the result counters.
#pragma once

#include <string>

#include "stats/stats_dialog.h"
#include "table/results.h"

namespace vantrel {

// The current streak: "0 wins", "1 win", "4 wins", "1 loss", "3 losses": the count and the kind, plural
// unless the count is 1.
std::string CurrentStreakText(const Results& results);

// The counters in decimal, a minus sign for negative values, no grouping.
StatsTexts MakeStatsTexts(const Results& results);

}  // namespace vantrel
