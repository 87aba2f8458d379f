// The solver's compact position: eight columns of card codes, the reserve row and the face-down cards.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "table/move_text.h"

namespace vantrel {
class Table;
}

namespace vantrel::solver {

// A card as one small number: (suit - 1) * 13 + (number - 1), so a card's next-higher card of its suit is
// code + 1 unless it is a King.
inline constexpr int kDeck = 52;
inline constexpr int kColumns = 8;
inline constexpr std::uint8_t kInReserve = 8;  // the column of a card still in the reserve row
inline constexpr std::uint8_t kNoCard = 0xFF;

constexpr int CardCode(int suit, int number) { return (suit - 1) * 13 + (number - 1); }
constexpr int NumberOf(int code) { return code % 13 + 1; }
constexpr int SuitOf(int code) { return code / 13 + 1; }
constexpr bool IsKing(int code) { return code % 13 == 12; }
constexpr bool IsAce(int code) { return code % 13 == 0; }
constexpr std::uint64_t Bit(int code) { return std::uint64_t{1} << code; }

// One drop in the solver's terms: a card and the column (0..7) that receives it.
struct Move {
  std::uint8_t card = 0;
  std::uint8_t to = 0;
  bool operator==(const Move&) const = default;
};

// What Apply changed, so that Revert can take it back.
struct Undo {
  std::uint8_t card = 0;
  std::uint8_t from = 0;          // the column the card left, or kInReserve
  std::uint8_t from_row = 0;      // its row there (its reserve place for a reserve card)
  std::uint8_t turned = kNoCard;  // the card turned face up by the move, if any
  bool was_moved = false;         // whether the card had been moved before
};

// How the game goes on after a drop: it is won, it is over and lost (no move counted), or it goes on.
enum class Outcome { kGoesOn, kWon, kLost };

// The game's move count after a drop: `raw` before the King discount, `num` after it.
struct MoveCount {
  int raw = 0;
  int num = 0;
};

// Room for every drop the game can accept in one position: one onto the uppermost card of each column,
// plus each King to each empty column.
inline constexpr int kMaxMoves = kColumns + 4 * kColumns;

struct MoveList {
  int count = 0;
  std::array<Move, kMaxMoves> moves{};
  void push_back(Move m) { moves[count++] = m; }
  const Move* begin() const { return moves.data(); }
  const Move* end() const { return moves.data() + count; }
};

class Position {
 public:
  // Reads a table the game has dealt and played. Throws std::invalid_argument for a layout the game cannot
  // reach (a broken column, a covered card marked uppermost, a face-down uppermost card, a card back in the
  // reserve row...), since the solver's shortcuts rely on what every reachable layout has in common.
  static Position FromTable(const Table& table);
  // The deal that New deals when the clock reads `seed`.
  static Position Deal(std::uint32_t seed);

  // Every drop the game accepts here when `all` is set, one per target column (a drop anywhere on a column
  // is the same drop). Without `all`, the drops that can change the position: a King that heads a column
  // gains nothing by moving to another empty column, and one empty column is as good as another.
  void Moves(MoveList& out, bool all) const;
  // Whether the game accepts the move here.
  bool Accepts(Move m) const;

  // Makes the drop exactly as the game does: the card goes with every card lying on it, and the card it
  // uncovers in its column turns face up. Requires an accepted move.
  Undo Apply(Move m);
  void Revert(const Undo& u);

  // The game's count of moves, and its win test, for this layout.
  MoveCount CountMoves() const;
  bool Won() const;
  // What the game makes of this layout right after a drop (or a deal): won, lost, or neither.
  Outcome Judge() const;

  // The text form of a move, as the game's drop: the moved card's slot onto the target column's uppermost
  // card, or onto the blank spot of an empty column.
  Drop ToDrop(Move m) const;

  // The cards moved by a drop since this position was read. Every drop leaves its card on the next-higher
  // card of its suit, or a King at the head of a column, and no card ever leaves such a place again, so
  // the layout is fixed by this set (columns being interchangeable): it is the position's exact key.
  std::uint64_t moved() const { return moved_; }

  int height(int col) const { return height_[col]; }
  int at(int col, int row) const { return columns_[col][row]; }
  int top(int col) const { return height_[col] == 0 ? kNoCard : columns_[col][height_[col] - 1]; }
  int column_of(int card) const { return col_[card]; }
  int row_of(int card) const { return row_[card]; }
  bool face_down(int card) const { return (face_down_ & Bit(card)) != 0; }
  int slot_of(int card) const { return slot_[card]; }
  std::uint64_t face_down_set() const { return face_down_; }
  int empty_columns() const;

  // The layout with the columns in a fixed order: equal for positions that differ only in which column is
  // which. For tests and diagnostics.
  std::string Canonical() const;

 private:
  Position() = default;

  std::array<std::array<std::uint8_t, kDeck>, kColumns> columns_{};  // bottom card first
  std::array<std::uint8_t, kColumns> height_{};
  std::array<std::uint8_t, kDeck> col_{};   // a card's column 0..7, or kInReserve
  std::array<std::uint8_t, kDeck> row_{};   // its row; for a reserve card its place 0..3
  std::array<std::uint8_t, kDeck> slot_{};  // the slot that holds the card on the table
  std::uint64_t face_down_ = 0;
  std::uint64_t moved_ = 0;
};

}  // namespace vantrel::solver
