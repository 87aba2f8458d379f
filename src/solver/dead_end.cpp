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

DeadEndProof::DeadEndProof(const Position& p) : before_{} { dead_ = !Collect(p) || !Close(); }

DeadEndProof::DeadEndProof(const Position& p, const std::array<std::uint64_t, kDeck>& known) {
  // The known demands among the cards still open are closed already, and they hold this position's direct
  // demands too: a drop only ever takes a card off the card it waited for or settles it, so a card's target
  // is covered now only by a card that covered it at that earlier position, and a face-down King under its
  // own Queen was so there. What may be new are the choices.
  CollectChoices(p);
  for (int y = 0; y < kDeck; ++y) before_[y] = known[y] & open_;
}

DeadEndProof::DeadEndProof(const DeadEndProof& parent, const Position& p, const Undo& u)
    : before_(parent.before_), below_(parent.below_), passed_(parent.passed_) {
  // The drop settles its card and takes it, with the cards lying on it, from one column (or the reserve
  // row) to another: what every other card lies on, which other cards are settled and the other columns'
  // choices stay as they were, and so does the way down from every target that did not pass the card.
  const int card = u.card;
  const int to = p.column_of(card);
  const int row = p.row_of(card);
  open_ = parent.open_ & ~Bit(card);
  below_[card] = static_cast<std::uint8_t>(row == 0 ? kNoCard : p.at(to, row - 1));
  for (std::uint64_t& b : before_) b &= open_;
  for (int i = 0; i < parent.choice_count_; ++i) {
    const Choice& choice = parent.choices_[i];
    const int c = p.column_of(choice.card);
    if (!IsKing(choice.card) && c != to && c != u.from) choices_[choice_count_++] = choice;
  }
  const int kept = choice_count_;
  if (u.from < kColumns) AddColumnChoices(p, u.from);
  AddColumnChoices(p, to);
  AddKingChoices(p);
  // The parent's proof ended with a pass that learnt nothing; this one's first pass can learn something
  // only from the new choices and the targets whose way passed the card. When it does not, nothing more
  // would be learnt.
  bool changed = false;
  dead_ = true;
  for (int i = kept; i < choice_count_; ++i) {
    if (!NarrowChoice(choices_[i], &changed)) return;
  }
  std::uint64_t passing = 0;  // the cards whose target's way passed the card
  for (std::uint64_t ys = open_ & ~kKings; ys != 0; ys &= ys - 1) {
    const int y = std::countr_zero(ys);
    passing |= (passed_[y] >> card & 1) << y;
  }
  for (std::uint64_t ys = passing; ys != 0; ys &= ys - 1) {
    if (!FollowTarget(std::countr_zero(ys), &changed)) return;
  }
  dead_ = false;
  if (changed) Narrow();
}

void DeadEndProof::CollectChoices(const Position& p) {
  // What each card lies on and which cards are settled; then each open card lying under its own target,
  // with the cards between them (a choice, as in Collect).
  below_.fill(kNoCard);
  std::uint64_t settled = 0;
  std::uint64_t heads = 0;
  for (int c = 0; c < kColumns; ++c) {
    const int h = p.height(c);
    if (h == 0) continue;
    int lower = p.at(c, 0);
    heads |= Bit(lower);
    for (int row = 1; row < h; ++row) {
      const int card = p.at(c, row);
      below_[card] = static_cast<std::uint8_t>(lower);
      settled |= static_cast<std::uint64_t>(lower == card + 1) << card;
      lower = card;
    }
  }
  settled = (settled & ~kKings) | (heads & kKings);
  open_ = ~settled & (Bit(kDeck) - 1);
  for (int c = 0; c < kColumns; ++c) AddColumnChoices(p, c);
  AddKingChoices(p);
}

void DeadEndProof::AddColumnChoices(const Position& p, int c) {
  // Of the few cards whose target lies in the same column (a King has none), those lower down.
  const int h = p.height(c);
  std::array<std::uint64_t, kDeck> up_to;  // the cards of the column from its head to each row
  std::uint64_t here = 0;
  for (int row = 0; row < h; ++row) {
    here |= Bit(p.at(c, row));
    up_to[row] = here;
  }
  for (std::uint64_t cards = here & (here >> 1) & open_ & ~kKings; cards != 0; cards &= cards - 1) {
    const int card = std::countr_zero(cards);
    const int row = p.row_of(card);
    const int target_row = p.row_of(card + 1);
    if (row < target_row) choices_[choice_count_++] = {card, up_to[target_row] & ~up_to[row] & open_};
  }
}

void DeadEndProof::AddKingChoices(const Position& p) {
  std::uint64_t heads = 0;
  for (int c = 0; c < kColumns; ++c) {
    if (p.height(c) == 0) return;  // a King may go to the empty column
    heads |= Bit(p.at(c, 0));
  }
  for (int king = 12; king < kDeck; king += 13) {
    if (open_ & Bit(king)) choices_[choice_count_++] = {king, heads & open_};
  }
}

bool DeadEndProof::Collect(const Position& p) {
  // Each card's neighbours in its column, and which cards are settled: on their next-higher card, or a King
  // heading a column, where no drop can take them from again. Bits rather than conditions where the cards
  // decide, since no processor could learn their pattern.
  std::array<std::uint64_t, kDeck> above{};  // the card lying on each card, as a bit (none: 0)
  below_.fill(kNoCard);
  std::uint64_t settled = 0;
  std::uint64_t heads = 0;
  unsigned empty = 0;
  for (int c = 0; c < kColumns; ++c) {
    const int h = p.height(c);
    if (h == 0) {
      empty |= 1u << c;
      continue;
    }
    int lower = p.at(c, 0);
    heads |= Bit(lower);
    for (int row = 1; row < h; ++row) {
      const int card = p.at(c, row);
      below_[card] = static_cast<std::uint8_t>(lower);
      above[lower] = Bit(card);
      settled |= static_cast<std::uint64_t>(lower == card + 1) << card;
      lower = card;
    }
  }
  settled = (settled & ~kKings) | (heads & kKings);
  open_ = ~settled & (Bit(kDeck) - 1);
  const std::uint64_t free_heads = heads & open_;  // dropping one of these empties its column

  for (int king = 12; king < kDeck; king += 13) {
    // A face-down King turns over only when the card on it leaves; its own Queen never does, and a King
    // must head its pile face up.
    if (p.face_down(king) && above[king] != 0 && (open_ & above[king]) == 0) return false;
    // A King moves only to an empty column; with none, some column's head must go first.
    if ((open_ & Bit(king)) && empty == 0) {
      if (free_heads == 0) return false;
      choices_[choice_count_++] = {king, free_heads};
    }
  }
  for (std::uint64_t cards = open_ & ~kKings; cards != 0; cards &= cards - 1) {
    const int card = std::countr_zero(cards);
    const int target = card + 1;
    const int target_col = p.column_of(target);
    // Nothing goes onto a reserve card: it must leave first. Any other target must be uncovered, and only a
    // drop of the card lying on it uncovers it.
    before_[card] |= target_col >= kColumns ? Bit(target) : above[target];
    // Lying under its own target, the card must first be parted from it by a drop of one of the cards
    // between them, the target included.
    if (target_col < kColumns && target_col == p.column_of(card) && p.row_of(target) > p.row_of(card)) {
      std::uint64_t between = 0;
      for (int row = p.row_of(card) + 1; row <= p.row_of(target); ++row)
        between |= Bit(p.at(target_col, row));
      between &= open_;
      if (between == 0) return false;
      choices_[choice_count_++] = {card, between};
    }
  }
  return true;
}

bool DeadEndProof::Close() {
  // The transitive closure; false if some card must come before itself. Each card has at most one direct
  // demand (the card on its target, or the target in the reserve row), so the demands form chains: each is
  // followed down to a card closed already or without a demand, and closed on the way back, each card of
  // it taking in the next one's demands (no branch on the cards there).
  std::uint64_t closed = ~open_;
  std::array<std::uint8_t, kDeck> chain;
  for (std::uint64_t roots = open_; roots != 0; roots = open_ & ~closed) {
    int y = std::countr_zero(roots);
    std::uint64_t on_chain = 0;
    int length = 0;
    // A card without a demand leads to kNone, closed as a place no card holds is.
    constexpr int kNone = 63;
    while (((closed | on_chain) >> y & 1) == 0) {
      on_chain |= Bit(y);
      chain[length++] = static_cast<std::uint8_t>(y);
      y = std::countr_zero(before_[y] | Bit(kNone));
    }
    // The walk ends at a card without a demand, at one closed already, or back on itself: a circle.
    if (y != kNone) {
      if (on_chain >> y & 1) return false;
      before_[chain[length - 1]] |= before_[y];
    }
    // Every other card of the walk waits directly for the next one.
    for (int k = length - 2; k >= 0; --k) before_[chain[k]] |= before_[chain[k + 1]];
    closed |= on_chain;
  }
  return true;
}

bool DeadEndProof::Add(int x, int y) {
  // Adds "x before y" to the closed demands, keeping them closed; false on a contradiction.
  if (Before(x, y)) return true;
  if (x == y || Before(y, x)) return false;
  const std::uint64_t gained = Bit(x) | before_[x];
  for (std::uint64_t zs = open_; zs != 0; zs &= zs - 1) {
    const int z = std::countr_zero(zs);
    if (z == y || (before_[z] & Bit(y))) before_[z] |= gained;
  }
  return true;
}

// Follows the column downward from `card` as it will lie when `y` is dropped: a card dropped before y lies
// on its next-higher card (a King heads a column), any other card still on the card it lies on now.
DeadEndProof::Way DeadEndProof::Descend(int card, int y, int* undecided, std::uint64_t* passed) const {
  const std::uint64_t dropped_before_y = ~open_ | before_[y];
  for (int steps = 0; steps < 2 * kDeck && card != kNoCard; ++steps) {
    *passed |= Bit(card);
    if (card == y) return Way::kReachesY;
    if ((dropped_before_y >> card) & 1) {
      if (IsKing(card)) return Way::kElsewhere;
      card = card + 1;
    } else if ((before_[card] >> y) & 1) {
      card = below_[card];
    } else {
      *undecided = card;
      return Way::kUndecided;
    }
  }
  return Way::kElsewhere;
}

bool DeadEndProof::NarrowChoices() {
  bool changed = false;
  if (!NarrowChoicesOnce(&changed)) return dead_ = true;
  return false;
}

bool DeadEndProof::NarrowChoicesOnce(bool* changed) {
  *changed = false;
  for (int i = 0; i < choice_count_; ++i) {
    if (!NarrowChoice(choices_[i], changed)) return false;
  }
  return true;
}

bool DeadEndProof::NarrowChoice(Choice& choice, bool* changed) {
  const int y = choice.card;
  // A card that itself waits for y cannot be the one that goes before it.
  for (std::uint64_t bs = choice.among; bs != 0; bs &= bs - 1) {
    const int b = std::countr_zero(bs);
    if (Before(y, b)) choice.among &= ~Bit(b);
  }
  if (choice.among == 0) return false;
  // Whatever must precede every remaining candidate precedes y, the candidate itself when one is left.
  std::uint64_t common = ~std::uint64_t{0};
  for (std::uint64_t bs = choice.among; bs != 0; bs &= bs - 1) {
    const int b = std::countr_zero(bs);
    common &= before_[b] | Bit(b);
  }
  for (std::uint64_t xs = common & ~before_[y]; xs != 0; xs &= xs - 1) {
    if (!Add(std::countr_zero(xs), y)) return false;
    *changed = true;
  }
  return true;
}

bool DeadEndProof::FollowTarget(int y, bool* changed) {
  // When y is dropped its target must not lie above it in its column. Follow the target downward as the
  // column will be then; reaching y is a contradiction, and where the way depends on one card's turn, that
  // card's turn is forced.
  std::uint64_t passed = 0;
  int u = kNoCard;
  const Way way = Descend(y + 1, y, &u, &passed);
  bool sound = way != Way::kReachesY;
  if (way == Way::kUndecided) {
    int ignored = kNoCard;
    const bool if_dropped = !IsKing(u) && Descend(u + 1, y, &ignored, &passed) == Way::kReachesY;
    const bool if_waiting = Descend(below_[u], y, &ignored, &passed) == Way::kReachesY;
    if (if_dropped || if_waiting) {
      sound = !(if_dropped && if_waiting) && (if_dropped ? Add(y, u) : Add(u, y));
      *changed = true;
    }
  }
  passed_[y] = passed;
  return sound;
}

bool DeadEndProof::Narrow() {
  // Narrow the choices and follow every card's target down its future column until nothing more is learnt.
  // Each new demand can only narrow further, so this ends.
  bool changed = true;
  while (changed) {
    if (!NarrowChoicesOnce(&changed)) return dead_ = true;
    for (std::uint64_t ys = open_ & ~kKings; ys != 0; ys &= ys - 1) {
      if (!FollowTarget(std::countr_zero(ys), &changed)) return dead_ = true;
    }
  }
  return false;
}

bool ProvedDead(const Position& p, const std::array<std::uint64_t, kDeck>& known,
                std::array<std::uint64_t, kDeck>* before) {
  DeadEndProof proof(p, known);
  if (proof.dead() || proof.Narrow()) return true;
  if (before) *before = proof.before();
  return false;
}

bool ProvedDead(const Position& p, std::array<std::uint64_t, kDeck>* before) {
  DeadEndProof proof(p);
  if (proof.dead() || proof.Narrow()) return true;
  if (before) *before = proof.before();
  return false;
}

}  // namespace vantrel::solver
