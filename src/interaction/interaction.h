// What the player does to the table: drag and drop with one-step undo, the right-button peek, the view
// options, the cheat switch and the quick help. Toolkit-free; the window feeds it mouse and menu input.
#pragma once

#include "platform/texts.h"
#include "table/table.h"

namespace vantrel {

// The target of a drop, or where a button is released, when the pointer is over the bare table.
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
  // A drag of the card of `slot`, with every card lying on it, begins.
  void StartDrag(int slot);
  // Whether the pointer shows the drop taken over its target (a slot, or kBareTable), so that a release
  // there drops: where the rule accepts it, and everywhere while Show Valid Moves is off.
  bool OffersDrop(Drop drop) const;
  // The cursor to show while the card is dragged over the target.
  int DragCursor(Drop drop) const;
  // The release over the target: the table plays the drop if the rule accepts it.
  void DropCard(Drop drop);
  void EndDrag();
  // The whole gesture: press on the moved card, drop on the target, end of the drag.
  void DragAndDrop(Drop drop);

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
