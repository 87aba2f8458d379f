// The game's state as values, and the one rule over it: where each card lies and which lie face down, the
// drops the game accepts, a drop made and taken back, the move count with its King discount, and the win
// test. The window's table, the command line, the solver, the tests and the benchmarks all play by it.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "table/geometry.h"
#include "table/move_text.h"

namespace vantrel {

// A card as one small number: (suit - 1) * 13 + (number - 1), so a card's next-higher card of its suit is
// code + 1 unless it is a King. It is also the card's face picture.
inline constexpr int kDeck = 52;
inline constexpr int kColumns = 8;
inline constexpr int kReservePlaces = 4;
inline constexpr std::uint8_t kInReserve = 8;  // the column of a card still in the reserve row
inline constexpr std::uint8_t kOutOfPlay = 9;  // a card in no column and not in the reserve (laid-out tests)
inline constexpr std::uint8_t kNoCard = 0xFF;

constexpr int CardCode(int suit, int number) { return (suit - 1) * 13 + (number - 1); }
constexpr int NumberOf(int code) { return code % 13 + 1; }
constexpr int SuitOf(int code) { return code / 13 + 1; }
constexpr std::uint64_t Bit(int code) { return std::uint64_t{1} << code; }
inline constexpr std::uint64_t kKings = Bit(12) | Bit(25) | Bit(38) | Bit(51);
inline constexpr std::uint64_t kAces = Bit(0) | Bit(13) | Bit(26) | Bit(39);
constexpr bool IsKing(int code) { return ((kKings >> code) & 1) != 0; }
constexpr bool IsAce(int code) { return ((kAces >> code) & 1) != 0; }
// How many of the eight columns a mask names, looked up: std::popcount is a library call where the
// processor's own instruction cannot be assumed, and the search counts at every position.
inline constexpr std::array<std::uint8_t, 256> kColumnCounts = [] {
  std::array<std::uint8_t, 256> counts{};
  for (unsigned mask = 1; mask < 256; ++mask)
    counts[mask] = static_cast<std::uint8_t>(counts[mask >> 1] + (mask & 1));
  return counts;
}();
constexpr int ColumnCount(unsigned columns) { return kColumnCounts[columns & 0xFFu]; }
// How many Kings a set of cards holds.
constexpr int KingCount(std::uint64_t cards) {
  return static_cast<int>(((cards >> 12) & 1) + ((cards >> 25) & 1) + ((cards >> 38) & 1) +
                          ((cards >> 51) & 1));
}

// The moves a won layout offers: its four Kings, each heading a column with its whole suit, may each go to
// the four empty columns, 4 x 4 = 16 (the King discount then makes the count 0). Only layouts with exactly
// this many counted moves are looked at closer by the win test.
inline constexpr int kMovesOfAWin = 4 * 4;

// Which card each of the 52 card slots holds: the deck as a shuffle leaves it.
using DealtCards = std::array<std::uint8_t, kDeck>;

// The deck shuffled as the game does when the clock reads `seed`: the ordered deck (slot i holds card i),
// then 101 exchanges of two different slots drawn from the generator seeded with `seed`.
DealtCards ShuffledDeck(std::uint32_t seed);

// One drop in the rule's terms: a card, with every card lying on it, onto column `to` (0..7): onto its
// uppermost card, or into it when it is empty. A drop anywhere on a column is this same drop.
struct Move {
  std::uint8_t card = 0;
  std::uint8_t to = 0;
  bool operator==(const Move&) const = default;
};

// What Apply changed, so that Revert can take it back.
struct Undo {
  std::uint8_t card = 0;
  std::uint8_t from = 0;          // the column the card left, or kInReserve / kOutOfPlay
  std::uint8_t from_row = 0;      // its row there (its reserve place for a reserve card)
  std::uint8_t turned = kNoCard;  // the card turned face up by the move, if any
  bool was_moved = false;         // whether the card had been moved before
};

// How the game goes on after a drop: it is won, it is over and lost (no move counted), or it goes on.
enum class Outcome { kGoesOn, kWon, kLost };

// The game's move count: `raw` counts the drops of face-up cards, `num` is the label's number after the
// King discount.
struct MoveCount {
  int raw = 0;
  int num = 0;
};

// The drops of one position, column by column, and what the count needs of them: onto the uppermost card of
// each column the one card that fits (`fits`, a bit a column; `lower[c]` is that card), and each King into
// each empty column (`empty`, a bit a column). A child position's list follows from its parent's by looking
// at the two columns a drop changed (Position::MovesAfter). Fixed room, so listing never allocates.
struct MoveList {
  std::array<std::uint8_t, kColumns> lower{};  // meaningful where `fits` has the column's bit
  unsigned fits = 0;
  unsigned counted_fits = 0;  // the columns of `fits` whose card lies face up
  unsigned empty = 0;
  unsigned king_heads = 0;  // the columns headed by a face-up King
  int face_up_kings = 0;

  int empty_columns() const { return ColumnCount(empty); }
  // The drops of face-up cards: the game's count before its King discount.
  int counted() const { return ColumnCount(counted_fits) + face_up_kings * empty_columns(); }
  int kings_at_head() const { return ColumnCount(king_heads); }
  // Every drop: those onto a card first, in the columns' order, then the Kings' (Spades first), each into
  // the empty columns in their order.
  int size() const { return ColumnCount(fits) + 4 * empty_columns(); }
  Move operator[](int i) const {
    unsigned columns = fits;
    const int onto = ColumnCount(fits);
    if (i >= onto) {
      i -= onto;
      columns = empty;
      for (int k = i % empty_columns(); k > 0; --k) columns &= columns - 1;
      return {static_cast<std::uint8_t>(12 + 13 * (i / empty_columns())),
              static_cast<std::uint8_t>(std::countr_zero(columns))};
    }
    for (; i > 0; --i) columns &= columns - 1;
    const int c = std::countr_zero(columns);
    return {lower[c], static_cast<std::uint8_t>(c)};
  }
};

// Room for every drop one position can offer: one onto the uppermost card of each column, plus each King to
// each empty column.
inline constexpr int kMaxMoves = kColumns + 4 * kColumns;

class Position {
 public:
  // No deal yet: no card lies anywhere.
  Position() = default;

  // The layout of a deal: slots 0..47 in eight columns of six (slot i in column i % 8, row i / 8), twelve of
  // them face down, slots 48..51 in the reserve row, places 0..3.
  static Position Deal(const DealtCards& cards);
  static Position Deal(std::uint32_t seed) { return Deal(ShuffledDeck(seed)); }

  // A layout given card by card, for tests and stored games: `columns[c]` lists column c from its head up,
  // `reserve[p]` the card in reserve place p (kNoCard for an empty place), `slots[card]` the slot that holds
  // each card, `moved` the cards moved since the deal. Cards listed nowhere are out of play. Throws
  // std::invalid_argument when a card lies twice or the slots are not one for each card.
  static Position Arrange(const std::array<std::vector<std::uint8_t>, kColumns>& columns,
                          const std::array<std::uint8_t, kReservePlaces>& reserve, std::uint64_t face_down,
                          const std::array<std::uint8_t, kDeck>& slots, std::uint64_t moved = 0);
  // Why the game could never reach this layout, or an empty text when it could as far as anything the rule
  // relies on shows: every card in a column or the reserve row, the reserve row's cards face up in their own
  // slots, no face-down card uppermost, and a card dealt to the reserve row only on its next-higher card or
  // heading a column.
  std::string WhyUnreachable() const;

  bool dealt() const { return dealt_; }
  // Which card each slot holds: the deal, for dealing it again.
  const DealtCards& dealt_cards() const { return card_; }

  // --- the rule ---
  // Every drop the game accepts here, one per target column, with what the count needs. A card one lower
  // than a column's uppermost card may come from anywhere but that column, face up or not (dragged with
  // the cards on it); a King may go to any empty column.
  void Moves(MoveList& out) const;
  // The drops after `u`, made here by Apply, from those before it: only the two columns the drop changed,
  // and any drop of the card it turned over, can differ.
  void MovesAfter(const MoveList& before, const Undo& u, MoveList& out) const;
  // Whether the game accepts the move here.
  bool Accepts(Move m) const;
  // Makes the drop exactly as the game does: the card goes with every card lying on it, and the card it
  // uncovers in its column turns face up (unless the card was dealt to the reserve row: such a card lay on
  // nothing). Requires an accepted move.
  Undo Apply(Move m);
  void Revert(const Undo& u);

  // The game's count of moves and its win test, from the drops listed here.
  static MoveCount CountOf(const MoveList& moves);
  Outcome Judge(const MoveList& moves) const;
  MoveCount CountMoves() const;
  Outcome Judge() const;
  bool Won() const { return Judge() == Outcome::kWon; }

  // --- the rule in slots, as the window speaks of cards ---
  int card_at(int slot) const { return card_[slot]; }
  int slot_of(int card) const { return slot_[card]; }
  // The column (0..7) that a drop on the image of `slot` lands in: its own column for a column card, the
  // column of a blank spot; -1 for a card in the reserve row or out of play (nothing is dropped there).
  int ColumnOfSlot(int slot) const;
  // The slot that really receives a drop on the image of `slot`: the uppermost card of its column, the
  // blank spot of an empty column, or the slot itself where nothing is dropped.
  int LandingSlot(int slot) const;
  // Whether the game accepts the drop of the card of slot `drop.moved` on the image of slot `drop.target`.
  bool AcceptsDrop(Drop drop) const;
  // The drop in the rule's terms.
  Move MoveOf(Drop drop) const {
    return {card_[drop.moved], static_cast<std::uint8_t>(ColumnOfSlot(drop.target))};
  }
  // The move as the game's drop: the moved card's slot onto the target column's uppermost card, or onto the
  // blank spot of an empty column.
  Drop ToDrop(Move m) const;

  // The cards moved by a drop since the deal (as an arranged layout says). Every drop leaves its card
  // on the next-higher card of its suit, or a King at the head of a column, and no card ever leaves such a
  // place again, so the layout is fixed by this set (columns being interchangeable): it is the position's
  // exact key.
  std::uint64_t moved() const { return moved_; }

  int height(int col) const { return height_[col]; }
  int at(int col, int row) const { return columns_[col][row]; }
  int top(int col) const { return height_[col] == 0 ? kNoCard : columns_[col][height_[col] - 1]; }
  int column_of(int card) const { return col_[card]; }
  // The card's row in its column (0 is the head); for a reserve card its place 0..3.
  int row_of(int card) const { return row_[card]; }
  bool face_down(int card) const { return (face_down_ & Bit(card)) != 0; }
  std::uint64_t face_down_set() const { return face_down_; }
  // Whether nothing lies on the card: the uppermost card of a column, or a reserve card.
  bool uncovered(int card) const;
  int empty_columns() const;

  // The layout with the columns in a fixed order: equal for positions that differ only in which column is
  // which. For tests and diagnostics.
  std::string Canonical() const;

  // The same layout: the same cards in the same places, face down alike, moved alike (what lies in a
  // column's room above its uppermost card is no part of it).
  bool operator==(const Position& other) const;

 private:
  // Column c's share of the move list, as bits of its own.
  struct ColumnFacts {
    std::uint8_t lower;  // the card that fits onto its uppermost card
    unsigned fits, counted, empty, king_head;
  };
  ColumnFacts ColumnMoves(int c) const;

  // What every position of a search reads first, together.
  std::uint64_t face_down_ = 0;
  std::uint64_t moved_ = 0;
  std::array<std::uint8_t, kColumns> height_{};
  bool dealt_ = false;
  std::array<std::uint8_t, kDeck> col_{};  // a card's column 0..7, kInReserve or kOutOfPlay
  std::array<std::uint8_t, kDeck> row_{};  // its row; for a reserve card its place 0..3
  std::array<std::array<std::uint8_t, kDeck>, kColumns> columns_{};  // bottom card first
  std::array<std::uint8_t, kDeck> slot_{};                           // the slot that holds the card
  std::array<std::uint8_t, kDeck> card_{};                           // the card a slot holds
};

}  // namespace vantrel
