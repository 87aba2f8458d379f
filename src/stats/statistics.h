// The statistics: four result counters kept between runs, loaded once at the start, saved at Quit, at every
// clearing and whenever the main window closes, and shown in the statistics dialog. Toolkit-free: the store
// and the dialog come in through their interfaces.
#pragma once

#include <array>
#include <functional>
#include <optional>

#include "platform/error.h"
#include "platform/host.h"
#include "platform/registry.h"
#include "platform/texts.h"
#include "stats/stats_dialog.h"
#include "table/results.h"

namespace vantrel {

// The values kept in the store, in the order they are read and written. The current streak is never stored.
struct StoredValue {
  const char* name;
  int Results::*counter;
};
// Their places in kStoredValues.
enum StoredIndex : std::size_t { kWins, kLosses, kWinStreak, kLoseStreak };
inline constexpr std::array<StoredValue, 4> kStoredValues{{
    {"Wins", &Results::wins},
    {"Losses", &Results::losses},
    {"WinStreak", &Results::win_streak},
    {"LoseStreak", &Results::lose_streak},
}};

inline constexpr platform::Text kClearQuestion =
    VANTREL_TEXT("Messages", "Are you SURE you want to clear the statistics?");

class Statistics {
 public:
  // `results` are the table's counters; the statistics load into them and save from them.
  Statistics(platform::Registry& registry, platform::Host& host, Results& results)
      : registry_(registry), host_(host), results_(results) {}

  // The end of the main window's construction: loads the statistics, and on a first start (no store yet)
  // clears them, which writes four zeros without a question. A store that cannot be read raises, and the
  // start-up stops with that error. A first start whose store cannot be written (its folder cannot be
  // created) returns that error instead: the game shows it and plays on without a store, and its closes try
  // the save again.
  std::optional<Error> Start();

  // Sets the current streak to 0 wins, then reads the four values. False when there is no store yet; the four
  // counters are then left as they were.
  bool LoadStats();
  // Adds this run's results to what the store holds now, read under the lock of the write, and writes the
  // four values at once: wins and losses added, each longest streak the larger of the store's and this run's
  // own since the store was last seen, but not longer than its count. So copies of the game that run side by
  // side keep each other's results. After a clearing that could not be saved, the counters are written as
  // they are. The counters then show those totals. Raises when they cannot be stored (or a stored value
  // cannot be read); the counters stay as they are.
  void SaveStats();
  // Zeroes all six counters and saves them; with `confirm`, only if the player answers Yes to the question.
  void ClearStats(bool confirm);

  // The Statistics command: shows the counters; Clear, Esc or the close box lead to the clearing question.
  void Show(StatsDialog& dialog);
  // The Quit command: saves, then closes the window. A failed save raises before `close_window` is called,
  // so the window stays open and the results are not lost. A run that has never reached its store just
  // closes: the close tries the save and says once more why it failed.
  void SaveThenClose(const std::function<void()>& close_window);
  // The main window is closing, by whatever means: saves the results unless the store already holds them.
  // A game still in progress is not counted. Does nothing unless Start succeeded, so a store that could not
  // be read is never overwritten. Raises when the save fails; the window shows the error and closes.
  void SaveOnClose();

  // Whether the counters differ from what the store was last seen to hold.
  bool HasUnsavedResults() const;

 private:
  std::array<int, kStoredValues.size()> StoredCounters() const;
  // Writes the four values at once: this run's results added to the store's (SaveStats), or the counters as
  // they are (a clearing).
  void Save(bool add_to_store);
  // Turns the counters in `totals` into the store's values read now plus what this run added.
  void AddToStore(std::array<int, kStoredValues.size()>& totals);

  platform::Registry& registry_;
  platform::Host& host_;
  Results& results_;
  bool started_ = false;
  // What the store holds as of the last successful load or save.
  std::optional<std::array<int, kStoredValues.size()>> saved_;
  // A clearing not saved yet: the next save writes the counters as they are.
  bool clear_pending_ = false;
};

}  // namespace vantrel
