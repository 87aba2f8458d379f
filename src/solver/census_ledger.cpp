// The census's ledger: folding verdict files in seed order, and the ledger as text.
#include "solver/census_ledger.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/error.h"

namespace vantrel::solver {
namespace {

constexpr std::string_view kFirstLine = "vantrel census ledger 1";

std::string Hex(std::span<const std::uint8_t> bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  for (const std::uint8_t b : bytes) {
    out += kDigits[b >> 4];
    out += kDigits[b & 15];
  }
  return out;
}

}  // namespace

void VerdictRuns::Add(std::uint64_t seed, Code code) {
  if (code == Code::kUnwinnable) {
    ++tally.unwinnable;
    if (run++ == 0) run_from = seed;
    if (run > longest) {
      longest = run;
      longest_from = run_from;
    }
    return;
  }
  run = 0;
  if (code == Code::kWinnable) ++tally.winnable;
  if (code != Code::kUnknown) return;
  ++tally.unknown;
  if (unknown.size() < kListedUnknown) unknown.push_back(seed);
}

CensusLedger::CensusLedger(const VerdictHeader& range) {
  header_.from = range.from;
  header_.count = range.count;
}

std::string CensusLedger::Sha256Hex() const {
  if (!complete()) throw Error("the ledger's range is not folded to its end yet");
  Sha256 last(hash_.state());
  if (folded_ % 4 != 0) last.Update(std::span(&partial_, 1));
  return last.HexDigest();
}

void CensusLedger::Fold(const VerdictFile& file, const std::string& name) {
  const VerdictHeader& h = file.header();
  const std::uint64_t next = header_.from + folded_;
  if (h.from != next) {
    throw Error(name + " begins at seed " + std::to_string(h.from) + ", and the ledger goes on from seed " +
                std::to_string(next));
  }
  if (h.count > header_.count - folded_) {
    throw Error(name + " goes past the ledger's range, which ends at seed " +
                std::to_string(header_.from + header_.count - 1));
  }
  if (folded_ > 0) {
    if (const std::string why = Mismatch(header_, h); !why.empty())
      throw Error(name + " cannot join the ledger: " + why);
  }
  if (const std::uint64_t undecided = file.Undecided(); undecided != 0) {
    throw Error(name + " has " + std::to_string(undecided) +
                " seeds not decided yet: finish it (--resume) before folding it in");
  }
  if (folded_ == 0) {
    header_.version = h.version;
    header_.max_nodes = h.max_nodes;
    header_.max_seconds = h.max_seconds;
    header_.max_memory_mib = h.max_memory_mib;
    hash_.Update(EncodeHeader(header_));
  }
  for (std::uint64_t k = 0; k < h.count; ++k) {
    const Code code = file.Get(k);
    runs_.Add(h.from + k, code);
    partial_ = static_cast<std::uint8_t>(partial_ | static_cast<unsigned>(code) << (folded_ % 4 * 2));
    if (++folded_ % 4 == 0) {
      hash_.Update(std::span(&partial_, 1));
      partial_ = 0;
    }
  }
}

void CensusLedger::Save(const std::string& path) const {
  std::ostringstream out;
  const Sha256::State& s = hash_.state();
  char seconds[40];
  std::snprintf(seconds, sizeof seconds, "%.17g", header_.max_seconds);
  out << kFirstLine << '\n'
      << "range " << header_.from << ' ' << header_.count << '\n'
      << "version" << (header_.version.empty() ? "" : " ") << header_.version << '\n'
      << "limits " << header_.max_nodes << ' ' << seconds << ' ' << header_.max_memory_mib << '\n'
      << "folded " << folded_ << ' ' << static_cast<unsigned>(partial_) << '\n'
      << "tally " << runs_.tally.winnable << ' ' << runs_.tally.unwinnable << ' ' << runs_.tally.unknown
      << '\n'
      << "runs " << runs_.longest_from << ' ' << runs_.longest << ' ' << runs_.run_from << ' ' << runs_.run
      << '\n'
      << "sha256";
  for (const std::uint32_t word : s.h) {
    char hex[12];
    std::snprintf(hex, sizeof hex, " %08" PRIx32, word);
    out << hex;
  }
  out << ' ' << s.length;
  if (s.length % 64 != 0) out << ' ' << Hex(std::span(s.buffer.data(), s.length % 64));
  out << '\n' << "unknown";
  for (const std::uint64_t seed : runs_.unknown) out << ' ' << seed;
  out << '\n';

  const std::string temporary = path + ".tmp";
  {
    std::ofstream file(temporary, std::ios::trunc);
    file << out.str();
    file.close();
    if (!file) throw Error("cannot write " + temporary + ": check the folder exists and is writable");
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) throw Error("cannot rename " + temporary + " to " + path + ": " + error.message());
}

CensusLedger CensusLedger::Read(const std::string& path) {
  std::ifstream file(path);
  if (!file) throw Error("cannot read " + path + ": check that it exists and may be read");
  const auto damaged = [&](const std::string& what) {
    return Error(path + " is not a whole census ledger (" + what + ")");
  };
  std::string line;
  const auto next = [&](std::string_view key) {
    if (!std::getline(file, line) || !line.starts_with(key) ||
        (line.size() > key.size() && line[key.size()] != ' '))
      throw damaged(std::string(key));
    return std::istringstream(line.substr(key.size()));
  };
  if (!std::getline(file, line) || line != kFirstLine) throw damaged("its first line");

  std::uint64_t from = 0;
  std::uint64_t count = 0;
  if (!(next("range") >> from >> count) || count == 0 || from + count > (std::uint64_t{1} << 32))
    throw damaged("range");
  VerdictHeader range;
  range.from = static_cast<std::uint32_t>(from);
  range.count = count;
  CensusLedger ledger(range);
  VerdictHeader& h = ledger.header_;
  next("version") >> h.version;
  std::string seconds;
  if (!(next("limits") >> h.max_nodes >> seconds >> h.max_memory_mib)) throw damaged("limits");
  h.max_seconds = std::strtod(seconds.c_str(), nullptr);
  unsigned partial = 0;
  if (!(next("folded") >> ledger.folded_ >> partial) || ledger.folded_ > count ||
      partial >> (ledger.folded_ % 4 * 2) != 0 || (ledger.folded_ > 0) == h.version.empty())
    throw damaged("folded");
  ledger.partial_ = static_cast<std::uint8_t>(partial);
  VerdictRuns& r = ledger.runs_;
  if (!(next("tally") >> r.tally.winnable >> r.tally.unwinnable >> r.tally.unknown) ||
      r.tally.total() != ledger.folded_)
    throw damaged("tally");
  if (!(next("runs") >> r.longest_from >> r.longest >> r.run_from >> r.run) || r.run > r.longest ||
      r.longest > r.tally.unwinnable)
    throw damaged("runs");

  Sha256::State s;
  std::istringstream hash = next("sha256");
  for (std::uint32_t& word : s.h) {
    std::string hex;
    if (!(hash >> hex) || hex.size() != 8) throw damaged("sha256");
    word = static_cast<std::uint32_t>(std::strtoul(hex.c_str(), nullptr, 16));
  }
  std::string buffer;
  hash >> s.length;
  if (s.length % 64 != 0) hash >> buffer;
  const std::uint64_t hashed = ledger.folded_ == 0 ? 0 : kVerdictHeaderBytes + ledger.folded_ / 4;
  if (!hash || s.length != hashed || buffer.size() != s.length % 64 * 2) throw damaged("sha256");
  for (std::size_t i = 0; i < buffer.size() / 2; ++i)
    s.buffer[i] = static_cast<std::uint8_t>(std::strtoul(buffer.substr(2 * i, 2).c_str(), nullptr, 16));
  ledger.hash_ = ledger.folded_ == 0 ? Sha256() : Sha256(s);

  std::istringstream unknown = next("unknown");
  for (std::uint64_t seed = 0; unknown >> seed;) r.unknown.push_back(seed);
  if (r.unknown.size() != std::min<std::uint64_t>(r.tally.unknown, VerdictRuns::kListedUnknown))
    throw damaged("unknown");
  return ledger;
}

}  // namespace vantrel::solver
