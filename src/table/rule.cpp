// The move rule: which cards lie on a slot, where a drop lands, and whether a card may be dropped there.
#include "table/table.h"

namespace vantrel {

ColumnList Table::CardsAbove(int s) const {
  const int c = cards[s].col;
  const int y = cards[s].top;

  std::array<int, kCardSlots> candidates;
  int candidate_count = 0;
  for (int j = 0; j < kCardSlots; ++j) {
    if (j != s && cards[j].col == c && cards[j].top > y) candidates[candidate_count++] = j;
  }

  // Order by position: the card 15 pixels above the last one taken comes next. Scans repeat until every
  // candidate is taken or a scan takes nothing (the column is not a gapless chain).
  ColumnList result;
  std::array<bool, kCardSlots> taken{};
  int w = y + kRowStep;
  bool progress = true;
  while (result.count < candidate_count && progress) {
    progress = false;
    for (int k = 0; k < candidate_count; ++k) {
      if (!taken[k] && cards[candidates[k]].top == w) {
        result.push_back(candidates[k]);
        taken[k] = true;
        w += kRowStep;
        progress = true;
      }
    }
  }
  // A broken chain: the rest follow by Top, then by slot, so every card lying on the slot is still listed.
  while (result.count < candidate_count) {
    int next = -1;
    for (int k = 0; k < candidate_count; ++k) {
      if (taken[k]) continue;
      if (next < 0 || cards[candidates[k]].top < cards[candidates[next]].top) next = k;
    }
    result.push_back(candidates[next]);
    taken[next] = true;
  }
  return result;
}

int Table::LandingSlot(int sender) const {
  const ColumnList above = CardsAbove(sender);
  return above.empty() ? sender : above.last();
}

bool Table::IsValidMove(int sender, int m) const {
  const int t = LandingSlot(sender);
  const Card& target = cards[t];
  const Card& moved = cards[m];
  if (target.number > 1 && moved.number + 1 == target.number && moved.suit == target.suit && target.col < 9 &&
      moved.col != target.col && !target.back_up) {
    return true;
  }
  return t >= kBlankFirst && moved.number == 13;
}

}  // namespace vantrel
