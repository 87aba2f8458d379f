// The switches at the end of the Options menu, remembered between runs in a small text file of their own:
// one "Name=1" or "Name=0" a line.
#pragma once

#include <string>
#include <string_view>

namespace vantrel {

struct Switches {
  bool keep_game = false;      // Keep the Game When Closing
  bool tell_winnable = false;  // Tell Whether the Game Can Still Be Won
  bool winnable_only = false;  // Deal Only Winnable Games
  bool operator==(const Switches&) const = default;
};

std::string SwitchesText(const Switches& switches);
// The switches a text holds; a switch not named as on (missing, another value, a damaged line) is off, and
// names the game does not know are passed over.
Switches ReadSwitches(std::string_view text);

}  // namespace vantrel
