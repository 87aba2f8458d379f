// Reading a position off the table, the drops it offers, making and taking back a drop, and the game's count.
#include "solver/position.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "platform/scripted_host.h"
#include "table/card_names.h"
#include "table/table.h"

namespace vantrel::solver {
namespace {

[[noreturn]] void Reject(const std::string& why) {
  throw std::invalid_argument("not a layout the game can reach: " + why);
}

std::string Name(int code) {
  return std::string(RankName(NumberOf(code))) + std::string(SuitLetter(SuitOf(code)));
}

}  // namespace

Position Position::FromTable(const Table& table) {
  Position p;
  std::array<int, kDeck> slot_of_code;
  slot_of_code.fill(-1);
  std::array<std::vector<int>, kColumns> by_column;
  for (int s = 0; s < kCardSlots; ++s) {
    const Card& card = table.cards[s];
    if (card.suit < 1 || card.suit > 4 || card.number < 1 || card.number > 13) Reject("a slot holds no card");
    const int code = CardCode(card.suit, card.number);
    if (slot_of_code[code] >= 0) Reject("a card lies twice");
    slot_of_code[code] = s;
    p.slot_[code] = static_cast<std::uint8_t>(s);
    if (card.back_up) p.face_down_ |= Bit(code);
    if (IsTableColumn(card.col)) {
      by_column[card.col - 1].push_back(s);
    } else if (card.col >= 9 && card.col <= 12) {
      // The reserve row only ever loses cards.
      if (s < kReserveFirst) Reject("a column card lies in the reserve row");
      if (card.back_up || !card.ontop) Reject("a reserve card is face down or covered");
      p.col_[code] = kInReserve;
      p.row_[code] = static_cast<std::uint8_t>(card.col - 9);
    } else {
      Reject("a card lies in no column");
    }
  }

  for (int c = 0; c < kColumns; ++c) {
    std::vector<int>& slots = by_column[c];
    std::sort(slots.begin(), slots.end(),
              [&](int a, int b) { return table.cards[a].top < table.cards[b].top; });
    const int left = c * kColumnStep + kFirstLeft;
    for (std::size_t row = 0; row < slots.size(); ++row) {
      const Card& card = table.cards[slots[row]];
      const int code = CardCode(card.suit, card.number);
      if (card.top != kHeadTop + static_cast<int>(row) * kRowStep || card.left != left) {
        Reject("the cards of column " + std::to_string(c + 1) + " do not lie one on another");
      }
      const bool uppermost = row + 1 == slots.size();
      if (card.ontop != uppermost) Reject(Name(code) + " is marked uppermost wrongly");
      if (uppermost && card.back_up) Reject(Name(code) + " lies uppermost face down");
      // A card from the reserve row can only have gone onto its next-higher card, or as a King to an empty
      // column; it then never uncovers anything when it moves again.
      if (slots[row] >= kReserveFirst) {
        const bool on_next =
            row > 0 && !IsKing(code) &&
            CardCode(table.cards[slots[row - 1]].suit, table.cards[slots[row - 1]].number) == code + 1 &&
            !table.cards[slots[row - 1]].back_up;
        const bool heading = row == 0 && IsKing(code);
        if (!on_next && !heading) Reject(Name(code) + " came from the reserve row but lies out of place");
      }
      p.columns_[c][row] = static_cast<std::uint8_t>(code);
      p.col_[code] = static_cast<std::uint8_t>(c);
      p.row_[code] = static_cast<std::uint8_t>(row);
    }
    p.height_[c] = static_cast<std::uint8_t>(slots.size());
  }
  return p;
}

Position Position::Deal(std::uint32_t seed) {
  platform::ScriptedHost host(seed);
  Table table(host);
  table.NewClick(DealCommand::kNew);
  return FromTable(table);
}

int Position::empty_columns() const {
  int empty = 0;
  for (int c = 0; c < kColumns; ++c) empty += height_[c] == 0 ? 1 : 0;
  return empty;
}

void Position::Moves(MoveList& out, bool all) const {
  out.count = 0;
  int first_empty = -1;
  for (int c = 0; c < kColumns; ++c) {
    const int h = height_[c];
    if (h == 0) {
      if (first_empty < 0) first_empty = c;
      continue;
    }
    const int target = columns_[c][h - 1];
    // Any card one lower of the suit may come, face up or not, from anywhere but this column.
    if (!face_down(target) && !IsAce(target) && col_[target - 1] != c) {
      out.push_back({static_cast<std::uint8_t>(target - 1), static_cast<std::uint8_t>(c)});
    }
  }
  if (first_empty < 0) return;
  for (int king = 12; king < kDeck; king += 13) {
    const bool heading = col_[king] != kInReserve && row_[king] == 0;
    if (all) {
      for (int c = first_empty; c < kColumns; ++c) {
        if (height_[c] == 0) out.push_back({static_cast<std::uint8_t>(king), static_cast<std::uint8_t>(c)});
      }
    } else if (!heading) {
      out.push_back({static_cast<std::uint8_t>(king), static_cast<std::uint8_t>(first_empty)});
    }
  }
}

bool Position::Accepts(Move m) const {
  if (m.card >= kDeck || m.to >= kColumns) return false;
  if (height_[m.to] == 0) return IsKing(m.card);
  const int target = columns_[m.to][height_[m.to] - 1];
  return !IsKing(m.card) && target == m.card + 1 && !face_down(target) && col_[m.card] != m.to;
}

Undo Position::Apply(Move m) {
  Undo u;
  u.card = m.card;
  u.from = col_[m.card];
  u.from_row = row_[m.card];
  u.was_moved = (moved_ & Bit(m.card)) != 0;
  auto& to = columns_[m.to];
  int to_height = height_[m.to];
  if (u.from == kInReserve) {
    to[to_height] = m.card;
    col_[m.card] = m.to;
    row_[m.card] = static_cast<std::uint8_t>(to_height);
    ++to_height;
  } else {
    auto& from = columns_[u.from];
    const int from_height = height_[u.from];
    for (int r = u.from_row; r < from_height; ++r) {
      const std::uint8_t card = from[r];
      to[to_height] = card;
      col_[card] = m.to;
      row_[card] = static_cast<std::uint8_t>(to_height);
      ++to_height;
    }
    height_[u.from] = u.from_row;
    // The card it lay on is uncovered. (A card from the reserve row lay on nothing when it was dealt and
    // can never leave the card it went onto, so the game's test by slot changes nothing here.)
    if (u.from_row > 0 && slot_[m.card] < kReserveFirst) {
      const std::uint8_t below = from[u.from_row - 1];
      if (face_down(below)) {
        face_down_ &= ~Bit(below);
        u.turned = below;
      }
    }
  }
  height_[m.to] = static_cast<std::uint8_t>(to_height);
  moved_ |= Bit(m.card);
  return u;
}

void Position::Revert(const Undo& u) {
  const int to_col = col_[u.card];
  auto& to = columns_[to_col];
  const int first = row_[u.card];
  const int to_height = height_[to_col];
  if (u.from == kInReserve) {
    col_[u.card] = kInReserve;
    row_[u.card] = u.from_row;
  } else {
    auto& from = columns_[u.from];
    int r = u.from_row;
    for (int k = first; k < to_height; ++k) {
      const std::uint8_t card = to[k];
      from[r] = card;
      col_[card] = u.from;
      row_[card] = static_cast<std::uint8_t>(r);
      ++r;
    }
    height_[u.from] = static_cast<std::uint8_t>(r);
  }
  height_[to_col] = static_cast<std::uint8_t>(first);
  if (u.turned != kNoCard) face_down_ |= Bit(u.turned);
  if (!u.was_moved) moved_ &= ~Bit(u.card);
}

MoveCount Position::CountMoves() const {
  int empty = 0;
  int raw = 0;
  int kings_at_head = 0;
  for (int c = 0; c < kColumns; ++c) {
    const int h = height_[c];
    if (h == 0) {
      ++empty;
      continue;
    }
    const int target = columns_[c][h - 1];
    if (!face_down(target) && !IsAce(target) && !face_down(target - 1) && col_[target - 1] != c) ++raw;
    const int head = columns_[c][0];
    if (IsKing(head) && !face_down(head)) ++kings_at_head;
  }
  for (int king = 12; king < kDeck; king += 13) {
    if (!face_down(king)) raw += empty;
  }
  // Every face-up King offers one move per empty column; when those at the heads of columns account for
  // every move, each of them would only shift a King to another empty column, and that counts as none.
  return {raw, kings_at_head * empty == raw ? 0 : raw};
}

bool Position::Won() const { return Judge() == Outcome::kWon; }

Outcome Position::Judge() const {
  const MoveCount count = CountMoves();
  if (count.raw == kMovesOfAWin) {
    bool won = true;
    for (int c = 0; c < kColumns && won; ++c) {
      const int h = height_[c];
      if (h == 0) continue;
      const int head = columns_[c][0];
      won = IsKing(head) && !face_down(head) && h == 13;
      for (int j = 1; j < h && won; ++j) won = columns_[c][j] == head - j;
    }
    if (won) return Outcome::kWon;
  }
  return count.num == 0 ? Outcome::kLost : Outcome::kGoesOn;
}

Drop Position::ToDrop(Move m) const {
  const int target = height_[m.to] == 0 ? kBlankFirst + m.to : slot_[columns_[m.to][height_[m.to] - 1]];
  return {slot_[m.card], target};
}

std::string Position::Canonical() const {
  std::vector<std::string> columns;
  for (int c = 0; c < kColumns; ++c) {
    std::string text;
    for (int r = 0; r < height_[c]; ++r) {
      const int code = columns_[c][r];
      text += Name(code);
      if (face_down(code)) text += '*';
      text += ' ';
    }
    columns.push_back("[" + text + "]");
  }
  std::sort(columns.begin(), columns.end());
  std::string out;
  for (const std::string& column : columns) out += column;
  out += " reserve:";
  for (int code = 0; code < kDeck; ++code) {
    if (col_[code] != kInReserve) continue;
    out += ' ';
    out += Name(code);
  }
  return out;
}

}  // namespace vantrel::solver
