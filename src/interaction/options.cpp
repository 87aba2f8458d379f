// The view options, the hidden cheat switch and the quick help.
#include "interaction/interaction.h"

namespace vantrel {

const std::string_view kQuickHelp =
    "Quick Help:\n\n"
    "Stack the cards in descending, same suit order. You have\n"
    "to move the whole column (ie; all cards under the card\n"
    "you're moving too). Only Kings can be played on blank spots.\n"
    "Click \"Give Hint\" in the Options menu to get an idea. The\n"
    "game is won when there are four piles, all King down to Ace.";

void Interaction::ShowValidClick() {
  table_.show_valid = !table_.show_valid;
  const int cursor = table_.show_valid ? kCursorHandPoint : table_.cr_hand_pointer;
  for (int i = 0; i < kCardSlots; ++i) table_.cards[i].image.drag_cursor = cursor;
}

void Interaction::ShowNumberClick() {
  table_.show_number = !table_.show_number;
  table_.num_moves_visible = table_.show_number;
}

void Interaction::UseTransparencyClick() {
  table_.use_transparency = !table_.use_transparency;
  for (int i = 0; i < kCardSlots; ++i) table_.cards[i].image.transparent = table_.use_transparency;
}

void Interaction::EnableCheatsClick() { table_.show_moves_enabled = true; }

void Interaction::HelpClick() { table_.host().ShowMessage(std::string(kQuickHelp)); }

}  // namespace vantrel
