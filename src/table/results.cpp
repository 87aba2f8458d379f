// The streak rule.
#include "table/results.h"

namespace vantrel {

void RecordResult(Results& r, int& counter, int kind) {
  ++counter;
  if (r.streak_kind == kind) {
    ++r.streak_count;
  } else {
    r.streak_count = 1;
    r.streak_kind = kind;
  }
  if (r.streak_kind == kStreakWins && r.streak_count > r.win_streak) r.win_streak = r.streak_count;
  if (r.streak_kind == kStreakLosses && r.streak_count > r.lose_streak) r.lose_streak = r.streak_count;
}

}  // namespace vantrel
