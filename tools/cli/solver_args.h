// The options that solve, survey and the census share: the seeds, how far one deal may be searched, and how
// much memory it may use.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "solver/solver.h"
#include "solver/survey.h"
#include "solver/verdict_file.h"

namespace vantrel::cli {

inline constexpr std::uint64_t kMaxSeed = 4294967295u;
// Without options, one deal may take a minute (a second in a survey), and a whole survey 1 GiB for its
// tables.
inline constexpr double kDefaultSolveSeconds = 60;
inline constexpr double kDefaultSurveySeconds = 1;
inline constexpr std::uint64_t kDefaultMemoryMib = 1024;

// A seed, 0..4294967295, or a usage error naming the argument.
std::uint32_t ParseSeed(std::string_view arg);

// The value of --count: 1..4294967296 seeds.
std::uint64_t ParseCount(std::string_view arg);
// Refuses a range passing the last seed, naming the count.
void CheckRange(std::uint32_t from, std::uint64_t count);

// The value of --shard: part I of K, 1 <= I <= K.
solver::ShardIndex ParseShard(std::string_view arg);

// A number of seconds: digits with an optional fraction ("2", "0.5"), more than zero, at most a day.
std::optional<double> ParseSeconds(std::string_view text);

// Reads the option at args[i] (and its value) into `limits` when it is one of --max-nodes N, --max-seconds T
// and --max-memory MIB; returns how many arguments it used, 0 if args[i] is none of them.
std::size_t ParseLimitOption(std::span<const std::string_view> args, std::size_t i, solver::Limits& limits,
                             std::uint64_t& memory_mib);

// The value after the option at args[i], or a usage error saying it is missing.
std::string_view OptionValue(std::span<const std::string_view> args, std::size_t i);

// What a survey and the census both take: --from S, --count N, --jobs J, --resume and the limits.
struct SurveyRunArgs {
  std::optional<std::uint32_t> from;
  std::optional<std::uint64_t> count;
  int jobs = 0;  // 0 until the command picks its default
  bool resume = false;
  solver::Limits limits{.max_seconds = kDefaultSurveySeconds};
  std::uint64_t memory_mib = kDefaultMemoryMib;

  solver::SurveyOptions Options(const std::atomic<bool>* cancel) const;
};

// Reads the option at args[i] (and its value) into `run` when it is one of those; returns how many arguments
// it used, 0 if args[i] is none of them.
std::size_t ParseSurveyRunOption(std::span<const std::string_view> args, std::size_t i, SurveyRunArgs& run);
// After the last option: --from and --count were given and stay within the seeds.
void CheckSurveyRun(const SurveyRunArgs& run);

}  // namespace vantrel::cli
