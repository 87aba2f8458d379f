// Counts of the move tree from fixed deals: any slip in the rule, the turn-over or the deal changes them.
// The counts were computed by an independent model of the rules.
#include <gtest/gtest.h>

#include <vector>

#include "table/move_text.h"
#include "test_support.h"

namespace vantrel::testing {
namespace {

// Replays the deal and the prefix from scratch at every node: the table is never copied, so the count also
// proves that replays are exact.
long Perft(std::uint32_t seed, int height, std::vector<Drop>& prefix, int depth) {
  Game g(seed, Layout(height));
  g.Deal();
  for (const Drop& d : prefix) g.player.DragAndDrop(d);
  const LegalDrops drops = g.table.ListLegalDrops();
  if (depth == 1) return drops.count;
  long total = 0;
  for (const LegalDrop& d : drops) {
    prefix.push_back({d.moved, d.target});
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
