// `merge`, `census-stats` and `census-ledger`: the commands over verdict files, the record a sharded survey
// or a census leaves.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>

#include "commands.h"
#include "json.h"
#include "platform/error.h"
#include "solver/census_ledger.h"
#include "solver/verdict_file.h"
#include "solver_args.h"
#include "summary.h"

namespace vantrel::cli {
namespace {

// An output never replaces what lies at its path (an input, a file of the user's, a link, a folder).
void RefuseExisting(const std::string& path) {
  std::error_code error;
  if (std::filesystem::exists(std::filesystem::symlink_status(path, error))) {
    throw Error(path + " already exists: remove it or choose another name");
  }
}

// The report of census-stats and census-ledger: the summary of the seeds decided, how many are not, the
// version and limits, the longest run of unwinnable seeds and the first unknown seeds (--unknown-out or the
// ledger's own list for all of them).
void CensusFields(Json& j, const solver::VerdictHeader& h, const solver::VerdictRuns& runs) {
  SummaryFields(j, h.from, runs.tally);
  j.Key("seeds").Value(static_cast<unsigned long long>(h.count));
  j.Key("undecided").Value(static_cast<unsigned long long>(h.count - runs.tally.total()));
  j.Key("version").Value(h.version);
  j.Key("max_nodes").Value(static_cast<unsigned long long>(h.max_nodes));
  j.Key("max_seconds").Value(h.max_seconds);
  j.Key("max_memory_mib").Value(static_cast<unsigned long long>(h.max_memory_mib));
  j.Key("longest_unwinnable_run").BeginObject();
  j.Key("from").Value(static_cast<unsigned long long>(runs.longest ? runs.longest_from : 0));
  j.Key("length").Value(static_cast<unsigned long long>(runs.longest));
  j.EndObject();
  j.Key("unknown_seeds").BeginArray();
  for (const std::uint64_t seed : runs.unknown) j.Value(static_cast<unsigned long long>(seed));
  j.EndArray();
}

}  // namespace

int MergeMain(std::span<const std::string_view> args) {
  constexpr std::string_view usage = "merge takes --out FILE [--allow-gaps] FILE...";
  std::string out;
  bool allow_gaps = false;
  std::vector<std::string> inputs;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--allow-gaps") {
      allow_gaps = true;
    } else if (args[i] == "--out") {
      if (i + 1 >= args.size()) throw MissingArgument("a file name after --out");
      if (args[i + 1].empty()) throw BadArgument(args[i + 1], "--out takes a file name");
      out = std::string(args[++i]);
    } else if (args[i].starts_with("--") || args[i].empty()) {
      throw BadArgument(args[i], usage);
    } else {
      inputs.emplace_back(args[i]);
    }
  }
  if (out.empty()) throw MissingArgument("--out FILE");
  if (inputs.empty()) throw MissingArgument("the verdict files to merge");
  RefuseExisting(out);

  solver::VerdictFile merged = solver::MergeVerdictFiles(inputs, allow_gaps);
  merged.Save(out);
  Json j;
  j.BeginObject();
  SummaryFields(j, merged.header().from, merged.Count());
  j.EndObject();
  std::cout << j.str() << '\n';
  return 0;
}

int CensusStatsMain(std::span<const std::string_view> args) {
  std::string path;
  std::string unknown_out;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--unknown-out") {
      if (i + 1 >= args.size()) throw MissingArgument("a file name after --unknown-out");
      if (args[i + 1].empty()) throw BadArgument(args[i + 1], "--unknown-out takes a file name");
      unknown_out = std::string(args[++i]);
    } else if (args[i].starts_with("--") || args[i].empty() || !path.empty()) {
      throw BadArgument(args[i], "census-stats takes FILE [--unknown-out LIST]");
    } else {
      path = std::string(args[i]);
    }
  }
  if (path.empty()) throw MissingArgument("FILE, a verdict file");

  if (!unknown_out.empty()) RefuseExisting(unknown_out);
  const solver::VerdictFile file = solver::VerdictFile::Read(path);
  const solver::VerdictHeader& h = file.header();
  std::ofstream list;
  if (!unknown_out.empty()) {
    list.open(unknown_out, std::ios::trunc);
    if (!list) throw Error("cannot write " + unknown_out + ": check the folder exists and is writable");
  }
  solver::VerdictRuns runs;
  for (std::uint64_t k = 0; k < h.count; ++k) {
    const solver::Code code = file.Get(k);
    runs.Add(h.from + k, code);
    if (code == solver::Code::kUnknown && list.is_open()) list << h.from + k << '\n';
  }
  if (list.is_open()) {
    list.close();
    if (!list) throw Error("writing " + unknown_out + " failed: check the disk");
  }
  Json j;
  j.BeginObject();
  CensusFields(j, h, runs);
  j.EndObject();
  std::cout << j.str() << '\n';
  return 0;
}

int CensusLedgerMain(std::span<const std::string_view> args) {
  constexpr std::string_view usage = "census-ledger takes LEDGER [--from S --count N] [FILE...]";
  std::string path;
  std::optional<std::uint32_t> from;
  std::optional<std::uint64_t> count;
  std::vector<std::string> inputs;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--from" || args[i] == "--count") {
      if (i + 1 >= args.size()) throw MissingArgument(std::string("a number after ") + std::string(args[i]));
      if (args[i] == "--from") {
        from = ParseSeed(args[++i]);
      } else {
        count = ParseCount(args[++i]);
      }
    } else if (args[i].starts_with("--") || args[i].empty()) {
      throw BadArgument(args[i], usage);
    } else if (path.empty()) {
      path = std::string(args[i]);
    } else {
      inputs.emplace_back(args[i]);
    }
  }
  if (path.empty()) throw MissingArgument("LEDGER, the census's ledger");

  if (from.has_value() != count.has_value()) throw MissingArgument("--from S --count N, both");
  std::error_code error;
  const bool exists = std::filesystem::exists(std::filesystem::symlink_status(path, error));
  if (!exists && (!from || !count)) throw MissingArgument("--from S --count N: the range of a new ledger");
  if (from) CheckRange(*from, *count);
  solver::VerdictHeader range;
  range.from = from.value_or(0);
  range.count = count.value_or(0);
  solver::CensusLedger ledger = exists ? solver::CensusLedger::Read(path) : solver::CensusLedger(range);
  if (exists && from && (ledger.header().from != *from || ledger.header().count != *count))
    throw Error(path + " is the ledger of another range");

  // In seed order: files the ledger holds already are passed over, the one that goes on from it is folded,
  // and folding stops at the first gap (a chunk still under way).
  struct Input {
    std::string path;
    solver::VerdictHeader header;
  };
  std::vector<Input> sorted;
  for (const std::string& input : inputs) sorted.push_back({input, solver::VerdictFile::ReadHeader(input)});
  std::sort(sorted.begin(), sorted.end(),
            [](const Input& a, const Input& b) { return a.header.from < b.header.from; });
  bool changed = !exists;
  for (const Input& input : sorted) {
    const std::uint64_t next = ledger.header().from + ledger.folded();
    if (input.header.from + input.header.count <= next) continue;
    if (input.header.from > next) break;
    ledger.Fold(solver::VerdictFile::Read(input.path), input.path);
    changed = true;
  }
  if (changed) ledger.Save(path);

  Json j;
  j.BeginObject();
  CensusFields(j, ledger.header(), ledger.runs());
  j.Key("next_seed").Value(static_cast<unsigned long long>(ledger.header().from) + ledger.folded());
  if (ledger.complete()) j.Key("sha256").Value(ledger.Sha256Hex());
  j.EndObject();
  std::cout << j.str() << '\n';
  return 0;
}

}  // namespace vantrel::cli
