// One card slot of the table and the on-screen image that shows it, as plain data.
#pragma once

#include <cstdint>

namespace vantrel {

// What an image shows: a face (0..51, index (suit - 1) * 13 + (number - 1)), the back, or nothing.
inline constexpr int kNoPicture = -1;
inline constexpr int kBackPicture = 52;

inline constexpr int FacePicture(int suit, int number) { return (suit - 1) * 13 + (number - 1); }

// Cursor ids an image can carry. Positive ids are the program's own registered cursors, negative ids the
// toolkit's stock cursors.
inline constexpr int kCursorDefault = 0;
inline constexpr int kCursorDrag = -12;       // the stock drag arrow
inline constexpr int kCursorHandPoint = -21;  // the stock pointing hand
inline constexpr int kCursorHandPointer = 10;  // our own pointing hand ("HANDPOINTER")
inline constexpr int kCursorHandGrab = 11;     // our own closed hand ("HANDGRAB")

// The picture control of one slot: where it lies (client pixels), what it shows and how it reacts.
struct Image {
  int left = 0;
  int top = 0;
  int width = 71;
  int height = 96;
  bool visible = false;
  int picture = kNoPicture;
  bool transparent = false;
  int cursor = kCursorDefault;
  int drag_cursor = kCursorDrag;
  int tag = 0;         // the slot index
  std::int64_t z = 0;  // stacking rank: higher is drawn later, on top

  bool Contains(int x, int y) const { return x >= left && x < left + width && y >= top && y < top + height; }
};

// One slot. Records start zeroed: identities are meaningless until the first deal resets them.
struct Card {
  int suit = 0;    // 1..4: spades, clubs, diamonds, hearts
  int number = 0;  // 1..13: Ace..King
  bool back_up = false;
  bool ontop = false;
  int col = 0;  // 1..8 the columns, 9..12 the reserve places
  bool raised = false;
  Image image;
};

}  // namespace vantrel
