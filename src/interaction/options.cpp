// The view options, the hidden cheat switch and the quick help.
#include "interaction/interaction.h"

namespace vantrel {

//: Name the Options menu and its Give Hint item as the menus call them. The line breaks are the English
//: text's own: a translation may leave them out and let the box wrap its lines.
const platform::Text kQuickHelp =
    VANTREL_TEXT("Messages",
                 "Quick Help:\n\n"
                 "Stack the cards in descending, same suit order. You have\n"
                 "to move the whole column (ie; all cards under the card\n"
                 "you're moving too). Only Kings can be played on blank spots.\n"
                 "Click \"Give Hint\" in the Options menu to get an idea. The\n"
                 "game is won when there are four piles, all King down to Ace.");

void Interaction::ToggleShowValid() {
  table_.options.show_valid = !table_.options.show_valid;
  const int cursor = table_.options.show_valid ? kCursorHandPoint : kCursorHandPointer;
  for (int i = 0; i < kCardSlots; ++i) table_.images[i].drag_cursor = cursor;
}

void Interaction::ToggleShowNumber() { table_.options.show_number = !table_.options.show_number; }

void Interaction::ToggleTransparency() {
  table_.options.use_transparency = !table_.options.use_transparency;
  for (int i = 0; i < kCardSlots; ++i) table_.images[i].transparent = table_.options.use_transparency;
}

void Interaction::EnableCheats() { table_.options.cheats = true; }

void Interaction::ShowHelp() { table_.host().ShowMessage(platform::Tr(kQuickHelp)); }

}  // namespace vantrel
