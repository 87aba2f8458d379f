// Where the rule reads meaning from the slots' places, named: the coincidences of the layout it relies on.
#pragma once

#include "table/card.h"
#include "table/geometry.h"

namespace vantrel {

// A card identity the deck has: suit 1..4, number 1..13. Slots hold none before the first deal.
inline constexpr bool IsCardFace(const Card& card) {
  return card.suit >= 1 && card.suit <= 4 && card.number >= 1 && card.number <= 13;
}

// A column's head, its first card. Only the eight table columns have heads: when the window is 195 pixels
// high the reserve row lies at the heads' height (195 - 180 = 15), and a reserve card there heads nothing.
inline constexpr bool IsColumnHead(const Card& card) {
  return card.top == kHeadTop && IsTableColumn(card.col);
}

// Whether a drop of the card of slot `moved`, lying at `top`, can uncover another: it lay on the card one row
// above it, unless it headed its column (nothing lies under a head; the blank spots at Top 0 are no cards)
// or it is a reserve card (it lay on nothing; a card of the reserve's slots in a column is a King that
// headed it, or lies on its next-higher card and never moves alone again).
inline constexpr bool CanUncover(int moved, int top) {
  return top - kRowStep >= kHeadTop && moved < kReserveFirst;
}

// The card a drop uncovers is the one lying where the moved card's row above was. At a window height of
// 210 the reserve row lies at Top 30, exactly where the second card of columns 3 to 6 lies (Lefts 165 to
// 390): such a reserve card matches too, and is left as it was, since a reserve card always lies on top,
// face up.
inline constexpr bool LiesAt(const Card& card, int left, int top) {
  return card.left == left && card.top == top;
}

}  // namespace vantrel
