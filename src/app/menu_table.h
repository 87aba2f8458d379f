// Every menu command of the window, described once. The window builds its menu bar from this table, connects
// each item to its handler, shows the table's state in the items (caption, enabled, check mark) and answers
// their shortcuts while a drop-down is open, all from here. A new command is one row (and, when its item
// shows something of the game, that field of Controls, filled in by ControlsOf).
#pragma once

#include <QKeyCombination>
#include <span>
#include <string>

#include "interaction/switches.h"
#include "table/controls.h"

namespace vantrel::app {

class MainWindow;

// Where an entry goes on the menu bar.
enum class MenuPlace {
  kDropDown,   // a drop-down on the menu bar, titled with the caption; the items after it go into it
  kItem,       // an item of the drop-down above it
  kSeparator,  // a line between two items of the drop-down above it
  kBar,        // an item on the menu bar itself, without a drop-down: a click runs it at once
  kHidden,     // never shown, and in no drop-down (a screen reader would list a hidden item of one); its
               // shortcut works anywhere in the window
};

struct MenuEntry {
  MenuPlace place = MenuPlace::kItem;
  const char* name = nullptr;  // the object name, by which the tests find it
  // English, marked for translation in the context "Menu" (a hidden item's stays English: it is never
  // shown); none where `text` gives the caption.
  const char* caption = nullptr;
  QKeyCombination shortcut = QKeyCombination::fromCombined(0);  // none by default
  // What the item does: run as a command, after a drag under way has ended without a drop.
  void (*run)(MainWindow& window) = nullptr;
  // What the item shows of the game, from Controls, at every synchronisation; none by default.
  std::string Controls::*text = nullptr;  // the caption
  bool Controls::*enabled = nullptr;      // enabled or not (without it: always enabled)
  bool Controls::*checked = nullptr;      // its check mark: only an item with one can be checked
  // A player's aid switched by the item (instead of `run`), saved at once; its check mark shows the switch.
  bool Switches::*aid = nullptr;
};

// The menu bar as the player sees it, from left to right and each drop-down from top to bottom.
std::span<const MenuEntry> MenuTable();

}  // namespace vantrel::app
