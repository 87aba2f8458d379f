// The survey's summary fields, in one place for every command that reports a tally.
#include "summary.h"

namespace vantrel::cli {

void SummaryFields(Json& j, std::uint32_t from, const solver::Tally& tally) {
  const std::uint64_t decided = tally.total();
  const solver::Interval ci = solver::WinnableInterval(tally);
  j.Key("from").Value(static_cast<unsigned long long>(from));
  j.Key("count").Value(static_cast<unsigned long long>(decided));
  j.Key("winnable").Value(static_cast<unsigned long long>(tally.winnable));
  j.Key("unwinnable").Value(static_cast<unsigned long long>(tally.unwinnable));
  j.Key("unknown").Value(static_cast<unsigned long long>(tally.unknown));
  j.Key("winnable_rate")
      .Value(decided ? static_cast<double>(tally.winnable) / static_cast<double>(decided) : 0.0);
  j.Key("ci95").BeginArray().Value(ci.lo).Value(ci.hi).EndArray();
}

}  // namespace vantrel::cli
