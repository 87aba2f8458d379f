// Writing and reading the survey's CSV lines.
#include "solver/survey_csv.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "platform/error.h"
#include "table/decimal_text.h"
#include "table/move_text.h"

namespace vantrel::solver {
namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

Error LineError(const std::string& path, std::size_t line, const std::string& why) {
  return Error(path + " line " + std::to_string(line) + ": " + why +
               "; fix or remove the line, or start the survey over without --resume");
}

bool ValidSeconds(std::string_view text) {
  const std::size_t dot = text.find('.');
  const auto digits = [](std::string_view part) {
    return !part.empty() && part.find_first_not_of("0123456789") == std::string_view::npos;
  };
  return digits(text.substr(0, dot)) && (dot == std::string_view::npos || digits(text.substr(dot + 1)));
}

}  // namespace

std::string SurveyCsvLine(const DealResult& r) {
  std::string line = std::to_string(r.seed);
  line += ',';
  line += VerdictName(r.verdict);
  line += ',';
  for (std::size_t k = 0; k < r.moves.size(); ++k) {
    if (k > 0) line += ' ';
    line += FormatDrop(r.moves[k]);
  }
  char tail[64];
  std::snprintf(tail, sizeof tail, ",%llu,%.6f", static_cast<unsigned long long>(r.nodes), r.seconds);
  line += tail;
  return line;
}

void InOrder::Add(std::uint64_t index, std::string line) {
  if (index < next_) {  // a slow deal that others went past
    write_(line);
    holes_.erase(index);
    return;
  }
  waiting_.emplace(index, std::move(line));
  for (;;) {
    while (next_ < count_ && skipped_(next_)) ++next_;
    const auto it = waiting_.find(next_);
    if (it == waiting_.end()) break;
    write_(it->second);
    waiting_.erase(it);
    ++next_;
  }
  if (waiting_.size() > max_waiting_) Flush();
}

void InOrder::Flush() {
  if (waiting_.empty()) return;
  const std::uint64_t last = waiting_.rbegin()->first;
  for (std::uint64_t k = next_; k <= last; ++k) {
    const auto it = waiting_.find(k);
    if (it != waiting_.end()) {
      write_(it->second);
    } else if (!skipped_(k)) {
      holes_.insert(k);
    }
  }
  waiting_.clear();
  next_ = last + 1;
}

std::vector<CsvRow> ReadSurveyCsv(const std::string& path, std::uint32_t from, std::uint64_t count) {
  std::vector<CsvRow> rows;
  std::error_code status_error;
  const std::filesystem::file_status status = std::filesystem::status(path, status_error);
  if (!std::filesystem::exists(status)) return rows;
  // A pipe or a device would block the read or never end.
  if (!std::filesystem::is_regular_file(status)) {
    throw Error(path + " is not an ordinary file, so it cannot be a survey's CSV file");
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Error("cannot read " + path + ": check its permissions");
  std::stringstream buffer;
  buffer << in.rdbuf();
  const std::string text = buffer.str();
  in.close();

  // A line cut off by a crash or a full disk is dropped and its deal decided again, but only once every
  // whole line has shown the file to be a survey's: nothing of another file is ever cut.
  const std::size_t complete = text.rfind('\n') == std::string::npos ? 0 : text.rfind('\n') + 1;
  const std::string_view body = std::string_view(text).substr(0, complete);
  const std::string bad_header = "the header is not " + std::string(kSurveyCsvHeader);
  if (complete == 0 && !kSurveyCsvHeader.starts_with(text)) throw LineError(path, 1, bad_header);

  std::set<std::uint32_t> seen;
  std::size_t line_number = 0;
  std::size_t start = 0;
  while (start < body.size()) {
    const std::size_t end = body.find('\n', start);
    std::string_view line = body.substr(start, end - start);
    start = end + 1;
    ++line_number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const auto fail = [&](const std::string& why) { return LineError(path, line_number, why); };
    if (line_number == 1) {
      if (line != kSurveyCsvHeader) throw fail(bad_header);
      continue;
    }
    const std::vector<std::string_view> fields = Split(line, ',');
    if (fields.size() != 5) throw fail("expected 5 fields");
    const auto seed = ParseDecimal(fields[0], UINT32_MAX);
    if (!seed) throw fail("the seed is not a whole number");
    if (*seed < from || *seed - from >= count)
      throw fail("seed " + std::to_string(*seed) + " lies outside this survey");
    if (!seen.insert(static_cast<std::uint32_t>(*seed)).second)
      throw fail("seed " + std::to_string(*seed) + " is there twice");
    CsvRow row;
    row.seed = static_cast<std::uint32_t>(*seed);
    if (fields[1] == "winnable") {
      row.verdict = Verdict::kWinnable;
    } else if (fields[1] == "unwinnable") {
      row.verdict = Verdict::kUnwinnable;
    } else if (fields[1] == "unknown") {
      row.verdict = Verdict::kUnknown;
    } else {
      throw fail("the verdict is not winnable, unwinnable or unknown");
    }
    if (!fields[2].empty()) {
      for (std::string_view drop : Split(fields[2], ' ')) {
        if (!ParseDrop(drop)) throw fail("a move is not M>T");
      }
    }
    if (row.verdict == Verdict::kWinnable && fields[2].empty()) throw fail("a winnable deal without moves");
    if (!ParseDecimal(fields[3], UINT64_MAX)) throw fail("the node count is not a whole number");
    if (!ValidSeconds(fields[4])) throw fail("the seconds are not a number");
    rows.push_back(row);
  }
  if (complete < text.size()) {
    std::error_code error;
    std::filesystem::resize_file(path, complete, error);
    if (error) throw Error("cannot cut the unfinished last line off " + path + ": " + error.message());
  }
  return rows;
}

}  // namespace vantrel::solver
