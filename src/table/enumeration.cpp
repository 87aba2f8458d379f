// The legal drops, the move count with its King discount, the listing and the win test.
#include "platform/texts.h"
#include "table/card_names.h"
#include "table/layout_facts.h"
#include "table/table.h"

namespace vantrel {
namespace {

// The count is 0 when the only moves are Kings already heading a column moved to an empty one: such a drop
// changes nothing.
int DiscountKingMoves(const Slots& cards, int counted) {
  int kings_at_head = 0;
  std::array<bool, 9> occupied{};
  for (int i = 0; i < kCardSlots; ++i) {
    const Card& card = cards[i];
    if (card.number == 13 && !card.back_up && IsColumnHead(card)) ++kings_at_head;
    if (IsTableColumn(card.col)) occupied[card.col] = true;
  }
  int empty_columns = 0;
  for (int col = 1; col <= 8; ++col) empty_columns += occupied[col] ? 0 : 1;
  return kings_at_head * empty_columns == counted ? 0 : counted;
}

}  // namespace

LegalDrops Table::ListLegalDrops() const {
  // The slot of each card by its face, so that the one card fitting on a target is found at once.
  // Before the first deal the slots hold no cards yet, and nothing fits anywhere.
  std::array<int, kCardSlots> slot_of;
  slot_of.fill(-1);
  for (int i = 0; i < kCardSlots; ++i) {
    if (IsCardFace(cards[i])) slot_of[FacePicture(cards[i].suit, cards[i].number)] = i;
  }
  // Which columns are empty, asked of each blank spot once, when the first King needs it.
  std::array<bool, kSlotCount - kBlankFirst> empty{};
  bool empty_known = false;

  LegalDrops drops;
  for (int p = 0; p < kCardSlots; ++p) {
    const Card& c = cards[p];
    if (c.ontop && c.number > 1 && !c.back_up && c.col < 9) {
      const int i = IsCardFace(c) ? slot_of[FacePicture(c.suit, c.number - 1)] : -1;
      if (i >= 0 && cards[i].col != c.col) drops.push_back({i, p, !cards[i].back_up});
    }
    if (c.number == 13) {
      if (!empty_known) {
        for (int b = kBlankFirst; b < kSlotCount; ++b) empty[b - kBlankFirst] = CardsAbove(b).empty();
        empty_known = true;
      }
      for (int b = kBlankFirst; b < kSlotCount; ++b) {
        if (empty[b - kBlankFirst]) drops.push_back({p, b, !c.back_up});
      }
    }
  }
  return drops;
}

bool Table::FindMoves() {
  count.drops = ListLegalDrops();
  int counted = 0;
  for (const LegalDrop& drop : count.drops) counted += drop.counted ? 1 : 0;
  count.raw_moves = counted;
  count.num_moves = DiscountKingMoves(cards, counted);
  return count.num_moves != 0;
}

bool Table::CheckWin() const {
  if (count.raw_moves != kMovesOfAWin) return false;
  for (int i = 0; i < kCardSlots; ++i) {
    const Card& head = cards[i];
    if (!IsColumnHead(head)) continue;
    if (head.number != 13 || head.back_up) return false;
    const ColumnList column = CardsAbove(i);
    if (column.count != 12) return false;
    for (int j = 0; j < 12; ++j) {
      const Card& card = cards[column[j]];
      if (card.number != 12 - j || card.suit != head.suit) return false;
    }
  }
  return true;
}

MoveEntry Table::Describe(const LegalDrop& drop) const {
  const Card& moved = cards[drop.moved];
  if (IsBlankSpot(drop.target)) return {moved.number, moved.suit, kBlankNumber, kBlankSuit, drop.moved};
  const Card& target = cards[drop.target];
  return {moved.number, moved.suit, target.number, target.suit, drop.moved};
}

std::string Table::MovesListing() const {
  //: Heads the list of every possible move, in the cards' own codes (7H,8H), that a hidden switch shows
  std::string text = platform::Tr(VANTREL_TEXT("Messages", "Possible Moves:")) + "\n\n";
  for (const LegalDrop& drop : count.drops) {
    if (!drop.counted) continue;
    const MoveEntry e = Describe(drop);
    text += RankName(e.moved_number);
    text += SuitLetter(e.moved_suit);
    text += ',';
    text += RankName(e.target_number);
    text += SuitLetter(e.target_suit);
    text += "   ";
  }
  return text;
}

}  // namespace vantrel
