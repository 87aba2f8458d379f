// `solve`: decides one deal, or the game after some drops of it, with full knowledge of the cards and prints
// the verdict and the winning drops.
#include <iostream>
#include <vector>

#include "commands.h"
#include "interaction/interaction.h"
#include "json.h"
#include "platform/scripted_host.h"
#include "solver/solver.h"
#include "solver_args.h"

namespace vantrel::cli {

int SolveMain(std::span<const std::string_view> args) {
  if (args.empty()) throw MissingArgument("SEED");
  const std::uint32_t seed = ParseSeed(args[0]);
  solver::Limits limits;
  limits.max_seconds = kDefaultSolveSeconds;
  std::uint64_t memory_mib = kDefaultMemoryMib;
  // The game as `play` plays it: each drop must be one the game takes, while the game goes on.
  platform::ScriptedHost host(seed);
  Table table(host);
  Interaction player(table);
  table.Deal(DealKind::kNew);
  for (std::size_t i = 1; i < args.size();) {
    const std::size_t used = ParseLimitOption(args, i, limits, memory_mib);
    if (used != 0) {
      i += used;
      continue;
    }
    const std::optional<Drop> drop = ParseDrop(args[i]);
    if (!drop) {
      throw BadArgument(args[i],
                        "solve takes SEED [M>T...] [--max-nodes N] [--max-seconds T] [--max-memory MIB]");
    }
    if (table.course.game_state != GameState::kInProgress || !table.IsValidMove(*drop))
      throw BadArgument(args[i], "a drop the game takes there, while the game goes on");
    player.DragAndDrop(*drop);
    ++i;
  }
  limits.max_table_bytes = memory_mib << 20;

  solver::Solver solver(limits);
  const solver::Result result = solver.Solve(table.position);
  Json j;
  j.BeginObject();
  j.Key("seed").Value(static_cast<unsigned long long>(seed));
  j.Key("verdict").Value(solver::VerdictName(result.verdict));
  j.Key("moves").BeginArray();
  for (const Drop& drop : result.moves) j.Value(FormatDrop(drop));
  j.EndArray();
  j.Key("nodes").Value(static_cast<unsigned long long>(result.nodes));
  j.Key("seconds").Value(result.seconds);
  j.EndObject();
  std::cout << j.str() << '\n';
  return 0;
}

}  // namespace vantrel::cli
