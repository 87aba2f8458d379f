// The solver's position against the game core on layouts reached by random play: the same drops are
// accepted, a drop changes both alike, and both count moves and judge the game alike.
#include "solver/position.h"

#include <gtest/gtest.h>

#include <map>

#include "../test_seed.h"
#include "support.h"

namespace vantrel::solver_testing {
namespace {

using solver::Move;
using solver::MoveList;
using solver::Outcome;
using solver::Position;

std::set<std::pair<int, int>> SolverDrops(const Position& p, bool all) {
  MoveList moves;
  p.Moves(moves, all);
  std::set<std::pair<int, int>> drops;
  for (const Move m : moves) {
    const Drop d = p.ToDrop(m);
    drops.emplace(d.moved, d.target);
  }
  return drops;
}

// Plays random drops the core accepts (face-down cards included) and checks the solver's view after each.
TEST(Position, AgreesWithTheCoreAlongRandomPlay) {
  VANTREL_RANDOM_SEED(seed);
  std::mt19937 rng(seed);
  int positions = 0;
  int drops_checked = 0;
  for (int game_index = 0; game_index < 25; ++game_index) {
    Game game(1700000000u + rng() % 100000000u);
    game.Deal();
    for (int step = 0; step < 70; ++step) {
      const Position p = Position::FromTable(game.table);
      ++positions;
      const auto core = CoreDrops(game.table);
      ASSERT_EQ(SolverDrops(p, true), core) << "at step " << step << ": " << p.Canonical();

      // The drops the search makes reach every layout any accepted drop reaches.
      std::set<std::string> pruned_results;
      MoveList pruned;
      p.Moves(pruned, false);
      for (const Move m : pruned) {
        Position q = p;
        q.Apply(m);
        pruned_results.insert(q.Canonical());
      }
      MoveList all;
      p.Moves(all, true);
      for (const Move m : all) {
        Position q = p;
        q.Apply(m);
        EXPECT_TRUE(pruned_results.contains(q.Canonical()) || q.Canonical() == p.Canonical());
      }

      // Counting and judging as the core did after the last drop (or the deal).
      const solver::MoveCount count = p.CountMoves();
      EXPECT_EQ(count.raw, game.table.count.raw_moves);
      EXPECT_EQ(count.num, game.table.count.num_moves);
      if (core.empty()) break;

      // One drop made both ways.
      auto it = core.begin();
      std::advance(it, static_cast<long>(rng() % core.size()));
      const Drop drop{it->first, it->second};
      Position q = p;
      Move move{};
      bool found = false;
      for (const Move m : all) {
        if (p.ToDrop(m) == drop) {
          move = m;
          found = true;
        }
      }
      ASSERT_TRUE(found);
      ASSERT_TRUE(p.Accepts(move));
      const bool was_over = game.table.course.game_state == GameState::kOver;
      const std::size_t messages = game.host.messages.size();
      const solver::Undo undo = q.Apply(move);
      DropThroughCore(game, drop);
      ++drops_checked;
      const Position after = Position::FromTable(game.table);
      ASSERT_EQ(q.Canonical(), after.Canonical()) << "after " << FormatDrop(drop);
      EXPECT_EQ(q.face_down_set(), after.face_down_set());
      if (!was_over) {
        const Outcome outcome = q.Judge();
        EXPECT_EQ(outcome == Outcome::kWon, SaidYouWin(game.host) && game.host.messages.size() > messages);
        EXPECT_EQ(outcome != Outcome::kGoesOn, game.table.course.game_state == GameState::kOver);
      }
      // Taking the drop back restores the position exactly.
      Position back = q;
      back.Revert(undo);
      EXPECT_EQ(back.Canonical(), p.Canonical());
      EXPECT_EQ(back.moved(), p.moved());
    }
  }
  EXPECT_GT(positions, 500);
  EXPECT_GT(drops_checked, 500);
}

// The search keys a position by the set of cards moved since it started. Different orders of drops that
// move the same cards must leave the same layout, up to which column is which.
TEST(Position, SameMovedCardsMeanTheSameLayout) {
  VANTREL_RANDOM_SEED(seed);
  std::mt19937 rng(seed);
  int met_again = 0;
  for (int deal = 0; deal < 4; ++deal) {
    const std::uint32_t deal_seed = 1700000000u + rng() % 100000000u;
    std::map<std::uint64_t, std::pair<std::string, std::string>> seen;  // key -> (layout, path)
    for (int game_index = 0; game_index < 150; ++game_index) {
      Game game(deal_seed);
      game.Deal();
      Position tracked = Position::FromTable(game.table);
      std::string path;
      for (int step = 0; step < 8 && game.table.course.game_state == GameState::kInProgress; ++step) {
        MoveList moves;
        tracked.Moves(moves, false);  // the drops the search makes
        if (moves.count == 0) break;
        const Move m = moves.moves[rng() % static_cast<unsigned>(moves.count)];
        const Drop drop = tracked.ToDrop(m);
        path += FormatDrop(drop) + " ";
        tracked.Apply(m);
        DropThroughCore(game, drop);
        const std::string layout = Position::FromTable(game.table).Canonical();
        ASSERT_EQ(tracked.Canonical(), layout) << path;
        const auto [it, fresh] = seen.emplace(tracked.moved(), std::make_pair(layout, path));
        if (!fresh && it->second.second != path) {
          ++met_again;
          EXPECT_EQ(it->second.first, layout) << "paths " << it->second.second << "and " << path;
        }
      }
    }
  }
  EXPECT_GT(met_again, 50);  // the check must really have compared different orders
}

}  // namespace
}  // namespace vantrel::solver_testing
