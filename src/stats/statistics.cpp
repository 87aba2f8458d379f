// Loading, saving and clearing the statistics, and the two commands that reach them.
#include "stats/statistics.h"

#include <algorithm>
#include <cstdint>

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
}

void Statistics::AddToStore(std::array<int, kStoredValues.size()>& totals) {
  // What this run added since the store was last seen (everything, if it never was), on top of what the
  // store holds now. A value missing from it counts as 0; a value that cannot be read stops the save.
  const std::array<int, kStoredValues.size()> seen = saved_.value_or(std::array<int, kStoredValues.size()>{});
  for (std::size_t i = 0; i < kStoredValues.size(); ++i) {
    const char* name = kStoredValues[i].name;
    const std::int64_t now = registry_.HasValue(name) ? registry_.ReadInteger(name) : 0;
    const bool streak =
        kStoredValues[i].counter == &Results::win_streak || kStoredValues[i].counter == &Results::lose_streak;
    if (streak) {
      // A longer streak of this run's own, or whatever the store holds.
      totals[i] = totals[i] > seen[i] ? static_cast<int>(std::max<std::int64_t>(now, totals[i]))
                                      : static_cast<int>(now);
    } else {
      const std::int64_t sum = now + totals[i] - seen[i];
      totals[i] = static_cast<int>(std::clamp<std::int64_t>(sum, INT32_MIN, INT32_MAX));
    }
  }
}

void Statistics::ClearStats(bool confirm) {
  // Only an explicit Yes clears: No, Esc and closing the question keep everything.
  // Enter answers No: clearing takes a deliberate Yes.
  if (confirm && !host_.AskWarning(platform::Tr(kClearQuestion), platform::DefaultAnswer::kNo)) return;
  results_ = Results{};  // no wins, no losses, no longest streaks, and a current streak of 0 wins
  Save(false);
}

void Statistics::StatsMenuClick(StatsDialog& dialog) {
  if (dialog.ShowModal(MakeStatsTexts(results_)) == kStatsClear) ClearStats(true);
}

void Statistics::QuitClick(const std::function<void()>& close_window) {
  if (saved_) SaveStats();
  close_window();
}

void Statistics::FormClose() {
  if (started_ && HasUnsavedResults()) SaveStats();
}

bool Statistics::HasUnsavedResults() const { return !saved_ || *saved_ != StoredCounters(); }

std::array<int, kStoredValues.size()> Statistics::StoredCounters() const {
  std::array<int, kStoredValues.size()> values{};
  for (std::size_t i = 0; i < kStoredValues.size(); ++i) values[i] = results_.*kStoredValues[i].counter;
  return values;
}

}  // namespace vantrel
