// `survey`: decides a run of consecutive deals on every core and reports how many can be won.
#include "solver/survey.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <thread>

#include "commands.h"
#include "json.h"
#include "platform/error.h"
#include "solver/survey_csv.h"
#include "solver/tally.h"
#include "solver_args.h"

namespace vantrel::cli {
namespace {

constexpr double kDefaultSurveySeconds = 1;
constexpr int kMaxJobs = 256;

std::atomic<bool> g_interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the signal handler needs a lock-free flag");

extern "C" void OnInterrupt(int) { g_interrupted.store(true); }

struct SurveyArgs {
  std::optional<std::uint32_t> from;
  std::optional<std::uint64_t> count;
  int jobs = 0;
  std::string csv;
  bool resume = false;
  solver::Limits limits;
  std::uint64_t memory_mib = kDefaultMemoryMib;
};

SurveyArgs ParseSurveyArgs(std::span<const std::string_view> args) {
  SurveyArgs parsed;
  parsed.limits.max_seconds = kDefaultSurveySeconds;
  const std::string_view usage =
      "survey takes --from S --count N [--jobs J] [--csv FILE [--resume]] [--max-nodes N] [--max-seconds T] "
      "[--max-memory MIB]";
  for (std::size_t i = 0; i < args.size();) {
    const std::string_view option = args[i];
    if (const std::size_t used = ParseLimitOption(args, i, parsed.limits, parsed.memory_mib)) {
      i += used;
      continue;
    }
    if (option == "--resume") {
      parsed.resume = true;
      ++i;
      continue;
    }
    if (option != "--from" && option != "--count" && option != "--jobs" && option != "--csv") {
      throw BadArgument(option, usage);
    }
    if (i + 1 >= args.size()) throw MissingArgument("a value after " + std::string(option));
    const std::string_view value = args[i + 1];
    if (option == "--from") {
      parsed.from = ParseSeed(value);
    } else if (option == "--count") {
      const auto count = ParseDecimal(value, kMaxSeed + 1);
      if (!count || *count == 0) throw BadArgument(value, "--count takes a whole number 1..4294967296");
      parsed.count = *count;
    } else if (option == "--jobs") {
      const auto jobs = ParseDecimal(value, kMaxJobs);
      if (!jobs || *jobs == 0) throw BadArgument(value, "--jobs takes a whole number 1..256");
      parsed.jobs = static_cast<int>(*jobs);
    } else {
      if (value.empty()) throw BadArgument(value, "--csv takes a file name");
      parsed.csv = std::string(value);
    }
    i += 2;
  }
  if (!parsed.from) throw MissingArgument("--from S");
  if (!parsed.count) throw MissingArgument("--count N");
  if (*parsed.from + *parsed.count - 1 > kMaxSeed) {
    throw BadArgument(std::to_string(*parsed.count),
                      "--from S --count N must stay within seeds 0..4294967295");
  }
  if (parsed.resume && parsed.csv.empty()) throw MissingArgument("--csv FILE for --resume");
  if (parsed.jobs == 0) parsed.jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  return parsed;
}

std::string Duration(double seconds) {
  if (!(seconds >= 0) || seconds > 1e7) return "?";
  const long s = static_cast<long>(seconds + 0.5);
  char buf[32];
  if (s >= 3600) {
    std::snprintf(buf, sizeof buf, "%ldh%02ldm", s / 3600, s / 60 % 60);
  } else if (s >= 60) {
    std::snprintf(buf, sizeof buf, "%ldm%02lds", s / 60, s % 60);
  } else {
    std::snprintf(buf, sizeof buf, "%lds", s);
  }
  return buf;
}

// Shows how far the survey has come: a bar redrawn in place on a terminal, a plain line every few seconds
// otherwise (a log file or a pipe).
class Progress {
 public:
  Progress(std::uint64_t total, std::uint64_t already) : total_(total), already_(already) {
    terminal_ = isatty(STDERR_FILENO) != 0;
  }

  void Update(std::uint64_t done, const solver::Tally& tally, bool last) {
    const double now = Seconds();
    const double interval = terminal_ ? 0.2 : 5.0;
    if (!last && now - shown_ < interval) return;
    shown_ = now;
    const std::uint64_t new_done = done - already_;
    const double rate = now > 0 ? static_cast<double>(new_done) / now : 0;
    const double left = rate > 0 ? static_cast<double>(total_ - done) / rate : -1;
    const std::uint64_t decided = tally.total();
    const double winnable =
        decided ? 100.0 * static_cast<double>(tally.winnable) / static_cast<double>(decided) : 0;
    char text[160];
    std::snprintf(text, sizeof text, "%llu/%llu  %.1f deals/s  %s left  winnable %.2f%%",
                  static_cast<unsigned long long>(done), static_cast<unsigned long long>(total_), rate,
                  Duration(left).c_str(), winnable);
    if (terminal_) {
      constexpr int kWidth = 24;
      const int filled = static_cast<int>(kWidth * static_cast<double>(done) / static_cast<double>(total_));
      std::string bar(static_cast<std::size_t>(filled), '#');
      bar.resize(kWidth, '.');
      std::cerr << "\r[" << bar << "] " << text << "\033[K" << (last ? "\n" : "") << std::flush;
    } else {
      std::cerr << "survey: " << text << '\n' << std::flush;
    }
  }

  double Seconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  }

 private:
  std::uint64_t total_;
  std::uint64_t already_;
  bool terminal_;
  double shown_ = -1e9;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace

int SurveyCommand(std::span<const std::string_view> args) {
  const SurveyArgs parsed = ParseSurveyArgs(args);
  const std::uint32_t from = *parsed.from;
  const std::uint64_t count = *parsed.count;

  // What an earlier run already decided, and where this run writes its lines.
  solver::Tally tally;
  std::vector<std::uint32_t> done_before;
  std::ofstream csv;
  if (!parsed.csv.empty()) {
    if (parsed.resume) {
      for (const solver::CsvRow& row : solver::ReadSurveyCsv(parsed.csv, from, count)) {
        done_before.push_back(row.seed);
        tally.Add(row.verdict);
      }
      std::sort(done_before.begin(), done_before.end());
    } else if (std::filesystem::exists(parsed.csv) && std::filesystem::file_size(parsed.csv) > 0) {
      throw Error(parsed.csv + " already exists: continue it with --resume, or remove it to start over");
    }
    const bool fresh = !std::filesystem::exists(parsed.csv) || std::filesystem::file_size(parsed.csv) == 0;
    csv.open(parsed.csv, std::ios::app);
    if (!csv) throw Error("cannot write " + parsed.csv + ": check the folder exists and is writable");
    if (fresh) csv << solver::kSurveyCsvHeader << '\n' << std::flush;
  }

  g_interrupted.store(false);
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  // Ctrl+C, a closed terminal and a polite kill all stop it with the summary of what was decided.
  struct sigaction old_int {
  }, old_term{}, old_hup{};
  sigaction(SIGINT, &action, &old_int);
  sigaction(SIGTERM, &action, &old_term);
  sigaction(SIGHUP, &action, &old_hup);

  solver::SurveyOptions options;
  options.jobs = parsed.jobs;
  options.limits = parsed.limits;
  options.max_memory_bytes = static_cast<std::size_t>(parsed.memory_mib) << 20;
  options.cancel = &g_interrupted;

  Progress progress(count, done_before.size());
  std::uint64_t done = done_before.size();
  bool write_failed = false;
  solver::InOrder lines(
      count,
      [&](std::uint64_t k) {
        return std::binary_search(done_before.begin(), done_before.end(),
                                  static_cast<std::uint32_t>(from + k));
      },
      [&](const std::string& line) {
        csv << line << '\n';
        if (!csv && !write_failed) {  // a full disk: stop rather than decide deals nobody records
          write_failed = true;
          g_interrupted.store(true);
        }
      });
  solver::RunSurvey(from, count, done_before, options, [&](solver::DealResult&& r) {
    tally.Add(r.verdict);
    ++done;
    if (csv.is_open()) lines.Add(r.seed - from, solver::SurveyCsvLine(r));
    progress.Update(done, tally, false);
  });
  lines.Flush();
  if (csv.is_open()) csv.flush();
  progress.Update(done, tally, true);
  sigaction(SIGINT, &old_int, nullptr);
  sigaction(SIGTERM, &old_term, nullptr);
  sigaction(SIGHUP, &old_hup, nullptr);
  if (write_failed || (csv.is_open() && !csv)) {
    throw Error("writing " + parsed.csv +
                " failed: check the disk; --resume continues from what was written");
  }

  const double seconds = progress.Seconds();
  const std::uint64_t decided = tally.total();
  const solver::Interval ci = solver::WinnableInterval(tally);
  Json j;
  j.BeginObject();
  j.Key("from").Value(static_cast<unsigned long long>(from));
  j.Key("count").Value(static_cast<unsigned long long>(decided));
  j.Key("winnable").Value(static_cast<unsigned long long>(tally.winnable));
  j.Key("unwinnable").Value(static_cast<unsigned long long>(tally.unwinnable));
  j.Key("unknown").Value(static_cast<unsigned long long>(tally.unknown));
  j.Key("winnable_rate")
      .Value(decided ? static_cast<double>(tally.winnable) / static_cast<double>(decided) : 0.0);
  j.Key("ci95").BeginArray().Value(ci.lo).Value(ci.hi).EndArray();
  j.Key("seconds").Value(seconds);
  const auto this_run = static_cast<double>(done - done_before.size());
  j.Key("deals_per_second").Value(seconds > 0 ? this_run / seconds : 0.0);
  j.EndObject();
  std::cout << j.str() << '\n';
  if (g_interrupted.load()) {
    std::cerr << "vantrel-cli: survey interrupted after " << decided << " of " << count << " deals\n";
    return 130;
  }
  return 0;
}

}  // namespace vantrel::cli
