// Solving deals: every winnable answer replays through the game to "You Win!", verdicts agree with a plain
// search that proves nothing, and the limits turn a search into an unknown answer.
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

// Replays the drops through the core: the game must go on until the last drop and end in "You Win!" there.
void ExpectReplayWins(Game& game, const std::vector<Drop>& moves) {
  ASSERT_FALSE(moves.empty());
  for (std::size_t k = 0; k < moves.size(); ++k) {
    ASSERT_EQ(game.table.course.game_state, GameState::kInProgress) << "before drop " << k;
    ASSERT_TRUE(game.table.IsValidMove(moves[k])) << "drop " << FormatDrop(moves[k]);
    DropThroughCore(game, moves[k]);
  }
  EXPECT_EQ(game.table.course.game_state, GameState::kOver);
  EXPECT_EQ(game.host.messages, std::vector<std::string>{"You Win!"});
}

// A winnable answer's drops win the game itself; a solver asked for verdicts only searches alike and keeps
// no drops.
TEST(Solve, WinnableAnswersReplayToYouWin) {
  Limits limits;
  limits.max_seconds = 10;
  Solver solver(limits);
  Solver verdicts_only(Limits{.max_seconds = 10, .record_moves = false});
  int winnable = 0;
  int unwinnable = 0;
  for (std::uint32_t seed = 1700000000; seed < 1700000400; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    const Result r = solver.SolveDeal(seed);
    ASSERT_NE(r.verdict, Verdict::kUnknown);
    const Result v = verdicts_only.SolveDeal(seed);
    EXPECT_EQ(v.verdict, r.verdict);
    EXPECT_EQ(v.nodes, r.nodes);
    EXPECT_TRUE(v.moves.empty());
    if (r.verdict == Verdict::kWinnable) {
      ++winnable;
      Game game(seed);
      game.Deal();
      ExpectReplayWins(game, r.moves);
    } else {
      ++unwinnable;
      EXPECT_TRUE(r.moves.empty());
    }
  }
  EXPECT_GT(winnable, 100);
  EXPECT_GT(unwinnable, 100);
}

// The proofs of lost positions must never call a winnable position lost: wherever a plain search that
// proves nothing finishes, it must come to the same verdict. Positions a few random drops into a deal have
// fewer cards left to place, so the plain search often finishes there, lost positions included.
TEST(Solve, VerdictsAgreeWithPlainSearch) {
  VANTREL_RANDOM_SEED(seed);
  std::mt19937 rng(seed);
  Limits proving;
  proving.max_seconds = 10;
  Limits plain;
  plain.max_nodes = 4000;
  plain.prove_dead_ends = false;
  Solver with_proofs(proving);
  Solver without(plain);
  int compared_unwinnable = 0;
  int compared_winnable = 0;
  for (int k = 0; k < 300; ++k) {
    const std::uint32_t deal = 1700000000u + rng() % 100000000u;
    Position p = Position::Deal(deal);
    const int steps = static_cast<int>(rng() % 40);
    std::string path;
    for (int step = 0; step < steps && p.Judge() == Outcome::kGoesOn; ++step) {
      MoveList moves;
      p.Moves(moves);
      if (moves.size() == 0) break;
      const Move m = moves[static_cast<int>(rng() % static_cast<unsigned>(moves.size()))];
      path += FormatDrop(p.ToDrop(m)) + " ";
      p.Apply(m);
    }
    if (p.Judge() != Outcome::kGoesOn) continue;
    SCOPED_TRACE("deal " + std::to_string(deal) + " after " + path);
    const Result a = with_proofs.Solve(p);
    const Result b = without.Solve(p);
    ASSERT_NE(a.verdict, Verdict::kUnknown);
    if (b.verdict == Verdict::kUnknown) continue;
    EXPECT_EQ(a.verdict, b.verdict);
    (b.verdict == Verdict::kWinnable ? compared_winnable : compared_unwinnable) += 1;
  }
  EXPECT_GT(compared_winnable, 30);
  EXPECT_GT(compared_unwinnable, 30);
}

TEST(Solve, LimitsGiveUnknown) {
  // A deal that takes the search more than a thousand positions.
  const std::uint32_t seed = 1700260619;
  Limits open;
  const Result full = Solver(open).SolveDeal(seed);
  ASSERT_EQ(full.verdict, Verdict::kWinnable);
  ASSERT_GT(full.nodes, 1000u);

  Limits few;
  few.max_nodes = 10;
  const Result cut = Solver(few).SolveDeal(seed);
  EXPECT_EQ(cut.verdict, Verdict::kUnknown);
  EXPECT_TRUE(cut.moves.empty());
  EXPECT_LE(cut.nodes, 10u + 1);
  EXPECT_FALSE(cut.cancelled);

  std::atomic<bool> cancel{true};
  Limits stopped;
  stopped.cancel = &cancel;
  const Result r = Solver(stopped).SolveDeal(seed);
  EXPECT_EQ(r.verdict, Verdict::kUnknown);
  EXPECT_TRUE(r.cancelled);

  // A solver used again after a cut-off search starts afresh: the next deal fits in its limit.
  Limits hundred;
  hundred.max_nodes = 100;
  Solver again(hundred);
  EXPECT_EQ(again.SolveDeal(seed).verdict, Verdict::kUnknown);
  const Result next = again.SolveDeal(1700000004);
  EXPECT_EQ(next.verdict, Verdict::kWinnable);
  EXPECT_LT(next.nodes, 100u);
}

// Positions laid out by hand: a win one drop away, a position whose count is already 0, and one that is lost
// because a face-down King can never turn over.
TEST(Solve, CraftedPositions) {
  const std::vector<std::string> spades = {"KS", "QS", "JS", "10S", "9S", "8S", "7S",
                                           "6S", "5S", "4S", "3S",  "2S", "AS"};
  const std::vector<std::string> clubs = {"KC", "QC", "JC", "10C", "9C", "8C", "7C",
                                          "6C", "5C", "4C", "3C",  "2C", "AC"};
  const std::vector<std::string> diamonds = {"KD", "QD", "JD", "10D", "9D", "8D", "7D",
                                             "6D", "5D", "4D", "3D",  "2D", "AD"};
  {
    Game game;
    game.Deal();
    LayOut(
        game,
        {spades, clubs, diamonds, {"KH", "QH", "JH", "10H", "9H", "8H", "7H", "6H", "5H", "4H", "3H", "2H"}},
        {"AH"});
    const Result r = Solver(Limits{}).Solve(game.table.position);
    ASSERT_EQ(r.verdict, Verdict::kWinnable);
    ASSERT_EQ(r.moves.size(), 1u);
    ExpectReplayWins(game, r.moves);
  }
  {
    // The two of hearts lies face down with the Ace on it: one drop would win, but no face-up card can
    // move, so the count is 0 and the game is already over.
    Game game;
    game.Deal();
    LayOut(game, {spades,
                  clubs,
                  diamonds,
                  {"KH", "QH", "JH", "10H", "9H", "8H", "7H", "6H", "5H", "4H", "3H"},
                  {"2H*", "AH"}});
    ASSERT_EQ(game.table.count.num_moves, 0);
    const Result r = Solver(Limits{}).Solve(game.table.position);
    EXPECT_EQ(r.verdict, Verdict::kUnwinnable);
    EXPECT_EQ(r.nodes, 0u);
  }
  {
    // The King of hearts lies face down with its Queen on it: the Queen never leaves, the King never turns.
    Game game;
    game.Deal();
    LayOut(game,
           {spades,
            clubs,
            diamonds,
            {"KH*", "QH", "JH", "10H", "9H", "8H", "7H", "6H", "5H", "4H", "3H"},
            {"2H"}},
           {"AH"});
    const Result r = Solver(Limits{}).Solve(game.table.position);
    EXPECT_EQ(r.verdict, Verdict::kUnwinnable);
    EXPECT_LE(r.nodes, 1u);  // proved, not searched
    bool exhausted = false;
    EXPECT_FALSE(BruteForceWinnable(game, 100000, &exhausted));
    EXPECT_FALSE(exhausted);
  }
}

// A proof that starts from the demands proved for the position before a drop is as sound as one that
// starts afresh: whatever it proves lost, a plain search finds no win in. Along random lines of real deals.
TEST(Solve, ProofsFromAnEarlierPositionsDemandsAreSound) {
  VANTREL_RANDOM_SEED(seed);
  std::mt19937 rng(seed);
  Solver search(Limits{.max_nodes = 20000, .prove_dead_ends = false});
  int proved_dead = 0;
  int checked = 0;
  for (int k = 0; k < 1000; ++k) {
    const std::uint32_t deal = 1700000000u + rng() % 100000000u;
    Position p = Position::Deal(deal);
    std::array<std::uint64_t, kDeck> known{};
    if (solver::ProvedDead(p, &known)) continue;
    for (int step = 0; step < 60 && p.Judge() == Outcome::kGoesOn; ++step) {
      MoveList moves;
      p.Moves(moves);
      p.Apply(moves[static_cast<int>(rng() % static_cast<unsigned>(moves.size()))]);
      std::array<std::uint64_t, kDeck> before{};
      if (!solver::ProvedDead(p, known, &before)) {
        known = before;
        continue;
      }
      ++proved_dead;
      SCOPED_TRACE("deal " + std::to_string(deal) + " after " + std::to_string(step + 1) + " drops");
      const Result r = search.Solve(p);
      if (r.verdict != Verdict::kUnknown) ++checked;
      EXPECT_NE(r.verdict, Verdict::kWinnable);
      break;
    }
  }
  EXPECT_GT(checked, 30) << "of " << proved_dead << " proved lost";
}

// The cheap stage of the proof, said plainly: a card not yet settled waits for the card lying on its target
// (or for its target, in the reserve row), transitively; the position is lost at once when a card would wait
// for itself, when nothing still to be dropped lies between a card and its own target above it, when a King
// must go to an empty column and no column's head can go, or when a face-down King lies under its own
// Queen. Along random lines of real deals, the proof's verdict and its closed demands are the plain ones.
TEST(Solve, TheCheapStageIsThePlainClosureOfTheDirectDemands) {
  VANTREL_RANDOM_SEED(seed);
  std::mt19937 rng(seed);
  int lost = 0;
  int open = 0;
  for (int k = 0; k < 300; ++k) {
    Position p = Position::Deal(static_cast<std::uint32_t>(rng()));
    for (int step = 0; step < 60 && p.Judge() == Outcome::kGoesOn; ++step) {
      std::uint64_t settled = 0;
      std::uint64_t heads = 0;
      std::array<int, kDeck> above;
      above.fill(-1);
      for (int c = 0; c < kColumns; ++c) {
        if (p.height(c) == 0) continue;
        heads |= Bit(p.at(c, 0));
        if (IsKing(p.at(c, 0))) settled |= Bit(p.at(c, 0));
        for (int row = 1; row < p.height(c); ++row) {
          above[p.at(c, row - 1)] = p.at(c, row);
          if (p.at(c, row - 1) == p.at(c, row) + 1 && !IsKing(p.at(c, row))) settled |= Bit(p.at(c, row));
        }
      }
      const std::uint64_t to_drop = ~settled & (Bit(kDeck) - 1);
      std::array<std::uint64_t, kDeck> waits{};
      bool dead = (heads & to_drop) == 0 && (to_drop & kKings) != 0 && p.empty_columns() == 0;
      for (int y = 0; y < kDeck; ++y) {
        if (IsKing(y)) dead |= p.face_down(y) && above[y] >= 0 && !(to_drop >> above[y] & 1);
        if (!(to_drop >> y & 1) || IsKing(y)) continue;
        if (p.column_of(y + 1) >= kColumns) waits[y] = Bit(y + 1);
        if (p.column_of(y + 1) < kColumns && above[y + 1] >= 0) waits[y] = Bit(above[y + 1]);
        if (p.column_of(y) < kColumns && p.column_of(y) == p.column_of(y + 1) &&
            p.row_of(y) < p.row_of(y + 1)) {
          std::uint64_t between = 0;
          for (int row = p.row_of(y) + 1; row <= p.row_of(y + 1); ++row)
            between |= Bit(p.at(p.column_of(y), row));
          dead |= (between & to_drop) == 0;
        }
      }
      for (bool grew = true; grew;) {
        grew = false;
        for (std::uint64_t& w : waits) {
          std::uint64_t more = w;
          for (int x = 0; x < kDeck; ++x) more |= (w >> x & 1) ? waits[x] : 0;
          grew |= more != w;
          w = more;
        }
      }
      for (int y = 0; y < kDeck; ++y) dead |= (waits[y] >> y & 1) != 0;
      const solver::DeadEndProof proof(p);
      ASSERT_EQ(proof.dead(), dead) << "position " << p.Canonical();
      if (!dead) {
        for (int y = 0; y < kDeck; ++y) ASSERT_EQ(proof.before()[y], waits[y]) << "card " << y;
      }
      (dead ? lost : open) += 1;
      MoveList moves;
      p.Moves(moves);
      p.Apply(moves[static_cast<int>(rng() % static_cast<unsigned>(moves.size()))]);
    }
  }
  EXPECT_GT(lost, 3000);
  EXPECT_GT(open, 3000);
}

// A proof carried over from the proof of the position before the drop (only what the drop changed looked at
// again) proves exactly what a proof from that position's demands proves, demand for demand. Along random
// lines of real deals, each position proved both ways from its parent's whole proof.
TEST(Solve, AProofCarriedOverADropIsTheProofMadeAfresh) {
  VANTREL_RANDOM_SEED(seed);
  std::mt19937 rng(seed);
  int dead = 0;
  int alive = 0;
  for (int k = 0; k < 1000; ++k) {
    const std::uint32_t deal = rng();
    Position p = Position::Deal(deal);
    solver::DeadEndProof parent(p);
    if (parent.dead() || parent.Narrow()) continue;
    for (int step = 0; step < 60 && p.Judge() == Outcome::kGoesOn; ++step) {
      MoveList moves;
      p.Moves(moves);
      const Undo u = p.Apply(moves[static_cast<int>(rng() % static_cast<unsigned>(moves.size()))]);
      SCOPED_TRACE("deal " + std::to_string(deal) + " after " + std::to_string(step + 1) + " drops");
      const solver::DeadEndProof carried(parent, p, u);
      solver::DeadEndProof afresh(p, parent.before());
      ASSERT_EQ(carried.dead(), afresh.dead() || afresh.Narrow());
      if (carried.dead()) {
        ++dead;
        break;
      }
      for (int y = 0; y < kDeck; ++y) ASSERT_EQ(carried.before()[y], afresh.before()[y]) << "card " << y;
      ++alive;
      parent = carried;
    }
  }
  EXPECT_GT(dead, 40);
  EXPECT_GT(alive, 10000);
}

// Two things the search learns once, at the start, hold in every position after it: the demands a layout
// makes directly are among the start's (so a proof from an earlier position's demands needs only the new
// choices), and a card lying on a face-down card stays on it until it is dropped itself (so the drops that
// turn a card over are known from the start). Along random lines of real deals.
TEST(Solve, WhatTheSearchLearnsAtTheStartHoldsAlongEveryLine) {
  VANTREL_RANDOM_SEED(seed);
  std::mt19937 rng(seed);
  auto on_face_down = [](const Position& p) {
    std::uint64_t cards = 0;
    for (int c = 0; c < kColumns; ++c) {
      for (int row = 1; row < p.height(c); ++row)
        cards |= p.face_down(p.at(c, row - 1)) ? Bit(p.at(c, row)) : 0;
    }
    return cards;
  };
  int compared = 0;
  for (int k = 0; k < 300; ++k) {
    const std::uint32_t deal = rng();
    Position p = Position::Deal(deal);
    const solver::DeadEndProof start(p);
    const std::uint64_t start_on_face_down = on_face_down(p);
    for (int step = 0; step < 60 && p.Judge() == Outcome::kGoesOn; ++step) {
      MoveList moves;
      p.Moves(moves);
      p.Apply(moves[static_cast<int>(rng() % static_cast<unsigned>(moves.size()))]);
      SCOPED_TRACE("deal " + std::to_string(deal) + " after " + std::to_string(step + 1) + " drops");
      ASSERT_EQ(on_face_down(p) & ~p.moved(), start_on_face_down & ~p.moved());
      const solver::DeadEndProof here(p);
      if (start.dead() || here.dead()) continue;
      for (int y = 0; y < kDeck; ++y) ASSERT_EQ(here.before()[y] & ~start.before()[y], 0u) << "card " << y;
      ++compared;
    }
  }
  EXPECT_GT(compared, 1000);
}

}  // namespace
}  // namespace vantrel::solver_testing
