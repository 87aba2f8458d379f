// The verdict file: two bits for each seed of a range, behind a header naming the range, the program's
// version and the limits under which a deal was left unknown. Survey shards, census chunks and their merge
// share it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "solver/solver.h"
#include "solver/survey.h"
#include "solver/tally.h"

namespace vantrel::solver {

// A seed's two bits. 0 means not decided yet, so a file made all zero and filled in as deals finish can be
// resumed exactly.
enum class Code : std::uint8_t { kUndecided = 0, kWinnable = 1, kUnwinnable = 2, kUnknown = 3 };
Code CodeOf(Verdict verdict);

inline constexpr std::size_t kVerdictHeaderBytes = 64;
inline constexpr std::uint32_t kVerdictFormat = 1;
inline constexpr std::size_t kVersionBytes = 16;

// The program's version, as the files this build writes carry it.
std::string_view ProgramVersion();

struct VerdictHeader {
  std::string version;  // at most kVersionBytes
  std::uint32_t from = 0;
  std::uint64_t count = 0;  // 1..4294967296 seeds, from + count - 1 at most 4294967295
  // The limits the deals were decided under, which say what "unknown" means: nodes and seconds a deal (0 for
  // none), and the memory all the threads' tables shared, as --max-memory gives it.
  std::uint64_t max_nodes = 0;
  double max_seconds = 0;
  std::uint64_t max_memory_mib = 0;
};

// The header of a survey's verdicts: this program's version, the range and the limits each deal gets.
VerdictHeader SurveyHeader(std::uint32_t from, std::uint64_t count, const SurveyOptions& options);

// Why verdicts of the two headers cannot be put side by side (another version or other limits), or "".
std::string Mismatch(const VerdictHeader& a, const VerdictHeader& b);

// The header's 64 bytes as a file holds them.
std::array<std::uint8_t, kVerdictHeaderBytes> EncodeHeader(const VerdictHeader& header);

// The limits in words: "at most 60 nodes and 1 s a deal, 1024 MiB of memory".
std::string LimitsText(const VerdictHeader& header);

// Part i (1..k) of k.
struct ShardIndex {
  std::uint64_t i = 1;
  std::uint64_t k = 1;
};
// The part of `count` seeds cut into k contiguous parts: its first seed's offset and its length. Lengths
// differ by at most one, the longer parts first; k must not exceed count.
struct SeedSpan {
  std::uint64_t offset = 0;
  std::uint64_t count = 0;
};
SeedSpan Shard(std::uint64_t count, ShardIndex part);

// The verdicts of a range, held in memory (a quarter byte per seed: 1 GiB for all 2^32 seeds) and tied to
// the file they were read from or saved to.
class VerdictFile {
 public:
  // Every seed undecided; no file yet.
  explicit VerdictFile(VerdictHeader header);
  // Throws Error naming the file when it is missing, not a verdict file, or cut short.
  static VerdictFile Read(const std::string& path);
  static VerdictHeader ReadHeader(const std::string& path);

  const VerdictHeader& header() const { return header_; }
  // The k-th seed of the range, from 0.
  Code Get(std::uint64_t k) const { return static_cast<Code>((bits_[k / 4] >> (k % 4 * 2)) & 3); }
  void Set(std::uint64_t k, Code code);
  // The codes as stored, four seeds a byte, the first in the low bits.
  std::vector<std::uint8_t>& bytes() { return bits_; }

  Tally Count() const;  // the decided seeds
  std::uint64_t Undecided() const { return header_.count - Count().total(); }

  // Writes the whole file under a temporary name and renames it to `path`, so the file is whole or absent.
  void Save(const std::string& path);
  // Writes what changed since the last Save or Flush into the file in place. Throws Error when that fails.
  void Flush();

 private:
  VerdictHeader header_;
  std::vector<std::uint8_t> bits_;
  std::string path_;
  std::fstream file_;
  std::size_t dirty_begin_ = SIZE_MAX;
  std::size_t dirty_end_ = 0;
};

// Combines the files into one over their whole span. They must share the version and limits and must not
// overlap; seeds between them that none covers are refused unless `allow_gaps`, and then stay undecided.
// Throws Error naming the files.
VerdictFile MergeVerdictFiles(const std::vector<std::string>& paths, bool allow_gaps);

}  // namespace vantrel::solver
