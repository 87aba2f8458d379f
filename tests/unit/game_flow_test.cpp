// The course of a game: New and Redo, hints, the end of a game and the streaks.
#include <gtest/gtest.h>

#include <cstdint>

#include "test_support.h"

namespace vantrel::testing {
namespace {

std::vector<std::pair<int, int>> Identities(const Table& t) {
  std::vector<std::pair<int, int>> ids;
  for (int i = 0; i < kCardSlots; ++i) ids.emplace_back(t.card(i).suit, t.card(i).number);
  return ids;
}

// Deals the game of 1700000000, which offers moves.
void DealWithMoves(Game& g) {
  g.host.SetNow(1700000000);
  g.Deal();
  ASSERT_GT(g.table.count.num_moves, 0);
}

// Plays the first drop the game accepts; false when there is none.
bool PlayAnyMove(Game& g) {
  const LegalDrops drops = g.table.ListLegalDrops();
  if (drops.count == 0) return false;
  g.player.DragAndDrop(drops[0]);
  return true;
}

TEST(GameFlow, RedoFirstShufflesAndLaterRepeatsTheDeal) {
  Game g(1700000000);
  g.table.Deal(DealKind::kRedeal);  // the very first command: a shuffled game, like New
  Game h(1700000000);
  h.Deal();
  EXPECT_EQ(Identities(g.table), Identities(h.table));
  const auto first = Identities(g.table);
  EXPECT_EQ(g.table.course.game_state, GameState::kInProgress);
  EXPECT_TRUE(g.host.questions.empty());

  // Play a move, then Redo at another second: same identities, fresh layout, one abandoned game.
  ASSERT_TRUE(PlayAnyMove(g));
  g.host.SetNow(1800000000);
  g.table.Deal(DealKind::kRedeal);
  ASSERT_EQ(g.host.questions.size(), 1u);
  EXPECT_EQ(g.host.questions[0], "Are you sure you want to start a new game?");
  EXPECT_EQ(Identities(g.table), first);
  EXPECT_EQ(g.table.course.results.losses, 1);
  for (int i = 0; i < kColumnSlots; ++i) EXPECT_EQ(g.layout.PlaceOf(g.table, i).top, (i / 8) * 15 + 15);

  // New reshuffles with the clock.
  g.table.Deal(DealKind::kNew);
  Game k(1800000000);
  k.Deal();
  EXPECT_EQ(Identities(g.table), Identities(k.table));
}

TEST(GameFlow, OnlyYesAbandonsAGame) {
  Game g;
  DealWithMoves(g);
  const auto before = Identities(g.table);
  g.table.course.hints_left = 1;
  g.host.QueueAnswer(false);  // No, Esc or closing the question
  g.host.SetNow(1800000000);
  g.table.Deal(DealKind::kNew);
  EXPECT_EQ(Identities(g.table), before);
  EXPECT_EQ(g.table.course.results, Results{});
  EXPECT_EQ(g.table.course.hints_left, 1);
  EXPECT_EQ(g.table.course.game_state, GameState::kInProgress);
  // Over, a game deals again without asking.
  g.table.NoMoreMoves();
  g.table.Deal(DealKind::kNew);
  EXPECT_EQ(g.host.questions.size(), 1u);
  EXPECT_EQ(g.table.course.results.losses, 1);
  EXPECT_EQ(g.table.course.hints_left, 3);
  EXPECT_EQ(ControlsOf(g.table).give_hint_caption, "Give &Hint (3)");
}

TEST(GameFlow, ADealNeverKeepsUndo) {
  Game g;
  DealWithMoves(g);
  // Play until a move leaves Undo enabled (one that turns nothing over).
  while (!g.table.course.undo_enabled) ASSERT_TRUE(PlayAnyMove(g));
  g.table.Deal(DealKind::kRedeal);
  EXPECT_FALSE(g.table.course.undo_enabled);
}

TEST(GameFlow, ThreeHintsThenNoHintsLeft) {
  Game g;
  DealWithMoves(g);
  Table& t = g.table;
  for (int n = 2; n >= 0; --n) {
    g.host.SetNow(1700000100 + static_cast<std::uint32_t>(n));
    t.GiveHint();
    EXPECT_EQ(t.course.hints_left, n);
    EXPECT_EQ(ControlsOf(t).give_hint_caption, "Give &Hint (" + std::to_string(n) + ")");
    EXPECT_FALSE(t.images[t.course.hint_card].visible);
    t.EndHintBlink();
    EXPECT_TRUE(t.images[t.course.hint_card].visible);
    EXPECT_FALSE(g.host.timer_running);
  }
  t.GiveHint();
  EXPECT_EQ(g.host.messages, std::vector<std::string>{"No hints left!"});
  EXPECT_EQ(ControlsOf(t).give_hint_caption, "Give &Hint (0)");
  for (const Image& image : t.images) EXPECT_TRUE(image.visible);
}

TEST(GameFlow, ANewHintEndsTheRunningBlink) {
  // Two hints in different seconds that pick different cards, the second before the first blink ends.
  for (std::uint32_t second = 1700000000; second < 1700000400; ++second) {
    Game g(1700000000);
    g.Deal();
    if (g.table.count.raw_moves < 2) continue;
    g.host.SetNow(second);
    g.table.GiveHint();
    const int first = g.table.course.hint_card;
    g.host.SetNow(second + 1);
    g.table.GiveHint();
    if (g.table.course.hint_card == first) continue;
    EXPECT_TRUE(g.table.images[first].visible) << "the first hinted card stays hidden";
    EXPECT_FALSE(g.table.images[g.table.course.hint_card].visible);
    g.table.EndHintBlink();
    for (const Image& image : g.table.images) EXPECT_TRUE(image.visible);
    return;
  }
  FAIL() << "no pair of different hints found";
}

TEST(GameFlow, HintsAndListingDoNothingBeforeADealOrWithoutMoves) {
  Game g;
  g.table.GiveHint();
  g.table.ShowAllMoves();
  EXPECT_TRUE(g.host.messages.empty());
  EXPECT_EQ(g.table.course.hints_left, 3);
  g.Deal();
  LayOut(g.table, {{"9D"}, {"5C"}, {"KS"}, {"2H"}, {}, {"JC"}, {"4S"}, {"7H"}});
  ASSERT_EQ(g.table.count.num_moves, 0);
  g.table.GiveHint();
  EXPECT_EQ(g.table.course.hints_left, 3);
  EXPECT_FALSE(g.host.timer_running);
}

TEST(GameFlow, EndsOfGamesAndStreaks) {
  Game g;
  DealWithMoves(g);
  Table& t = g.table;
  t.NoMoreMoves();
  t.NoMoreMoves();  // a further end is ignored
  EXPECT_EQ(g.host.messages, std::vector<std::string>{"No More Moves!"});
  EXPECT_EQ(g.host.beeps, 1);
  EXPECT_EQ(t.course.game_state, GameState::kOver);
  t.YouWin();
  EXPECT_EQ(t.course.results.wins, 0);
  g.Deal();
  t.YouWin();
  EXPECT_EQ(g.host.messages.back(), "You Win!");
  EXPECT_EQ(t.course.results, (Results{1, 1, kStreakWins, 1, 1, 1}));
  EXPECT_FALSE(t.course.undo_enabled);

  Results r;
  RecordResult(r, r.losses, kStreakLosses);
  RecordResult(r, r.losses, kStreakLosses);
  EXPECT_EQ(r, (Results{0, 2, kStreakLosses, 2, 0, 2}));
  RecordResult(r, r.wins, kStreakWins);
  RecordResult(r, r.losses, kStreakLosses);
  EXPECT_EQ(r, (Results{1, 3, kStreakLosses, 1, 1, 2}));

  // A store may hold the largest 32-bit counts: they stay there instead of overflowing.
  Results full{INT32_MAX, 5, kStreakWins, INT32_MAX, INT32_MAX, 1};
  RecordResult(full, full.wins, kStreakWins);
  EXPECT_EQ(full, (Results{INT32_MAX, 5, kStreakWins, INT32_MAX, INT32_MAX, 1}));
}

TEST(GameFlow, ADealWithoutMovesIsLostAtOnce) {
  // The deal of this second offers nothing; it ends before the player can touch it.
  Game g(1700009524);
  g.Deal();
  EXPECT_EQ(g.table.count.num_moves, 0);
  EXPECT_EQ(g.table.course.game_state, GameState::kOver);
  EXPECT_EQ(g.host.messages, std::vector<std::string>{"No More Moves!"});
  EXPECT_EQ(g.host.beeps, 1);
  EXPECT_EQ(g.table.course.results, (Results{0, 1, kStreakLosses, 1, 0, 1}));
}

}  // namespace
}  // namespace vantrel::testing
