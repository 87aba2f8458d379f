// The search: depth first over drops, best-looking first, remembering the positions that cannot be won.
#include "solver/solver.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <memory>

#include "solver/dead_end.h"

namespace vantrel::solver {
namespace {

double Now() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// What a drop of `card` is worth for where the card lies now: emptying a column 24, less half the card's
// row; leaving the reserve row nothing. (Without branches: see Position::Moves.)
int Placing(const Position& p, int card) {
  const int from = p.column_of(card);
  const int row = p.row_of(card);
  const int in_column = 24 * static_cast<int>((row == 0) & !IsKing(card)) - row / 2;
  return from < kColumns ? in_column : 0;
}

}  // namespace

std::string_view VerdictName(Verdict verdict) {
  switch (verdict) {
    case Verdict::kWinnable:
      return "winnable";
    case Verdict::kUnwinnable:
      return "unwinnable";
    case Verdict::kUnknown:
      break;
  }
  return "unknown";
}

Solver::Solver(const Limits& limits)
    : limits_(limits), table_(limits.max_table_bytes), proofs_(static_cast<std::size_t>(kDeck) + 1) {}

std::uint64_t Solver::NextCheck() const {
  const std::uint64_t next = nodes_ + kCheckEvery;
  return limits_.max_nodes != 0 ? std::min(next, limits_.max_nodes) : next;
}

bool Solver::ShouldStop() {
  if (limits_.cancel && limits_.cancel->load(std::memory_order_relaxed)) cancelled_ = true;
  if (limits_.max_nodes != 0 && nodes_ >= limits_.max_nodes) stopped_ = true;
  if (limits_.max_seconds > 0 && Now() - started_ >= limits_.max_seconds) stopped_ = true;
  stopped_ = stopped_ || cancelled_;
  return stopped_;
}

Result Solver::Solve(Position p) {
  table_.Clear();
  nodes_ = 0;
  // The limits are looked at every kCheckEvery positions, and at the node limit, which holds exactly: most
  // deals are decided long before the first look, and reading the clock costs as much as a position.
  next_check_ = NextCheck();
  stopped_ = false;
  cancelled_ = limits_.cancel && limits_.cancel->load(std::memory_order_relaxed);
  thorough_ = false;
  started_ = Now();
  path_length_ = 0;

  Result result;
  MoveList moves;
  p.Moves(moves);
  const Outcome first = p.Judge(moves);
  bool won = first == Outcome::kWon;
  if (first == Outcome::kGoesOn && !cancelled_) won = SearchRoot(p, moves);
  stopped_ = stopped_ || cancelled_;
  result.nodes = nodes_;
  result.seconds = Now() - started_;
  result.cancelled = cancelled_;
  result.table_bytes = table_.peak_bytes();
  if (won) {
    result.verdict = Verdict::kWinnable;
    if (limits_.record_moves) result.moves.assign(path_.begin(), path_.begin() + path_length_);
  } else {
    result.verdict = stopped_ ? Verdict::kUnknown : Verdict::kUnwinnable;
  }
  return result;
}

void Solver::SetRootDemands(const Demands& before) {
  // The demands found at the start hold for every line from it: a card that some card still open must
  // precede cannot be dropped yet, at any depth. How many cards wait for a drop tells its urgency.
  merit_.fill(64);
  WaitingCounts(before).AddTo(merit_, 8);
}

bool Solver::SearchRoot(Position& p, const MoveList& moves) {
  ++nodes_;
  if (!limits_.prove_dead_ends) {
    static constexpr Demands kNone{};
    SetRootDemands(kNone);
    return Expand(p, moves, 0, {&kNone, nullptr, {}});
  }
  // Most deals the proof's cheap part leaves open are won along the first line tried, ordered by what it
  // found; finishing the proof first would cost more than it saves. So that line is tried first, and given
  // up at its first dead end, keeping nothing: only then is the start's proof finished and the search begun
  // again, ordered by all the demands found.
  DeadEndProof& proof = *std::construct_at(&proofs_[0], p);
  if (proof.dead() || proof.NarrowChoices()) return false;
  SetRootDemands(proof.before());
  trial_ = true;
  given_up_ = false;
  const bool won = Expand(p, moves, 0, {&proof.before(), nullptr, {}});
  trial_ = false;
  if (!given_up_) return won;  // won, or stopped
  given_up_ = false;
  if (proof.Narrow()) return false;
  SetRootDemands(proof.before());
  return Expand(p, moves, 0, {&proof.before(), &proof, {}});
}

bool Solver::Search(Position& p, const MoveList& moves, int depth, const Arrival& arrival) {
  // The clock is read every kCheckEvery positions; the node limit holds exactly.
  if (nodes_ >= next_check_) {
    next_check_ = NextCheck();
    if (ShouldStop()) return false;
  }
  ++nodes_;
  return Expand(p, moves, depth, arrival);
}

bool Solver::Expand(Position& p, const MoveList& moves, int depth, const Arrival& arrival) {
  // The drops worth making: a card that a card still open must precede cannot go yet, and a drop whose
  // result was searched already is known by its key before it is made.
  const std::uint64_t moved = p.moved();
  // Drops are ordered by the start's demands everywhere. Most winnable deals are won along the first line
  // tried, whose positions are not proved. Once a line has failed, every position is proved before its
  // drops are tried, starting from the demands known for the line so far (a position's demands hold for
  // every position after it): a position of the first line when the search comes back to it, any other
  // before it is expanded. Its own demands then screen its drops and go on down the line. A position whose
  // parent was proved (the start once its proof is finished) is proved from the parent's proof, looking
  // again only at what the drop changed.
  const Demands* demands = arrival.known;
  const DeadEndProof* proof = depth == 0 ? arrival.proof : nullptr;
  const bool may_prove = depth > 0 && limits_.prove_dead_ends;
  auto prove = [&] {  // false when the position is lost
    const bool dead =
        arrival.proof
            ? std::construct_at(&proofs_[depth], *arrival.proof, p, arrival.drop)->dead()
            : std::construct_at(&proofs_[depth], p, *arrival.known)->dead() || proofs_[depth].Narrow();
    proof = &proofs_[depth];
    if (dead) {
      table_.Insert(moved);
      return false;
    }
    demands = &proof->before();
    return true;
  };
  if (thorough_ && may_prove && !prove()) return false;
  auto worth = [&](Move m) {
    return ((*demands)[m.card] & ~moved) == 0 && !table_.Contains(moved | Bit(m.card));
  };
  // The most urgent drop first (among equals the one found first); the next is picked only when one fails,
  // and most positions never need a second.
  // Each drop's rank holds its worth above its place in the list, reversed, so the greatest rank is the
  // drop worth most, the first found among equals; a drop tried or screened out is ranked below all.
  constexpr int kPlaces = kColumns + 4;
  constexpr int kPlaceBits = 4;  // room for kPlaces
  constexpr int kLastPlace = (1 << kPlaceBits) - 1;
  std::array<Move, kPlaces> order;
  std::array<int, kPlaces> rank;
  int count = 0;
  auto rank_of = [&](Move m, int place) {
    return ((merit_[m.card] + Placing(p, m.card)) << kPlaceBits) | (kLastPlace - place);
  };
  // Each drop is written down and ranked, and kept by counting it: nearly every column offers one, and
  // which are worth making follows no pattern.
  for (unsigned cs = moves.fits; cs != 0; cs &= cs - 1) {
    const int c = std::countr_zero(cs);
    const Move m{moves.lower[c], static_cast<std::uint8_t>(c)};
    order[count] = m;
    rank[count] = rank_of(m, count);
    count += static_cast<int>(worth(m));
  }
  if (moves.empty != 0) {
    // A King heading a column gains nothing by going to an empty one, and one empty column is as good as
    // another: the first stands for all.
    const auto first_empty = static_cast<std::uint8_t>(std::countr_zero(moves.empty));
    for (int king = 12; king < kDeck; king += 13) {
      const Move m{static_cast<std::uint8_t>(king), first_empty};
      if ((p.column_of(king) >= kColumns || p.row_of(king) != 0) && worth(m)) {
        order[count] = m;
        rank[count] = rank_of(m, count);
        ++count;
      }
    }
  }
  auto rank_all = [&] {
    for (int i = 0; i < count; ++i) rank[i] = order[i].card == kNoCard ? -1 : rank_of(order[i], i);
  };
  MoveList next;
  for (int k = 0; k < count; ++k) {
    int top = rank[0];
    for (int i = 1; i < count; ++i) top = std::max(top, rank[i]);
    if (top < 0) break;
    const int best = kLastPlace - (top & kLastPlace);
    const Move m = order[best];
    if (limits_.record_moves) path_[depth] = p.ToDrop(m);
    const Arrival here{demands, proof, p.Apply(m)};
    const Undo& u = here.drop;
    p.MovesAfter(moves, u, next);
    const Outcome outcome = p.Judge(next);
    if (outcome == Outcome::kWon) {
      path_length_ = depth + 1;
      return true;
    }
    if (outcome == Outcome::kGoesOn && !table_.Contains(p.moved()) && Search(p, next, depth + 1, here))
      return true;
    p.Revert(u);
    if (stopped_ || given_up_) return false;
    order[best].card = kNoCard;
    if (!proof && thorough_ && may_prove && k + 1 < count) {
      // Back on the first line: proved now, this position's own demands screen the drops left.
      if (!prove()) return false;
      rank_all();
      for (int i = 0; i < count; ++i) {
        if (order[i].card == kNoCard || !worth(order[i])) rank[i] = -1;
      }
    } else {
      rank[best] = -1;
    }
  }
  if (trial_) {
    given_up_ = true;  // nothing is kept of a line given up: its positions were not all searched
    return false;
  }
  table_.Insert(moved);
  thorough_ = true;
  return false;
}

}  // namespace vantrel::solver
