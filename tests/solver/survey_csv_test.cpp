// The survey's CSV: its lines, reading them back to resume (a cut-off last line, lines that do not belong),
// and putting lines out in seed order while deals finish in any order.
#include "solver/survey_csv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "../test_seed.h"
#include "platform/error.h"

namespace vantrel::solver {
namespace {

// A file of the tests' temporary folder.
struct TempFile {
  std::string path;

  explicit TempFile(const std::string& name) : path(::testing::TempDir() + name) {}
  // Writes the text as the whole file; returns its path.
  std::string Write(const std::string& text) const {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    return path;
  }
};

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(SurveyCsv, LinesReadBack) {
  DealResult won{1700000004, Verdict::kWinnable, {{13, 40}, {9, 42}}, 51, 0.0000404, 0};
  DealResult open{1700000005, Verdict::kUnknown, {}, 123456, 1.0000004, 0};
  EXPECT_EQ(SurveyCsvLine(won), "1700000004,winnable,13>40 9>42,51,0.000040");
  EXPECT_EQ(SurveyCsvLine(open), "1700000005,unknown,,123456,1.000000");

  const std::string header = std::string(kSurveyCsvHeader) + "\n";
  const std::string path =
      TempFile("read_back.csv").Write(header + SurveyCsvLine(won) + "\n" + SurveyCsvLine(open) + "\n");
  const std::vector<CsvRow> rows = ReadSurveyCsv(path, 1700000000, 10);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].seed, 1700000004u);
  EXPECT_EQ(rows[0].verdict, Verdict::kWinnable);
  EXPECT_EQ(rows[1].verdict, Verdict::kUnknown);

  EXPECT_TRUE(ReadSurveyCsv(::testing::TempDir() + "no_such_survey.csv", 0, 10).empty());
}

TEST(SurveyCsv, CutOffLastLineIsRemoved) {
  const std::string header = std::string(kSurveyCsvHeader) + "\n";
  const std::string kept = header + "7,unwinnable,,1,0.000001\n";
  const std::string path = TempFile("cut.csv").Write(kept + "8,winn");
  const std::vector<CsvRow> rows = ReadSurveyCsv(path, 0, 10);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].seed, 7u);
  EXPECT_EQ(Read(path), kept);  // the half line is gone from the file, so appending continues cleanly

  const std::string half_header = TempFile("half_header.csv").Write("seed,verd");
  EXPECT_TRUE(ReadSurveyCsv(half_header, 0, 10).empty());
  EXPECT_EQ(Read(half_header), "");
}

TEST(SurveyCsv, ForeignLinesAreRefusedWithTheirLineNumber) {
  const std::string header = std::string(kSurveyCsvHeader) + "\n";
  const std::string good = "5,unwinnable,,1,0.000001\n";
  struct Case {
    std::string text;
    std::string says;
  };
  const std::vector<Case> cases = {
      {"seed,verdict\n" + good, "line 1"},
      {header + good + "11,unwinnable,,1,0.1\n", "line 3: seed 11 lies outside"},
      {header + good + good, "line 3: seed 5 is there twice"},
      {header + "6,maybe,,1,0.1\n", "line 2: the verdict"},
      {header + "6,winnable,1>2 x,1,0.1\n", "line 2: a move"},
      {header + "6,winnable,,1,0.1\n", "line 2: a winnable deal without moves"},
      {header + "6,unwinnable,,1\n", "line 2: expected 5 fields"},
      {header + "6,unwinnable,,-1,0.1\n", "line 2: the node count"},
      {header + "6,unwinnable,,1,1e5\n", "line 2: the seconds"},
      {header + "x,unwinnable,,1,0.1\n", "line 2: the seed"},
  };
  for (const Case& c : cases) {
    const std::string path = TempFile("foreign.csv").Write(c.text);
    try {
      ReadSurveyCsv(path, 0, 10);
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const Error& e) {
      EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
  }
}

TEST(SurveyCsv, LinesGoOutInOrder) {
  VANTREL_RANDOM_SEED(seed);
  std::mt19937 rng(seed);
  const std::uint64_t count = 500;
  auto skipped = [](std::uint64_t k) { return k % 7 == 3; };
  std::vector<std::uint64_t> finishing;
  for (std::uint64_t k = 0; k < count; ++k) {
    if (!skipped(k)) finishing.push_back(k);
  }
  // Deals finish roughly in order, a few places out of it; one slow deal finishes last of all.
  std::vector<std::uint64_t> shuffled = finishing;
  for (std::size_t i = 0; i + 1 < shuffled.size(); ++i) {
    if (rng() % 3 == 0) std::swap(shuffled[i], shuffled[std::min(shuffled.size() - 1, i + rng() % 4)]);
  }
  const std::uint64_t slow = finishing[10];
  for (auto* order : {&finishing, &shuffled}) {
    order->erase(std::find(order->begin(), order->end(), slow));
    order->push_back(slow);
  }
  auto run = [&](const std::vector<std::uint64_t>& order, std::size_t max_waiting) {
    std::vector<std::uint64_t> out;
    InOrder lines(
        count, skipped, [&](const std::string& line) { out.push_back(std::stoull(line)); }, max_waiting);
    for (const std::uint64_t k : order) lines.Add(k, std::to_string(k));
    lines.Flush();
    std::vector<std::uint64_t> got = out;
    std::vector<std::uint64_t> want = order;
    std::sort(got.begin(), got.end());
    std::sort(want.begin(), want.end());
    EXPECT_EQ(got, want);  // every line once, none of the skipped
    return out;
  };
  // With room enough everything waits for the slow deal and all goes out in seed order.
  const std::vector<std::uint64_t> roomy = run(shuffled, 4096);
  EXPECT_TRUE(std::is_sorted(roomy.begin(), roomy.end()));
  // With room for 16 the others go ahead, in order, and the slow deal's line follows when it is done.
  const std::vector<std::uint64_t> cramped = run(finishing, 16);
  EXPECT_EQ(cramped.back(), slow);
  EXPECT_TRUE(std::is_sorted(cramped.begin(), cramped.end() - 1));
}

}  // namespace
}  // namespace vantrel::solver
