// Decides whether a deal can be won, knowing every face-down card, and finds the drops that win it.
#pragma once

#include <array>
#include <atomic>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "solver/dead_end.h"
#include "solver/transposition_table.h"
#include "table/move_text.h"
#include "table/position.h"

namespace vantrel::solver {

enum class Verdict { kWinnable, kUnwinnable, kUnknown };

// "winnable", "unwinnable", "unknown".
std::string_view VerdictName(Verdict verdict);

struct Limits {
  std::uint64_t max_nodes = 0;  // positions to expand before giving up; 0: no limit
  double max_seconds = 0;       // 0: no limit
  std::size_t max_table_bytes = std::size_t{256} << 20;
  // Set from outside (Ctrl+C) to stop a search under way; its answer is then unknown.
  const std::atomic<bool>* cancel = nullptr;
  // Proofs of lost positions spare most of the search; tests switch them off to check them.
  bool prove_dead_ends = true;
  // Whether Result::moves receives the drops that win: a survey that writes only verdicts spares the work.
  bool record_moves = true;
};

struct Result {
  Verdict verdict = Verdict::kUnknown;
  std::vector<Drop> moves;  // the drops that win, when winnable and Limits::record_moves
  std::uint64_t nodes = 0;  // positions expanded
  double seconds = 0;
  bool cancelled = false;       // unknown because the search was stopped from outside
  std::size_t table_bytes = 0;  // the most memory the table held during this search
};

// How many of a set of demands' cards must wait for each card: before[y] names the cards that must be
// dropped before y, and a card many cards wait for is urgent. Counted for all cards at once, a bit-plane of
// the count at a time (plane k holds bit k of every card's count), with no branch on the cards.
class WaitingCounts {
 public:
  WaitingCounts() = default;
  explicit WaitingCounts(const std::array<std::uint64_t, kDeck>& before) {
    for (const std::uint64_t b : before) {
      std::uint64_t carry = b;
      for (std::uint64_t& plane : planes_) {
        const std::uint64_t next = plane & carry;
        plane ^= carry;
        carry = next;
      }
    }
  }
  // Adds `scale` times each card's count to urgency[card].
  void AddTo(std::array<std::int16_t, kDeck>& urgency, int scale) const {
    for (int k = 0; k < kPlanes; ++k) {
      for (std::uint64_t cards = planes_[k]; cards != 0; cards &= cards - 1)
        urgency[std::countr_zero(cards)] =
            static_cast<std::int16_t>(urgency[std::countr_zero(cards)] + (scale << k));
    }
  }

 private:
  static constexpr int kPlanes = 6;  // counts up to 63: there are at most 51 cards to wait
  std::array<std::uint64_t, kPlanes> planes_{};
};

// One solver serves many deals in turn and keeps its table's memory between them. Not thread-safe: give
// each thread its own.
class Solver {
 public:
  explicit Solver(const Limits& limits);

  // The position is taken as a value: the search plays its drops on it and takes them back.
  Result Solve(Position p);
  Result SolveDeal(std::uint32_t seed) { return Solve(Position::Deal(seed)); }

  const TranspositionTable& table() const { return table_; }

 private:
  // `moves` are the drops the game accepts in `p`, whose game goes on.
  bool SearchRoot(Position& p, const MoveList& moves);
  // How the search came to a position: `known` holds demands proved for an earlier position of its line,
  // which hold for it too; `proof` is the whole proof of the position the drop `drop` was made in, if that
  // was proved.
  using Demands = std::array<std::uint64_t, kDeck>;
  struct Arrival {
    const Demands* known;
    const DeadEndProof* proof;
    Undo drop;
  };
  bool Search(Position& p, const MoveList& moves, int depth, const Arrival& arrival);
  bool Expand(Position& p, const MoveList& moves, int depth, const Arrival& arrival);
  bool ShouldStop();
  // When to look at the limits next: kCheckEvery positions on, or at the node limit if that comes first.
  std::uint64_t NextCheck() const;

  static constexpr std::uint64_t kCheckEvery = 1024;
  Limits limits_;
  TranspositionTable table_;
  std::uint64_t nodes_ = 0;
  std::uint64_t next_check_ = 0;
  bool stopped_ = false;
  bool cancelled_ = false;
  bool trial_ = false;     // the first line, ordered by the start's cheap proof: given up at a dead end
  bool given_up_ = false;  // it reached one
  bool thorough_ = false;  // a line has failed: prove every position before expanding it
  double started_ = 0;
  // What a drop of each card is worth wherever the card lies: eight for each card that waits for it at the
  // start (its urgency), above a floor of 64 that keeps every rank positive.
  std::array<std::int16_t, kDeck> merit_{};
  // Ranks the drops by the start's demands, which hold for every line from it.
  void SetRootDemands(const Demands& before);
  // Each depth's proof, kept here rather than in the search's frames, which stay small.
  std::vector<DeadEndProof> proofs_;
  std::array<Drop, kDeck + 1> path_{};  // the drops that led to the position being searched
  int path_length_ = 0;
};

}  // namespace vantrel::solver
