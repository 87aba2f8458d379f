// The right-button peek: the slot's details in the status bar, and a covered face-up card drawn whole.
#include <string>

#include "interaction/interaction.h"

namespace vantrel {
namespace {

const char* BoolText(bool value) { return value ? "true" : "false"; }

}  // namespace

void Interaction::CardClickDown(int slot, MouseButton button) {
  if (button == MouseButton::kRight) PeekCard(slot);
}

void Interaction::CardClickUp(MouseButton button) {
  if (button == MouseButton::kRight) UnpeekCard();
}

void Interaction::PeekCard(int i) {
  Card& card = table_.cards[i];
  std::string text = "ontop = ";
  text += BoolText(card.ontop);
  text += ", back_up = ";
  text += BoolText(card.back_up);
  text += ", col = " + std::to_string(card.col);
  text += ", card_num = " + std::to_string(i);
  text += ", number = " + std::to_string(card.number);
  text += ", suit = " + std::to_string(card.suit);
  table_.ui.status_text = std::move(text);
  if (i < kCardSlots && !card.ontop && !card.back_up) {
    card.raised = true;
    table_.BringToFront(i);
  }
}

void Interaction::UnpeekCard() {
  table_.ui.status_text.clear();
  for (int i = kCardSlots - 1; i >= 0; --i) {
    if (!table_.cards[i].raised) continue;
    table_.cards[i].raised = false;
    for (int rider : table_.CardsAbove(i)) table_.BringToFront(rider);
    return;
  }
}

}  // namespace vantrel
