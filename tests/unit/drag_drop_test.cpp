// Dragging a card with its riders, turning over what it uncovers, the end of the game, and one-step undo.
#include <gtest/gtest.h>

#include "test_support.h"

namespace vantrel::testing {
namespace {

struct Place {
  int left, top, col;
  bool operator==(const Place&) const = default;
};

Place PlaceOf(const Game& g, int slot) {
  const SlotPlace at = g.layout.PlaceOf(g.table, slot);
  return {at.left, at.top, g.table.card(slot).col};
}

// Every slot as the player sees it: the card and where it lies.
std::vector<std::pair<Card, Place>> Slots(const Game& g) {
  std::vector<std::pair<Card, Place>> slots;
  for (int i = 0; i < kSlotCount; ++i) slots.emplace_back(g.table.card(i), PlaceOf(g, i));
  return slots;
}

TEST(DragDrop, TheDraggedCardTakesItsRidersInOrder) {
  Game g;
  g.Deal();
  Table& t = g.table;
  LayOut(t, {{"2S*", "7H", "4C", "QD"}, {"9S", "8H"}, {"5D"}});
  const int h7 = SlotOf(t, "7H"), c4 = SlotOf(t, "4C"), qd = SlotOf(t, "QD"), s9 = SlotOf(t, "9S");
  g.player.StartDrag(h7);
  EXPECT_TRUE(t.ui.dragging);
  g.player.DropCard({.moved = h7, .target = s9});  // on the covered nine: lands on the eight
  g.player.EndDrag();
  EXPECT_FALSE(t.ui.dragging);
  EXPECT_EQ(PlaceOf(g, h7), (Place{90, 45, 2}));
  EXPECT_EQ(PlaceOf(g, c4), (Place{90, 60, 2}));
  EXPECT_EQ(PlaceOf(g, qd), (Place{90, 75, 2}));
  EXPECT_TRUE(t.card(qd).ontop);
  EXPECT_FALSE(t.card(SlotOf(t, "8H")).ontop);
  // The moved group is drawn over the column it joined, in its order.
  EXPECT_LT(t.images[h7].z, t.images[c4].z);
  EXPECT_LT(t.images[c4].z, t.images[qd].z);
  EXPECT_GT(t.images[h7].z, t.images[SlotOf(t, "8H")].z);
  // The face-down two it uncovered turns up, and such a move cannot be taken back.
  const int s2 = SlotOf(t, "2S");
  EXPECT_FALSE(t.card(s2).back_up);
  EXPECT_TRUE(t.card(s2).ontop);
  EXPECT_EQ(t.card(s2).picture, FacePicture(1, 2));
  EXPECT_FALSE(t.course.undo_enabled);
}

TEST(DragDrop, RefusedDropsChangeNothing) {
  Game g;
  g.Deal();
  Table& t = g.table;
  LayOut(t, {{"7H"}, {"8D"}, {"KS", "QS"}}, {"6H"});
  const auto before = Slots(g);
  const int undo_before = t.course.undo_enabled;
  g.player.DragAndDrop({.moved = SlotOf(t, "7H"), .target = SlotOf(t, "8D")});  // another suit
  g.player.DragAndDrop({.moved = SlotOf(t, "QS"), .target = SlotOf(t, "KS")});  // its own column
  g.player.DragAndDrop({.moved = SlotOf(t, "7H"), .target = SlotOf(t, "6H")});  // a reserve card
  g.player.DragAndDrop({.moved = SlotOf(t, "7H"), .target = 59});  // an empty column takes only Kings
  g.player.DragAndDrop({.moved = SlotOf(t, "7H"), .target = SlotOf(t, "7H")});  // itself
  EXPECT_EQ(Slots(g), before);
  EXPECT_EQ(t.course.undo_enabled, undo_before);
}

TEST(DragDrop, KingsEmptyColumnsAndTheReserve) {
  Game g;
  g.Deal();
  Table& t = g.table;
  LayOut(t, {{"KH", "5C"}, {"6C"}, {}, {"9D*", "KS", "QS"}}, {"JS", "4C"});
  // A King with its rider to the empty column's blank area lands at the head.
  const int ks = SlotOf(t, "KS"), qs = SlotOf(t, "QS");
  g.player.DragAndDrop({.moved = ks, .target = 54});
  EXPECT_EQ(PlaceOf(g, ks), (Place{165, 15, 3}));
  EXPECT_EQ(PlaceOf(g, qs), (Place{165, 30, 3}));
  EXPECT_FALSE(t.card(SlotOf(t, "9D")).back_up);
  // A reserve card uncovers nothing and leaves Undo on.
  const int js = SlotOf(t, "JS");
  g.player.DragAndDrop({.moved = js, .target = qs});
  EXPECT_EQ(PlaceOf(g, js), (Place{165, 45, 3}));
  EXPECT_TRUE(t.course.undo_enabled);
  // Moving the first card of a column empties it; nothing turns over.
  const int c5 = SlotOf(t, "5C");
  g.player.DragAndDrop({.moved = c5, .target = SlotOf(t, "6C")});
  EXPECT_TRUE(t.card(SlotOf(t, "KH")).ontop);
  g.player.DragAndDrop({.moved = SlotOf(t, "KH"), .target = 56});
  EXPECT_EQ(PlaceOf(g, SlotOf(t, "KH")), (Place{315, 15, 5}));
  EXPECT_TRUE(t.CardsAbove(52).empty());
  EXPECT_TRUE(t.course.undo_enabled);
}

TEST(DragDrop, AReserveCardUncoversNothingEvenWhereItOverlapsAColumn) {
  // At an outer height of 210 the reserve row lies at Top 30, on column 3's second row (Left 165), over its
  // face-down head. Moving the first reserve card must not turn that head over.
  for (std::uint32_t seed = 1700000000; seed < 1700001000; ++seed) {
    Game g(seed, Layout(210));
    g.Deal();
    Table& t = g.table;
    for (const LegalDrop& drop : t.ListLegalDrops()) {
      if (drop.moved != kReserveFirst) continue;
      ASSERT_EQ(g.layout.PlaceOf(t, kReserveFirst).left, g.layout.PlaceOf(t, 2).left);
      ASSERT_EQ(g.layout.PlaceOf(t, kReserveFirst).top, g.layout.PlaceOf(t, 2).top + kRowStep);
      g.player.DragAndDrop({.moved = kReserveFirst, .target = drop.target});
      EXPECT_TRUE(t.card(2).back_up) << "seed " << seed;
      EXPECT_EQ(t.card(2).picture, kBackPicture);
      return;
    }
  }
  FAIL() << "no deal found whose first reserve card can move";
}

TEST(DragDrop, AColumnCardUncoversTheCardUnderItWhereAReserveCardLiesToo) {
  // At an outer height of 210 the first reserve card lies at Left 165, Top 30: exactly where column 3's
  // second card lies. Moving column 3's third card turns that second card over and leaves the reserve alone.
  Game g(1700000000, Layout(210));
  g.Deal();
  Table& t = g.table;
  LayOut(t, {{"9C"}, {"10D"}, {"JS", "5S*", "7H"}, {"8H"}}, {"QD"});
  const int s5 = SlotOf(t, "5S"), qd = SlotOf(t, "QD");
  ASSERT_EQ(PlaceOf(g, s5), (Place{165, 30, 3}));
  ASSERT_EQ(PlaceOf(g, qd), (Place{165, 30, 9}));
  const Card reserve_before = t.card(qd);
  g.player.DragAndDrop({.moved = SlotOf(t, "7H"), .target = SlotOf(t, "8H")});
  EXPECT_FALSE(t.card(s5).back_up);
  EXPECT_TRUE(t.card(s5).ontop);
  EXPECT_EQ(t.card(s5).picture, FacePicture(1, 5));
  EXPECT_EQ(t.card(qd), reserve_before);
}

TEST(DragDrop, AFaceDownCardThatFitsArrivesFaceDown) {
  Game g;
  g.Deal();
  Table& t = g.table;
  LayOut(t, {{"3D", "7C*", "2H"}, {"8C"}});
  const int c7 = SlotOf(t, "7C");
  g.player.DragAndDrop({.moved = c7, .target = SlotOf(t, "8C")});
  EXPECT_EQ(PlaceOf(g, c7), (Place{90, 30, 2}));
  EXPECT_TRUE(t.card(c7).back_up);
  EXPECT_EQ(t.card(c7).picture, kBackPicture);
  EXPECT_EQ(PlaceOf(g, SlotOf(t, "2H")), (Place{90, 45, 2}));
}

TEST(DragDrop, UndoRestoresTheCardsButNotHowTheyAreDrawn) {
  Game g(1700000000);
  g.Deal();
  Table& t = g.table;
  LayOut(t, {{"4S", "9H"}, {"8H", "3C"}, {"10H"}}, {"2D"});
  const auto before = Slots(g);
  const int moves_before = t.count.num_moves;
  const int h9 = SlotOf(t, "9H");
  g.player.DragAndDrop({.moved = h9, .target = SlotOf(t, "10H")});
  ASSERT_TRUE(t.course.undo_enabled);
  ASSERT_NE(t.count.num_moves, moves_before);
  const auto images_after_drop = t.images;
  g.player.UndoLastDrop();
  EXPECT_EQ(Slots(g), before);
  for (int i = 0; i < kSlotCount; ++i) {
    EXPECT_EQ(t.images[i].z, images_after_drop[i].z) << "slot " << i;  // the moved cards stay drawn on top
  }
  // The reserve row keeps to the bottom edge of a window resized meanwhile.
  EXPECT_EQ(Layout(600).PlaceOf(t, SlotOf(t, "2D")).top, 420);
  EXPECT_EQ(t.count.num_moves, moves_before);
  EXPECT_EQ(ControlsOf(t).num_moves_caption, "Number of Moves: " + std::to_string(moves_before));
  EXPECT_FALSE(t.course.undo_enabled);
  EXPECT_EQ(t.course.game_state, GameState::kInProgress);
}

TEST(DragDrop, TheWinningMoveEndsTheGameOnce) {
  Game g;
  g.Deal();
  Table& t = g.table;
  LayOut(t, {{"KS", "QS", "JS", "10S", "9S", "8S", "7S", "6S", "5S", "4S", "3S", "2S", "AS"},
             {"KC", "QC", "JC", "10C", "9C", "8C", "7C", "6C", "5C", "4C", "3C", "2C", "AC"},
             {"KD", "QD", "JD", "10D", "9D", "8D", "7D", "6D", "5D", "4D", "3D", "2D", "AD"},
             {"KH", "QH", "JH", "10H", "9H", "8H", "7H", "6H", "5H", "4H", "3H", "2H"},
             {"AH"}});
  g.player.DragAndDrop({.moved = SlotOf(t, "AH"), .target = SlotOf(t, "KH")});
  EXPECT_EQ(g.host.messages, std::vector<std::string>{"You Win!"});
  EXPECT_EQ(t.course.results.wins, 1);
  EXPECT_EQ(t.course.results.losses, 0);
  EXPECT_EQ(t.course.game_state, GameState::kOver);
  EXPECT_FALSE(t.course.undo_enabled);
  // Play goes on after the end, but cannot end the game again.
  g.player.DragAndDrop({.moved = SlotOf(t, "KH"), .target = 58});
  EXPECT_EQ(g.host.messages.size(), 1u);
  EXPECT_TRUE(t.course.undo_enabled);
}

TEST(DragDrop, TheLastUsefulMoveLosesTheGame) {
  Game g;
  g.Deal();
  Table& t = g.table;
  LayOut(t, {{"9D"}, {"5C"}, {"3D"}, {"2H"}, {"QS"}, {"JC"}, {"4S"}, {"7H"}}, {"JS"});
  g.player.DragAndDrop({.moved = SlotOf(t, "JS"), .target = SlotOf(t, "QS")});
  EXPECT_EQ(g.host.messages, std::vector<std::string>{"No More Moves!"});
  EXPECT_EQ(t.course.results.losses, 1);
  EXPECT_FALSE(t.course.undo_enabled);
}

TEST(DragDrop, DragFeedbackFollowsShowValid) {
  Game g;
  g.Deal();
  Table& t = g.table;
  LayOut(t, {{"7H"}, {"8H"}, {"8D"}});
  const int h7 = SlotOf(t, "7H"), h8 = SlotOf(t, "8H"), d8 = SlotOf(t, "8D");
  EXPECT_TRUE(g.player.OffersDrop({.moved = h7, .target = h8}));
  EXPECT_EQ(g.player.DragCursor({.moved = h7, .target = h8}), kCursorHandPoint);
  EXPECT_FALSE(g.player.OffersDrop({.moved = h7, .target = d8}));
  EXPECT_EQ(g.player.DragCursor({.moved = h7, .target = d8}), kCursorNoDrop);
  EXPECT_FALSE(g.player.OffersDrop({.moved = h7, .target = kBareTable}));
  g.player.ToggleShowValid();
  for (int target : {h8, d8, kBareTable, 57}) {
    EXPECT_TRUE(g.player.OffersDrop({.moved = h7, .target = target}));
    EXPECT_EQ(g.player.DragCursor({.moved = h7, .target = target}), kCursorHandPointer);
  }
  // Accepted by the cursor, an invalid drop still does nothing.
  g.player.DragAndDrop({.moved = h7, .target = d8});
  EXPECT_EQ(t.card(h7).col, 1);
  g.player.ToggleShowValid();
  EXPECT_EQ(g.player.DragCursor({.moved = h7, .target = d8}), kCursorNoDrop);
  EXPECT_EQ(g.player.DragCursor({.moved = h7, .target = h8}), kCursorHandPoint);
}

}  // namespace
}  // namespace vantrel::testing
