// Benchmarks of the game core.
#include <benchmark/benchmark.h>

#include "interaction/interaction.h"
#include "platform/scripted_host.h"
#include "table/table.h"

namespace {

void BM_FindMovesFreshDeal(benchmark::State& state) {
  vantrel::platform::ScriptedHost host(1700000000);
  vantrel::Table table(host);
  table.NewClick(vantrel::DealCommand::kNew);
  int total = 0;
  for (auto _ : state) {
    table.FindMoves(vantrel::kCountOnly);
    total += table.num_moves;
  }
  state.counters["moves"] = table.num_moves;
}
BENCHMARK(BM_FindMovesFreshDeal);

}  // namespace

BENCHMARK_MAIN();
