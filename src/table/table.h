// The table: the game's position and the 60 slots' pictures, the legal drops in the game's order, the course
// of a game and its results. Plain data; the rule is the position's. The window only shows it and feeds it
// input.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/host.h"
#include "table/card.h"
#include "table/column_list.h"
#include "table/geometry.h"
#include "table/legal_drops.h"
#include "table/move_entry.h"
#include "table/position.h"
#include "table/random.h"
#include "table/results.h"

namespace vantrel {

enum class GameState : int { kNoDeal = 0, kInProgress = 1, kOver = 2 };

// The two ways to deal: a new game reshuffles, a redeal deals the last deal's cards again.
enum class DealKind { kNew, kRedeal };

inline constexpr int kStartingHints = 3;

// The course of the game under way and the results of this run's games.
struct GameCourse {
  GameState game_state = GameState::kNoDeal;
  int hints_left = kStartingHints;
  int hint_card = 0;              // the slot the last hint hid
  bool undo_enabled = false;      // the last drop may be taken back
  std::uint32_t deal_number = 0;  // the deal's number: the clock's second at which New deals it
  Results results;
};

// The last count of the moves, made after every deal, drop and undo.
struct CountedMoves {
  LegalDrops drops;   // every drop the game accepts, in the game's order
  int num_moves = 0;  // the counted drops after the King discount: the label's number
  int raw_moves = 0;  // the counted drops before the discount: the win test reads it
};

// The options the player switches in the Options and Debug menus.
struct ViewOptions {
  bool show_valid = true;
  bool show_number = true;
  bool use_transparency = true;
  bool cheats = false;  // "Show All Moves" enabled
};

// What lasts only while the player does it; Undo never touches it.
struct InterfaceState {
  bool dragging = false;       // a drag is under way: the scroll bars are off
  bool hint_blinking = false;  // the hinted card is hidden until the hint timer fires
  std::string status_text;     // what a peek shows in the status bar
  std::uint64_t raised = 0;    // the covered cards a peek draws whole, a bit a slot
};

class Table {
 public:
  // Builds the 60 slots' pictures, all hidden, card slots with the hand cursor; the blank spots are as high
  // as the client area of a window of `window_height` less 50. Nothing is dealt.
  explicit Table(platform::Host& host, int window_height = kDesignHeight);
  Table(const Table&) = delete;
  Table& operator=(const Table&) = delete;

  // --- the slots as the position shows them ---
  Card card(int slot) const;
  // The cards lying on a slot, nearest first: on a column card those above it, on a blank spot its whole
  // column; none on a reserve card.
  ColumnList CardsAbove(int slot) const;
  // Where a drop on `slot` lands: a drop anywhere on a column lands on its uppermost card.
  int LandingSlot(int slot) const { return position.LandingSlot(slot); }
  bool IsValidMove(Drop drop) const { return position.AcceptsDrop(drop); }

  // --- stacking order ---
  void BringToFront(int slot) { images[slot].z = ++front_z_; }
  void SendToBack(int slot) { images[slot].z = --back_z_; }
  // The slots back to front, the order in which they are drawn.
  std::array<int, kSlotCount> StackingOrder() const;

  // --- the legal drops, the count and the win test (src/table/enumeration.cpp) ---
  // Every drop the game accepts here, in the game's order: by the slot of the card receiving it, a King's
  // drops into the empty columns at the King's own slot.
  LegalDrops ListLegalDrops() const;
  // Counts the moves into `count`; false when there are none.
  bool FindMoves();
  bool CheckWin() const;
  // The counted drops of the last count, described by their cards, in their order.
  MoveEntry Describe(const LegalDrop& drop) const;
  // The "Possible Moves:" listing of the last count.
  std::string MovesListing() const;

  // --- a drop (src/table/drop.cpp) ---
  // Plays the drop if the rule accepts it: the card with its riders, the turn-over, the undo copy, the count,
  // the win and the loss. False (and nothing changed) when refused.
  bool PlayDrop(Drop drop);
  // Puts the position back as it was before the last drop and counts again; an undo never ends a game.
  void TakeBackDrop();

  // --- the course of a game (src/table/game_flow.cpp) ---
  // Deals a new game or the last deal again; a game under way is abandoned, as a loss, if the player agrees.
  void Deal(DealKind kind);
  // Hides a card that can move for a blink, while hints are left.
  void GiveHint();
  // The hint's blink is over: the hidden card shows again.
  void EndHintBlink();
  // Beeps and lists every counted drop ("Possible Moves:").
  void ShowAllMoves();
  // Select Deal: asks for a deal's number, then deals exactly that deal, as New would at that second (asking
  // first, as New does, when a game is under way).
  void SelectDeal();
  void YouWin();
  void NoMoreMoves();

  platform::Host& host() { return host_; }

  Position position;                     // the game's state: what a deal and the drops change
  Position undo_position;                // the position before the last drop
  std::array<Image, kSlotCount> images;  // how each slot is drawn
  CountedMoves count;                    // the last count
  GameCourse course;
  ViewOptions options;
  InterfaceState ui;
  Random random;  // the hint's generator
  // The deal New deals when the clock reads `now`; without one, the deal numbered `now` itself.
  std::function<std::uint32_t(std::uint32_t now)> pick_new_deal;

 private:
  // Whether a new deal may go ahead: when a game is under way the player is asked first, and Yes counts it
  // as lost.
  bool MayDealAnew();
  // Deals `dealt`, the deal numbered `number`: a game under way from the start.
  void StartDeal(std::uint32_t number, const Position& dealt);
  // Lays out a deal: the position, every picture shown, the cards stacked in slot order above the blank
  // spots.
  void DealLayout(const Position& dealt);
  // The hint: a counted drop picked at random from a generator seeded with the clock, its card hidden for a
  // blink.
  int PickHintCard();
  void HideHintedCard(int slot);
  // The hinted card hidden (the hint timer running) or shown again (the timer stopped).
  void SetHintBlink(bool hidden);
  // A win or a loss: counted once, Undo off, the beep and the message.
  void EndGame(int& counter, int streak_kind, const char* message);

  platform::Host& host_;
  std::int64_t front_z_ = 0;
  std::int64_t back_z_ = 0;
};

}  // namespace vantrel
