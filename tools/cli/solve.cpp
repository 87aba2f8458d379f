// `solve`: decides one deal with full knowledge of the cards and prints the verdict and the winning drops.
#include <iostream>

#include "commands.h"
#include "json.h"
#include "solver/solver.h"
#include "solver_args.h"

namespace vantrel::cli {

int SolveMain(std::span<const std::string_view> args) {
  if (args.empty()) throw MissingArgument("SEED");
  const std::uint32_t seed = ParseSeed(args[0]);
  solver::Limits limits;
  limits.max_seconds = kDefaultSolveSeconds;
  std::uint64_t memory_mib = kDefaultMemoryMib;
  for (std::size_t i = 1; i < args.size();) {
    const std::size_t used = ParseLimitOption(args, i, limits, memory_mib);
    if (used == 0)
      throw BadArgument(args[i], "solve takes SEED [--max-nodes N] [--max-seconds T] [--max-memory MIB]");
    i += used;
  }
  limits.max_table_bytes = memory_mib << 20;

  solver::Solver solver(limits);
  const solver::Result result = solver.SolveDeal(seed);
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
