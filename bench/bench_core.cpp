// Benchmarks of the game core: the enumeration, one whole drop, and random playouts of whole games.
// Each prints a deterministic signature beside its time, and the heap allocations made per iteration.
// `bench_core --check-signature FILE` plays the signatures' games once, without timing, and compares them
// with the line in FILE (bench/signature.txt): they change only with a change of the rule.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <new>
#include <random>
#include <sstream>
#include <string>

#include "interaction/interaction.h"
#include "platform/scripted_host.h"
#include "table/table.h"

namespace {
std::atomic<long> g_allocations{0};
}  // namespace

// Every heap allocation in this program passes here, so a benchmark can tell whether its loop allocates.
void* operator new(std::size_t size) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
// The replacement pair is malloc/free underneath, which the compiler cannot see through.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace {

using vantrel::DealKind;
using vantrel::Interaction;
using vantrel::LegalDrop;
using vantrel::LegalDrops;
using vantrel::Position;
using vantrel::Table;
using vantrel::platform::ScriptedHost;

constexpr std::uint32_t kSeed = 1700000000;

// Reports the allocations made since `start`, per iteration.
void ReportAllocations(benchmark::State& state, long start) {
  state.counters["allocs/iter"] =
      static_cast<double>(g_allocations.load() - start) / static_cast<double>(state.iterations());
}

// The legal drops in the order of the moved slot, then of the column: the order the signatures were first
// taken in, so a random pick among them plays the same games.
LegalDrops ByMovedSlot(const Table& table) {
  LegalDrops drops = table.ListLegalDrops();
  std::sort(
      drops.drops.begin(), drops.drops.begin() + drops.count, [&](const LegalDrop& a, const LegalDrop& b) {
        return std::pair(a.moved, table.card(a.target).col) < std::pair(b.moved, table.card(b.target).col);
      });
  return drops;
}

// The first of them on a fresh deal of the benchmarks' second.
LegalDrop FirstDrop(const Table& table) { return ByMovedSlot(table)[0]; }

struct PlayoutTotals {
  long drops_played = 0;
  long games = 0;
  long won = 0;
};

// Deals the game of each of 100 seconds and plays random accepted drops until it ends (or 300 drops).
PlayoutTotals RandomPlayouts() {
  PlayoutTotals totals;
  std::mt19937 rng(12345);
  for (std::uint32_t seed = kSeed; seed < kSeed + 100; ++seed) {
    ScriptedHost host(seed);
    Table table(host);
    Interaction player(table);
    table.Deal(DealKind::kNew);
    for (int step = 0; step < 300 && table.course.game_state == vantrel::GameState::kInProgress; ++step) {
      const LegalDrops drops = ByMovedSlot(table);
      if (drops.count == 0) break;
      const LegalDrop drop = drops[std::uniform_int_distribution<int>(0, drops.count - 1)(rng)];
      player.DragAndDrop(drop);
      ++totals.drops_played;
    }
    ++totals.games;
    totals.won += table.course.results.wins;
  }
  return totals;
}

void BM_FindMovesFreshDeal(benchmark::State& state) {
  ScriptedHost host(kSeed);
  Table table(host);
  table.Deal(DealKind::kNew);
  long signature = 0;
  const long start = g_allocations.load();
  for (auto _ : state) {
    table.FindMoves();
    signature += table.count.num_moves;
  }
  ReportAllocations(state, start);
  state.counters["moves"] = static_cast<double>(signature) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_FindMovesFreshDeal);

void BM_CardsAboveAndIsValidMove(benchmark::State& state) {
  ScriptedHost host(kSeed);
  Table table(host);
  table.Deal(DealKind::kNew);
  long accepted = 0;
  const long start = g_allocations.load();
  for (auto _ : state) {
    // Every card onto every column: the question a drag asks at each step.
    for (int m = 0; m < vantrel::kCardSlots; ++m) {
      for (int b = vantrel::kBlankFirst; b < vantrel::kSlotCount; ++b)
        accepted += table.IsValidMove({.moved = m, .target = b});
    }
  }
  ReportAllocations(state, start);
  state.counters["accepted"] = static_cast<double>(accepted) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_CardsAboveAndIsValidMove);

// One whole drop (the move, FindMoves, CheckWin), restoring the position before each; the restore is a plain
// copy of the position and part of the time.
void BM_WholeDrop(benchmark::State& state) {
  ScriptedHost host(kSeed);
  Table table(host);
  Interaction player(table);
  table.Deal(DealKind::kNew);
  const LegalDrop drop = FirstDrop(table);
  const Position saved = table.position;
  long signature = 0;
  const long start = g_allocations.load();
  for (auto _ : state) {
    table.position = saved;
    player.DragAndDrop(drop);
    signature += table.count.num_moves;
  }
  ReportAllocations(state, start);
  state.counters["moves_after"] = static_cast<double>(signature) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_WholeDrop);

// Random playouts of whole games. The signature, the total of drops played, depends only on the rules and the
// fixed generator.
void BM_RandomPlayouts(benchmark::State& state) {
  PlayoutTotals totals;
  for (auto _ : state) totals = RandomPlayouts();
  state.counters["games"] = static_cast<double>(totals.games);
  state.counters["drops_played"] = static_cast<double>(totals.drops_played);
  state.counters["won"] = static_cast<double>(totals.won);
}
BENCHMARK(BM_RandomPlayouts)->Unit(benchmark::kMillisecond);

// The signatures as one line: the moves of the fresh deal, the moves after its first drop, the random
// playouts' drops, games and wins.
std::string Signature() {
  ScriptedHost host(kSeed);
  Table table(host);
  Interaction player(table);
  table.Deal(DealKind::kNew);
  std::ostringstream line;
  line << "moves=" << table.count.num_moves;
  player.DragAndDrop(FirstDrop(table));
  const PlayoutTotals totals = RandomPlayouts();
  line << " moves_after=" << table.count.num_moves << " drops_played=" << totals.drops_played
       << " games=" << totals.games << " won=" << totals.won;
  return line.str();
}

int CheckSignature(const char* path) {
  std::ifstream file(path);
  std::string expected;
  std::getline(file, expected);
  const std::string actual = Signature();
  std::cout << "signature: " << actual << '\n';
  if (actual == expected) return 0;
  std::cerr << "the signature differs from " << path << ": " << expected << '\n';
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--check-signature") == 0) return CheckSignature(argv[2]);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
