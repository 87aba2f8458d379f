// The texts of the statistics dialog.
#include "stats/stats_texts.h"

namespace vantrel {

std::string CurrentStreakText(int streak_kind, int streak_count) {
  std::string text = std::to_string(streak_count);
  if (streak_kind == kStreakWins) {
    text += " win";
    if (streak_count != 1) text += "s";
  } else {
    text += " loss";
    if (streak_count != 1) text += "es";
  }
  return text;
}

StatsTexts MakeStatsTexts(const Results& r) {
  return {std::to_string(r.wins), std::to_string(r.losses), std::to_string(r.win_streak),
          std::to_string(r.lose_streak), CurrentStreakText(r.streak_kind, r.streak_count)};
}

}  // namespace vantrel
