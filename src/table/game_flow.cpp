// The course of a game: dealing, hints, the listing, and the two ways a game ends.
#include "table/table.h"

namespace vantrel {

void Table::NewClick(DealCommand command) {
  if (game_state == GameState::kInProgress) {
    if (!host_.AskWarning("Are you sure you want to start a new game?", platform::DefaultAnswer::kYes))
      return;
    RecordResult(results, results.losses, kStreakLosses);  // an abandoned game counts as lost
  }
  const bool reshuffle = command == DealCommand::kNew || game_state == GameState::kNoDeal;
  ResetCards(reshuffle);
  if (reshuffle) Shuffle();
  game_state = GameState::kInProgress;
  hints_left = kStartingHints;
  SetHintCaption(give_hint_caption, hints_left);
  // Undo never reaches back into the previous game.
  undo_enabled = false;
  DealLayout();
  if (!FindMoves(kCountOnly)) NoMoreMoves();
}

void Table::GiveHintClick() {
  if (game_state == GameState::kNoDeal || num_moves == 0) return;
  if (hints_left == 0) {
    host_.ShowMessage("No hints left!");
    return;
  }
  --hints_left;
  SetHintCaption(give_hint_caption, hints_left);
  // A blink still under way ends first, so no card can stay hidden.
  if (timer_enabled) TimerTimer();
  FindMoves(kGiveHint);
}

void Table::TimerTimer() {
  cards[hint_card].image.visible = true;
  timer_enabled = false;
  host_.StopHintTimer();
}

void Table::ShowMovesBtnClick() {
  if (game_state != GameState::kNoDeal) FindMoves(kShowAllMoves);
}

void Table::YouWin() {
  if (game_state == GameState::kOver) return;
  RecordResult(results, results.wins, kStreakWins);
  undo_enabled = false;
  game_state = GameState::kOver;
  host_.Beep();
  host_.ShowMessage("You Win!");
}

void Table::NoMoreMoves() {
  if (game_state == GameState::kOver) return;
  RecordResult(results, results.losses, kStreakLosses);
  undo_enabled = false;
  game_state = GameState::kOver;
  host_.Beep();
  host_.ShowMessage("No More Moves!");
}

}  // namespace vantrel
