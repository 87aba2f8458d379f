// `survey`: decides a run of consecutive deals on every core and reports how many can be won.
#include "solver/survey.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
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
#include "solver/verdict_file.h"
#include "solver_args.h"
#include "summary.h"

namespace vantrel::cli {
namespace {

std::atomic<bool> g_interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the signal handler needs a lock-free flag");

extern "C" void OnInterrupt(int) { g_interrupted.store(true); }

struct SurveyArgs : SurveyRunArgs {
  std::optional<solver::ShardIndex> shard;
  std::string_view shard_text;
  std::string csv;
  std::string verdicts;
};

SurveyArgs ParseSurveyArgs(std::span<const std::string_view> args) {
  SurveyArgs parsed;
  const std::string_view usage =
      "survey takes --from S --count N [--shard I/K] [--jobs J] [--csv FILE] [--verdicts FILE] [--resume] "
      "[--max-nodes N] [--max-seconds T] [--max-memory MIB]";
  for (std::size_t i = 0; i < args.size();) {
    if (const std::size_t used = ParseSurveyRunOption(args, i, parsed)) {
      i += used;
      continue;
    }
    const std::string_view option = args[i];
    if (option != "--csv" && option != "--shard" && option != "--verdicts") throw BadArgument(option, usage);
    const std::string_view value = OptionValue(args, i);
    if (option == "--shard") {
      parsed.shard = ParseShard(value);
      parsed.shard_text = value;
    } else {
      if (value.empty()) throw BadArgument(value, std::string(option) + " takes a file name");
      (option == "--csv" ? parsed.csv : parsed.verdicts) = std::string(value);
    }
    i += 2;
  }
  CheckSurveyRun(parsed);
  if (parsed.shard) {
    if (parsed.shard->k > *parsed.count) {
      throw BadArgument(parsed.shard_text,
                        "--shard I/K cannot cut " + std::to_string(*parsed.count) + " seeds into more parts");
    }
    const solver::SeedSpan part = solver::Shard(*parsed.count, *parsed.shard);
    parsed.from = static_cast<std::uint32_t>(*parsed.from + part.offset);
    parsed.count = part.count;
  }
  if (parsed.resume && parsed.csv.empty() && parsed.verdicts.empty()) {
    throw MissingArgument("--csv FILE or --verdicts FILE for --resume");
  }
  if (parsed.jobs == 0) parsed.jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  return parsed;
}

std::string Duration(double seconds) {
  if (!(seconds >= 0) || seconds > 1e7) return "?";
  const long s = std::lround(seconds);
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

// The deals a survey is to decide, and how many of them an earlier run decided already.
struct SurveyWork {
  std::uint64_t total = 0;
  std::uint64_t already = 0;
};

// How many deals the survey decides between two looks at the clock (for the progress line and the flushing
// of the verdict file).
constexpr std::uint64_t kLookEvery = 64;

// Shows how far the survey has come: a bar redrawn in place on a terminal, a plain line every few seconds
// otherwise (a log file or a pipe).
class Progress {
 public:
  explicit Progress(SurveyWork work) : total_(work.total), already_(work.already) {
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

// The verdict file of this survey: continued when resuming (it must be of the same range, version and
// limits), else created with every seed undecided.
solver::VerdictFile OpenVerdicts(const SurveyArgs& parsed, const solver::VerdictHeader& wanted) {
  const std::uint32_t from = wanted.from;
  const std::uint64_t count = wanted.count;
  const std::string& path = parsed.verdicts;
  std::error_code error;
  const bool exists = std::filesystem::exists(std::filesystem::symlink_status(path, error));
  if (exists && !parsed.resume) {
    throw Error(path + " already exists: continue it with --resume, or remove it to start over");
  }
  if (!exists) {
    solver::VerdictFile fresh(wanted);
    fresh.Save(path);
    return fresh;
  }
  solver::VerdictFile file = solver::VerdictFile::Read(path);
  const solver::VerdictHeader& h = file.header();
  if (h.from != from || h.count != count) {
    throw Error(path + " holds seeds " + std::to_string(h.from) + ".." +
                std::to_string(h.from + h.count - 1) + ", not " + std::to_string(from) + ".." +
                std::to_string(from + count - 1) +
                ": continue it with its own --from, --count and --shard, or remove it");
  }
  if (const std::string why = solver::Mismatch(h, wanted); !why.empty()) {
    throw Error(path + " cannot be continued by this run (" + why + "): continue it with version " +
                h.version + " and the same --max-nodes, --max-seconds and --max-memory, or remove it");
  }
  return file;
}

}  // namespace

int SurveyMain(std::span<const std::string_view> args) {
  const SurveyArgs parsed = ParseSurveyArgs(args);
  const std::uint32_t from = *parsed.from;
  const std::uint64_t count = *parsed.count;

  // What an earlier run already decided, and where this run writes its lines. With a CSV file, its lines
  // say which deals are done and the verdict file is brought into line with them; without, the verdict file
  // says.
  solver::Tally tally;
  std::vector<std::uint32_t> done_before;
  std::ofstream csv;
  std::optional<solver::VerdictFile> verdicts;
  // The CSV file is absent, empty or an ordinary file: a pipe or a device would block or swallow the lines.
  std::uintmax_t csv_size = 0;
  if (!parsed.csv.empty()) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(parsed.csv, error);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
      throw Error(parsed.csv + " is not an ordinary file: --csv takes a file for the survey's lines");
    }
    if (std::filesystem::exists(status)) csv_size = std::filesystem::file_size(parsed.csv, error);
  }
  if (!parsed.csv.empty() && !parsed.resume && csv_size > 0) {
    throw Error(parsed.csv + " already exists: continue it with --resume, or remove it to start over");
  }
  solver::SurveyOptions options = parsed.Options(&g_interrupted);
  options.limits.record_moves = !parsed.csv.empty();  // only the CSV file's lines carry the drops
  if (!parsed.verdicts.empty()) verdicts = OpenVerdicts(parsed, solver::SurveyHeader(from, count, options));
  if (!parsed.csv.empty()) {
    if (parsed.resume) {
      for (const solver::CsvRow& row : solver::ReadSurveyCsv(parsed.csv, from, count)) {
        done_before.push_back(row.seed);
        tally.Add(row.verdict);
        if (verdicts) verdicts->Set(row.seed - from, solver::CodeOf(row.verdict));
      }
      std::sort(done_before.begin(), done_before.end());
    }
    std::error_code error;
    const bool fresh = std::filesystem::file_size(parsed.csv, error) == 0 || error;
    csv.open(parsed.csv, std::ios::app);
    if (!csv) throw Error("cannot write " + parsed.csv + ": check the folder exists and is writable");
    if (fresh) csv << solver::kSurveyCsvHeader << '\n' << std::flush;
  } else if (verdicts) {
    tally = verdicts->Count();
  }
  const auto skipped = [&](std::uint32_t seed) {
    if (csv.is_open()) return std::binary_search(done_before.begin(), done_before.end(), seed);
    return verdicts && verdicts->Get(seed - from) != solver::Code::kUndecided;
  };
  const std::uint64_t already = tally.total();
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

  Progress progress({.total = count, .already = already});
  std::uint64_t done = already;
  bool write_failed = false;
  std::string verdicts_error;
  double flushed = 0;
  const auto flush_verdicts = [&] {
    try {
      verdicts->Flush();
    } catch (const Error& e) {  // a full disk: stop rather than decide deals nobody records
      verdicts_error = e.what();
      g_interrupted.store(true);
    }
    flushed = progress.Seconds();
  };
  solver::InOrder lines(
      count, [&](std::uint64_t k) { return skipped(static_cast<std::uint32_t>(from + k)); },
      [&](const std::string& line) {
        csv << line << '\n';
        if (!csv && !write_failed) {  // a full disk: stop rather than decide deals nobody records
          write_failed = true;
          g_interrupted.store(true);
        }
      });
  solver::RunSurvey({.from = from, .count = count}, skipped, options, [&](solver::DealResult&& r) {
    tally.Add(r.verdict);
    ++done;
    if (csv.is_open()) lines.Add(r.seed - from, solver::SurveyCsvLine(r));
    if (verdicts) verdicts->Set(r.seed - from, solver::CodeOf(r.verdict));
    // The clock is read every kLookEvery deals: most deals take a few microseconds, and reading it costs
    // about as much as one of them.
    if (done % kLookEvery != 0) return;
    if (verdicts && progress.Seconds() - flushed >= 1) flush_verdicts();
    progress.Update(done, tally, false);
  });
  lines.Flush();
  if (csv.is_open()) csv.flush();
  if (verdicts) flush_verdicts();
  progress.Update(done, tally, true);
  sigaction(SIGINT, &old_int, nullptr);
  sigaction(SIGTERM, &old_term, nullptr);
  sigaction(SIGHUP, &old_hup, nullptr);
  if (write_failed || (csv.is_open() && !csv)) {
    throw Error("writing " + parsed.csv +
                " failed: check the disk; --resume continues from what was written");
  }
  if (!verdicts_error.empty()) throw Error(verdicts_error);

  const double seconds = progress.Seconds();
  const std::uint64_t decided = tally.total();
  Json j;
  j.BeginObject();
  SummaryFields(j, from, tally);
  j.Key("seconds").Value(seconds);
  const auto this_run = static_cast<double>(done - already);
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
