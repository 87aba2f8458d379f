// The keyboard's focus, pick-up, drop and put-back over Interaction's drag calls.
#include "interaction/keyboard_play.h"

namespace vantrel {

bool KeyboardPlay::Press(PlayKey key) {
  const TablePlaces places(table_);
  if (places.empty()) return false;
  if (!places.Contains(focus_)) focus_ = places.Nearest(focus_);
  if (!shown_) {
    // Only an arrow shows the focus; the other keys have nothing to act on until it shows.
    if (key == PlayKey::kPickOrDrop || key == PlayKey::kPutBack) return false;
    shown_ = true;
    return true;
  }
  switch (key) {
    case PlayKey::kPickOrDrop:
      PickOrDrop();
      break;
    case PlayKey::kPutBack:
      if (held_ >= 0) {
        focus_ = held_;
        PutBack();
      }
      break;
    default:
      focus_ = places.Next(focus_, static_cast<Step>(key));
      break;
  }
  return true;
}

void KeyboardPlay::PickOrDrop() {
  if (held_ < 0) {
    if (!IsCardSlot(focus_)) return;  // a blank spot has nothing to pick up
    held_ = focus_;
    interaction_.StartDrag(held_);
    return;
  }
  const int source = held_;
  held_ = -1;
  const int column_before = table_.card(source).col;
  const Drop drop{.moved = source, .target = focus_};
  if (interaction_.OffersDrop(drop)) interaction_.DropCard(drop);
  interaction_.EndDrag();
  // A drop that was taken put the card in the target's column: the focus goes with it.
  if (table_.card(source).col != column_before) focus_ = source;
}

void KeyboardPlay::Hide() {
  PutBack();
  shown_ = false;
}

void KeyboardPlay::PutBack() {
  if (held_ < 0) return;
  held_ = -1;
  interaction_.EndDrag();
}

void KeyboardPlay::Resolve() {
  const TablePlaces places(table_);
  if (places.empty()) {
    focus_ = -1;
    return;
  }
  if (!places.Contains(focus_)) focus_ = places.Nearest(focus_);
}

bool KeyboardPlay::FocusTakesDrop() const {
  return held_ >= 0 && interaction_.OffersDrop({.moved = held_, .target = focus_});
}

}  // namespace vantrel
