// The slots' places in pixels, and the hit test over them.
#include "interaction/layout.h"

namespace vantrel {

SlotPlace Layout::PlaceOf(const Table& table, int slot) const {
  if (IsBlankSpot(slot)) return {ColumnLeft(slot - kBlankFirst + 1), 0};
  const Position& p = table.position;
  if (!p.dealt()) {
    if (slot < kColumnSlots) return {ColumnLeft(slot % 8 + 1), (slot / 8) * kRowStep + kHeadTop};
    return {ReserveLeft(slot - kReserveFirst), ReserveTop()};
  }
  const int card = p.card_at(slot);
  const int col = p.column_of(card);
  if (col < kColumns) return {ColumnLeft(col + 1), p.row_of(card) * kRowStep + kHeadTop};
  if (col == kInReserve) return {ReserveLeft(p.row_of(card)), ReserveTop()};
  return {-1000, -1000 - slot * kRowStep};  // out of play: off the table, and never shown
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): x and y, a point's coordinates in their one order
bool Layout::Covers(const Table& table, int slot, int x, int y) const {
  const SlotPlace place = PlaceOf(table, slot);
  const Image& image = table.images[slot];
  return x >= place.left && x < place.left + image.width && y >= place.top && y < place.top + image.height;
}

int Layout::SlotAt(const Table& table, int x, int y) const {
  int best = -1;
  for (int i = 0; i < kSlotCount; ++i) {
    const Image& image = table.images[i];
    if (image.visible && Covers(table, i, x, y) && (best < 0 || image.z > table.images[best].z)) best = i;
  }
  return best;
}

}  // namespace vantrel
