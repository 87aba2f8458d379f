// Benchmarks of the game core: the enumeration, one whole drop, and random playouts of whole games.
// Each prints a deterministic signature beside its time, and the heap allocations made per iteration.
#include <benchmark/benchmark.h>

#include <array>
#include <atomic>
#include <cstdlib>
#include <new>
#include <random>

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

using vantrel::DealCommand;
using vantrel::Interaction;
using vantrel::Table;
using vantrel::platform::ScriptedHost;

constexpr std::uint32_t kSeed = 1700000000;

// Reports the allocations made since `start`, per iteration.
void ReportAllocations(benchmark::State& state, long start) {
  state.counters["allocs/iter"] =
      static_cast<double>(g_allocations.load() - start) / static_cast<double>(state.iterations());
}

void BM_FindMovesFreshDeal(benchmark::State& state) {
  ScriptedHost host(kSeed);
  Table table(host);
  table.NewClick(DealCommand::kNew);
  long signature = 0;
  const long start = g_allocations.load();
  for (auto _ : state) {
    table.FindMoves(vantrel::kCountOnly);
    signature += table.num_moves;
  }
  ReportAllocations(state, start);
  state.counters["moves"] = table.num_moves;
}
BENCHMARK(BM_FindMovesFreshDeal);

void BM_CardsAboveAndIsValidMove(benchmark::State& state) {
  ScriptedHost host(kSeed);
  Table table(host);
  table.NewClick(DealCommand::kNew);
  long accepted = 0;
  const long start = g_allocations.load();
  for (auto _ : state) {
    // Every card onto every column: the question a drag asks at each step.
    for (int m = 0; m < vantrel::kCardSlots; ++m) {
      for (int b = vantrel::kBlankFirst; b < vantrel::kSlotCount; ++b) accepted += table.IsValidMove(b, m);
    }
  }
  ReportAllocations(state, start);
  state.counters["accepted"] = static_cast<double>(accepted) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_CardsAboveAndIsValidMove);

// One whole drop (the move, FindMoves, CheckWin), restoring the slots before each; the restore is a plain
// copy of the slot array and part of the time.
void BM_WholeDrop(benchmark::State& state) {
  ScriptedHost host(kSeed);
  Table table(host);
  Interaction player(table);
  table.NewClick(DealCommand::kNew);
  int moved = -1, target = -1;
  for (int m = 0; m < vantrel::kCardSlots && moved < 0; ++m) {
    for (int b = vantrel::kBlankFirst; b < vantrel::kSlotCount && moved < 0; ++b) {
      if (table.IsValidMove(b, m)) moved = m, target = b;
    }
  }
  const auto saved = table.cards;
  long signature = 0;
  const long start = g_allocations.load();
  for (auto _ : state) {
    table.cards = saved;
    player.DragAndDrop(moved, target);
    signature += table.num_moves;
  }
  ReportAllocations(state, start);
  state.counters["moves_after"] = static_cast<double>(signature) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_WholeDrop);

// Random playouts: deal the game of each second and play random accepted drops until it ends (or 300
// drops). The signature, the total of drops played, depends only on the rules and the fixed generator.
void BM_RandomPlayouts(benchmark::State& state) {
  long drops_played = 0, games = 0, won = 0;
  for (auto _ : state) {
    std::mt19937 rng(12345);
    drops_played = games = won = 0;
    for (std::uint32_t seed = kSeed; seed < kSeed + 100; ++seed) {
      ScriptedHost host(seed);
      Table table(host);
      Interaction player(table);
      table.NewClick(DealCommand::kNew);
      std::array<std::pair<int, int>, vantrel::kCardSlots * 8> drops;
      for (int step = 0; step < 300 && table.game_state == vantrel::GameState::kInProgress; ++step) {
        int n = 0;
        for (int m = 0; m < vantrel::kCardSlots; ++m) {
          for (int b = vantrel::kBlankFirst; b < vantrel::kSlotCount; ++b) {
            if (table.IsValidMove(b, m)) drops[n++] = {m, b};
          }
        }
        if (n == 0) break;
        const auto [m, b] = drops[std::uniform_int_distribution<int>(0, n - 1)(rng)];
        player.DragAndDrop(m, b);
        ++drops_played;
      }
      ++games;
      won += table.results.wins;
    }
  }
  state.counters["games"] = static_cast<double>(games);
  state.counters["drops_played"] = static_cast<double>(drops_played);
  state.counters["won"] = static_cast<double>(won);
}
BENCHMARK(BM_RandomPlayouts)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
