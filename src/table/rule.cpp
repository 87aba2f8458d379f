// The move rule: which cards lie on a slot, and whether a card may be dropped on a slot.
#include "table/table.h"

namespace vantrel {

ColumnList Table::CardsAbove(int s) const {
  const int c = cards[s].col;
  const int y = cards[s].image.top;

  std::array<int, kCardSlots> candidates;
  int count = 0;
  for (int j = 0; j < kCardSlots; ++j) {
    if (j != s && cards[j].col == c && cards[j].image.top > y) candidates[count++] = j;
  }

  // Order by position: the card 15 pixels above the last one taken comes next. Scans repeat until every
  // candidate is taken or a scan takes nothing (the column is not a gapless chain).
  ColumnList result;
  std::array<bool, kCardSlots> taken{};
  int w = y + kRowStep;
  bool progress = true;
  while (result.count < count && progress) {
    progress = false;
    for (int k = 0; k < count; ++k) {
      if (!taken[k] && cards[candidates[k]].image.top == w) {
        result.push_back(candidates[k]);
        taken[k] = true;
        w += kRowStep;
        progress = true;
      }
    }
  }
  // A broken chain: the rest follow by Top, then by slot, so every card lying on the slot is still listed.
  while (result.count < count) {
    int next = -1;
    for (int k = 0; k < count; ++k) {
      if (taken[k]) continue;
      if (next < 0 || cards[candidates[k]].image.top < cards[candidates[next]].image.top) next = k;
    }
    result.push_back(candidates[next]);
    taken[next] = true;
  }
  return result;
}

bool Table::IsValidMove(int t, int m) const {
  const ColumnList above = CardsAbove(t);
  if (!above.empty()) t = above.last();
  const Card& target = cards[t];
  const Card& moved = cards[m];
  if (target.number > 1 && moved.number + 1 == target.number && moved.suit == target.suit && target.col < 9 &&
      moved.col != target.col && !target.back_up) {
    return true;
  }
  return t >= kBlankFirst && moved.number == 13;
}

}  // namespace vantrel
