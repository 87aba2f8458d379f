// The table of searched positions: exact membership, a memory cap that holds while it grows and after,
// and answers that stay right when the table has to forget.
#include <gtest/gtest.h>

#include <random>

#include "solver/solver.h"
#include "solver/transposition_table.h"

namespace vantrel::solver {
namespace {

TEST(TranspositionTable, HoldsWhatWasInsertedAndNothingElse) {
  TranspositionTable table(std::size_t{1} << 20);
  for (std::uint64_t k = 0; k < 20000; ++k)
    table.Insert(k * 0x9E3779B97F4A7C15ull & ((std::uint64_t{1} << 52) - 1));
  for (std::uint64_t k = 0; k < 20000; ++k) {
    EXPECT_TRUE(table.Contains(k * 0x9E3779B97F4A7C15ull & ((std::uint64_t{1} << 52) - 1)));
    EXPECT_FALSE(table.Contains((k * 0x9E3779B97F4A7C15ull + 1) & ((std::uint64_t{1} << 52) - 1)));
  }
  EXPECT_EQ(table.size(), 20000u);
  EXPECT_EQ(table.replaced(), 0u);
  EXPECT_LE(table.peak_bytes(), table.max_bytes());

  table.Clear();
  EXPECT_EQ(table.size(), 0u);
  EXPECT_FALSE(table.Contains(0x9E3779B97F4A7C15ull & ((std::uint64_t{1} << 52) - 1)));
  EXPECT_LE(table.bytes(), std::size_t{1} << 15);  // the memory beyond the starting size is given back
}

TEST(TranspositionTable, NeverGrowsPastItsCap) {
  for (const std::size_t cap : {std::size_t{4} << 10, std::size_t{64} << 10, std::size_t{100000}}) {
    TranspositionTable table(cap);
    std::mt19937_64 rng(cap);
    std::uint64_t last = 0;
    for (int k = 0; k < 200000; ++k) {
      last = rng() & ((std::uint64_t{1} << 52) - 1);
      table.Insert(last);
      ASSERT_LE(table.bytes(), cap);
    }
    EXPECT_LE(table.peak_bytes(), cap);
    EXPECT_GT(table.replaced(), 0u);    // it had to forget
    EXPECT_TRUE(table.Contains(last));  // the newest entry always finds a place
  }
}

// A plain search leans on the table; with one too small to remember much it takes longer, but its answers
// stay the same.
TEST(TranspositionTable, ForgettingNeverChangesAnAnswer) {
  Limits roomy;
  roomy.prove_dead_ends = false;
  roomy.max_nodes = 15000;
  Limits cramped = roomy;
  cramped.max_table_bytes = std::size_t{4} << 10;
  Solver a(roomy);
  Solver b(cramped);
  std::mt19937 rng(12345);
  int compared = 0;
  bool forgot = false;
  for (int k = 0; k < 40; ++k) {
    Position p = Position::Deal(1702000000u + static_cast<std::uint32_t>(k));
    for (int step = 0; step < 12 && p.Judge() == Outcome::kGoesOn; ++step) {
      MoveList moves;
      p.Moves(moves);
      if (moves.size() == 0) break;
      p.Apply(moves[static_cast<int>(rng() % static_cast<unsigned>(moves.size()))]);
    }
    if (p.Judge() != Outcome::kGoesOn) continue;
    const Result ra = a.Solve(p);
    const Result rb = b.Solve(p);
    forgot = forgot || b.table().replaced() > 0;
    EXPECT_LE(b.table().peak_bytes(), cramped.max_table_bytes);
    if (ra.verdict == Verdict::kUnknown || rb.verdict == Verdict::kUnknown) continue;
    EXPECT_EQ(ra.verdict, rb.verdict) << "deal " << 1702000000 + k;
    ++compared;
  }
  EXPECT_GT(compared, 12);
  EXPECT_TRUE(forgot);
}

}  // namespace
}  // namespace vantrel::solver
