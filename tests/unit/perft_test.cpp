// Counts of the move tree from fixed deals: any slip in the rule, the turn-over or the deal changes them.
// The counts were computed by an independent model of the rules.
#include <gtest/gtest.h>

#include <vector>

#include "table/move_text.h"
#include "test_support.h"

namespace vantrel::testing {
namespace {

// The drops a player can make: every card onto every column (its blank spot stands for the whole column:
// the drop lands on the column's uppermost card, or on the empty column). The reserve takes nothing.
std::vector<Drop> LegalDrops(const Table& t) {
  std::vector<Drop> drops;
  for (int m = 0; m < kCardSlots; ++m) {
    for (int b = kBlankFirst; b < kSlotCount; ++b) {
      if (t.IsValidMove(b, m)) drops.push_back({m, b});
    }
  }
  return drops;
}

// Replays the deal and the prefix from scratch at every node: the table is never copied, so the count also
// proves that replays are exact.
long Perft(std::uint32_t seed, int height, std::vector<Drop>& prefix, int depth) {
  Game g(seed, height);
  g.Deal();
  for (const Drop& d : prefix) g.player.DragAndDrop(d.moved, d.target);
  const std::vector<Drop> drops = LegalDrops(g.table);
  if (depth == 1) return static_cast<long>(drops.size());
  long total = 0;
  for (const Drop& d : drops) {
    prefix.push_back(d);
    total += Perft(seed, height, prefix, depth - 1);
    prefix.pop_back();
  }
  return total;
}

TEST(Perft, MoveTreeCountsFromFixedDeals) {
  const struct {
    std::uint32_t seed;
    int height;
    std::vector<long> counts;  // depth 1, 2, 3, ...
  } cases[] = {
      {1700000000, 460, {8, 68, 612, 5725}},
      {1700000777, 460, {6, 34, 196}},
      {1800000000, 460, {6, 39, 274}},
      {1700000000, 195, {8, 68, 612}},
  };
  for (const auto& c : cases) {
    for (std::size_t depth = 1; depth <= c.counts.size(); ++depth) {
      std::vector<Drop> prefix;
      EXPECT_EQ(Perft(c.seed, c.height, prefix, static_cast<int>(depth)), c.counts[depth - 1])
          << "seed " << c.seed << " height " << c.height << " depth " << depth;
    }
  }
}

}  // namespace
}  // namespace vantrel::testing
