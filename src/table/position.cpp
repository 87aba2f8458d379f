// The deal, the drops a position offers, making and taking back a drop, and the game's count and win test.
#include "table/position.h"

#include <algorithm>
#include <bit>
#include <stdexcept>

#include "table/card_names.h"
#include "table/random.h"

namespace vantrel {
namespace {

// Slots dealt face down: three in columns 1 and 8, two in 2 and 7, one in 3 and 6.
constexpr std::uint64_t kDealtFaceDown = Bit(0) | Bit(1) | Bit(2) | Bit(5) | Bit(6) | Bit(7) | Bit(8) |
                                         Bit(9) | Bit(14) | Bit(15) | Bit(16) | Bit(23);

std::string Name(int code) {
  return std::string(RankName(NumberOf(code))) + std::string(SuitLetter(SuitOf(code)));
}

}  // namespace

DealtCards ShuffledDeck(std::uint32_t seed) {
  // The generator's outputs, drawn ahead in four interleaved runs so that no output waits for the one
  // before it; the draws below are the same as one generator's, one after another. 101 exchanges take two
  // draws each and rarely a few more; past the drawn ones the generator goes on one at a time.
  constexpr int kAhead = 224;
  std::array<std::uint32_t, kAhead> drawn;
  Random::DrawAhead(seed, drawn.data(), kAhead);
  Random random;
  random.Seed(seed);
  int used = 0;
  auto next = [&] {
    if (used < kAhead) return static_cast<int>(drawn[used++] % kDeck);
    if (used == kAhead) {
      for (int k = 0; k < kAhead; ++k) random.Next();
      ++used;
    }
    return random.Below(kDeck);
  };
  DealtCards cards;
  for (int i = 0; i < kDeck; ++i) cards[i] = static_cast<std::uint8_t>(i);
  for (int n = 0; n < 101; ++n) {
    const int a = next();
    int b;
    do {
      b = next();
    } while (b == a);
    std::swap(cards[a], cards[b]);
  }
  return cards;
}

Position Position::Deal(const DealtCards& cards) {
  Position p;
  p.dealt_ = true;
  p.card_ = cards;
  for (int slot = 0; slot < kColumnSlots; ++slot) {
    const std::uint8_t code = cards[slot];
    const int col = slot % kColumns;
    const int row = slot / kColumns;
    p.slot_[code] = static_cast<std::uint8_t>(slot);
    p.columns_[col][row] = code;
    p.col_[code] = static_cast<std::uint8_t>(col);
    p.row_[code] = static_cast<std::uint8_t>(row);
  }
  // The face-down set, from the twelve slots dealt face down (kept apart from the loop above, whose byte
  // stores might otherwise be taken to change it).
  std::uint64_t face_down = 0;
  for (std::uint64_t slots = kDealtFaceDown; slots != 0; slots &= slots - 1)
    face_down |= Bit(cards[std::countr_zero(slots)]);
  for (int slot = kReserveFirst; slot < kDeck; ++slot) {
    const std::uint8_t code = cards[slot];
    p.slot_[code] = static_cast<std::uint8_t>(slot);
    p.col_[code] = kInReserve;
    p.row_[code] = static_cast<std::uint8_t>(slot - kReserveFirst);
  }
  p.face_down_ = face_down;
  p.height_.fill(kColumnSlots / kColumns);
  return p;
}

Position Position::Arrange(const std::array<std::vector<std::uint8_t>, kColumns>& columns,
                           const std::array<std::uint8_t, kReservePlaces>& reserve, std::uint64_t face_down,
                           const std::array<std::uint8_t, kDeck>& slots, std::uint64_t moved) {
  Position p;
  p.dealt_ = true;
  p.face_down_ = face_down & (Bit(kDeck) - 1);
  p.moved_ = moved & (Bit(kDeck) - 1);
  p.col_.fill(kOutOfPlay);
  std::array<bool, kDeck> placed{};
  auto place = [&](std::uint8_t code) {
    if (code >= kDeck) throw std::invalid_argument("not a card: " + std::to_string(code));
    if (placed[code]) throw std::invalid_argument(Name(code) + " lies twice");
    placed[code] = true;
  };
  for (int c = 0; c < kColumns; ++c) {
    if (columns[c].size() > static_cast<std::size_t>(kDeck)) throw std::invalid_argument("a column too long");
    for (std::size_t row = 0; row < columns[c].size(); ++row) {
      const std::uint8_t code = columns[c][row];
      place(code);
      p.columns_[c][row] = code;
      p.col_[code] = static_cast<std::uint8_t>(c);
      p.row_[code] = static_cast<std::uint8_t>(row);
    }
    p.height_[c] = static_cast<std::uint8_t>(columns[c].size());
  }
  for (int place_index = 0; place_index < kReservePlaces; ++place_index) {
    const std::uint8_t code = reserve[place_index];
    if (code == kNoCard) continue;
    place(code);
    p.col_[code] = kInReserve;
    p.row_[code] = static_cast<std::uint8_t>(place_index);
  }
  std::array<bool, kDeck> slot_taken{};
  for (int code = 0; code < kDeck; ++code) {
    const std::uint8_t slot = slots[code];
    if (slot >= kDeck || slot_taken[slot]) throw std::invalid_argument("the slots are not one for each card");
    slot_taken[slot] = true;
    p.slot_[code] = slot;
    p.card_[slot] = static_cast<std::uint8_t>(code);
  }
  return p;
}

std::string Position::WhyUnreachable() const {
  if (!dealt_) return "nothing is dealt";
  for (int code = 0; code < kDeck; ++code) {
    if (col_[code] == kOutOfPlay) return Name(code) + " lies in no column";
    const bool dealt_to_reserve = slot_[code] >= kReserveFirst;
    if (col_[code] == kInReserve) {
      if (!dealt_to_reserve || row_[code] != slot_[code] - kReserveFirst) {
        return Name(code) + " lies in another reserve place than its own";
      }
      if (face_down(code)) return Name(code) + " lies face down in the reserve row";
      continue;
    }
    const int col = col_[code];
    const int row = row_[code];
    if (row + 1 == height_[col] && face_down(code)) return Name(code) + " lies uppermost face down";
    // A card from the reserve row can only have gone onto its next-higher card, or as a King to an empty
    // column; it then never uncovers anything when it moves again.
    if (dealt_to_reserve) {
      const bool on_next =
          row > 0 && !IsKing(code) && columns_[col][row - 1] == code + 1 && !face_down(code + 1);
      if (!on_next && !(row == 0 && IsKing(code)))
        return Name(code) + " came from the reserve row but lies out of place";
    }
  }
  return {};
}

bool Position::uncovered(int card) const {
  const int col = col_[card];
  if (col == kInReserve) return true;
  return col < kColumns && row_[card] + 1 == height_[col];
}

int Position::empty_columns() const {
  int empty = 0;
  for (int c = 0; c < kColumns; ++c) empty += height_[c] == 0 ? 1 : 0;
  return empty;
}

Position::ColumnFacts Position::ColumnMoves(int c) const {
  // Without a branch on the cards (bits, not conditions): the search calls this at every position, and which
  // columns offer a drop follows no pattern a processor could learn.
  const unsigned h = height_[c];
  const unsigned filled = h != 0 ? 1u : 0u;
  const int target = columns_[c][h - filled];
  const auto ace = static_cast<unsigned>((kAces >> target) & 1);
  const int lower = target - 1 + static_cast<int>(ace);  // any card, when nothing fits
  const auto target_down = static_cast<unsigned>((face_down_ >> target) & 1);
  const unsigned elsewhere = col_[lower] != c ? 1u : 0u;
  const unsigned fits = filled & ~target_down & ~ace & elsewhere & 1u;
  const unsigned lower_up = ~static_cast<unsigned>(face_down_ >> lower) & 1u;
  const int head = columns_[c][0];
  const unsigned king_head = filled & static_cast<unsigned>((kKings & ~face_down_) >> head) & 1u;
  return {static_cast<std::uint8_t>(lower), fits, fits & lower_up, filled ^ 1u, king_head};
}

void Position::Moves(MoveList& out) const {
  out.fits = out.counted_fits = out.empty = out.king_heads = 0;
  out.face_up_kings = 0;
  if (!dealt_) return;
  for (int c = 0; c < kColumns; ++c) {
    const ColumnFacts f = ColumnMoves(c);
    out.lower[c] = f.lower;
    out.fits |= f.fits << c;
    out.counted_fits |= f.counted << c;
    out.empty |= f.empty << c;
    out.king_heads |= f.king_head << c;
  }
  out.face_up_kings = 4 - KingCount(face_down_);
}

void Position::MovesAfter(const MoveList& before, const Undo& u, MoveList& out) const {
  // The two columns the drop changed: the one it left (the same as the other for a drop from the reserve
  // row) and the one it went to.
  const int to = col_[u.card];
  const int from = u.from < kColumns ? u.from : to;
  const ColumnFacts a = ColumnMoves(from);
  const ColumnFacts b = ColumnMoves(to);
  const unsigned keep = ~((1u << from) | (1u << to));
  out.lower = before.lower;
  out.lower[from] = a.lower;
  out.lower[to] = b.lower;
  out.fits = (before.fits & keep) | (a.fits << from) | (b.fits << to);
  out.counted_fits = (before.counted_fits & keep) | (a.counted << from) | (b.counted << to);
  out.empty = (before.empty & keep) | (a.empty << from) | (b.empty << to);
  out.king_heads = (before.king_heads & keep) | (a.king_head << from) | (b.king_head << to);
  out.face_up_kings = before.face_up_kings;
  if (u.turned != kNoCard) {
    // The card turned face up counts where it fits onto another column's uppermost card (only its
    // next-higher card's column can offer it); a King turned over counts towards the empty columns.
    const int c = col_[u.turned + 1 - static_cast<int>(IsKing(u.turned))] & 7;
    out.counted_fits |= static_cast<unsigned>(out.lower[c] == u.turned && (out.fits >> c & 1)) << c;
    out.face_up_kings = 4 - KingCount(face_down_);
  }
}

bool Position::Accepts(Move m) const {
  if (!dealt_ || m.card >= kDeck || m.to >= kColumns) return false;
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
  if (u.from >= kColumns) {
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
    // The card it lay on is uncovered, unless it was dealt to the reserve row: it then lay on nothing when it
    // was dealt (and in a game it can never leave the card it went onto).
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
  if (u.from >= kColumns) {
    col_[u.card] = u.from;
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

MoveCount Position::CountOf(const MoveList& moves) {
  // Every face-up King offers one move per empty column; when those at the heads of columns account for
  // every move, each of them would only shift a King to another empty column, and that counts as none.
  const int raw = moves.counted();
  return {raw, moves.kings_at_head() * moves.empty_columns() == raw ? 0 : raw};
}

Outcome Position::Judge(const MoveList& moves) const {
  const MoveCount count = CountOf(moves);
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

MoveCount Position::CountMoves() const {
  MoveList moves;
  Moves(moves);
  return CountOf(moves);
}

Outcome Position::Judge() const {
  MoveList moves;
  Moves(moves);
  return Judge(moves);
}

int Position::ColumnOfSlot(int slot) const {
  if (slot >= kBlankFirst) return slot - kBlankFirst;
  const int col = col_[card_[slot]];
  return dealt_ && col < kColumns ? col : -1;
}

int Position::LandingSlot(int slot) const {
  const int col = ColumnOfSlot(slot);
  if (col < 0) return slot;
  return height_[col] == 0 ? kBlankFirst + col : slot_[top(col)];
}

bool Position::AcceptsDrop(Drop drop) const {
  const int col = ColumnOfSlot(drop.target);
  return dealt_ && col >= 0 && Accepts(MoveOf(drop));
}

Drop Position::ToDrop(Move m) const {
  const int target = height_[m.to] == 0 ? kBlankFirst + m.to : slot_[columns_[m.to][height_[m.to] - 1]];
  return {slot_[m.card], target};
}

bool Position::operator==(const Position& other) const {
  if (dealt_ != other.dealt_ || face_down_ != other.face_down_ || moved_ != other.moved_ ||
      height_ != other.height_ || col_ != other.col_ || row_ != other.row_ || slot_ != other.slot_ ||
      card_ != other.card_) {
    return false;
  }
  for (int c = 0; c < kColumns; ++c) {
    if (!std::equal(columns_[c].begin(), columns_[c].begin() + height_[c], other.columns_[c].begin()))
      return false;
  }
  return true;
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

}  // namespace vantrel
