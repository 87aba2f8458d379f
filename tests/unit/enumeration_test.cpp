// Counting moves, the King discount, the listing, the hint's pick and the win test.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "test_support.h"

namespace vantrel::testing {
namespace {

// The counted moves of the last count, as the listing and the command line's report describe them.
std::vector<MoveEntry> CountedMoves(const Table& t) {
  std::vector<MoveEntry> moves;
  for (const LegalDrop& d : t.count.drops) {
    if (d.counted) moves.push_back(t.Describe(d));
  }
  return moves;
}

// The four complete piles in columns 1..4, King at the head.
void LayOutWon(Table& t) {
  LayOut(t, {{"KS", "QS", "JS", "10S", "9S", "8S", "7S", "6S", "5S", "4S", "3S", "2S", "AS"},
             {"KC", "QC", "JC", "10C", "9C", "8C", "7C", "6C", "5C", "4C", "3C", "2C", "AC"},
             {"KD", "QD", "JD", "10D", "9D", "8D", "7D", "6D", "5D", "4D", "3D", "2D", "AD"},
             {"KH", "QH", "JH", "10H", "9H", "8H", "7H", "6H", "5H", "4H", "3H", "2H", "AH"}});
}

TEST(Enumeration, FreshDealCountsTheFaceUpCardsDropsOntoUppermostCards) {
  for (std::uint32_t seed = 1700000000; seed < 1700000050; ++seed) {
    Game g(seed);
    g.Deal();
    const Table& t = g.table;
    int counted = 0;
    for (const LegalDrop& d : t.count.drops) {
      SCOPED_TRACE("seed " + std::to_string(seed) + " drop " + std::to_string(d.moved));
      EXPECT_EQ(d.counted, !t.card(d.moved).back_up);
      EXPECT_TRUE(IsBlankSpot(d.target) || (t.card(d.target).ontop && t.card(d.target).col <= 8));
      EXPECT_TRUE(t.IsValidMove(d));
      counted += d.counted ? 1 : 0;
    }
    EXPECT_EQ(counted, t.count.raw_moves);
    EXPECT_EQ(ControlsOf(t).num_moves_caption, "Number of Moves: " + std::to_string(t.count.num_moves));
  }
}

TEST(Enumeration, ListsInSlotOrderWithTheListingText) {
  Game g;
  g.Deal();
  Table& t = g.table;
  LayOut(t, {{"8H"}, {"7H"}, {"KS"}, {}, {"9C"}, {"6H*", "8C"}, {}, {"QS"}}, {"JS"});
  // In slot order of the receiving card: 8H takes 7H; KS takes QS, then goes to columns 4 and 7; 9C takes
  // 8C; QS takes the reserve's JS. The reserve card itself receives nothing.
  EXPECT_EQ(t.count.raw_moves, 6);
  EXPECT_EQ(t.count.num_moves, 6);
  EXPECT_EQ(t.MovesListing(), "Possible Moves:\n\n7H,8H   QS,KS   KS,BLANK   KS,BLANK   8C,9C   JS,QS   ");
  const std::vector<MoveEntry> moves = CountedMoves(t);
  ASSERT_EQ(moves.size(), 6u);
  EXPECT_EQ(moves[2], (MoveEntry{13, 1, 14, 5, SlotOf(t, "KS")}));
  EXPECT_EQ(moves[5], (MoveEntry{11, 1, 12, 1, kReserveFirst}));
  t.ShowAllMoves();
  ASSERT_EQ(g.host.messages.size(), 1u);
  EXPECT_EQ(g.host.messages[0], t.MovesListing());
  EXPECT_EQ(g.host.beeps, 1);
}

TEST(Enumeration, KingsThatOnlyChangeColumnsCountAsNoMoves) {
  Game g;
  g.Deal();
  Table& t = g.table;
  LayOut(t, {{"9D"}, {"5C"}, {"KS"}, {"2H"}, {}, {"JC"}, {"4S"}, {"7H"}});
  EXPECT_EQ(t.count.raw_moves, 1);
  EXPECT_EQ(t.count.num_moves, 0);
  EXPECT_EQ(ControlsOf(t).num_moves_caption, "Number of Moves: 0");
  EXPECT_EQ(t.MovesListing(), "Possible Moves:\n\nKS,BLANK   ");
  EXPECT_FALSE(t.FindMoves());
  // A King lower in a column is worth moving: the count stands.
  LayOut(t, {{"9D", "KS"}, {"5C"}, {"QD"}, {"2H"}, {}, {"JC"}, {"4S"}, {"7H"}});
  EXPECT_EQ(t.count.num_moves, 1);
}

TEST(Enumeration, AReserveKingAtTheHeadsHeightIsNoHead) {
  // At an outer height of 195 the reserve row lies at Top 15, level with the columns' heads.
  Game g(1700000000, Layout(195));
  g.Deal();
  Table& t = g.table;
  LayOut(t, {{"9D"}, {"5C"}, {"3D"}, {"2H"}, {}, {"JC"}, {"4S"}, {"7H"}}, {"KH"});
  ASSERT_EQ(g.layout.PlaceOf(t, kReserveFirst).top, kHeadTop);
  // The reserve King may still go to the empty column: one real move, and the game goes on.
  EXPECT_EQ(t.count.raw_moves, 1);
  EXPECT_EQ(t.count.num_moves, 1);
  EXPECT_TRUE(t.FindMoves());
}

TEST(Enumeration, TheWonLayoutAndAlmostWonOnes) {
  Game g;
  g.Deal();
  Table& t = g.table;
  LayOutWon(t);
  EXPECT_EQ(t.count.raw_moves, 16);
  EXPECT_EQ(t.count.num_moves, 0);
  EXPECT_TRUE(t.CheckWin());

  // Three piles and the fourth column from the King down to the two of hearts, the Ace elsewhere.
  LayOut(t, {{"KS", "QS", "JS", "10S", "9S", "8S", "7S", "6S", "5S", "4S", "3S", "2S", "AS"},
             {"KC", "QC", "JC", "10C", "9C", "8C", "7C", "6C", "5C", "4C", "3C", "2C", "AC"},
             {"KD", "QD", "JD", "10D", "9D", "8D", "7D", "6D", "5D", "4D", "3D", "2D", "AD"},
             {"KH", "QH", "JH", "10H", "9H", "8H", "7H", "6H", "5H", "4H", "3H", "2H"},
             {"AH"}});
  EXPECT_FALSE(t.CheckWin());
  // The right count is not enough: a pile out of order is no pile.
  LayOut(t, {{"KS", "QS", "JS", "10S", "9S", "8S", "7S", "6S", "5S", "4S", "3S", "2S", "AS"},
             {"KC", "QC", "JC", "10C", "9C", "8C", "7C", "6C", "5C", "4C", "3C", "2C", "AC"},
             {"KD", "QD", "JD", "10D", "9D", "8D", "7D", "6D", "5D", "4D", "3D", "2D", "AD"},
             {"KH", "QH", "JH", "10H", "9H", "8H", "7H", "6H", "4H", "5H", "3H", "2H", "AH"}});
  EXPECT_EQ(t.count.raw_moves, 16);
  EXPECT_FALSE(t.CheckWin());
}

TEST(Enumeration, FaceDownCardsAreNeverListedAndNothingIsCut) {
  Game g;
  g.Deal();
  Table& t = g.table;
  LayOut(t, {{"8H"}, {"7H*"}, {"KS"}, {"KC"}, {"KD"}, {"KH"}});
  // Two empty columns, four face-up Kings: 8 King moves, all at heads, so the count is 0.
  EXPECT_EQ(t.count.raw_moves, 8);
  EXPECT_EQ(t.count.num_moves, 0);
  // Five empty columns and four Kings that are not heads: more than twenty moves, all kept.
  LayOut(t, {{"5D", "KS", "KC", "KD", "KH"}, {"9C"}, {"2S"}});
  EXPECT_EQ(t.count.raw_moves, 20);
  LayOut(t, {{"5D", "KS", "KC", "KD", "KH"}, {"9C"}});
  EXPECT_EQ(t.count.raw_moves, 24);
  EXPECT_EQ(CountedMoves(t).size(), 24u);
  EXPECT_EQ(t.count.num_moves, 24);
  EXPECT_EQ(ControlsOf(t).num_moves_caption, "Number of Moves: 24");
}

TEST(Enumeration, HintHidesTheCardOfACountedMoveChosenByTheClock) {
  // The same second picks the same card; the card is one a counted move moves.
  auto hinted = [](std::uint32_t second, bool* blinking) {
    Game g(1700000000);
    g.Deal();
    g.host.SetNow(second);
    g.table.GiveHint();
    const Table& t = g.table;
    bool counted = false;
    for (const LegalDrop& d : t.count.drops) counted |= d.counted && d.moved == t.course.hint_card;
    EXPECT_TRUE(counted) << "second " << second;
    *blinking = !t.images[t.course.hint_card].visible && t.ui.hint_blinking && g.host.timer_running;
    return t.course.hint_card;
  };
  std::set<int> picked;
  for (std::uint32_t second = 1700000000; second < 1700000040; ++second) {
    bool blinking = false;
    const int card = hinted(second, &blinking);
    EXPECT_TRUE(blinking);
    EXPECT_EQ(hinted(second, &blinking), card);
    picked.insert(card);
  }
  EXPECT_GT(picked.size(), 1u);  // the clock does choose
}

}  // namespace
}  // namespace vantrel::testing
