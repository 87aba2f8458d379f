// The survey's CSV file: one line per deal, written as deals finish and read back to resume a survey.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "solver/survey.h"

namespace vantrel::cli {

inline constexpr std::string_view kSurveyCsvHeader = "seed,verdict,moves,nodes,seconds";

// "1700000004,winnable,13>40 9>42 ...,51,0.000040": the drops are separated by spaces.
std::string SurveyCsvLine(const solver::DealResult& result);

struct CsvRow {
  std::uint32_t seed = 0;
  solver::Verdict verdict = solver::Verdict::kUnknown;
};

// Reads the deals an earlier run of the survey of `count` seeds from `from` wrote. A missing file holds
// none. A last line without its line end was cut off mid-write: it is removed from the file, and its deal
// is decided again. Throws Error naming the file and line for anything else that is not such a line: a
// seed outside the survey, one seen twice, a malformed field.
std::vector<CsvRow> ReadSurveyCsv(const std::string& path, std::uint32_t from, std::uint64_t count);

}  // namespace vantrel::cli
