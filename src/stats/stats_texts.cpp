// The texts of the statistics dialog.
#include "stats/stats_texts.h"

#include "platform/texts.h"

namespace vantrel {

std::string CurrentStreakText(const Results& results) {
  //: The current streak, under "Current": games won in a row
  if (results.streak_kind == kStreakWins)
    return platform::TrPlural(VANTREL_PLURAL("Statistics", "%n win(s)"), results.streak_count);
  //: The current streak, under "Current": games lost in a row
  return platform::TrPlural(VANTREL_PLURAL("Statistics", "%n loss(es)"), results.streak_count);
}

StatsTexts MakeStatsTexts(const Results& r) {
  return {std::to_string(r.wins), std::to_string(r.losses), std::to_string(r.win_streak),
          std::to_string(r.lose_streak), CurrentStreakText(r)};
}

}  // namespace vantrel
