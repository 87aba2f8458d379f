// The table: the 60 slots, the deal, the move rule, the enumeration, the course of a game and its results.
// Plain data and rules; the window only shows it and feeds it input.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/host.h"
#include "table/card.h"
#include "table/column_list.h"
#include "table/geometry.h"
#include "table/move_entry.h"
#include "table/random.h"
#include "table/results.h"

namespace vantrel {

enum class GameState : int { kNoDeal = 0, kInProgress = 1, kOver = 2 };

// The two menu commands that deal: New reshuffles, Redo repeats the last deal.
enum class DealCommand { kNew, kRedo };

// FindMoves modes.
inline constexpr int kCountOnly = 0;
inline constexpr int kShowAllMoves = 1;
inline constexpr int kGiveHint = 2;

inline constexpr int kStartingHints = 3;

class Table {
 public:
  // Builds the 60 slots for a window of the given outer size: all hidden, placed as the geometry says,
  // card slots with the hand cursor. Nothing is dealt.
  explicit Table(platform::Host& host, int window_width = kDesignWidth, int window_height = kDesignHeight);
  Table(const Table&) = delete;
  Table& operator=(const Table&) = delete;

  // --- the deal ---
  void PositionCard(int slot);
  void ResetCards(bool reset_identities);
  void Shuffle();
  void DealLayout();
  // The window's outer height changed: the cards still in the reserve row follow the bottom edge.
  void FormResize();

  // --- stacking order ---
  void BringToFront(Image& image) { image.z = ++front_z_; }
  void SendToBack(Image& image) { image.z = --back_z_; }
  // The slots back to front, the order in which they are drawn.
  std::array<int, kSlotCount> StackingOrder() const;
  // The topmost visible slot image under the point, or -1 for the bare table.
  int SlotAt(int x, int y) const;

  // --- the rule ---
  ColumnList CardsAbove(int slot) const;
  bool IsValidMove(int target, int moved) const;

  // --- enumeration and the win test ---
  bool FindMoves(int mode);
  void DiscountKingMoves();
  bool CheckWin();
  // The "Possible Moves:" listing of the last enumeration.
  std::string MovesListing() const;

  // --- the course of a game ---
  void NewClick(DealCommand command);
  void GiveHintClick();
  void TimerTimer();
  void ShowMovesBtnClick();
  void YouWin();
  void NoMoreMoves();

  platform::Host& host() { return host_; }

  // The slots and their undo copies (card slots only).
  std::array<Card, kSlotCount> cards;
  std::array<Card, kCardSlots> undo_cards;
  Image outline;  // hidden at the end of every drag; never shown

  ColumnList drag_list;  // scratch: the drag, the win test and the end of a peek fill it
  MoveList moves;        // the list of the last enumeration, in its order
  int num_moves = 0;     // moves after the King discount: the label's count
  int raw_moves = 0;     // moves before the discount: the win test reads it
  int hint_card = 0;     // the slot hidden by the last hint

  GameState game_state = GameState::kNoDeal;
  int hints_left = kStartingHints;
  Results results;
  bool can_undo = false;

  // Controls and menu items whose state the game sets.
  std::string give_hint_caption;
  std::string num_moves_caption;
  bool num_moves_visible = true;
  std::string status_text;
  bool undo_enabled = false;
  bool show_valid = true;
  bool show_number = true;
  bool use_transparency = true;
  bool show_moves_enabled = false;
  bool timer_enabled = false;
  bool scroll_bars = true;  // off while a drag is under way

  // The window's outer size; the reserve row lies at window_height - 180.
  int window_width;
  int window_height;
  int blank_height;  // the blank spots' height: the client height at construction less 50

  const int cr_hand_pointer = kCursorHandPointer;
  const int cr_hand_grab = kCursorHandGrab;

  Random random;

 private:
  void SetMovesCaption();
  static void SetHintCaption(std::string& caption, int hints);

  platform::Host& host_;
  std::int64_t front_z_ = 0;
  std::int64_t back_z_ = 0;
};

}  // namespace vantrel
