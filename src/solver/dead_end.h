// Proofs that a position cannot be won, found without searching it.
#pragma once

#include <array>
#include <cstdint>

#include "solver/position.h"

namespace vantrel::solver {

// True only when no sequence of drops from `p` can win. A card that is not yet on its next-higher card
// (nor a King at the head of a column) has to be dropped exactly once more, and some drops must come
// before others: the cards lying on a card's target must leave first. When those demands go round in a
// circle, or a face-down King can never be uncovered, the position is lost whatever is played.
//
// When it proves nothing and `before` is given, (*before)[y] receives the cards found to have to be
// dropped before y (for settled cards, none): the more cards wait for a drop, the more urgent it is.
bool ProvedDead(const Position& p, std::array<std::uint64_t, kDeck>* before = nullptr);

}  // namespace vantrel::solver
