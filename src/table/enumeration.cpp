// Counting the possible moves, the King discount, the listing, the hint's pick and the win test.
#include "table/table.h"

#include "table/card_names.h"

namespace vantrel {
namespace {

// A column's head: its first card. Only the eight table columns have heads; a reserve card can lie at the
// same height when the window is short, but it heads nothing.
bool IsHead(const Card& card) { return card.image.top == kHeadTop && IsTableColumn(card.col); }

}  // namespace

bool Table::FindMoves(int mode) {
  num_moves = 0;
  moves.clear();
  // Which columns are empty, asked of each blank spot once, when the first face-up King needs it.
  std::array<bool, kSlotCount - kBlankFirst> empty{};
  bool empty_known = false;
  for (int p = 0; p < kCardSlots; ++p) {
    const Card& c = cards[p];
    if (c.ontop && c.number > 1 && !c.back_up && c.col < 9) {
      for (int i = 0; i < kCardSlots; ++i) {
        const Card& d = cards[i];
        if (d.number == c.number - 1 && d.suit == c.suit && !d.back_up && d.col != c.col) {
          moves.push_back({d.number, d.suit, c.number, c.suit, i});
          ++num_moves;
        }
      }
    }
    if (c.number == 13 && !c.back_up) {
      if (!empty_known) {
        for (int b = kBlankFirst; b < kSlotCount; ++b) empty[b - kBlankFirst] = CardsAbove(b).empty();
        empty_known = true;
      }
      for (int b = kBlankFirst; b < kSlotCount; ++b) {
        if (empty[b - kBlankFirst]) {
          moves.push_back({13, c.suit, kBlankNumber, kBlankSuit, p});
          ++num_moves;
        }
      }
    }
  }
  raw_moves = num_moves;
  DiscountKingMoves();

  if (mode == kShowAllMoves) {
    host_.Beep();
    host_.ShowMessage(MovesListing());
  } else if (mode == kGiveHint && moves.count > 0) {
    random.Seed(host_.NowSeconds());
    const int k = random.Below(moves.count);
    hint_card = moves[k].slot;
    cards[hint_card].image.visible = false;
    timer_enabled = true;
    host_.StartHintTimer();
  }
  SetMovesCaption();
  return num_moves != 0;
}

void Table::DiscountKingMoves() {
  int kings_at_head = 0;
  std::array<bool, 9> occupied{};
  for (int i = 0; i < kCardSlots; ++i) {
    const Card& card = cards[i];
    if (card.number == 13 && !card.back_up && IsHead(card)) ++kings_at_head;
    if (IsTableColumn(card.col)) occupied[card.col] = true;
  }
  int empty_columns = 0;
  for (int col = 1; col <= 8; ++col) empty_columns += occupied[col] ? 0 : 1;
  if (kings_at_head * empty_columns == num_moves) num_moves = 0;
}

bool Table::CheckWin() {
  if (raw_moves != 16) return false;
  for (int i = 0; i < kCardSlots; ++i) {
    const Card& head = cards[i];
    if (!IsHead(head)) continue;
    if (head.number != 13 || head.back_up) return false;
    drag_list = CardsAbove(i);
    if (drag_list.count != 12) return false;
    for (int j = 0; j < 12; ++j) {
      const Card& card = cards[drag_list[j]];
      if (card.number != 12 - j || card.suit != head.suit) return false;
    }
  }
  return true;
}

std::string Table::MovesListing() const {
  std::string text = "Possible Moves:\n\n";
  for (const MoveEntry& e : moves) {
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
