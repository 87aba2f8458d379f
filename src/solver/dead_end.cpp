// The order in which unsettled cards must be dropped, and the contradictions in it that prove a position
// lost.
//
// From here to a win every unsettled card is dropped exactly once, and a drop settles it for good: on its
// next-higher card, or a King at the head of a column. So the layout at the moment a card is dropped
// depends only on which cards were dropped before it. The reasoning below collects demands "x before y",
// closes them, and looks for a card that would have to come before itself, or that could never be
// dropped whatever the order.
#include "solver/dead_end.h"

#include <array>
#include <bit>

namespace vantrel::solver {
namespace {

// Whether the card lies where no drop can take it from again.
bool Settled(const Position& p, int card) {
  const int col = p.column_of(card);
  if (col == kInReserve) return false;
  const int row = p.row_of(card);
  if (IsKing(card)) return row == 0;
  return row > 0 && p.at(col, row - 1) == card + 1;
}

int Above(const Position& p, int card) {
  const int col = p.column_of(card);
  if (col == kInReserve) return kNoCard;
  const int row = p.row_of(card) + 1;
  return row < p.height(col) ? p.at(col, row) : kNoCard;
}

int Below(const Position& p, int card) {
  const int col = p.column_of(card);
  if (col == kInReserve || p.row_of(card) == 0) return kNoCard;
  return p.at(col, p.row_of(card) - 1);
}

// "One of `among` must be dropped before `card`."
struct Choice {
  int card;
  std::uint64_t among;
};

class Demands {
 public:
  explicit Demands(const Position& p) {
    for (int card = 0; card < kDeck; ++card) {
      if (!Settled(p, card)) open_ |= Bit(card);
    }
  }

  std::uint64_t open() const { return open_; }
  bool Before(int x, int y) const { return (before_[y] & Bit(x)) != 0; }
  const std::array<std::uint64_t, kDeck>& all() const { return before_; }

  // Records "x before y" before the closure is taken.
  void Demand(int x, int y) { before_[y] |= Bit(x); }

  // Takes the transitive closure; false if some card must come before itself. The direct demands are few
  // (two or three per card), so a depth-first walk that closes each card after its predecessors is
  // cheaper than closing over every pair.
  bool Close() {
    std::array<std::uint8_t, kDeck> state{};  // 0 not reached, 1 being closed, 2 closed
    std::array<std::uint64_t, kDeck> direct = before_;
    std::array<std::uint8_t, kDeck> stack;
    std::array<std::uint64_t, kDeck> pending;  // the direct predecessors still to visit, per stack entry
    for (std::uint64_t roots = open_; roots != 0; roots &= roots - 1) {
      const int root = std::countr_zero(roots);
      if (state[root] != 0) continue;
      int depth = 0;
      stack[0] = static_cast<std::uint8_t>(root);
      pending[0] = direct[root];
      state[root] = 1;
      while (depth >= 0) {
        const int y = stack[depth];
        if (pending[depth] != 0) {
          const int x = std::countr_zero(pending[depth]);
          pending[depth] &= pending[depth] - 1;
          if (state[x] == 1) return false;  // a circle
          if (state[x] == 0) {
            state[x] = 1;
            ++depth;
            stack[depth] = static_cast<std::uint8_t>(x);
            pending[depth] = direct[x];
          }
        } else {
          for (std::uint64_t xs = direct[y]; xs != 0; xs &= xs - 1)
            before_[y] |= before_[std::countr_zero(xs)];
          state[y] = 2;
          --depth;
        }
      }
    }
    return true;
  }

  // Adds "x before y" to a closed set of demands, keeping it closed; false on a contradiction.
  bool Add(int x, int y) {
    if (Before(x, y)) return true;
    if (x == y || Before(y, x)) return false;
    const std::uint64_t gained = Bit(x) | before_[x];
    for (std::uint64_t zs = open_; zs != 0; zs &= zs - 1) {
      const int z = std::countr_zero(zs);
      if (z == y || (before_[z] & Bit(y))) before_[z] |= gained;
    }
    return true;
  }

 private:
  std::uint64_t open_ = 0;
  std::array<std::uint64_t, kDeck> before_{};  // before_[y]: the cards that must be dropped before y
};

// Where following the cards downward from one card leads at the moment `y` is dropped.
struct Walk {
  enum Kind { kReachesY, kElsewhere, kUndecided } kind;
  int undecided = kNoCard;  // for kUndecided: the card whose turn relative to y decides the way on
};

// Follows the column downward from `card` as it will lie when `y` is dropped: a card dropped before y
// lies on its next-higher card (a King heads a column), any other card still on the card it lies on now.
Walk Descend(const Position& p, const Demands& d, int card, int y) {
  for (int steps = 0; steps < 2 * kDeck && card != kNoCard; ++steps) {
    if (card == y) return {Walk::kReachesY};
    const bool dropped = (d.open() & Bit(card)) == 0 || d.Before(card, y);
    const bool waits = d.Before(y, card);
    if (dropped) {
      if (IsKing(card)) return {Walk::kElsewhere};
      card = card + 1;
    } else if (waits) {
      card = Below(p, card);
    } else {
      return {Walk::kUndecided, card};
    }
  }
  return {Walk::kElsewhere};
}

}  // namespace

bool ProvedDead(const Position& p, std::array<std::uint64_t, kDeck>* before) {
  Demands d(p);
  const std::uint64_t open = d.open();
  std::array<Choice, kDeck> choices;
  int choice_count = 0;

  int empty = 0;
  std::uint64_t free_heads = 0;  // unsettled cards heading a column: dropping one empties its column
  for (int c = 0; c < kColumns; ++c) {
    if (p.height(c) == 0) {
      ++empty;
    } else if (open & Bit(p.at(c, 0))) {
      free_heads |= Bit(p.at(c, 0));
    }
  }

  for (int card = 0; card < kDeck; ++card) {
    if (IsKing(card)) {
      // A face-down King turns over only when the card on it leaves; its own Queen never does, and a King
      // must head its pile face up.
      if (p.face_down(card)) {
        const int above = Above(p, card);
        if (above != kNoCard && (open & Bit(above)) == 0) return true;
      }
      // A King moves only to an empty column; with none, some column's head must go first.
      if ((open & Bit(card)) && empty == 0) {
        if (free_heads == 0) return true;
        choices[choice_count++] = {card, free_heads};
      }
      continue;
    }
    if ((open & Bit(card)) == 0) continue;
    const int target = card + 1;
    const int target_col = p.column_of(target);
    if (target_col == kInReserve) {
      d.Demand(target, card);  // nothing goes onto a reserve card: it must leave first
      continue;
    }
    // The target must be uncovered, and only a drop of the card lying on it uncovers it.
    const int above = Above(p, target);
    if (above != kNoCard) d.Demand(above, card);
    // Lying under its own target, the card must first be parted from it by a drop of one of the cards
    // between them, the target included.
    if (target_col == p.column_of(card) && p.row_of(target) > p.row_of(card)) {
      std::uint64_t between = 0;
      for (int row = p.row_of(card) + 1; row <= p.row_of(target); ++row)
        between |= Bit(p.at(target_col, row));
      between &= open;
      if (between == 0) return true;
      choices[choice_count++] = {card, between};
    }
  }
  if (!d.Close()) return true;

  // Narrow the choices and follow every card's target down its future column until nothing more is
  // learnt. Each new demand can only narrow further, so this ends.
  bool changed = true;
  while (changed) {
    changed = false;
    for (int i = 0; i < choice_count; ++i) {
      Choice& choice = choices[i];
      const int y = choice.card;
      // A card that itself waits for y cannot be the one that goes before it.
      for (std::uint64_t bs = choice.among; bs != 0; bs &= bs - 1) {
        const int b = std::countr_zero(bs);
        if (d.Before(y, b)) choice.among &= ~Bit(b);
      }
      if (choice.among == 0) return true;
      // Whatever must precede every remaining candidate precedes y, the candidate itself when one is left.
      std::uint64_t common = ~std::uint64_t{0};
      for (std::uint64_t bs = choice.among; bs != 0; bs &= bs - 1) {
        const int b = std::countr_zero(bs);
        common &= d.all()[b] | Bit(b);
      }
      for (std::uint64_t xs = common & ~d.all()[y]; xs != 0; xs &= xs - 1) {
        if (!d.Add(std::countr_zero(xs), y)) return true;
        changed = true;
      }
    }
    // When y is dropped its target must not lie above it in its column. Follow the target downward as
    // the column will be then; reaching y is a contradiction, and where the way depends on one card's
    // turn, that card's turn is forced.
    for (std::uint64_t ys = open; ys != 0; ys &= ys - 1) {
      const int y = std::countr_zero(ys);
      if (IsKing(y)) continue;
      const Walk walk = Descend(p, d, y + 1, y);
      if (walk.kind == Walk::kReachesY) return true;
      if (walk.kind != Walk::kUndecided) continue;
      const int u = walk.undecided;
      const bool if_dropped = !IsKing(u) && Descend(p, d, u + 1, y).kind == Walk::kReachesY;
      const bool if_waiting = Descend(p, d, Below(p, u), y).kind == Walk::kReachesY;
      if (if_dropped && if_waiting) return true;
      if (if_dropped) {
        if (!d.Add(y, u)) return true;
        changed = true;
      } else if (if_waiting) {
        if (!d.Add(u, y)) return true;
        changed = true;
      }
    }
  }
  if (before) *before = d.all();
  return false;
}

}  // namespace vantrel::solver
