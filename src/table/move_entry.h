// A counted move as the listing and the command line's report describe it: the cards, not the slots.
#pragma once

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

}  // namespace vantrel
