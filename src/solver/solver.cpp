// The search: depth first over drops, best-looking first, remembering the positions that cannot be won.
#include "solver/solver.h"

#include <algorithm>
#include <chrono>

#include "solver/dead_end.h"

namespace vantrel::solver {
namespace {

double Now() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// How promising a drop looks; higher is tried first.
int Promise(const Position& p, Move m) {
  int score = 0;
  const int from = p.column_of(m.card);
  if (from == kInReserve) {
    score += 4;
  } else {
    const int row = p.row_of(m.card);
    if (row > 0 && p.face_down(p.at(from, row - 1))) score += 16;  // turns a card over
    if (row == 0 && !IsKing(m.card)) score += 8;                   // empties a column
    score -= row / 4;
  }
  return score;
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

Solver::Solver(const Limits& limits) : limits_(limits), table_(limits.max_table_bytes) {}

bool Solver::ShouldStop() {
  if (limits_.cancel && limits_.cancel->load(std::memory_order_relaxed)) cancelled_ = true;
  if (limits_.max_nodes != 0 && nodes_ >= limits_.max_nodes) stopped_ = true;
  if (limits_.max_seconds > 0 && Now() - started_ >= limits_.max_seconds) stopped_ = true;
  stopped_ = stopped_ || cancelled_;
  return stopped_;
}

Result Solver::Solve(const Position& start) {
  table_.Clear();
  nodes_ = 0;
  next_check_ = 0;
  stopped_ = false;
  cancelled_ = false;
  started_ = Now();
  path_length_ = 0;

  Result result;
  Position p = start;
  const Outcome first = p.Judge();
  bool won = first == Outcome::kWon;
  if (first == Outcome::kGoesOn) won = Search(p, 0);
  result.nodes = nodes_;
  result.seconds = Now() - started_;
  result.cancelled = cancelled_;
  result.table_bytes = table_.peak_bytes();
  if (won) {
    result.verdict = Verdict::kWinnable;
    Position replay = start;
    for (int k = 0; k < path_length_; ++k) {
      result.moves.push_back(replay.ToDrop(path_[k]));
      replay.Apply(path_[k]);
    }
  } else {
    result.verdict = stopped_ ? Verdict::kUnknown : Verdict::kUnwinnable;
  }
  return result;
}

bool Solver::Search(Position& p, int depth) {
  // The clock is read every thousand positions; the node limit holds exactly.
  if (nodes_ >= next_check_ || (limits_.max_nodes != 0 && nodes_ >= limits_.max_nodes)) {
    next_check_ = nodes_ + 1024;
    if (ShouldStop()) return false;
  }
  ++nodes_;
  // before[y]: the cards that must be dropped before y. A drop many cards wait for is urgent.
  std::array<std::uint64_t, kDeck> before{};
  if (limits_.prove_dead_ends && ProvedDead(p, &before)) {
    table_.Insert(p.moved());
    return false;
  }

  MoveList moves;
  p.Moves(moves, false);
  std::array<int, kMaxMoves> score;
  std::array<Move, kMaxMoves> order;
  int count = 0;
  for (const Move m : moves) {
    // A drop's result is known by its key before it is made: skip those searched already.
    const std::uint64_t child = p.moved() | Bit(m.card);
    if (table_.Contains(child)) continue;
    int waiting = 0;
    for (const std::uint64_t b : before) waiting += static_cast<int>((b >> m.card) & 1);
    const int s = Promise(p, m) + 8 * waiting;
    int k = count++;
    for (; k > 0 && score[k - 1] < s; --k) {
      score[k] = score[k - 1];
      order[k] = order[k - 1];
    }
    score[k] = s;
    order[k] = m;
  }

  for (int k = 0; k < count; ++k) {
    const Move m = order[k];
    const Undo u = p.Apply(m);
    path_[depth] = m;
    const Outcome outcome = p.Judge();
    if (outcome == Outcome::kWon) {
      path_length_ = depth + 1;
      return true;
    }
    if (outcome == Outcome::kGoesOn && !table_.Contains(p.moved()) && Search(p, depth + 1)) return true;
    p.Revert(u);
    if (stopped_) return false;
  }
  table_.Insert(p.moved());
  return false;
}

}  // namespace vantrel::solver
