// The cards lying on one slot, nearest first.
#pragma once

#include <array>

#include "table/geometry.h"

namespace vantrel {

// Room for every card that can lie on another (51), so no column is ever too long for it.
struct ColumnList {
  int count = 0;
  std::array<int, kCardSlots> slots{};

  bool empty() const { return count == 0; }
  int last() const { return slots[count - 1]; }
  int operator[](int i) const { return slots[i]; }
  const int* begin() const { return slots.data(); }
  const int* end() const { return slots.data() + count; }
  void push_back(int slot) { slots[count++] = slot; }
};

}  // namespace vantrel
