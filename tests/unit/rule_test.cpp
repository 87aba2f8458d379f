// The move rule: the cards lying on a slot, and which drops are allowed.
#include <gtest/gtest.h>

#include <vector>

#include "test_support.h"

namespace vantrel::testing {
namespace {

std::vector<int> Tops(const Game& g, const ColumnList& list) {
  std::vector<int> tops;
  for (int slot : list) tops.push_back(g.layout.PlaceOf(g.table, slot).top);
  return tops;
}

TEST(Rule, CardsAboveListsTheColumnNearestFirst) {
  Game g(1700000000);
  g.Deal();
  const Table& t = g.table;
  const ColumnList above = t.CardsAbove(2);  // the head of column 3
  EXPECT_EQ(Tops(g, above), (std::vector<int>{30, 45, 60, 75, 90}));
  EXPECT_EQ(std::vector<int>(above.begin(), above.end()), (std::vector<int>{10, 18, 26, 34, 42}));
  EXPECT_TRUE(t.CardsAbove(42).empty());  // the uppermost card
  EXPECT_TRUE(t.CardsAbove(49).empty());  // a reserve card never carries anything
  EXPECT_EQ(t.CardsAbove(54).count, 6);   // a blank spot lists its whole column
  EXPECT_EQ(t.CardsAbove(54)[0], 2);
}

TEST(Rule, CardsAboveHasRoomForTheLongestColumn) {
  Game g;
  g.Deal();
  Table& t = g.table;
  // Forty cards in column 1, far more than a dealt column ever holds; the rest out of play.
  std::array<std::vector<std::uint8_t>, kColumns> laid;
  for (int code = 0; code < 40; ++code) laid[0].push_back(static_cast<std::uint8_t>(code));
  std::array<std::uint8_t, kReservePlaces> none;
  none.fill(kNoCard);
  std::array<std::uint8_t, kDeck> slots;
  for (int code = 0; code < kDeck; ++code) slots[code] = static_cast<std::uint8_t>(code);
  t.position = Position::Arrange(laid, none, 0, slots);
  const ColumnList all = t.CardsAbove(52);
  ASSERT_EQ(all.count, 40);
  for (int i = 0; i < 40; ++i) EXPECT_EQ(all[i], i);
  EXPECT_EQ(t.CardsAbove(0).count, 39);
  EXPECT_EQ(t.LandingSlot(52), 39);
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
  EXPECT_TRUE(t.IsValidMove({.moved = h7, .target = h8}));
  EXPECT_TRUE(t.IsValidMove({.moved = h7, .target = c3}))
      << "a drop on a covered card goes to the uppermost card";
  EXPECT_TRUE(t.IsValidMove({.moved = h7, .target = 52})) << "so does a drop on the column's blank spot";
  EXPECT_FALSE(t.IsValidMove({.moved = h7, .target = SlotOf(t, "8D")})) << "another suit";
  EXPECT_FALSE(t.IsValidMove({.moved = s7, .target = s8})) << "a face-down target";
  EXPECT_FALSE(t.IsValidMove({.moved = s7, .target = SlotOf(t, "4C")}))
      << "redirected to the face-down eight";
  EXPECT_TRUE(t.IsValidMove({.moved = kd, .target = 57})) << "a King to the empty column";
  EXPECT_FALSE(t.IsValidMove({.moved = SlotOf(t, "QC"), .target = 57})) << "only Kings go to an empty column";
  EXPECT_FALSE(t.IsValidMove({.moved = kd, .target = 56}))
      << "a King on a column that holds cards is judged by its top card";
  EXPECT_FALSE(t.IsValidMove({.moved = SlotOf(t, "10D"), .target = SlotOf(t, "JD")}))
      << "nothing goes on a reserve card";
  EXPECT_FALSE(t.IsValidMove({.moved = SlotOf(t, "AC"), .target = SlotOf(t, "2C")}));
  EXPECT_TRUE(t.IsValidMove({.moved = SlotOf(t, "9S"), .target = SlotOf(t, "10S")}))
      << "a face-down card whose identity fits";
  // Never within the moved card's own column, even onto a fitting face-up uppermost card.
  LayOut(t, {{"9S*", "7S"}, {"8S"}}, {});
  EXPECT_TRUE(t.IsValidMove({.moved = SlotOf(t, "7S"), .target = SlotOf(t, "8S")}));
  LayOut(t, {{"9S*", "8S", "7S"}}, {});
  EXPECT_FALSE(t.IsValidMove({.moved = SlotOf(t, "8S"), .target = SlotOf(t, "7S")}));
}

}  // namespace
}  // namespace vantrel::testing
