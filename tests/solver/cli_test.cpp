// The solve, survey, merge, census-stats and census-ledger commands as a user runs them: their JSON, their
// CSV and verdict files, shards, resuming, Ctrl+C, and one-line errors with exit code 2 for malformed
// arguments.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "solver/verdict_file.h"
#include "solver/winnable_deal.h"

namespace {

using namespace vantrel;

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;

  // The raw text of a top-level field of the flat JSON object printed: a number, a string with its quotes,
  // or an array.
  std::string Field(const std::string& key) const {
    const std::string marker = "\"" + key + "\": ";
    const std::size_t at = out.find(marker);
    if (at == std::string::npos) return "";
    const std::size_t start = at + marker.size();
    const std::size_t end = out[start] == '[' ? out.find(']', start) + 1 : out.find_first_of(",}", start);
    return out.substr(start, end - start);
  }
  long long Number(const std::string& key) const { return std::stoll(Field(key)); }
};

// Runs the command line tool with the arguments (already quoted for the shell).
CliRun Cli(const std::string& args, const std::string& prefix = "") {
  static int counter = 0;
  // Tests run side by side in separate processes: the process id keeps their files apart.
  const std::string err_file =
      ::testing::TempDir() + "cli_err_" + std::to_string(getpid()) + "_" + std::to_string(++counter);
  const std::string command = prefix + "'" VANTREL_CLI "' " + args + " 2>'" + err_file + "' </dev/null";
  CliRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buf[4096];
  std::size_t n;
  while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) run.out.append(buf, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::ifstream err(err_file);
  std::stringstream text;
  text << err.rdbuf();
  run.err = text.str();
  std::filesystem::remove(err_file);
  return run;
}

std::vector<std::string> Lines(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(Cli, SolvePrintsMovesThatPlayAccepts) {
  const CliRun won = Cli("solve 1700000004");
  ASSERT_EQ(won.status, 0) << won.err;
  EXPECT_EQ(won.Field("seed"), "1700000004");
  EXPECT_EQ(won.Field("verdict"), "\"winnable\"");
  EXPECT_GT(won.Number("nodes"), 0);
  EXPECT_GE(std::stod(won.Field("seconds")), 0.0);
  std::string moves = won.Field("moves");
  std::string actions;
  const std::regex drop("\"([0-9]+>[0-9]+)\"");
  int count = 0;
  for (std::sregex_iterator it(moves.begin(), moves.end(), drop), end; it != end; ++it, ++count) {
    actions += " '" + (*it)[1].str() + "'";
  }
  ASSERT_GT(count, 20);
  const CliRun play = Cli("play 1700000004" + actions);
  ASSERT_EQ(play.status, 0) << play.err;
  EXPECT_EQ(play.Field("messages"), "[\"You Win!\"]");
  EXPECT_EQ(play.Field("game_state"), "2");

  const CliRun lost = Cli("solve 1700000000");
  ASSERT_EQ(lost.status, 0);
  EXPECT_EQ(lost.Field("verdict"), "\"unwinnable\"");
  EXPECT_EQ(lost.Field("moves"), "[]");

  const CliRun cut = Cli("solve 1700260619 --max-nodes 10 --max-seconds 5 --max-memory 16");
  ASSERT_EQ(cut.status, 0);
  EXPECT_EQ(cut.Field("verdict"), "\"unknown\"");
  EXPECT_LE(cut.Number("nodes"), 10);
}

// The drops of a JSON array of "M>T" strings, each quoted for the shell.
std::vector<std::string> Drops(const std::string& moves) {
  std::vector<std::string> drops;
  const std::regex drop("\"([0-9]+>[0-9]+)\"");
  for (std::sregex_iterator it(moves.begin(), moves.end(), drop), end; it != end; ++it)
    drops.push_back(" '" + (*it)[1].str() + "'");
  return drops;
}

TEST(Cli, SolveAfterDropsDecidesTheGameFromThereOn) {
  const std::vector<std::string> line = Drops(Cli("solve 1700000004").Field("moves"));
  ASSERT_GT(line.size(), 30u);
  // After any part of a winning line the game can still be won, and the rest it finds wins it.
  for (const std::size_t played : {1, 7, 30}) {
    std::string prefix;
    for (std::size_t k = 0; k < played; ++k) prefix += line[k];
    const CliRun rest = Cli("solve 1700000004" + prefix + " --max-nodes 100000");
    ASSERT_EQ(rest.status, 0) << rest.err;
    EXPECT_EQ(rest.Field("verdict"), "\"winnable\"");
    std::string actions = prefix;
    for (const std::string& drop : Drops(rest.Field("moves"))) actions += drop;
    EXPECT_EQ(Cli("play 1700000004" + actions).Field("messages"), "[\"You Win!\"]") << actions;
  }
  // A drop the game does not take there is named.
  for (const auto& [drops, named] : std::vector<std::pair<std::string, std::string>>{
           {"'1>2'", "\"1>2\""}, {"'38>41' '38>41'", "\"38>41\""}, {"'38>41' x", "\"x\""}}) {
    const CliRun refused = Cli("solve 1700000004 " + drops);
    EXPECT_EQ(refused.status, 2) << drops;
    EXPECT_NE(refused.err.find(named), std::string::npos) << refused.err;
  }
}

TEST(WinnableDeals, TheSearchIsBoundedByItsDealsAndItsTime) {
  // The longest run of unwinnable deals known is the 30 from 1780653674 (the window's test checks the search
  // against the survey).
  EXPECT_EQ(solver::FirstWinnableDeal(1780653674, {.max_deals = 30}), std::nullopt);
  EXPECT_EQ(solver::FirstWinnableDeal(1780653674, {.max_deals = 31}),
            std::optional<std::uint32_t>(1780653704));
  EXPECT_EQ(solver::FirstWinnableDeal(1780653704, {.max_seconds = 0}), std::nullopt);
  // Past the last second it goes on from 0.
  const std::optional<std::uint32_t> wrapped = solver::FirstWinnableDeal(4294967295u);
  ASSERT_TRUE(wrapped.has_value());
  EXPECT_EQ(Cli("solve " + std::to_string(*wrapped)).Field("verdict"), "\"winnable\"");
  EXPECT_TRUE(*wrapped == 4294967295u || *wrapped < 100);
}

TEST(Cli, MalformedArgumentsAreNamed) {
  struct Case {
    std::string args;
    std::string named;
  };
  const std::vector<Case> cases = {
      {"solve", "SEED"},
      {"solve abc", "\"abc\""},
      {"solve 4294967296", "\"4294967296\""},
      {"solve -1", "\"-1\""},
      {"solve 5 --max-nodes 0", "\"0\""},
      {"solve 5 --max-nodes x", "\"x\""},
      {"solve 5 --max-seconds -1", "\"-1\""},
      {"solve 5 --max-seconds 1e3", "\"1e3\""},
      {"solve 5 --max-seconds nan", "\"nan\""},
      {"solve 5 --max-seconds .5", "\".5\""},
      {"solve 5 --max-seconds 0", "\"0\""},
      {"solve 5 --max-seconds", "--max-seconds"},
      {"solve 5 --max-memory 0", "\"0\""},
      {"solve 5 --fast", "\"--fast\""},
      {"survey --count 5", "--from"},
      {"survey --from 5", "--count"},
      {"survey --from 5 --count 0", "\"0\""},
      {"survey --from 4294967295 --count 2", "\"2\""},
      {"survey --from 5 --count 5 --jobs 0", "\"0\""},
      {"survey --from 5 --count 5 --jobs 257", "\"257\""},
      {"survey --from 5 --count 5 --resume", "--csv"},
      {"survey --from 5 --count 5 extra", "\"extra\""},
      {"survey --from 5 --count 5 --shard 0/3", "\"0/3\""},
      {"survey --from 5 --count 5 --shard 4/3", "\"4/3\""},
      {"survey --from 5 --count 5 --shard 1/0", "\"1/0\""},
      {"survey --from 5 --count 5 --shard 1-3", "\"1-3\""},
      {"survey --from 5 --count 5 --shard /3", "\"/3\""},
      {"survey --from 5 --count 5 --shard 1/", "\"1/\""},
      {"survey --from 5 --count 5 --shard -1/3", "\"-1/3\""},
      {"survey --from 5 --count 5 --shard 1/6", "\"1/6\""},
      {"survey --from 5 --count 5 --shard", "--shard"},
      {"survey --from 5 --count 5 --verdicts ''", "--verdicts"},
      {"merge a.verdicts", "--out"},
      {"merge --out m.verdicts", "files to merge"},
      {"merge --out m.verdicts --gaps a.verdicts", "\"--gaps\""},
      {"census-stats", "FILE"},
      {"census-stats a.verdicts b.verdicts", "\"b.verdicts\""},
      {"census-ledger", "LEDGER"},
      {"census-ledger /nonexistent/l", "--from S --count N"},
      {"census-ledger /nonexistent/l --from 5", "both"},
      {"census-ledger /nonexistent/l --from 5 --count 4294967292", "4294967292"},
  };
  for (const Case& c : cases) {
    const CliRun run = Cli(c.args);
    EXPECT_EQ(run.status, 2) << c.args;
    EXPECT_TRUE(run.out.empty()) << c.args;
    EXPECT_NE(run.err.find(c.named), std::string::npos) << c.args << " -> " << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << c.args << " -> " << run.err;
  }
}

TEST(Cli, SurveyCountsAddUpAndResumes) {
  const std::string csv = ::testing::TempDir() + "survey_test.csv";
  std::filesystem::remove(csv);
  const CliRun full = Cli("survey --from 1700000000 --count 60 --jobs 2 --csv '" + csv + "'");
  ASSERT_EQ(full.status, 0) << full.err;
  EXPECT_EQ(full.Number("from"), 1700000000);
  EXPECT_EQ(full.Number("count"), 60);
  const long long winnable = full.Number("winnable");
  EXPECT_EQ(winnable + full.Number("unwinnable") + full.Number("unknown"), 60);
  EXPECT_NEAR(std::stod(full.Field("winnable_rate")), static_cast<double>(winnable) / 60, 1e-5);
  EXPECT_EQ(full.Field("ci95").front(), '[');
  EXPECT_GT(std::stod(full.Field("deals_per_second")), 0.0);

  const std::vector<std::string> lines = Lines(csv);
  ASSERT_EQ(lines.size(), 61u);
  EXPECT_EQ(lines[0], "seed,verdict,moves,nodes,seconds");
  long long csv_winnable = 0;
  for (std::size_t k = 1; k < lines.size(); ++k) {
    EXPECT_EQ(lines[k].substr(0, lines[k].find(',')), std::to_string(1700000000 + k - 1));  // in seed order
    if (lines[k].find(",winnable,") != std::string::npos) ++csv_winnable;
  }
  EXPECT_EQ(csv_winnable, winnable);

  // Without --resume an existing file is never overwritten.
  const CliRun refused = Cli("survey --from 1700000000 --count 60 --csv '" + csv + "'");
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("--resume"), std::string::npos);
  EXPECT_EQ(Lines(csv), lines);

  // A survey cut off mid-line: the half line goes, the missing deals are decided, nothing twice.
  {
    std::ofstream cut(csv, std::ios::trunc);
    for (std::size_t k = 0; k <= 20; ++k) cut << lines[k] << '\n';
    cut << lines[21].substr(0, 12);
  }
  const CliRun resumed = Cli("survey --from 1700000000 --count 60 --jobs 2 --csv '" + csv + "' --resume");
  ASSERT_EQ(resumed.status, 0) << resumed.err;
  EXPECT_EQ(resumed.Number("count"), 60);
  EXPECT_EQ(resumed.Number("winnable"), winnable);
  std::vector<std::string> after = Lines(csv);
  ASSERT_EQ(after.size(), 61u);
  std::set<std::string> seeds;
  for (std::size_t k = 1; k < after.size(); ++k) {
    seeds.insert(after[k].substr(0, after[k].find(',')));
    const std::string seed = after[k].substr(0, after[k].find(','));
    const std::string verdict =
        after[k].substr(seed.size() + 1, after[k].find(',', seed.size() + 1) - seed.size() - 1);
    const std::string& before = lines[std::stoul(seed) - 1700000000 + 1];
    EXPECT_EQ(before.substr(0, before.find(',', seed.size() + 1)), seed + "," + verdict);
  }
  EXPECT_EQ(seeds.size(), 60u);

  // A file from another survey is refused, not mixed in.
  const CliRun other = Cli("survey --from 1800000000 --count 60 --csv '" + csv + "' --resume");
  EXPECT_EQ(other.status, 1);
  EXPECT_NE(other.err.find("line 2"), std::string::npos) << other.err;
  std::filesystem::remove(csv);
}

// Verdict files: shards of a survey merged give the whole survey's file, byte for byte; merge refuses what
// does not fit; census-stats agrees with the CSV record; a file with undecided seeds resumes exactly.
TEST(Cli, ShardedVerdictsMergeIntoTheWholeSurvey) {
  const std::string dir = ::testing::TempDir() + "verdicts_" + std::to_string(getpid()) + "/";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  // Node limits keep the verdicts, unknown ones included, the same on any machine.
  const std::string survey =
      "survey --from 1700000000 --count 10001 --max-nodes 60 --max-seconds 86400 --jobs 2 ";
  const CliRun whole = Cli(survey + "--csv '" + dir + "whole.csv' --verdicts '" + dir + "whole'");
  ASSERT_EQ(whole.status, 0) << whole.err;
  ASSERT_GT(whole.Number("unknown"), 0);
  // The shards write no CSV lines, so their searches keep no winning drops: their verdicts must not change.
  for (int i = 1; i <= 3; ++i) {
    const std::string name = dir + std::to_string(i);
    const CliRun part = Cli(survey + "--shard " + std::to_string(i) + "/3 --verdicts '" + name + "'");
    ASSERT_EQ(part.status, 0) << part.err;
  }
  const auto merge = [&](const std::string& files) {
    return Cli("merge --out '" + dir + "merged' " + files);
  };
  const auto read = [](const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  const CliRun merged = merge("'" + dir + "3' '" + dir + "1' '" + dir + "2'");
  ASSERT_EQ(merged.status, 0) << merged.err;
  EXPECT_EQ(read(dir + "merged"), read(dir + "whole"));
  for (const char* key : {"from", "count", "winnable", "unwinnable", "unknown", "winnable_rate", "ci95"}) {
    EXPECT_EQ(merged.Field(key), whole.Field(key)) << key;
  }

  // census-stats against the CSV: the longest run of unwinnable seeds and the unknown ones.
  std::vector<std::string> unknown;
  std::string unknown_list;
  long long run = 0, longest = 0, longest_from = 0;
  const std::vector<std::string> lines = Lines(dir + "whole.csv");
  for (std::size_t k = 1; k < lines.size(); ++k) {
    const std::string seed = lines[k].substr(0, lines[k].find(','));
    run = lines[k].find(",unwinnable,") != std::string::npos ? run + 1 : 0;
    if (run > longest) {
      longest = run;
      longest_from = std::stoll(seed) - run + 1;
    }
    if (lines[k].find(",unknown,") == std::string::npos) continue;
    unknown.push_back(seed);
    unknown_list += (unknown_list.empty() ? "" : ", ") + seed;
  }
  const CliRun stats = Cli("census-stats '" + dir + "merged' --unknown-out '" + dir + "unknown.txt'");
  ASSERT_EQ(stats.status, 0) << stats.err;
  EXPECT_EQ(stats.Number("undecided"), 0);
  EXPECT_EQ(stats.out.substr(stats.out.find("\"longest_unwinnable_run\"")),
            "\"longest_unwinnable_run\": {\"from\": " + std::to_string(longest_from) + ", \"length\": " +
                std::to_string(longest) + "}, \"unknown_seeds\": [" + unknown_list + "]}\n");
  EXPECT_EQ(Lines(dir + "unknown.txt"), unknown);

  // The ledger folds the shards in seed order, across runs and past a gap, into census-stats's report on the
  // merged file and that file's SHA-256 as sha256sum gives it; a file of other limits never joins it.
  const std::string ledger = "census-ledger '" + dir + "ledger' ";
  const CliRun part_way = Cli(ledger + "--from 1700000000 --count 10001 '" + dir + "3' '" + dir + "1'");
  ASSERT_EQ(part_way.status, 0) << part_way.err;
  EXPECT_EQ(part_way.Number("next_seed"), 1700003334);
  EXPECT_EQ(part_way.Field("sha256"), "");
  const CliRun ledger_limits = Cli(survey + "--shard 2/3 --max-nodes 61 --verdicts '" + dir + "2b'");
  ASSERT_EQ(ledger_limits.status, 0) << ledger_limits.err;
  const CliRun refused = Cli(ledger + "'" + dir + "2b'");
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("at most 61 nodes"), std::string::npos) << refused.err;
  const CliRun rest = Cli(ledger + "'" + dir + "1' '" + dir + "2' '" + dir + "3'");
  ASSERT_EQ(rest.status, 0) << rest.err;
  EXPECT_EQ(rest.out.substr(0, rest.out.find(", \"next_seed\"")) + "}\n", stats.out);
  FILE* sum = popen(("sha256sum '" + dir + "merged'").c_str(), "r");
  ASSERT_NE(sum, nullptr);
  char digest[65] = {};
  EXPECT_EQ(fread(digest, 1, 64, sum), 64u);
  pclose(sum);
  EXPECT_EQ(rest.Field("sha256"), "\"" + std::string(digest) + "\"");

  // What does not fit is refused, naming the files; a gap only when allowed, and it stays undecided.
  std::filesystem::remove(dir + "merged");
  const CliRun overlap = merge("'" + dir + "1' '" + dir + "whole'");
  EXPECT_EQ(overlap.status, 1);
  EXPECT_NE(overlap.err.find("overlap"), std::string::npos) << overlap.err;
  const CliRun gap = merge("'" + dir + "1' '" + dir + "3'");
  EXPECT_EQ(gap.status, 1);
  EXPECT_NE(gap.err.find("1700003334..1700006667"), std::string::npos) << gap.err;
  EXPECT_FALSE(std::filesystem::exists(dir + "merged"));
  const CliRun gap_allowed = merge("--allow-gaps '" + dir + "1' '" + dir + "3'");
  ASSERT_EQ(gap_allowed.status, 0) << gap_allowed.err;
  EXPECT_EQ(Cli("census-stats '" + dir + "merged'").Number("undecided"), 3334);
  std::filesystem::remove(dir + "merged");
  const CliRun other_limits = merge("'" + dir + "1' '" + dir + "2b' '" + dir + "3'");
  EXPECT_EQ(other_limits.status, 1);
  EXPECT_NE(other_limits.err.find("at most 61 nodes"), std::string::npos) << other_limits.err;
  {
    solver::VerdictFile older = solver::VerdictFile::Read(dir + "2");
    solver::VerdictHeader header = older.header();
    header.version = "0.9";
    solver::VerdictFile copy(header);
    copy.bytes() = older.bytes();
    copy.Save(dir + "2c");
  }
  const CliRun other_version = merge("'" + dir + "1' '" + dir + "2c' '" + dir + "3'");
  EXPECT_EQ(other_version.status, 1);
  EXPECT_NE(other_version.err.find("version 0.9"), std::string::npos) << other_version.err;
  EXPECT_FALSE(std::filesystem::exists(dir + "merged"));

  // Seeds left undecided (a survey stopped) are decided on --resume, and only they: the file comes out the
  // same. With a CSV file beside it, the CSV says what is done, even where the verdict file lags behind.
  const std::string complete = read(dir + "whole");
  const auto forget = [&](std::uint64_t first, std::uint64_t end) {
    solver::VerdictFile partial = solver::VerdictFile::Read(dir + "whole");
    for (std::uint64_t k = first; k < end; ++k) partial.Set(k, solver::Code::kUndecided);
    partial.Flush();
  };
  forget(1001, 7001);
  forget(10000, 10001);
  const CliRun resumed = Cli(survey + "--verdicts '" + dir + "whole' --resume");
  ASSERT_EQ(resumed.status, 0) << resumed.err;
  EXPECT_EQ(read(dir + "whole"), complete);
  EXPECT_EQ(resumed.Field("ci95"), whole.Field("ci95"));
  EXPECT_EQ(resumed.Number("count"), 10001);

  forget(2000, 3000);
  {
    std::ofstream cut(dir + "whole.csv", std::ios::trunc);
    for (std::size_t k = 0; k <= 5000; ++k) cut << lines[k] << '\n';
  }
  const CliRun both = Cli(survey + "--csv '" + dir + "whole.csv' --verdicts '" + dir + "whole' --resume");
  ASSERT_EQ(both.status, 0) << both.err;
  EXPECT_EQ(read(dir + "whole"), complete);
  EXPECT_EQ(Lines(dir + "whole.csv").size(), lines.size());
  std::filesystem::remove_all(dir);
}

// What a command is given by mistake is refused before a byte of it changes, and an output never replaces
// what lies at its path: the commands' refusals, table-driven, each checking every file of the folder after.
// The census's ledger as committed reads back whole, over every seed and under the census's limits, so the
// next sitting can go on from it.
TEST(Cli, TheCommittedCensusLedgerIsWhole) {
  const CliRun ledger = Cli("census-ledger '" VANTREL_CENSUS_LEDGER "'");
  ASSERT_EQ(ledger.status, 0) << ledger.err;
  EXPECT_EQ(ledger.Field("seeds"), "4294967296");
  EXPECT_EQ(ledger.Number("count") + ledger.Number("undecided"), 4294967296);
  EXPECT_EQ(ledger.Number("next_seed"), ledger.Number("count"));
  if (ledger.Number("count") > 0) {
    EXPECT_EQ(ledger.Field("max_nodes"), "10000000");
    EXPECT_EQ(ledger.Field("max_memory_mib"), "4096");
  }
  // Once whole, the README publishes the ledger's result: its counts as the README writes numbers, its hash.
  if (ledger.Number("next_seed") == 4294967296) {
    std::stringstream readme;
    readme << std::ifstream(VANTREL_README).rdbuf();
    const auto grouped = [](std::string digits) {
      for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3) digits.insert(at, ",");
      return digits;
    };
    for (const char* count : {"winnable", "unwinnable"}) {
      EXPECT_NE(readme.str().find("| " + grouped(ledger.Field(count)) + " |"), std::string::npos) << count;
    }
    const std::string hash = ledger.Field("sha256");
    ASSERT_EQ(hash.size(), 66U);
    EXPECT_NE(readme.str().find(hash.substr(1, 64)), std::string::npos);
  }
}

TEST(Cli, RefusalsLeaveEveryFileAsItWas) {
  const std::string dir = ::testing::TempDir() + "refusals_" + std::to_string(getpid()) + "/";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir + "folder.tmp");
  const auto in = [&](const std::string& name) { return "'" + dir + name + "'"; };
  const auto write = [&](const std::string& name, const std::string& bytes) {
    std::ofstream(dir + name, std::ios::binary) << bytes;
  };
  ASSERT_EQ(
      Cli("survey --from 1700000000 --count 2000 --max-nodes 60 --jobs 1 --verdicts " + in("a.v")).status, 0);
  write("text.txt", "hello\nworld");
  write("out.v.tmp", "the user's own\n");
  write("folder.tmp/kept", "x");
  // Headers that announce 2^32 seeds and hold none, or limits no run can have.
  {
    solver::VerdictFile whole = solver::VerdictFile::Read(dir + "a.v");
    const auto variant = [&](const std::string& name, auto change) {
      solver::VerdictHeader header = whole.header();
      change(header);
      solver::VerdictFile copy(header);
      if (header.count == whole.header().count) copy.bytes() = whole.bytes();
      copy.Save(dir + name);
    };
    variant("nan.v", [](solver::VerdictHeader& h) { h.max_seconds = std::nan(""); });
    variant("negative.v", [](solver::VerdictHeader& h) { h.max_seconds = -1; });
    variant("memory.v", [](solver::VerdictHeader& h) { h.max_memory_mib = std::uint64_t{1} << 40; });
    variant("slower.v", [](solver::VerdictHeader& h) {
      h.from += 2000;
      h.max_seconds = std::nextafter(h.max_seconds, 2.0);
    });
    variant("forged.v", [](solver::VerdictHeader& h) {
      h.from = 0;
      h.count = std::uint64_t{1} << 32;
    });
    std::filesystem::resize_file(dir + "forged.v", solver::kVerdictHeaderBytes);
  }
  ASSERT_EQ(mkfifo((dir + "pipe").c_str(), 0600), 0);
  // Without the sanitizers' shadow memory, a forged size must be refused within a small address space.
#if defined(__SANITIZE_ADDRESS__)
  const std::string small_memory;
#else
  const std::string small_memory = "ulimit -v 400000; ";
#endif
  // Every ordinary file of the folder but the merges' outputs, by name, with a digest of its bytes.
  const auto files = [&] {
    std::map<std::string, std::size_t> digests;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
      const std::string name = entry.path().string();
      if (!entry.is_regular_file() || name == dir + "out.v" || name == dir + "folder") continue;
      std::ifstream file(entry.path(), std::ios::binary);
      digests[name] = std::hash<std::string>()(std::string(std::istreambuf_iterator<char>(file), {}));
    }
    return digests;
  };
  struct Case {
    std::string args;
    int status;
    std::string says;  // "" for a success
  };
  const std::string survey = "survey --from 1700000000 --count 2000 --max-nodes 60 --jobs 1 ";
  const std::vector<Case> cases = {
      {"census-stats " + in("a.v") + " --unknown-out " + in("a.v"), 1, "already exists"},
      {"census-stats " + in("a.v") + " --unknown-out " + in("text.txt"), 1, "already exists"},
      {survey + "--csv " + in("a.v") + " --resume", 1, "line 1"},
      {survey + "--csv " + in("text.txt") + " --resume", 1, "line 1"},
      {survey + "--csv " + in("pipe") + " --resume", 1, "not an ordinary file"},
      {survey + "--csv /dev/full", 1, "not an ordinary file"},
      {"census-stats " + in("pipe"), 1, "not an ordinary file"},
      {"census-stats " + in("forged.v"), 1, "announces 1073741888"},
      {"merge --out " + in("merged.v") + " " + in("forged.v"), 1, "announces 1073741888"},
      {"census-stats " + in("nan.v"), 1, "time limit"},
      {"census-stats " + in("negative.v"), 1, "time limit"},
      {"census-stats " + in("memory.v"), 1, "memory limit"},
      {"merge --out " + in("merged.v") + " " + in("a.v") + " " + in("slower.v"), 1,
       "1.0000000000000002 s a deal"},
      {"merge --out " + in("out.v") + " " + in("a.v"), 0, ""},
      {"merge --out " + in("folder") + " " + in("a.v"), 0, ""},
  };
  for (const Case& c : cases) {
    const auto before = files();
    const CliRun run = Cli(c.args, small_memory);
    EXPECT_EQ(run.status, c.status) << c.args << " -> " << run.err;
    EXPECT_NE(run.err.find(c.says), std::string::npos) << c.args << " -> " << run.err;
    if (c.status != 0) {
      EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    EXPECT_EQ(files(), before) << c.args;
  }
  std::filesystem::remove_all(dir);
}

TEST(Cli, InterruptedSurveyPrintsTheSummarySoFar) {
  // Ctrl+C, a closed terminal and a polite kill alike.
  for (const char* signal : {"INT", "HUP", "TERM"}) {
    SCOPED_TRACE(signal);
    const std::string csv = ::testing::TempDir() + "survey_interrupted.csv";
    std::filesystem::remove(csv);
    const CliRun run = Cli("survey --from 1000000000 --count 100000000 --jobs 2 --csv '" + csv + "'",
                           std::string("timeout --preserve-status -s ") + signal + " 1.5 ");
    EXPECT_EQ(run.status, 130) << run.err;
    const long long count = run.Number("count");
    EXPECT_GT(count, 0);
    EXPECT_LT(count, 100000000);
    EXPECT_EQ(run.Number("winnable") + run.Number("unwinnable") + run.Number("unknown"), count);
    EXPECT_EQ(static_cast<long long>(Lines(csv).size()), count + 1);
    EXPECT_NE(run.err.find("interrupted"), std::string::npos);
    std::filesystem::remove(csv);
  }
}

}  // namespace
