// Loading, saving and clearing the statistics, and the two commands that reach them.
#include "stats/statistics.h"

#include <algorithm>
#include <cstdint>
#include <tuple>

#include "stats/stats_texts.h"

namespace vantrel {

std::optional<Error> Statistics::Start() {
  if (LoadStats()) {
    started_ = true;
    return std::nullopt;
  }
  // A first start. Were the zeros not written, the run still plays: nothing of the player's is at stake.
  started_ = true;
  try {
    ClearStats(false);
  } catch (const Error& error) {
    return error;
  }
  return std::nullopt;
}

bool Statistics::LoadStats() {
  // The current streak is never stored: every run begins with 0 wins, whatever the store holds.
  results_.streak_kind = kStreakWins;
  results_.streak_count = 0;
  if (!registry_.OpenKey(false)) return false;
  // Read everything before changing anything, so a bad value leaves the counters whole.
  std::array<int, kStoredValues.size()> values{};
  for (std::size_t i = 0; i < kStoredValues.size(); ++i)
    values[i] = registry_.ReadInteger(kStoredValues[i].name);
  registry_.CloseKey();
  for (std::size_t i = 0; i < kStoredValues.size(); ++i) results_.*kStoredValues[i].counter = values[i];
  saved_ = values;
  return true;
}

void Statistics::SaveStats() { Save(true); }

void Statistics::Save(bool add_to_store) {
  // A clearing that could not be saved is saved now: this run's counters go to the store as they are.
  if (clear_pending_) add_to_store = false;
  if (!registry_.OpenKey(true)) {
    throw Error("The statistics could not be saved: " + registry_.Location() +
                " can be neither opened nor created.");
  }
  std::array<int, kStoredValues.size()> totals = StoredCounters();
  if (add_to_store) {
    try {
      AddToStore(totals);
    } catch (...) {
      registry_.CloseKey();  // nothing written: the key is let go as it was
      throw;
    }
  }
  for (std::size_t i = 0; i < kStoredValues.size(); ++i)
    registry_.WriteInteger(kStoredValues[i].name, totals[i]);
  registry_.CloseKey();
  for (std::size_t i = 0; i < kStoredValues.size(); ++i) results_.*kStoredValues[i].counter = totals[i];
  saved_ = totals;
  clear_pending_ = false;
}

void Statistics::AddToStore(std::array<int, kStoredValues.size()>& totals) {
  // What this run added since the store was last seen (everything, if it never was), on top of what the
  // store holds now. A value missing from it counts as 0; a value that cannot be read stops the save.
  const std::array<int, kStoredValues.size()> seen = saved_.value_or(std::array<int, kStoredValues.size()>{});
  std::array<std::int64_t, kStoredValues.size()> now{};
  for (std::size_t i = 0; i < kStoredValues.size(); ++i) {
    const char* name = kStoredValues[i].name;
    now[i] = registry_.HasValue(name) ? registry_.ReadInteger(name) : 0;
  }
  // The games this run played since then: its wins and losses beyond what the store held.
  std::int64_t games = 0;
  for (const std::size_t count : {kWins, kLosses})
    games += std::max<std::int64_t>(0, totals[count] - seen[count]);
  const std::array<int, kStoredValues.size()> mine = totals;
  for (const std::size_t count : {kWins, kLosses}) {
    const std::int64_t sum = now[count] + mine[count] - seen[count];
    totals[count] = static_cast<int>(std::clamp<std::int64_t>(sum, INT32_MIN, INT32_MAX));
  }
  // This run's own longest streak of each kind since then: one it set that is longer than what the store held
  // (it may have begun before), else its current streak as far as it lies in those games. The store keeps
  // the longer of that and its own; when another copy cleared the store meanwhile (its counts went down),
  // this run's is no longer than the new count: what the clearing took from the count goes from the streak.
  const bool cleared = now[kWins] < seen[kWins] || now[kLosses] < seen[kLosses];
  for (const auto& [streak, count, kind] :
       {std::tuple{kWinStreak, kWins, kStreakWins}, std::tuple{kLoseStreak, kLosses, kStreakLosses}}) {
    std::int64_t own = 0;
    if (mine[streak] > seen[streak]) {
      own = mine[streak];
    } else if (results_.streak_kind == kind) {
      own = std::min<std::int64_t>(results_.streak_count, games);
    }
    if (cleared) own = std::min<std::int64_t>(own, totals[count]);
    totals[streak] = static_cast<int>(std::max(now[streak], own));
  }
}

void Statistics::ClearStats(bool confirm) {
  // Only an explicit Yes clears: No, Esc and closing the question keep everything.
  // Enter answers No: clearing takes a deliberate Yes.
  if (confirm && !host_.AskWarning(platform::Tr(kClearQuestion), platform::DefaultAnswer::kNo)) return;
  results_ = Results{};  // no wins, no losses, no longest streaks, and a current streak of 0 wins
  clear_pending_ = true;
  Save(false);
}

void Statistics::Show(StatsDialog& dialog) {
  if (dialog.ShowModal(MakeStatsTexts(results_)) == kStatsClear) ClearStats(true);
}

void Statistics::SaveThenClose(const std::function<void()>& close_window) {
  if (saved_) SaveStats();
  close_window();
}

void Statistics::SaveOnClose() {
  if (started_ && HasUnsavedResults()) SaveStats();
}

bool Statistics::HasUnsavedResults() const { return !saved_ || *saved_ != StoredCounters(); }

std::array<int, kStoredValues.size()> Statistics::StoredCounters() const {
  std::array<int, kStoredValues.size()> values{};
  for (std::size_t i = 0; i < kStoredValues.size(); ++i) values[i] = results_.*kStoredValues[i].counter;
  return values;
}

}  // namespace vantrel
