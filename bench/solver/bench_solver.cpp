// Benchmarks of the solver over consecutive deals from 1,700,000,000: how many it decides within a second
// each, the mean, median, 99th percentile and longest solve, nodes per second, the survey's pace on all
// cores, and the memory its tables take. A signature over the verdicts shows two runs decided alike.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

#include "solver/survey.h"

namespace {

using vantrel::Position;
using vantrel::solver::DealResult;
using vantrel::solver::Limits;
using vantrel::solver::Result;
using vantrel::solver::Solver;
using vantrel::solver::Verdict;

constexpr std::uint32_t kFirstSeed = 1700000000;

std::vector<std::uint32_t> Seeds(std::int64_t count) {
  std::vector<std::uint32_t> seeds;
  for (std::int64_t k = 0; k < count; ++k) seeds.push_back(kFirstSeed + static_cast<std::uint32_t>(k));
  return seeds;
}

// An order-independent fingerprint of which deals were found winnable.
std::uint64_t Signature(std::uint32_t seed, Verdict verdict) {
  std::uint64_t x = (static_cast<std::uint64_t>(seed) << 2) | static_cast<std::uint64_t>(verdict);
  x *= 0x9E3779B97F4A7C15ull;
  return x ^ (x >> 29);
}

double PeakRssMib() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

// One thread, one deal after another, a one-second limit each: the figures a player waiting for an
// answer sees.
void BM_SolveDeals(benchmark::State& state) {
  const std::vector<std::uint32_t> seeds = Seeds(state.range(0));
  Limits limits;
  limits.max_seconds = 1;
  Solver solver(limits);
  std::vector<double> times;
  std::uint64_t nodes = 0;
  std::uint64_t decided = 0;
  std::uint64_t winnable = 0;
  std::uint64_t signature = 0;
  double search_seconds = 0;
  for (auto _ : state) {
    times.clear();
    nodes = decided = winnable = signature = 0;
    search_seconds = 0;
    for (const std::uint32_t seed : seeds) {
      const auto start = std::chrono::steady_clock::now();
      const Result r = solver.SolveDeal(seed);  // the deal itself included
      times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
      nodes += r.nodes;
      search_seconds += r.seconds;
      decided += r.verdict != Verdict::kUnknown ? 1 : 0;
      winnable += r.verdict == Verdict::kWinnable ? 1 : 0;
      signature += Signature(seed, r.verdict);
    }
  }
  std::sort(times.begin(), times.end());
  double total = 0;
  for (double t : times) total += t;
  const auto at = [&](double q) {
    return times[std::min(times.size() - 1, static_cast<std::size_t>(q * static_cast<double>(times.size())))];
  };
  state.counters["deals"] = static_cast<double>(seeds.size());
  state.counters["decided_pct"] = 100.0 * static_cast<double>(decided) / static_cast<double>(seeds.size());
  state.counters["winnable_pct"] = 100.0 * static_cast<double>(winnable) / static_cast<double>(seeds.size());
  state.counters["mean_ms"] = 1e3 * total / static_cast<double>(times.size());
  state.counters["p50_ms"] = 1e3 * at(0.5);
  state.counters["p99_ms"] = 1e3 * at(0.99);
  state.counters["max_ms"] = 1e3 * times.back();
  state.counters["nodes_per_deal"] = static_cast<double>(nodes) / static_cast<double>(seeds.size());
  state.counters["nodes_per_s"] = search_seconds > 0 ? static_cast<double>(nodes) / search_seconds : 0;
  state.counters["signature"] = static_cast<double>(signature % 1000000007);
}
BENCHMARK(BM_SolveDeals)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(1);

// Raw speed of the search where it has to work: positions a few random drops into a deal, searched
// without the proofs of lost positions, so every position is expanded.
void BM_PlainSearchNodes(benchmark::State& state) {
  Limits limits;
  limits.prove_dead_ends = false;
  limits.max_nodes = 200000;
  Solver solver(limits);
  std::uint64_t nodes = 0;
  double seconds = 0;
  for (auto _ : state) {
    nodes = 0;
    seconds = 0;
    for (std::uint32_t k = 0; k < 40; ++k) {
      const Result r = solver.SolveDeal(kFirstSeed + k);
      nodes += r.nodes;
      seconds += r.seconds;
    }
  }
  state.counters["nodes_per_s"] = seconds > 0 ? static_cast<double>(nodes) / seconds : 0;
  state.counters["nodes"] = static_cast<double>(nodes);
}
BENCHMARK(BM_PlainSearchNodes)->Unit(benchmark::kMillisecond)->Iterations(1);

// The survey on every core, with the whole survey's memory capped: deals per second, and the most any
// table held against its share.
void BM_Survey(benchmark::State& state) {
  const std::vector<std::uint32_t> seeds = Seeds(state.range(0));
  vantrel::solver::SurveyOptions options;
  options.jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  options.limits.max_seconds = 1;
  options.max_memory_bytes = std::size_t{1} << 30;
  std::size_t largest_table = 0;
  std::uint64_t decided = 0;
  double seconds = 0;
  for (auto _ : state) {
    decided = 0;
    const auto start = std::chrono::steady_clock::now();
    vantrel::solver::RunSurvey({.from = kFirstSeed, .count = seeds.size()}, {}, options, [&](DealResult&& r) {
      largest_table = std::max(largest_table, r.table_bytes);
      decided += r.verdict != Verdict::kUnknown ? 1 : 0;
    });
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  state.counters["jobs"] = options.jobs;
  state.counters["deals_per_s"] = static_cast<double>(seeds.size()) / seconds;
  state.counters["decided_pct"] = 100.0 * static_cast<double>(decided) / static_cast<double>(seeds.size());
  state.counters["table_peak_kib"] = static_cast<double>(largest_table) / 1024.0;
  state.counters["table_share_mib"] =
      static_cast<double>(vantrel::solver::TableShare(options.max_memory_bytes, options.jobs)) / 1048576.0;
  state.counters["peak_rss_mib"] = PeakRssMib();
}
BENCHMARK(BM_Survey)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
