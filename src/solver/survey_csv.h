// The survey's CSV file: one line per deal, written as deals finish and read back to resume a survey.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "solver/survey.h"

namespace vantrel::solver {

inline constexpr std::string_view kSurveyCsvHeader = "seed,verdict,moves,nodes,seconds";

// "1700000004,winnable,13>40 9>42 ...,51,0.000040": the drops are separated by spaces.
std::string SurveyCsvLine(const DealResult& result);

// Puts lines out in seed order although deals finish out of order. When too many lines wait for one slow
// deal, they go out first and the slow deal's line follows when it is done, so memory stays bounded.
class InOrder {
 public:
  // Lines 0..count-1; `skipped(k)`: whether the k-th is left out (its deal was decided by an earlier run).
  InOrder(std::uint64_t count, std::function<bool(std::uint64_t)> skipped,
          std::function<void(const std::string&)> write, std::size_t max_waiting = 4096)
      : count_(count), skipped_(std::move(skipped)), write_(std::move(write)), max_waiting_(max_waiting) {}

  void Add(std::uint64_t index, std::string line);
  // Writes every line still waiting (after an interruption, past the deals that never finished).
  void Flush();

 private:
  std::uint64_t count_;
  std::function<bool(std::uint64_t)> skipped_;
  std::function<void(const std::string&)> write_;
  std::size_t max_waiting_;
  std::uint64_t next_ = 0;  // every line before it is out, or a hole
  std::map<std::uint64_t, std::string> waiting_;
  std::set<std::uint64_t> holes_;  // before next_ but not out yet: deals still running
};

struct CsvRow {
  std::uint32_t seed = 0;
  Verdict verdict = Verdict::kUnknown;
};

// Reads the deals an earlier run of the survey of `count` seeds from `from` wrote. A missing file holds
// none. A last line without its line end was cut off mid-write: it is removed from the file, and its deal
// is decided again. Throws Error naming the file and line for anything else that is not such a line: a
// seed outside the survey, one seen twice, a malformed field.
std::vector<CsvRow> ReadSurveyCsv(const std::string& path, std::uint32_t from, std::uint64_t count);

}  // namespace vantrel::solver
