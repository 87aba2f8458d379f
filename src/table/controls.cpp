// The controls' state, derived from the table.
#include "table/controls.h"

#include "platform/texts.h"

namespace vantrel {

Controls ControlsOf(const Table& table) {
  Controls c;
  //: %1: the hints left in this game (3 at the start)
  c.give_hint_caption =
      platform::Tr(VANTREL_TEXT("Menu", "Give &Hint (%1)"), {std::to_string(table.course.hints_left)});
  //: %1: how many moves can be made now
  c.num_moves_caption =
      platform::Tr(VANTREL_TEXT("Table", "Number of Moves: %1"), {std::to_string(table.count.num_moves)});
  c.num_moves_visible = table.options.show_number;
  c.undo_enabled = table.course.undo_enabled;
  c.show_valid_checked = table.options.show_valid;
  c.show_number_checked = table.options.show_number;
  c.use_transparency_checked = table.options.use_transparency;
  c.show_moves_enabled = table.options.cheats;
  c.status_text = table.ui.status_text;
  c.scroll_bars = !table.ui.dragging;
  c.timer_enabled = table.ui.hint_blinking;
  return c;
}

}  // namespace vantrel
