// Where the slots' pictures lie on the table, in client pixels: derived from the position and the window's
// outer height, which decides only where the reserve row lies. The rule never reads a pixel; the view, the
// keyboard's places, the screen reader's table and the command line's report read them here.
#pragma once

#include "table/table.h"

namespace vantrel {

struct SlotPlace {
  int left = 0;
  int top = 0;
  bool operator==(const SlotPlace&) const = default;
};

class Layout {
 public:
  explicit Layout(int window_height = kDesignHeight) : window_height_(window_height) {}

  int window_height() const { return window_height_; }
  // The reserve row's Top: 180 pixels above the window's outer bottom edge.
  int ReserveTop() const { return window_height_ - kReserveFromBottom; }

  // A column card at its column's left edge and 15 pixels below the card it lies on (a column's head at Top
  // 15), a reserve card in its place of the reserve row, a blank spot at the top of its column. Before the
  // first deal every slot lies where the deal will put it.
  SlotPlace PlaceOf(const Table& table, int slot) const;
  // Whether the point lies on the slot's picture.
  bool Covers(const Table& table, int slot, int x, int y) const;
  // The topmost visible slot picture under the point, or -1 for the bare table.
  int SlotAt(const Table& table, int x, int y) const;

 private:
  int window_height_;
};

// The left edge of column 1..8.
constexpr int ColumnLeft(int col) { return (col - 1) * kColumnStep + kFirstLeft; }
// The left edge of the reserve row's place 0..3 (below columns 3 to 6).
constexpr int ReserveLeft(int place) { return place * kColumnStep + 165; }

}  // namespace vantrel
