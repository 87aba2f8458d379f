// The census's ledger: what the verdict files of a range say, folded in seed order into a few lines of text
// that a repository can carry from one sitting to the next when the verdicts themselves (1 GiB for every
// seed) cannot travel. It keeps the counts, the longest run of unwinnable seeds, the first unknown seeds and
// the SHA-256 of the merged verdict file as far as it has got, so that when the whole range is folded it
// gives what `census-stats` and `sha256sum` would give for the merged file, without that file ever being
// whole on one disk.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "solver/sha256.h"
#include "solver/tally.h"
#include "solver/verdict_file.h"

namespace vantrel::solver {

// What the codes of consecutive seeds say, taken in seed order.
struct VerdictRuns {
  // How many unknown seeds are listed; the tally counts all of them.
  static constexpr std::size_t kListedUnknown = 1000;

  Tally tally;
  std::uint64_t run_from = 0;  // the current run of unwinnable seeds
  std::uint64_t run = 0;
  std::uint64_t longest_from = 0;  // the first longest run
  std::uint64_t longest = 0;
  std::vector<std::uint64_t> unknown;  // the first kListedUnknown unknown seeds

  // The code of `seed`, the one after the last seed added. An undecided seed ends a run and counts nowhere.
  void Add(std::uint64_t seed, Code code);
};

class CensusLedger {
 public:
  // A ledger of the range of `range` (its from and count) with nothing folded yet; the first file folded sets
  // the version and limits every later file must share.
  explicit CensusLedger(const VerdictHeader& range);
  // Throws Error naming the file when it cannot be read or is not a whole ledger.
  static CensusLedger Read(const std::string& path);
  // Writes it under a temporary name and renames it to `path`, so the ledger is whole or the old one stays.
  void Save(const std::string& path) const;

  // The range as a merged verdict file's header gives it (version and limits empty until a file is folded).
  const VerdictHeader& header() const { return header_; }
  // The first seed not folded yet, as an offset from the range's first seed; header().count when complete.
  std::uint64_t folded() const { return folded_; }
  bool complete() const { return folded_ == header_.count; }
  const VerdictRuns& runs() const { return runs_; }
  // The SHA-256 of the merged verdict file of the whole range; only when complete.
  std::string Sha256Hex() const;

  // Folds the verdicts of `file` (read from `name`), which must begin at the first seed not folded yet, lie
  // within the range, share the version and limits of those folded before, and hold no undecided seed.
  // Throws Error naming the file otherwise, and then folds nothing of it.
  void Fold(const VerdictFile& file, const std::string& name);

 private:
  VerdictHeader header_;
  std::uint64_t folded_ = 0;
  VerdictRuns runs_;
  Sha256 hash_;               // over the header and the whole bytes of the codes folded
  std::uint8_t partial_ = 0;  // the codes of the last folded_ % 4 seeds, not hashed until their byte is full
};

}  // namespace vantrel::solver
