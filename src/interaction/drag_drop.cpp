// Moving a card with every card lying on it, turning over the card it uncovers, and one-step undo.
#include "interaction/interaction.h"

namespace vantrel {

void Interaction::CardStartDrag(int slot) {
  table_.drag_list = table_.CardsAbove(slot);
  table_.scroll_bars = false;
}

bool Interaction::CardDragOver(int sender, int source) const {
  const bool accept = sender != kBareTable && table_.IsValidMove(sender, source);
  return accept || !table_.show_valid;
}

int Interaction::DragCursor(int sender, int source) const {
  return CardDragOver(sender, source) ? table_.cards[source].image.drag_cursor : kCursorNoDrop;
}

void Interaction::CardDragDrop(int sender, int source) {
  Table& t = table_;
  // A drop anywhere on a column lands on its uppermost card.
  int target = sender;
  const ColumnList above = t.CardsAbove(sender);
  if (!above.empty()) target = above.last();
  int new_top = t.cards[target].image.top + kRowStep;
  if (!t.IsValidMove(target, source)) return;
  // The riders are the cards lying on the moved card now. Those taken when the drag began belong to the
  // table as it was then: an Undo, or the end of a peek, may have changed it meanwhile.
  t.drag_list = t.CardsAbove(source);

  for (int i = 0; i < kCardSlots; ++i) CopyCard(t.cards[i], t.undo_cards[i]);

  Card& to = t.cards[target];
  Card& moved = t.cards[source];
  to.ontop = false;
  const int old_top = moved.image.top - kRowStep;
  const int old_left = moved.image.left;

  auto place = [&](Card& card, int top) {
    card.image.left = to.image.left;
    card.image.top = top;
    card.image.width = kCardWidth;
    card.image.height = kCardHeight;
    card.col = to.col;
    t.BringToFront(card.image);
  };
  place(moved, new_top);
  for (int rider : t.drag_list) {
    new_top += kRowStep;
    place(t.cards[rider], new_top);
  }
  if (!t.drag_list.empty()) t.cards[t.drag_list.last()].ontop = true;

  t.can_undo = true;
  // A card dealt into a column may leave the card it lay on uncovered; a reserve card lay on nothing.
  if (old_top >= kHeadTop && source < kReserveFirst) {
    for (int i = 0; i < kCardSlots; ++i) {
      Card& card = t.cards[i];
      if (card.image.left != old_left || card.image.top != old_top) continue;
      card.ontop = true;
      if (card.back_up) {
        card.back_up = false;
        card.image.picture = FacePicture(card.suit, card.number);
        t.can_undo = false;
      }
    }
  }
  t.undo_enabled = t.can_undo;

  const bool found = t.FindMoves(kCountOnly);
  if (t.CheckWin()) t.YouWin();
  if (!found) t.NoMoreMoves();
}

void Interaction::CardEndDrag() {
  table_.outline.visible = false;
  table_.scroll_bars = true;
}

void Interaction::DragAndDrop(int moved, int target) {
  CardStartDrag(moved);
  CardDragDrop(target, moved);
  CardEndDrag();
}

void Interaction::CopyCard(const Card& from, Card& to) {
  to.suit = from.suit;
  to.back_up = from.back_up;
  to.ontop = from.ontop;
  to.col = from.col;
  to.raised = from.raised;
  to.number = from.number;
  to.image.picture = from.image.picture;
  to.image.top = from.image.top;
  to.image.left = from.image.left;
}

void Interaction::UndoClick() {
  for (int i = 0; i < kCardSlots; ++i) CopyCard(table_.undo_cards[i], table_.cards[i]);
  table_.undo_enabled = false;
  table_.FindMoves(kCountOnly);  // refreshes the counts; an undo never ends a game
}

}  // namespace vantrel
