// Playing a drop: the card with every card lying on it, the turn-over of the card it uncovers, the undo copy,
// the count, the win and the loss; and taking the last drop back.
#include "table/table.h"

namespace vantrel {

bool Table::PlayDrop(Drop drop) {
  if (!IsValidMove(drop)) return false;
  // The riders are the cards lying on the moved card now, whatever lay on it when a drag began.
  const ColumnList riders = CardsAbove(drop.moved);
  undo_position = position;
  const Undo undo = position.Apply(position.MoveOf(drop));
  BringToFront(drop.moved);
  for (int rider : riders) BringToFront(rider);
  // A drop that turns a card over cannot be taken back.
  course.undo_enabled = undo.turned == kNoCard;

  const bool found = FindMoves();
  if (CheckWin()) YouWin();
  if (!found) NoMoreMoves();
  return true;
}

void Table::TakeBackDrop() {
  position = undo_position;
  course.undo_enabled = false;
  FindMoves();
}

}  // namespace vantrel
