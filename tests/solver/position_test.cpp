// The game's position as the search uses it, along random play: a drop taken back restores the position
// exactly, the move list after a drop follows from the one before it, and the set of moved cards is the
// position's exact key.
#include "table/position.h"

#include <gtest/gtest.h>

#include <map>

#include "../test_seed.h"
#include "support.h"

namespace vantrel::solver_testing {
namespace {

// The same drops, counted alike column by column (not only in total).
bool SameMoves(const MoveList& a, const MoveList& b) {
  if (a.fits != b.fits || a.counted_fits != b.counted_fits || a.empty != b.empty ||
      a.king_heads != b.king_heads || a.face_up_kings != b.face_up_kings)
    return false;
  for (int i = 0; i < a.size(); ++i) {
    if (!(a[i] == b[i])) return false;
  }
  return true;
}

TEST(Position, DropsTakenBackAndMoveListsFollowAlongRandomPlay) {
  VANTREL_RANDOM_SEED(seed);
  std::mt19937 rng(seed);
  int drops = 0;
  for (int deal = 0; deal < 300; ++deal) {
    Position p = Position::Deal(static_cast<std::uint32_t>(rng()));
    MoveList moves;
    p.Moves(moves);
    for (int step = 0; step < 80 && moves.size() > 0; ++step) {
      const Move m = moves[static_cast<int>(rng() % static_cast<unsigned>(moves.size()))];
      ASSERT_TRUE(p.Accepts(m));
      const Position before = p;
      const Undo undo = p.Apply(m);
      ++drops;
      MoveList after;
      p.MovesAfter(moves, undo, after);
      p.Moves(moves);
      ASSERT_TRUE(SameMoves(after, moves)) << "deal " << deal << " step " << step << ": " << p.Canonical();
      Position back = p;
      back.Revert(undo);
      ASSERT_EQ(back, before) << "deal " << deal << " step " << step;
    }
  }
  EXPECT_GT(drops, 10000);
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
      Position p = Position::Deal(deal_seed);
      std::string path;
      for (int step = 0; step < 8 && p.Judge() == Outcome::kGoesOn; ++step) {
        MoveList moves;
        p.Moves(moves);
        // The drops the search makes: never a King heading a column to an empty one.
        std::vector<Move> changing;
        for (int i = 0; i < moves.size(); ++i) {
          const Move m = moves[i];
          if (p.height(m.to) != 0 || p.column_of(m.card) >= kColumns || p.row_of(m.card) != 0) {
            changing.push_back(m);
          }
        }
        if (changing.empty()) break;
        const Move m = changing[rng() % changing.size()];
        path += FormatDrop(p.ToDrop(m)) + " ";
        p.Apply(m);
        const auto [it, fresh] = seen.emplace(p.moved(), std::make_pair(p.Canonical(), path));
        if (!fresh && it->second.second != path) {
          ++met_again;
          EXPECT_EQ(it->second.first, p.Canonical()) << "paths " << it->second.second << "and " << path;
        }
      }
    }
  }
  EXPECT_GT(met_again, 50);  // the check must really have compared different orders
}

}  // namespace
}  // namespace vantrel::solver_testing
