// The win/loss counters and the streak rule that turns each ended game into a result.
#pragma once

namespace vantrel {

inline constexpr int kStreakWins = 1;
inline constexpr int kStreakLosses = 2;

struct Results {
  int wins = 0;
  int losses = 0;                 // abandoned games included
  int streak_kind = kStreakWins;  // the current streak: 1 wins, 2 losses
  int streak_count = 0;           // its length
  int win_streak = 0;             // the longest streak of wins
  int lose_streak = 0;            // the longest streak of losses

  bool operator==(const Results&) const = default;
};

// Counts one result in `counter` (wins or losses of `results`) and updates the streaks.
void RecordResult(Results& results, int& counter, int kind);

}  // namespace vantrel
