// Building the table, the slots as the position shows them, the stacking order, and laying out a deal.
#include "table/table.h"

#include <algorithm>

namespace vantrel {
namespace {

// The column of a slot before anything is dealt: where the deal puts it.
constexpr int HomeColumn(int slot) {
  if (slot < kColumnSlots) return slot % 8 + 1;
  if (slot < kBlankFirst) return slot - kReserveFirst + 9;
  return slot - kBlankFirst + 1;
}

}  // namespace

Table::Table(platform::Host& host, int window_height) : host_(host) {
  for (int i = 0; i < kSlotCount; ++i) {
    Image& image = images[i];
    BringToFront(i);  // a new control lies above those created before it
    image.transparent = true;
    image.visible = false;
    if (IsBlankSpot(i)) {
      image.height = window_height - kFrameHeight - 50;
      SendToBack(i);
    } else {
      image.cursor = kCursorHandPointer;
      image.drag_cursor = kCursorHandPoint;
    }
  }
}

Card Table::card(int slot) const {
  Card c;
  c.col = HomeColumn(slot);
  if (!position.dealt()) return c;
  if (IsBlankSpot(slot)) {
    // The blank spots keep the identities the ordered deck gives slots 52..59, and always lie face down.
    c.suit = 1;
    c.number = slot - kBlankFirst + 1;
    c.back_up = true;
    return c;
  }
  const int code = position.card_at(slot);
  c.suit = SuitOf(code);
  c.number = NumberOf(code);
  c.back_up = position.face_down(code);
  c.ontop = position.uncovered(code);
  const int col = position.column_of(code);
  c.col = col < kColumns ? col + 1 : col == kInReserve ? position.row_of(code) + 9 : 0;
  c.picture = c.back_up ? kBackPicture : code;
  return c;
}

ColumnList Table::CardsAbove(int slot) const {
  ColumnList above;
  const int col = position.ColumnOfSlot(slot);
  if (col < 0) return above;
  const int first = IsBlankSpot(slot) ? 0 : position.row_of(position.card_at(slot)) + 1;
  for (int row = first; row < position.height(col); ++row)
    above.push_back(position.slot_of(position.at(col, row)));
  return above;
}

std::array<int, kSlotCount> Table::StackingOrder() const {
  std::array<int, kSlotCount> order;
  for (int i = 0; i < kSlotCount; ++i) order[i] = i;
  std::sort(order.begin(), order.end(), [this](int a, int b) { return images[a].z < images[b].z; });
  return order;
}

void Table::DealLayout(const Position& dealt) {
  position = dealt;
  ui.raised = 0;
  for (int i = 0; i < kSlotCount; ++i) {
    if (i < kCardSlots) {
      BringToFront(i);
    } else {
      // Placed and then laid out: a blank spot goes to the back twice, as it always has.
      SendToBack(i);
      SendToBack(i);
    }
  }
  for (Image& image : images) image.visible = true;
}

}  // namespace vantrel
