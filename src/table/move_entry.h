// One possible move found by the enumeration, and the list of them.
#pragma once

#include <array>

namespace vantrel {

inline constexpr int kBlankNumber = 14;  // target number of a move onto an empty column
inline constexpr int kBlankSuit = 5;     // target suit of a move onto an empty column

struct MoveEntry {
  int moved_number = 0;
  int moved_suit = 0;
  int target_number = 0;  // kBlankNumber for an empty column
  int target_suit = 0;    // kBlankSuit for an empty column
  int slot = 0;           // the slot of the card to move

  bool operator==(const MoveEntry&) const = default;
};

// Every move a layout can offer: at most one onto each of the 52 cards, plus each of the four Kings to
// each of the eight columns.
inline constexpr int kMaxMoves = 52 + 4 * 8;

struct MoveList {
  int count = 0;
  std::array<MoveEntry, kMaxMoves> entries{};

  void clear() { count = 0; }
  void push_back(const MoveEntry& e) { entries[count++] = e; }
  const MoveEntry& operator[](int i) const { return entries[i]; }
  const MoveEntry* begin() const { return entries.data(); }
  const MoveEntry* end() const { return entries.data() + count; }
};

}  // namespace vantrel
