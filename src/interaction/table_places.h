// The places a keyboard player moves over (every card on the table and each empty column's spot), how the
// arrow keys step between them, and what each is called aloud. Toolkit-free; reads the table only.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "table/table.h"

namespace vantrel {

enum class Step { kUp, kDown, kLeft, kRight };
inline constexpr Step kSteps[] = {Step::kUp, Step::kDown, Step::kLeft, Step::kRight};

// Lane 0..7 are the columns 1..8, each from its first card to its uppermost one, or its blank spot when it is
// empty; lane 8 is the reserve row, left to right (empty once every reserve card has gone).
inline constexpr int kReserveLane = 8;
inline constexpr int kLanes = 9;

struct Place {
  int lane = -1;
  int row = -1;  // 0 is a column's first card, or the reserve row's leftmost card
};

class TablePlaces {
 public:
  explicit TablePlaces(const Table& table);

  const std::vector<int>& Lane(int lane) const { return lanes_[static_cast<std::size_t>(lane)]; }
  // Every place in reading order: the columns one after another, then the reserve row.
  std::vector<int> All() const;
  bool empty() const;
  // Where the slot lies, or {-1, -1} when it is no place now.
  Place Find(int slot) const;
  bool Contains(int slot) const { return Find(slot).lane >= 0; }
  // Where an arrow key goes from `slot`: along a column, across the columns keeping the row as near as the
  // other column allows, from a column's uppermost card down to the nearest reserve card and back up. At an
  // edge the focus stays.
  int Next(int slot, Step step) const;
  // The fewest arrow keys that take the focus from one place to another; nullopt when it cannot get there.
  std::optional<std::vector<Step>> Way(int from, int to) const;
  // Where the focus starts: the uppermost card of the first column; -1 when nothing is on the table.
  int First() const;
  // A place for a focus whose slot is no place any more (the table changed under it): the same column at
  // the nearest row, else the first place.
  int Nearest(int slot) const;

  // "Seven of Hearts"; a face-down card is only "face-down card", never what it is; a blank spot "empty
  // column".
  std::string Name(int slot) const;
  // "column 3, row 2", "reserve row, place 1", or for a blank spot "column 5".
  std::string Description(int slot) const;

 private:
  // The column lane whose left edge lies nearest `left`.
  int NearestColumn(int left) const;

  const Table& table_;
  std::vector<std::vector<int>> lanes_;
};

// Whether the slot is on the table now: shown, or a card that a hint hides for a moment.
bool OnTable(const Table& table, int slot);
// The slot and every card lying on it: what a pick-up there takes, what a drop there lands on.
std::vector<int> Group(const Table& table, int slot);

}  // namespace vantrel
