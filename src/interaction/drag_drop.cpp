// Drag and drop as the player makes it, and one-step undo; the drop itself is the table's PlayDrop.
#include "interaction/interaction.h"

namespace vantrel {

void Interaction::CardStartDrag(int /*slot*/) { table_.ui.dragging = true; }

bool Interaction::CardDragOver(int sender, int source) const {
  const bool accept = sender != kBareTable && table_.IsValidMove(sender, source);
  return accept || !table_.options.show_valid;
}

int Interaction::DragCursor(int sender, int source) const {
  return CardDragOver(sender, source) ? table_.images[source].drag_cursor : kCursorNoDrop;
}

void Interaction::CardDragDrop(int sender, int source) { table_.PlayDrop(sender, source); }

void Interaction::CardEndDrag() { table_.ui.dragging = false; }

void Interaction::DragAndDrop(int moved, int target) {
  CardStartDrag(moved);
  CardDragDrop(target, moved);
  CardEndDrag();
}

void Interaction::UndoLastDrop() { table_.TakeBackDrop(); }

}  // namespace vantrel
