// The drops the game accepts in a position, in the game's order: what the count, the hint, the listing, the
// win test, the command line, the tests and the benchmarks all read.
#pragma once

#include <array>

#include "table/geometry.h"
#include "table/move_text.h"

namespace vantrel {

// One drop the game accepts: the card of slot `moved`, with every card lying on it, onto slot `target` (the
// uppermost card of a column, or the blank spot of an empty one).
struct LegalDrop : Drop {
  bool counted = false;  // the moved card is face up: the move count, the listing and the hint know the drop

  bool operator==(const LegalDrop&) const = default;
};

// Every drop a layout can offer: at most one onto each of the 52 cards (only its next-lower card fits), plus
// each of the four Kings to each of the eight columns.
inline constexpr int kMaxLegalDrops = kCardSlots + 4 * 8;

// The drops of one position. Fixed room, so listing them never allocates.
struct LegalDrops {
  int count = 0;
  std::array<LegalDrop, kMaxLegalDrops> drops{};

  void clear() { count = 0; }
  void push_back(const LegalDrop& drop) { drops[count++] = drop; }
  const LegalDrop& operator[](int i) const { return drops[i]; }
  const LegalDrop* begin() const { return drops.data(); }
  const LegalDrop* end() const { return drops.data() + count; }
};

}  // namespace vantrel
