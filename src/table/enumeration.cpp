// The legal drops in the game's order, the move count with its King discount, the listing and the win test.
#include "platform/texts.h"
#include "table/card_names.h"
#include "table/table.h"

namespace vantrel {

namespace {

// The drops of `moves` as slots, in the game's order: by the slot of the card receiving the drop; a King's
// drops into the empty columns come at the King's own slot, after any drop onto it, in the columns' order.
LegalDrops InGameOrder(const Position& position, const MoveList& moves) {
  std::array<int, kMaxMoves> key;
  std::array<LegalDrop, kMaxMoves> sorted;
  int count = 0;
  for (int i = 0; i < moves.size(); ++i) {
    const Move m = moves[i];
    const Drop drop = position.ToDrop(m);
    const int k = IsBlankSpot(drop.target) ? drop.moved * 16 + 1 + m.to : drop.target * 16;
    int at = count++;
    for (; at > 0 && key[at - 1] > k; --at) {
      key[at] = key[at - 1];
      sorted[at] = sorted[at - 1];
    }
    key[at] = k;
    sorted[at] = {drop, !position.face_down(m.card)};
  }
  LegalDrops drops;
  for (int i = 0; i < count; ++i) drops.push_back(sorted[i]);
  return drops;
}

}  // namespace

LegalDrops Table::ListLegalDrops() const {
  MoveList moves;
  position.Moves(moves);
  return InGameOrder(position, moves);
}

bool Table::FindMoves() {
  MoveList moves;
  position.Moves(moves);
  count.drops = InGameOrder(position, moves);
  const MoveCount counted = Position::CountOf(moves);
  count.raw_moves = counted.raw;
  count.num_moves = counted.num;
  return count.num_moves != 0;
}

bool Table::CheckWin() const {
  if (count.raw_moves != kMovesOfAWin) return false;
  MoveList moves;
  position.Moves(moves);
  return position.Judge(moves) == Outcome::kWon;
}

MoveEntry Table::Describe(const LegalDrop& drop) const {
  const Card moved = card(drop.moved);
  if (IsBlankSpot(drop.target)) return {moved.number, moved.suit, kBlankNumber, kBlankSuit, drop.moved};
  const Card target = card(drop.target);
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
