// `merge` and `census-stats`: the commands over verdict files, the record a sharded survey or a census
// leaves.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "commands.h"
#include "json.h"
#include "platform/error.h"
#include "solver/verdict_file.h"
#include "summary.h"

namespace vantrel::cli {
namespace {

// How many unknown seeds census-stats lists in its report; --unknown-out writes all of them.
constexpr std::size_t kListedUnknown = 1000;

// An output never replaces what lies at its path (an input, a file of the user's, a link, a folder).
void RefuseExisting(const std::string& path) {
  std::error_code error;
  if (std::filesystem::exists(std::filesystem::symlink_status(path, error))) {
    throw Error(path + " already exists: remove it or choose another name");
  }
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
  std::vector<std::uint64_t> unknown;
  std::uint64_t run_from = 0;
  std::uint64_t run = 0;
  std::uint64_t longest_from = 0;
  std::uint64_t longest = 0;
  for (std::uint64_t k = 0; k < h.count; ++k) {
    const solver::Code code = file.Get(k);
    if (code == solver::Code::kUnwinnable) {
      if (run++ == 0) run_from = k;
      if (run > longest) {
        longest = run;
        longest_from = run_from;
      }
      continue;
    }
    run = 0;
    if (code != solver::Code::kUnknown) continue;
    if (unknown.size() < kListedUnknown) unknown.push_back(h.from + k);
    if (list.is_open()) list << h.from + k << '\n';
  }
  if (list.is_open()) {
    list.close();
    if (!list) throw Error("writing " + unknown_out + " failed: check the disk");
  }

  const solver::Tally tally = file.Count();
  Json j;
  j.BeginObject();
  SummaryFields(j, h.from, tally);
  j.Key("seeds").Value(static_cast<unsigned long long>(h.count));
  j.Key("undecided").Value(static_cast<unsigned long long>(h.count - tally.total()));
  j.Key("version").Value(h.version);
  j.Key("max_nodes").Value(static_cast<unsigned long long>(h.max_nodes));
  j.Key("max_seconds").Value(h.max_seconds);
  j.Key("max_memory_mib").Value(static_cast<unsigned long long>(h.max_memory_mib));
  j.Key("longest_unwinnable_run").BeginObject();
  j.Key("from").Value(static_cast<unsigned long long>(longest ? h.from + longest_from : 0));
  j.Key("length").Value(static_cast<unsigned long long>(longest));
  j.EndObject();
  j.Key("unknown_seeds").BeginArray();
  for (const std::uint64_t seed : unknown) j.Value(static_cast<unsigned long long>(seed));
  j.EndArray();
  j.EndObject();
  std::cout << j.str() << '\n';
  return 0;
}

}  // namespace vantrel::cli
