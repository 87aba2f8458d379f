// The solve and survey commands as a user runs them: their JSON, their CSV, resuming, Ctrl+C, and one-line
// errors with exit code 2 for malformed arguments.
#include <gtest/gtest.h>
#include <unistd.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
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

// The raw text of a top-level field of a flat JSON object: a number, a string with its quotes, or an array.
std::string Field(const std::string& json, const std::string& key) {
  const std::string marker = "\"" + key + "\": ";
  const std::size_t at = json.find(marker);
  if (at == std::string::npos) return "";
  const std::size_t start = at + marker.size();
  const std::size_t end = json[start] == '[' ? json.find(']', start) + 1 : json.find_first_of(",}", start);
  return json.substr(start, end - start);
}

long long Number(const std::string& json, const std::string& key) { return std::stoll(Field(json, key)); }

std::vector<std::string> Lines(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(Cli, SolvePrintsMovesThatPlayAccepts) {
  const CliRun won = Cli("solve 1700000004");
  ASSERT_EQ(won.status, 0) << won.err;
  EXPECT_EQ(Field(won.out, "seed"), "1700000004");
  EXPECT_EQ(Field(won.out, "verdict"), "\"winnable\"");
  EXPECT_GT(Number(won.out, "nodes"), 0);
  EXPECT_GE(std::stod(Field(won.out, "seconds")), 0.0);
  std::string moves = Field(won.out, "moves");
  std::string actions;
  const std::regex drop("\"([0-9]+>[0-9]+)\"");
  int count = 0;
  for (std::sregex_iterator it(moves.begin(), moves.end(), drop), end; it != end; ++it, ++count) {
    actions += " '" + (*it)[1].str() + "'";
  }
  ASSERT_GT(count, 20);
  const CliRun play = Cli("play 1700000004" + actions);
  ASSERT_EQ(play.status, 0) << play.err;
  EXPECT_EQ(Field(play.out, "messages"), "[\"You Win!\"]");
  EXPECT_EQ(Field(play.out, "game_state"), "2");

  const CliRun lost = Cli("solve 1700000000");
  ASSERT_EQ(lost.status, 0);
  EXPECT_EQ(Field(lost.out, "verdict"), "\"unwinnable\"");
  EXPECT_EQ(Field(lost.out, "moves"), "[]");

  const CliRun cut = Cli("solve 1700260619 --max-nodes 10 --max-seconds 5 --max-memory 16");
  ASSERT_EQ(cut.status, 0);
  EXPECT_EQ(Field(cut.out, "verdict"), "\"unknown\"");
  EXPECT_LE(Number(cut.out, "nodes"), 10);
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
  EXPECT_EQ(Number(full.out, "from"), 1700000000);
  EXPECT_EQ(Number(full.out, "count"), 60);
  const long long winnable = Number(full.out, "winnable");
  EXPECT_EQ(winnable + Number(full.out, "unwinnable") + Number(full.out, "unknown"), 60);
  EXPECT_NEAR(std::stod(Field(full.out, "winnable_rate")), static_cast<double>(winnable) / 60, 1e-5);
  EXPECT_EQ(Field(full.out, "ci95").front(), '[');
  EXPECT_GT(std::stod(Field(full.out, "deals_per_second")), 0.0);

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
  EXPECT_EQ(Number(resumed.out, "count"), 60);
  EXPECT_EQ(Number(resumed.out, "winnable"), winnable);
  std::vector<std::string> after = Lines(csv);
  ASSERT_EQ(after.size(), 61u);
  std::set<std::string> seeds;
  for (std::size_t k = 1; k < after.size(); ++k) {
    seeds.insert(after[k].substr(0, after[k].find(',')));
    const std::string seed = after[k].substr(0, after[k].find(','));
    const std::string verdict =
        after[k].substr(seed.size() + 1, after[k].find(',', seed.size() + 1) - seed.size() - 1);
    const std::string before = lines[std::stoul(seed) - 1700000000 + 1];
    EXPECT_EQ(before.substr(0, before.find(',', seed.size() + 1)), seed + "," + verdict);
  }
  EXPECT_EQ(seeds.size(), 60u);

  // A file from another survey is refused, not mixed in.
  const CliRun other = Cli("survey --from 1800000000 --count 60 --csv '" + csv + "' --resume");
  EXPECT_EQ(other.status, 1);
  EXPECT_NE(other.err.find("line 2"), std::string::npos) << other.err;
  std::filesystem::remove(csv);
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
    const long long count = Number(run.out, "count");
    EXPECT_GT(count, 0);
    EXPECT_LT(count, 100000000);
    EXPECT_EQ(Number(run.out, "winnable") + Number(run.out, "unwinnable") + Number(run.out, "unknown"), count);
    EXPECT_EQ(static_cast<long long>(Lines(csv).size()), count + 1);
    EXPECT_NE(run.err.find("interrupted"), std::string::npos);
    std::filesystem::remove(csv);
  }
}

}  // namespace
