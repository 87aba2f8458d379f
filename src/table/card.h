// One card slot as the game's state holds it, and the picture control that draws it, as plain data.
#pragma once

#include <array>
#include <cstdint>

#include "table/geometry.h"

namespace vantrel {

// What an image shows: a face (0..51, index (suit - 1) * 13 + (number - 1)), the back, or nothing.
inline constexpr int kNoPicture = -1;
inline constexpr int kBackPicture = 52;

inline constexpr int FacePicture(int suit, int number) { return (suit - 1) * 13 + (number - 1); }

// Cursor ids an image can carry. Positive ids are the program's own registered cursors, negative ids the
// toolkit's stock cursors.
inline constexpr int kCursorDefault = 0;
inline constexpr int kCursorDrag = -12;        // the stock drag arrow
inline constexpr int kCursorHandPoint = -21;   // the stock pointing hand
inline constexpr int kCursorHandPointer = 10;  // our own pointing hand ("HANDPOINTER")
inline constexpr int kCursorHandGrab = 11;     // our own closed hand ("HANDGRAB")

// One slot as the game's state shows it, derived from the position: the card's identity (`suit`, `number`),
// whether it lies face down (`back_up`) or uncovered (`ontop`), its column (`col`) and the picture it shows.
// Before the first deal every slot is zero but for its column. Where a slot lies in pixels is the layout's
// business (src/interaction/layout.h).
struct Card {
  int suit = 0;    // 1..4: spades, clubs, diamonds, hearts
  int number = 0;  // 1..13: Ace..King
  bool back_up = false;
  bool ontop = false;
  int col = 0;  // 1..8 the columns, 9..12 the reserve places
  int picture = kNoPicture;

  bool operator==(const Card&) const = default;
};

// How a slot's picture is drawn and how it reacts to the pointer. Not part of the game's state: Undo leaves
// it alone.
struct Image {
  int width = kCardWidth;
  int height = kCardHeight;
  bool visible = false;
  bool transparent = false;
  int cursor = kCursorDefault;
  int drag_cursor = kCursorDrag;
  std::int64_t z = 0;  // stacking rank: higher is drawn later, on top
};

}  // namespace vantrel
