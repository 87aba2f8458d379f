// Playing with the keys: a focus that the arrow keys move over the table's places, one key that picks up the
// focused card with every card lying on it and drops it where the focus then is, and one that puts it back.
// A keyboard move is the mouse's: it goes through the same drag calls of Interaction. Interface state only:
// nothing here is part of the game or undone by Undo. Toolkit-free.
#pragma once

#include <vector>

#include "interaction/interaction.h"
#include "interaction/table_places.h"
#include "table/table.h"

namespace vantrel {

// The four arrows first, in the order of Step.
enum class PlayKey { kUp, kDown, kLeft, kRight, kPickOrDrop, kPutBack };
inline constexpr PlayKey ArrowFor(Step step) { return static_cast<PlayKey>(step); }

class KeyboardPlay {
 public:
  KeyboardPlay(const Table& table, Interaction& interaction) : table_(table), interaction_(interaction) {}

  // A key. The first arrow only shows the focus where it is; then the arrows move it, the pick-or-drop key
  // picks up the focused card (a blank spot holds none) or drops the held one there as a mouse release would
  // (the drop is made where OffersDrop offers it, and the drag ends either way), and the put-back key
  // ends a hold without a drop. Returns false when nothing lies on the table, and for a key other than an
  // arrow while the focus is not shown (it does nothing then).
  bool Press(PlayKey key);
  // The next mouse press: the focus is no longer shown and a held card goes back.
  void Hide();
  // A held card goes back, as a drag ends without a drop.
  void PutBack();
  // The table changed under the focus (a deal, an undo, a column filled): it moves to the nearest place.
  void Resolve();

  bool shown() const { return shown_; }
  // The focused slot, or -1 before anything lies on the table.
  int focus() const { return focus_; }
  // The picked-up card, or -1.
  int held() const { return held_; }
  // While a card is held: whether a drop at the focus would be taken, exactly as OffersDrop says (so
  // always, while Show Valid Moves is off).
  bool FocusTakesDrop() const;

 private:
  void PickOrDrop();

  const Table& table_;
  Interaction& interaction_;
  bool shown_ = false;
  int focus_ = -1;
  int held_ = -1;
};

}  // namespace vantrel
