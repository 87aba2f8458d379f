// The move rule: the cards lying on a slot, and which drops are allowed.
#include <gtest/gtest.h>

#include <vector>

#include "test_support.h"

namespace vantrel::testing {
namespace {

std::vector<int> Tops(const Table& t, const ColumnList& list) {
  std::vector<int> tops;
  for (int slot : list) tops.push_back(t.cards[slot].top);
  return tops;
}

TEST(Rule, CardsAboveListsTheColumnNearestFirst) {
  Game g(1700000000);
  g.Deal();
  const Table& t = g.table;
  const ColumnList above = t.CardsAbove(2);  // the head of column 3
  EXPECT_EQ(Tops(t, above), (std::vector<int>{30, 45, 60, 75, 90}));
  EXPECT_EQ(std::vector<int>(above.begin(), above.end()), (std::vector<int>{10, 18, 26, 34, 42}));
  EXPECT_TRUE(t.CardsAbove(42).empty());  // the uppermost card
  EXPECT_TRUE(t.CardsAbove(49).empty());  // a reserve card never carries anything
  EXPECT_EQ(t.CardsAbove(54).count, 6);   // a blank spot lists its whole column
  EXPECT_EQ(t.CardsAbove(54)[0], 2);
}

TEST(Rule, CardsAboveHasNoCapacityLimitAndSurvivesABrokenChain) {
  Game g;
  g.Deal();
  Table& t = g.table;
  // Forty cards in column 1, far more than a dealt column ever holds; the rest out of play.
  for (int i = 40; i < kCardSlots; ++i) t.cards[i].col = 0;
  for (int i = 0; i < 40; ++i) {
    t.cards[i].col = 1;
    t.cards[i].left = 15;
    t.cards[i].top = 15 + 15 * i;
  }
  const ColumnList all = t.CardsAbove(52);
  ASSERT_EQ(all.count, 40);
  for (int i = 0; i < 40; ++i) EXPECT_EQ(all[i], i);
  EXPECT_EQ(t.CardsAbove(0).count, 39);
  // A gap in the chain: every card still listed once, in order of height.
  t.cards[5].top = 1000;
  const ColumnList gap = t.CardsAbove(52);
  ASSERT_EQ(gap.count, 40);
  EXPECT_EQ(gap[39], 5);
  EXPECT_EQ(gap[5], 6);
}

TEST(Rule, DropsAsAPlayerWouldTryThem) {
  Game g;
  g.Deal();
  Table& t = g.table;
  LayOut(t,
         {{"3C", "8H"},     // 1: the eight of hearts uppermost
          {"7H"},           // 2
          {"8D"},           // 3
          {"9S*", "7S"},    // 4: seven of spades over a face-down nine
          {"KD"},           // 5
          {},               // 6: empty
          {"QC", "10S"},    // 7
          {"4C*", "8S*"}},  // 8: face-down eight of spades uppermost
         {"JD", "2C"});
  const int h7 = SlotOf(t, "7H"), h8 = SlotOf(t, "8H"), c3 = SlotOf(t, "3C");
  const int s7 = SlotOf(t, "7S"), s8 = SlotOf(t, "8S"), kd = SlotOf(t, "KD");
  EXPECT_TRUE(t.IsValidMove(h8, h7));
  EXPECT_TRUE(t.IsValidMove(c3, h7)) << "a drop on a covered card goes to the uppermost card";
  EXPECT_TRUE(t.IsValidMove(52, h7)) << "so does a drop on the column's blank spot";
  EXPECT_FALSE(t.IsValidMove(SlotOf(t, "8D"), h7)) << "another suit";
  EXPECT_FALSE(t.IsValidMove(s8, s7)) << "a face-down target";
  EXPECT_FALSE(t.IsValidMove(SlotOf(t, "4C"), s7)) << "redirected to the face-down eight";
  EXPECT_TRUE(t.IsValidMove(57, kd)) << "a King to the empty column";
  EXPECT_FALSE(t.IsValidMove(57, SlotOf(t, "QC"))) << "only Kings go to an empty column";
  EXPECT_FALSE(t.IsValidMove(56, kd)) << "a King on a column that holds cards is judged by its top card";
  EXPECT_FALSE(t.IsValidMove(SlotOf(t, "JD"), SlotOf(t, "10D"))) << "nothing goes on a reserve card";
  EXPECT_FALSE(t.IsValidMove(SlotOf(t, "2C"), SlotOf(t, "AC")));
  EXPECT_TRUE(t.IsValidMove(SlotOf(t, "10S"), SlotOf(t, "9S"))) << "a face-down card whose identity fits";
  // Never within the moved card's own column, even onto a fitting face-up uppermost card.
  t.cards[s8].back_up = false;
  EXPECT_TRUE(t.IsValidMove(s8, s7));
  t.cards[s7].col = 8;
  EXPECT_FALSE(t.IsValidMove(s8, s7));
}

TEST(Rule, NothingGoesOnAnAce) {
  Game g;
  g.Deal();
  Table& t = g.table;
  LayOut(t, {{"AH"}, {"KH"}}, {});
  // Only the target's "number above one" keeps a card numbered 0 off an Ace of its suit.
  const int ace = SlotOf(t, "AH"), zero = SlotOf(t, "KH");
  t.cards[zero].number = 0;
  EXPECT_FALSE(t.IsValidMove(ace, zero));
}

}  // namespace
}  // namespace vantrel::testing
