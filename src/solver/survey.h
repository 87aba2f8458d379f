// Deciding a run of consecutive deals on several threads.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "solver/solver.h"
#include "solver/tally.h"

namespace vantrel::solver {

struct DealResult {
  std::uint32_t seed = 0;
  Verdict verdict = Verdict::kUnknown;
  std::vector<Drop> moves;
  std::uint64_t nodes = 0;
  double seconds = 0;
  std::size_t table_bytes = 0;  // the most memory its table held
};

struct SurveyOptions {
  int jobs = 1;
  // Limits for each deal; `max_table_bytes` is ignored in favour of an equal share of `max_memory_bytes`.
  Limits limits;
  // All the memory the survey's tables may hold together.
  std::size_t max_memory_bytes = std::size_t{1} << 30;
  // Set from outside (Ctrl+C): every thread stops, and deals under way are reported as not done.
  const std::atomic<bool>* cancel = nullptr;
};

// The table memory each of `jobs` threads may use, so that together they stay within `max_memory_bytes`.
std::size_t TableShare(std::size_t max_memory_bytes, int jobs);

// Whether a seed is to be left out (an earlier run decided it); empty: none is.
using SkipSeed = std::function<bool(std::uint32_t seed)>;

// Consecutive seeds: `count` of them from `from` on (from + count - 1 must not pass 4294967295).
struct SeedRange {
  std::uint32_t from = 0;
  std::uint64_t count = 0;
};

// Decides the deals of `seeds` on `jobs` threads, leaving out the seeds `skip` names. `done` is called for
// each deal decided or left unknown by a limit, one call at a time, in the order they finish; deals cut short
// by the cancel flag are not reported. Returns the number reported.
std::uint64_t RunSurvey(SeedRange seeds, const SkipSeed& skip, const SurveyOptions& options,
                        const std::function<void(DealResult&&)>& done);

}  // namespace vantrel::solver
