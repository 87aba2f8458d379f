// Counting moves, the King discount, the listing, the hint's pick and the win test.
#include <gtest/gtest.h>

#include "test_support.h"

namespace vantrel::testing {
namespace {

// The four complete piles in columns 1..4, King at the head.
void LayOutWon(Table& t) {
  LayOut(t, {{"KS", "QS", "JS", "10S", "9S", "8S", "7S", "6S", "5S", "4S", "3S", "2S", "AS"},
             {"KC", "QC", "JC", "10C", "9C", "8C", "7C", "6C", "5C", "4C", "3C", "2C", "AC"},
             {"KD", "QD", "JD", "10D", "9D", "8D", "7D", "6D", "5D", "4D", "3D", "2D", "AD"},
             {"KH", "QH", "JH", "10H", "9H", "8H", "7H", "6H", "5H", "4H", "3H", "2H", "AH"}});
}

TEST(Enumeration, FreshDealListsMovesOntoUppermostFaceUpCardsOnly) {
  for (std::uint32_t seed = 1700000000; seed < 1700000050; ++seed) {
    Game g(seed);
    g.Deal();
    const Table& t = g.table;
    EXPECT_EQ(t.moves.count, t.raw_moves);
    for (const MoveEntry& e : t.moves) {
      const Card& moved = t.cards[e.slot];
      EXPECT_FALSE(moved.back_up) << "seed " << seed;
      EXPECT_EQ(moved.number, e.moved_number);
      if (e.target_number == kBlankNumber) continue;
      int target = -1;
      for (int i = 0; i < kCardSlots; ++i) {
        if (t.cards[i].number == e.target_number && t.cards[i].suit == e.target_suit) target = i;
      }
      ASSERT_GE(target, 0);
      EXPECT_TRUE(t.cards[target].ontop);
      EXPECT_LE(t.cards[target].col, 8);
      EXPECT_TRUE(t.IsValidMove(target, e.slot));
    }
    EXPECT_EQ(t.num_moves_caption, "Number of Moves: " + std::to_string(t.num_moves));
  }
}

TEST(Enumeration, ListsInSlotOrderWithTheListingText) {
  Game g;
  g.Deal();
  Table& t = g.table;
  LayOut(t, {{"8H"}, {"7H"}, {"KS"}, {}, {"9C"}, {"6H*", "8C"}, {}, {"QS"}}, {"JS"});
  // In slot order of the receiving card: 8H takes 7H; KS takes QS, then goes to columns 4 and 7; 9C takes
  // 8C; QS takes the reserve's JS. The reserve card itself receives nothing.
  EXPECT_EQ(t.raw_moves, 6);
  EXPECT_EQ(t.num_moves, 6);
  EXPECT_EQ(t.MovesListing(), "Possible Moves:\n\n7H,8H   QS,KS   KS,BLANK   KS,BLANK   8C,9C   JS,QS   ");
  EXPECT_EQ(t.moves[2], (MoveEntry{13, 1, 14, 5, SlotOf(t, "KS")}));
  EXPECT_EQ(t.moves[5], (MoveEntry{11, 1, 12, 1, kReserveFirst}));
  t.ShowMovesBtnClick();
  ASSERT_EQ(g.host.messages.size(), 1u);
  EXPECT_EQ(g.host.messages[0], t.MovesListing());
  EXPECT_EQ(g.host.beeps, 1);
}

TEST(Enumeration, KingsThatOnlyChangeColumnsCountAsNoMoves) {
  Game g;
  g.Deal();
  Table& t = g.table;
  LayOut(t, {{"9D"}, {"5C"}, {"KS"}, {"2H"}, {}, {"JC"}, {"4S"}, {"7H"}});
  EXPECT_EQ(t.raw_moves, 1);
  EXPECT_EQ(t.num_moves, 0);
  EXPECT_EQ(t.num_moves_caption, "Number of Moves: 0");
  EXPECT_EQ(t.MovesListing(), "Possible Moves:\n\nKS,BLANK   ");
  EXPECT_FALSE(t.FindMoves(kCountOnly));
  // A King lower in a column is worth moving: the count stands.
  LayOut(t, {{"9D", "KS"}, {"5C"}, {"QD"}, {"2H"}, {}, {"JC"}, {"4S"}, {"7H"}});
  EXPECT_EQ(t.num_moves, 1);
}

TEST(Enumeration, AReserveKingAtTheHeadsHeightIsNoHead) {
  // At an outer height of 195 the reserve row lies at Top 15, level with the columns' heads.
  Game g(1700000000, 195);
  g.Deal();
  Table& t = g.table;
  LayOut(t, {{"9D"}, {"5C"}, {"3D"}, {"2H"}, {}, {"JC"}, {"4S"}, {"7H"}}, {"KH"});
  ASSERT_EQ(t.cards[kReserveFirst].image.top, kHeadTop);
  // The reserve King may still go to the empty column: one real move, and the game goes on.
  EXPECT_EQ(t.raw_moves, 1);
  EXPECT_EQ(t.num_moves, 1);
  EXPECT_TRUE(t.FindMoves(kCountOnly));
}

TEST(Enumeration, TheWonLayoutAndAlmostWonOnes) {
  Game g;
  g.Deal();
  Table& t = g.table;
  LayOutWon(t);
  EXPECT_EQ(t.raw_moves, 16);
  EXPECT_EQ(t.num_moves, 0);
  EXPECT_TRUE(t.CheckWin());
  EXPECT_EQ(t.drag_list.count, 12);

  // Three piles and the fourth column from the King down to the two of hearts, the Ace elsewhere.
  LayOut(t, {{"KS", "QS", "JS", "10S", "9S", "8S", "7S", "6S", "5S", "4S", "3S", "2S", "AS"},
             {"KC", "QC", "JC", "10C", "9C", "8C", "7C", "6C", "5C", "4C", "3C", "2C", "AC"},
             {"KD", "QD", "JD", "10D", "9D", "8D", "7D", "6D", "5D", "4D", "3D", "2D", "AD"},
             {"KH", "QH", "JH", "10H", "9H", "8H", "7H", "6H", "5H", "4H", "3H", "2H"},
             {"AH"}});
  EXPECT_FALSE(t.CheckWin());
  // The right count is not enough: a pile out of order is no pile.
  LayOutWon(t);
  std::swap(t.cards[SlotOf(t, "5H")].image.top, t.cards[SlotOf(t, "4H")].image.top);
  t.FindMoves(kCountOnly);
  EXPECT_EQ(t.raw_moves, 16);
  EXPECT_FALSE(t.CheckWin());
}

TEST(Enumeration, FaceDownCardsAreNeverListedAndNothingIsCut) {
  Game g;
  g.Deal();
  Table& t = g.table;
  LayOut(t, {{"8H"}, {"7H*"}, {"KS"}, {"KC"}, {"KD"}, {"KH"}});
  // Two empty columns, four face-up Kings: 8 King moves, all at heads, so the count is 0.
  EXPECT_EQ(t.raw_moves, 8);
  EXPECT_EQ(t.num_moves, 0);
  // Five empty columns and four Kings that are not heads: more than twenty moves, all kept.
  LayOut(t, {{"5D", "KS", "KC", "KD", "KH"}, {"9C"}, {"2S"}});
  EXPECT_EQ(t.raw_moves, 20);
  LayOut(t, {{"5D", "KS", "KC", "KD", "KH"}, {"9C"}});
  EXPECT_EQ(t.raw_moves, 24);
  EXPECT_EQ(t.moves.count, 24);
  EXPECT_EQ(t.num_moves, 24);
  EXPECT_EQ(t.num_moves_caption, "Number of Moves: 24");
}

TEST(Enumeration, HintHidesTheCardOfAPickedMove) {
  Game g(1700000000);
  g.Deal();
  Table& t = g.table;
  ASSERT_GT(t.num_moves, 0);
  t.FindMoves(kGiveHint);
  Random r;
  r.Seed(1700000000);
  const int expected = t.moves[r.Below(t.moves.count)].slot;
  EXPECT_EQ(t.hint_card, expected);
  EXPECT_FALSE(t.cards[expected].image.visible);
  EXPECT_TRUE(t.timer_enabled);
  EXPECT_TRUE(g.host.timer_running);
}

}  // namespace
}  // namespace vantrel::testing
