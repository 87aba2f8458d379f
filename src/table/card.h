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

// One slot as a deal and the drops leave it: everything Undo restores. Records start zeroed: identities are
// meaningless until the first deal resets them. `left` and `top` are the slot's place in client pixels;
// the rule reads a card's row and column from them.
struct Card {
  int suit = 0;    // 1..4: spades, clubs, diamonds, hearts
  int number = 0;  // 1..13: Ace..King
  bool back_up = false;
  bool ontop = false;
  int col = 0;  // 1..8 the columns, 9..12 the reserve places
  bool raised = false;
  int picture = kNoPicture;
  int left = 0;
  int top = 0;

  bool operator==(const Card&) const = default;
};

// The 60 slots: 0..47 dealt into the columns, 48..51 the reserve row, 52..59 the blank spots.
using Slots = std::array<Card, kSlotCount>;
// The card slots as the last drop found them: the value Undo copies back.
using UndoCopy = std::array<Card, kCardSlots>;

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

// Whether the point lies on the image of a slot placed at the card's place.
inline bool Covers(const Card& card, const Image& image, int x, int y) {
  return x >= card.left && x < card.left + image.width && y >= card.top && y < card.top + image.height;
}

}  // namespace vantrel
