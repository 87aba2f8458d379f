// What the player does to the table: drag and drop with one-step undo, the right-button peek, the view
// options, the cheat switch and the quick help. Toolkit-free; the window feeds it mouse and menu input.
#pragma once

#include "platform/texts.h"
#include "table/table.h"

namespace vantrel {

// The sender of a drag-over or button release that is the window itself: the pointer is over the bare table.
inline constexpr int kBareTable = -1;

// The cursor shown over a target that refuses the drop.
inline constexpr int kCursorNoDrop = -13;

enum class MouseButton { kLeft, kRight, kMiddle };

// The quick help, exactly as the Help command shows it (in English).
extern const platform::Text kQuickHelp;

class Interaction {
 public:
  explicit Interaction(Table& table) : table_(table) {}

  // --- drag and drop ---
  void StartDrag(int slot);
  // Whether a drop of `source` on `sender` (a slot, or kBareTable) would be accepted.
  bool OffersDrop(int sender, int source) const;
  // The cursor to show while `source` is dragged over `sender`.
  int DragCursor(int sender, int source) const;
  void DropCard(int sender, int source);
  void EndDrag();
  // The whole gesture: press on `moved`, drop on `target`, end of the drag.
  void DragAndDrop(int moved, int target);

  // Takes the last drop back. It does not ask whether Undo is enabled: the window offers it only then.
  void UndoLastDrop();

  // --- peek ---
  // A mouse button pressed on a slot, and released on a card image or on the bare table: the right button
  // peeks.
  void ButtonPressed(int slot, MouseButton button);
  void ButtonReleased(MouseButton button);
  void PeekCard(int slot);
  void UnpeekCard();

  // --- view options, cheat and help ---
  // Each option switched over: Show Valid Moves, Show Number of Moves, Use Transparency.
  void ToggleShowValid();
  void ToggleShowNumber();
  void ToggleTransparency();
  void EnableCheats();
  void ShowHelp();

 private:
  Table& table_;
};

}  // namespace vantrel
