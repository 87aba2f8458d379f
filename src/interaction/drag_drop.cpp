// Drag and drop as the player makes it, and one-step undo; the drop itself is the table's PlayDrop.
#include "interaction/interaction.h"

namespace vantrel {

void Interaction::StartDrag(int /*slot*/) { table_.ui.dragging = true; }

bool Interaction::OffersDrop(int sender, int source) const {
  const bool accept = sender != kBareTable && table_.IsValidMove(sender, source);
  return accept || !table_.options.show_valid;
}

int Interaction::DragCursor(int sender, int source) const {
  return OffersDrop(sender, source) ? table_.images[source].drag_cursor : kCursorNoDrop;
}

void Interaction::DropCard(int sender, int source) { table_.PlayDrop(sender, source); }

void Interaction::EndDrag() { table_.ui.dragging = false; }

void Interaction::DragAndDrop(int moved, int target) {
  StartDrag(moved);
  DropCard(target, moved);
  EndDrag();
}

void Interaction::UndoLastDrop() { table_.TakeBackDrop(); }

}  // namespace vantrel
