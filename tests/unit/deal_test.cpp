// The deal: the ordered deck, the shuffle pinned by golden deals, and the layout of a fresh game.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "test_support.h"

namespace vantrel::testing {
namespace {

TEST(Deal, ResetGivesTheOrderedDeck) {
  Game g;
  g.table.ResetCards(true);
  EXPECT_EQ(g.table.cards[0].suit, 1);
  EXPECT_EQ(g.table.cards[0].number, 1);
  EXPECT_EQ(g.table.cards[13].suit, 2);
  EXPECT_EQ(g.table.cards[13].number, 1);
  EXPECT_EQ(g.table.cards[51].suit, 4);
  EXPECT_EQ(g.table.cards[51].number, 13);
}

}  // namespace
}  // namespace vantrel::testing
