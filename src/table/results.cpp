// The streak rule.
#include "table/results.h"

#include <cstdint>

namespace vantrel {
namespace {

// The counters are stored as 32-bit values: a count that has reached the largest one stays there rather
// than overflowing into a negative number.
void CountOneMore(int& counter) {
  if (counter < INT32_MAX) ++counter;
}

}  // namespace

void RecordResult(Results& r, int& counter, int kind) {
  CountOneMore(counter);
  if (r.streak_kind == kind) {
    CountOneMore(r.streak_count);
  } else {
    r.streak_count = 1;
    r.streak_kind = kind;
  }
  if (r.streak_kind == kStreakWins && r.streak_count > r.win_streak) r.win_streak = r.streak_count;
  if (r.streak_kind == kStreakLosses && r.streak_count > r.lose_streak) r.lose_streak = r.streak_count;
}

}  // namespace vantrel
