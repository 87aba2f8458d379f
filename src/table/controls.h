// What the window's controls show, derived from the table in one place: the window and the command line's
// report both read it, and nothing else sets it.
#pragma once

#include <string>

#include "table/table.h"

namespace vantrel {

struct Controls {
  std::string give_hint_caption;  // "Give &Hint (3)", the & marking the menu item's access key
  std::string num_moves_caption;  // "Number of Moves: 8", the label
  bool num_moves_visible = true;
  bool undo_enabled = false;
  bool show_valid_checked = true;
  bool show_number_checked = true;
  bool use_transparency_checked = true;
  bool show_moves_enabled = false;  // the "Show All Moves" button
  std::string status_text;
  bool scroll_bars = true;     // off while a drag is under way
  bool timer_enabled = false;  // the hint timer runs while a hinted card is hidden
};

Controls ControlsOf(const Table& table);

}  // namespace vantrel
