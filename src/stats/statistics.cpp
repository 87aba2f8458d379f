// Loading, saving and clearing the statistics, and the two commands that reach them.
#include "stats/statistics.h"

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

void Statistics::SaveStats() {
  if (!registry_.OpenKey(true)) {
    throw Error("The statistics could not be saved: " + registry_.Location() +
                " can be neither opened nor created.");
  }
  for (const StoredValue& value : kStoredValues) registry_.WriteInteger(value.name, results_.*value.counter);
  registry_.CloseKey();
  saved_ = StoredCounters();
}

void Statistics::ClearStats(bool confirm) {
  // Only an explicit Yes clears: No, Esc and closing the question keep everything.
  if (confirm && !host_.AskWarning(kClearQuestion)) return;
  results_ = Results{};  // no wins, no losses, no longest streaks, and a current streak of 0 wins
  SaveStats();
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
