// Playing a drop: the card with every card lying on it, the turn-over of the card it uncovers, the undo copy,
// the count, the win and the loss; and taking the last drop back.
#include <algorithm>

#include "table/layout_facts.h"
#include "table/table.h"

namespace vantrel {

bool Table::PlayDrop(int sender, int source) {
  const int target = LandingSlot(sender);
  if (!IsValidMove(target, source)) return false;
  // The riders are the cards lying on the moved card now, whatever lay on it when a drag began.
  const ColumnList riders = CardsAbove(source);
  std::copy_n(cards.begin(), kCardSlots, undo_cards.begin());

  Card& to = cards[target];
  Card& moved = cards[source];
  to.ontop = false;
  const int old_top = moved.top - kRowStep;
  const int old_left = moved.left;
  const bool can_uncover = CanUncover(source, moved.top);

  int new_top = to.top + kRowStep;
  auto place = [&](int slot, int top) {
    cards[slot].left = to.left;
    cards[slot].top = top;
    cards[slot].col = to.col;
    BringToFront(slot);
  };
  place(source, new_top);
  for (int rider : riders) {
    new_top += kRowStep;
    place(rider, new_top);
  }
  if (!riders.empty()) cards[riders.last()].ontop = true;

  // A drop that turns a card over cannot be taken back.
  bool can_undo = true;
  if (can_uncover) {
    for (int i = 0; i < kCardSlots; ++i) {
      Card& card = cards[i];
      if (!LiesAt(card, old_left, old_top)) continue;
      card.ontop = true;
      if (card.back_up) {
        card.back_up = false;
        card.picture = FacePicture(card.suit, card.number);
        can_undo = false;
      }
    }
  }
  course.undo_enabled = can_undo;

  const bool found = FindMoves();
  if (CheckWin()) YouWin();
  if (!found) NoMoreMoves();
  return true;
}

void Table::TakeBackDrop() {
  std::copy(undo_cards.begin(), undo_cards.end(), cards.begin());
  course.undo_enabled = false;
  FindMoves();
}

}  // namespace vantrel
