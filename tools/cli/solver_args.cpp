// Reading the seed and the search limits from the command line.
#include "solver_args.h"

#include <charconv>

#include "commands.h"
#include "table/decimal_text.h"

namespace vantrel::cli {

std::uint32_t ParseSeed(std::string_view arg) {
  const auto seed = ParseDecimal(arg, kMaxSeed);
  if (!seed) throw BadArgument(arg, "SEED is a whole number 0..4294967295");
  return static_cast<std::uint32_t>(*seed);
}

std::uint64_t ParseCount(std::string_view arg) {
  const auto count = ParseDecimal(arg, kMaxSeed + 1);
  if (!count || *count == 0) throw BadArgument(arg, "--count takes a whole number 1..4294967296");
  return *count;
}

void CheckRange(std::uint32_t from, std::uint64_t count) {
  if (from + count - 1 > kMaxSeed) {
    throw BadArgument(std::to_string(count), "--from S --count N must stay within seeds 0..4294967295");
  }
}

solver::ShardIndex ParseShard(std::string_view arg) {
  const std::size_t slash = arg.find('/');
  const auto i = ParseDecimal(arg.substr(0, slash), kMaxSeed + 1);
  const auto k =
      slash == std::string_view::npos ? std::nullopt : ParseDecimal(arg.substr(slash + 1), kMaxSeed + 1);
  if (!i || !k || *i == 0 || *i > *k) throw BadArgument(arg, "--shard takes I/K, part I of K, 1 <= I <= K");
  return {.i = *i, .k = *k};
}

std::optional<double> ParseSeconds(std::string_view text) {
  // Only plain digits with an optional fraction: no sign, exponent, "inf" or "nan" slips through.
  const std::size_t dot = text.find('.');
  const auto digits = [](std::string_view part) {
    return !part.empty() && part.find_first_not_of("0123456789") == std::string_view::npos;
  };
  if (!digits(text.substr(0, dot))) return std::nullopt;
  if (dot != std::string_view::npos && !digits(text.substr(dot + 1))) return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (!(value > 0) || value > 86400) return std::nullopt;
  return value;
}

std::string_view OptionValue(std::span<const std::string_view> args, std::size_t i) {
  if (i + 1 >= args.size()) throw MissingArgument("a value after " + std::string(args[i]));
  return args[i + 1];
}

solver::SurveyOptions SurveyRunArgs::Options(const std::atomic<bool>* cancel) const {
  solver::SurveyOptions options;
  options.jobs = jobs;
  options.limits = limits;
  options.max_memory_bytes = static_cast<std::size_t>(memory_mib) << 20;
  options.cancel = cancel;
  return options;
}

std::size_t ParseSurveyRunOption(std::span<const std::string_view> args, std::size_t i, SurveyRunArgs& run) {
  constexpr std::uint64_t kMaxJobs = 256;
  const std::string_view option = args[i];
  if (option == "--resume") {
    run.resume = true;
    return 1;
  }
  if (option == "--from") {
    run.from = ParseSeed(OptionValue(args, i));
  } else if (option == "--count") {
    run.count = ParseCount(OptionValue(args, i));
  } else if (option == "--jobs") {
    const auto jobs = ParseDecimal(OptionValue(args, i), kMaxJobs);
    if (!jobs || *jobs == 0) throw BadArgument(args[i + 1], "--jobs takes a whole number 1..256");
    run.jobs = static_cast<int>(*jobs);
  } else {
    return ParseLimitOption(args, i, run.limits, run.memory_mib);
  }
  return 2;
}

void CheckSurveyRun(const SurveyRunArgs& run) {
  if (!run.from) throw MissingArgument("--from S");
  if (!run.count) throw MissingArgument("--count N");
  CheckRange(*run.from, *run.count);
}

std::size_t ParseLimitOption(std::span<const std::string_view> args, std::size_t i, solver::Limits& limits,
                             std::uint64_t& memory_mib) {
  const std::string_view option = args[i];
  if (option != "--max-nodes" && option != "--max-seconds" && option != "--max-memory") return 0;
  const std::string_view value = OptionValue(args, i);
  if (option == "--max-nodes") {
    const auto nodes = ParseDecimal(value, UINT64_MAX);
    if (!nodes || *nodes == 0) throw BadArgument(value, "--max-nodes takes a whole number of at least 1");
    limits.max_nodes = *nodes;
  } else if (option == "--max-seconds") {
    const auto seconds = ParseSeconds(value);
    if (!seconds) throw BadArgument(value, "--max-seconds takes a number of seconds above 0, at most 86400");
    limits.max_seconds = *seconds;
  } else {
    const auto mib = ParseDecimal(value, 1u << 20);
    if (!mib || *mib < 1) throw BadArgument(value, "--max-memory takes whole MiB, 1..1048576");
    memory_mib = *mib;
  }
  return 2;
}

}  // namespace vantrel::cli
