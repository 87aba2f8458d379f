// Drag and drop as the player makes it, and one-step undo; the drop itself is the table's PlayDrop.
#include "interaction/interaction.h"

namespace vantrel {

void Interaction::StartDrag(int /*slot*/) { table_.ui.dragging = true; }

bool Interaction::OffersDrop(Drop drop) const {
  const bool accept = drop.target != kBareTable && table_.IsValidMove(drop);
  return accept || !table_.options.show_valid;
}

int Interaction::DragCursor(Drop drop) const {
  return OffersDrop(drop) ? table_.images[drop.moved].drag_cursor : kCursorNoDrop;
}

void Interaction::DropCard(Drop drop) { table_.PlayDrop(drop); }

void Interaction::EndDrag() { table_.ui.dragging = false; }

void Interaction::DragAndDrop(Drop drop) {
  StartDrag(drop.moved);
  DropCard(drop);
  EndDrag();
}

void Interaction::UndoLastDrop() { table_.TakeBackDrop(); }

}  // namespace vantrel
