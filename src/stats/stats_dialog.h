// The statistics dialog as the game uses it: filled with texts, shown modally, answering how it was closed.
#pragma once

#include <string>

namespace vantrel {

// How the dialog was closed: OK or Enter; Clear, Esc or the close box.
inline constexpr int kStatsOk = 1;
inline constexpr int kStatsClear = 2;

// What the dialog shows: the four counters and the current streak.
struct StatsTexts {
  std::string wins;
  std::string losses;
  std::string win_streak;
  std::string lose_streak;
  std::string current_streak;

  bool operator==(const StatsTexts&) const = default;
};

class StatsDialog {
 public:
  virtual ~StatsDialog() = default;
  // Shows the texts modally and returns kStatsOk or kStatsClear.
  virtual int ShowModal(const StatsTexts& texts) = 0;
};

}  // namespace vantrel
