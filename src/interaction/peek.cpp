// The right-button peek: the slot's details in the status bar, and a covered face-up card drawn whole.
#include <bit>
#include <string>

#include "interaction/interaction.h"

namespace vantrel {
namespace {

const char* BoolText(bool value) { return value ? "true" : "false"; }

}  // namespace

void Interaction::ButtonPressed(int slot, MouseButton button) {
  if (button == MouseButton::kRight) PeekCard(slot);
}

void Interaction::ButtonReleased(MouseButton button) {
  if (button == MouseButton::kRight) UnpeekCard();
}

void Interaction::PeekCard(int i) {
  const Card card = table_.card(i);
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
    table_.ui.raised |= std::uint64_t{1} << i;
    table_.BringToFront(i);
  }
}

void Interaction::UnpeekCard() {
  table_.ui.status_text.clear();
  // Each release restores the highest raised card (two presses may come without a release between them).
  if (table_.ui.raised == 0) return;
  const int raised = 63 - std::countl_zero(table_.ui.raised);
  table_.ui.raised &= ~(std::uint64_t{1} << raised);
  for (int rider : table_.CardsAbove(raised)) table_.BringToFront(rider);
}

}  // namespace vantrel
