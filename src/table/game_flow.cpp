// The course of a game: dealing, hints, the listing, and the two ways a game ends.
#include "platform/texts.h"
#include "table/table.h"

namespace vantrel {

bool Table::MayDealAnew() {
  if (course.game_state != GameState::kInProgress) return true;
  if (!host_.AskWarning(platform::Tr(VANTREL_TEXT("Messages", "Are you sure you want to start a new game?")),
                        platform::DefaultAnswer::kYes))
    return false;
  RecordResult(course.results, course.results.losses, kStreakLosses);  // an abandoned game counts as lost
  return true;
}

void Table::Deal(DealKind kind) {
  if (!MayDealAnew()) return;
  if (kind == DealKind::kNew || course.game_state == GameState::kNoDeal) {
    const std::uint32_t now = host_.NowSeconds();
    const std::uint32_t number = pick_new_deal ? pick_new_deal(now) : now;
    StartDeal(number, Position::Deal(number));
  } else {
    StartDeal(course.deal_number, Position::Deal(position.dealt_cards()));
  }
}

void Table::SelectDeal() {
  const std::optional<std::uint32_t> number = host_.AskDealNumber(
      course.game_state == GameState::kNoDeal ? std::nullopt : std::optional(course.deal_number));
  if (number && MayDealAnew()) StartDeal(*number, Position::Deal(*number));
}

void Table::StartDeal(std::uint32_t number, const Position& dealt) {
  course.deal_number = number;
  course.game_state = GameState::kInProgress;
  course.hints_left = kStartingHints;
  // Undo never reaches back into the previous game.
  course.undo_enabled = false;
  DealLayout(dealt);
  if (!FindMoves()) NoMoreMoves();
}

void Table::GiveHint() {
  if (course.game_state == GameState::kNoDeal || count.num_moves == 0) return;
  if (course.hints_left == 0) {
    host_.ShowMessage(platform::Tr(VANTREL_TEXT("Messages", "No hints left!")));
    return;
  }
  --course.hints_left;
  // A blink still under way ends first, so no card can stay hidden.
  if (ui.hint_blinking) EndHintBlink();
  FindMoves();
  const int slot = PickHintCard();
  if (slot >= 0) HideHintedCard(slot);
}

int Table::PickHintCard() {
  int counted = 0;
  for (const LegalDrop& drop : count.drops) counted += drop.counted ? 1 : 0;
  if (counted == 0) return -1;
  random.Seed(host_.NowSeconds());
  int k = random.Below(counted);
  for (const LegalDrop& drop : count.drops) {
    if (drop.counted && k-- == 0) return drop.moved;
  }
  return -1;
}

void Table::HideHintedCard(int slot) {
  course.hint_card = slot;
  SetHintBlink(true);
}

void Table::EndHintBlink() { SetHintBlink(false); }

void Table::SetHintBlink(bool hidden) {
  images[course.hint_card].visible = !hidden;
  ui.hint_blinking = hidden;
  if (hidden) {
    host_.StartHintTimer();
  } else {
    host_.StopHintTimer();
  }
}

void Table::ShowAllMoves() {
  if (course.game_state == GameState::kNoDeal) return;
  FindMoves();
  host_.Beep();
  host_.ShowMessage(MovesListing());
}

void Table::YouWin() {
  EndGame(course.results.wins, kStreakWins, platform::Tr(VANTREL_TEXT("Messages", "You Win!")).c_str());
}

void Table::NoMoreMoves() {
  EndGame(course.results.losses, kStreakLosses,
          platform::Tr(VANTREL_TEXT("Messages", "No More Moves!")).c_str());
}

void Table::EndGame(int& counter, int streak_kind, const char* message) {
  if (course.game_state == GameState::kOver) return;
  RecordResult(course.results, counter, streak_kind);
  course.undo_enabled = false;
  course.game_state = GameState::kOver;
  host_.Beep();
  host_.ShowMessage(message);
}

}  // namespace vantrel
