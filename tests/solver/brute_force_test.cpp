// Small crafted positions decided two ways: by the solver, and by trying every drop the game core accepts.
#include <gtest/gtest.h>

#include "../test_seed.h"
#include "solver/dead_end.h"
#include "solver/solver.h"
#include "support.h"

namespace vantrel::solver_testing {
namespace {

using solver::Limits;
using solver::Result;
using solver::Solver;
using solver::Verdict;

std::string Describe(const Layout& layout) {
  std::string text;
  for (const auto& column : layout.columns) {
    text += "[";
    for (const std::string& card : column) text += card + " ";
    text += "] ";
  }
  text += "reserve:";
  for (const std::string& card : layout.reserve) text += " " + card;
  return text;
}

TEST(BruteForce, CraftedPositionsAgree) {
  VANTREL_RANDOM_SEED(seed);
  std::mt19937 rng(seed);
  Limits proving;
  Limits plain;
  plain.prove_dead_ends = false;
  Solver with_proofs(proving);
  Solver without(plain);
  int winnable = 0;
  int unwinnable = 0;
  int proved_at_once = 0;
  for (int k = 0; k < 100; ++k) {
    const Layout layout = RandomLayout(rng, 3 + static_cast<int>(rng() % 7));
    Game game;
    game.Deal();
    try {
      LayOut(game, layout.columns, layout.reserve);
    } catch (const std::invalid_argument&) {
      continue;  // too few cards to fill the reserve row's slots as a real game would
    }
    SCOPED_TRACE(Describe(layout));
    const Position start = game.table.position;
    const Result a = with_proofs.Solve(start);
    const Result b = without.Solve(start);
    bool exhausted = false;
    const bool brute = BruteForceWinnable(game, 200000, &exhausted);
    if (exhausted) continue;
    ASSERT_NE(a.verdict, Verdict::kUnknown);
    EXPECT_EQ(a.verdict, brute ? Verdict::kWinnable : Verdict::kUnwinnable);
    EXPECT_EQ(b.verdict, a.verdict);
    if (!brute) {
      ++unwinnable;
      if (a.nodes == 1) ++proved_at_once;  // not lost at once, and proved lost before any drop was tried
      continue;
    }
    ++winnable;
    Game replay;
    replay.Deal();
    LayOut(replay, layout.columns, layout.reserve);
    for (const Drop& drop : a.moves) DropThroughCore(replay, drop);
    EXPECT_TRUE(SaidYouWin(replay.host));
  }
  EXPECT_GT(winnable, 15);
  EXPECT_GT(unwinnable, 15);
  EXPECT_GT(proved_at_once, 5);
  std::cout << winnable << " winnable, " << unwinnable << " unwinnable (" << proved_at_once
            << " proved without a search)\n";
}

}  // namespace
}  // namespace vantrel::solver_testing
