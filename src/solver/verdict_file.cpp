// Reading, writing and merging verdict files. All numbers in the header are little-endian whatever the host.
#include "solver/verdict_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "platform/error.h"

#ifndef VANTREL_VERSION
#error "VANTREL_VERSION names the program's version"
#endif

namespace vantrel::solver {
namespace {

constexpr std::string_view kMagic = "VANTRELV";
constexpr std::uint64_t kMaxCount = std::uint64_t{1} << 32;
// The largest limits the commands take (--max-seconds, --max-memory): a header beyond them is damaged.
constexpr double kMaxSeconds = 86400;
constexpr std::uint64_t kMaxMemoryMib = std::uint64_t{1} << 20;
static_assert(std::string_view(VANTREL_VERSION).size() <= kVersionBytes);

// Header layout: magic, format, first seed, count, max nodes, max seconds (IEEE double), max memory (MiB),
// version (NUL-padded).
enum Offset : std::size_t {
  kFormatAt = 8,
  kFromAt = 12,
  kCountAt = 16,
  kNodesAt = 24,
  kSecondsAt = 32,
  kMemoryAt = 40,
  kVersionAt = 48,
};
static_assert(kVersionAt + kVersionBytes == kVerdictHeaderBytes);

// A little-endian number of `kBytes` bytes.
template <int kBytes>
void Put(std::uint8_t* at, std::uint64_t value) {
  for (int b = 0; b < kBytes; ++b) at[b] = static_cast<std::uint8_t>(value >> (8 * b));
}

template <int kBytes>
std::uint64_t Take(const std::uint8_t* at) {
  std::uint64_t value = 0;
  for (int b = 0; b < kBytes; ++b) value |= static_cast<std::uint64_t>(at[b]) << (8 * b);
  return value;
}

std::size_t BodyBytes(std::uint64_t count) { return static_cast<std::size_t>((count + 3) / 4); }

}  // namespace

std::array<std::uint8_t, kVerdictHeaderBytes> EncodeHeader(const VerdictHeader& h) {
  std::array<std::uint8_t, kVerdictHeaderBytes> out{};
  std::memcpy(out.data(), kMagic.data(), kMagic.size());
  Put<4>(&out[kFormatAt], kVerdictFormat);
  Put<4>(&out[kFromAt], h.from);
  Put<8>(&out[kCountAt], h.count);
  Put<8>(&out[kNodesAt], h.max_nodes);
  Put<8>(&out[kSecondsAt], std::bit_cast<std::uint64_t>(h.max_seconds));
  Put<8>(&out[kMemoryAt], h.max_memory_mib);
  std::memcpy(&out[kVersionAt], h.version.data(), std::min(h.version.size(), kVersionBytes));
  return out;
}

namespace {

VerdictHeader Decode(const std::array<std::uint8_t, kVerdictHeaderBytes>& in, const std::string& path) {
  const auto fail = [&](const std::string& why) {
    return Error(path + " " + why + "; it cannot be used: decide its seeds again or take another copy");
  };
  if (std::memcmp(in.data(), kMagic.data(), kMagic.size()) != 0) throw fail("is not a verdict file");
  const auto format = static_cast<std::uint32_t>(Take<4>(&in[kFormatAt]));
  if (format != kVerdictFormat) {
    throw fail("is in format " + std::to_string(format) + ", and this program reads format " +
               std::to_string(kVerdictFormat));
  }
  VerdictHeader h;
  h.from = static_cast<std::uint32_t>(Take<4>(&in[kFromAt]));
  h.count = Take<8>(&in[kCountAt]);
  h.max_nodes = Take<8>(&in[kNodesAt]);
  h.max_seconds = std::bit_cast<double>(Take<8>(&in[kSecondsAt]));
  h.max_memory_mib = Take<8>(&in[kMemoryAt]);
  const auto* version = reinterpret_cast<const char*>(&in[kVersionAt]);
  h.version.assign(version, strnlen(version, kVersionBytes));
  const bool printable =
      std::all_of(h.version.begin(), h.version.end(), [](char c) { return c > ' ' && c <= '~'; });
  if (h.version.empty() || !printable) throw fail("has a damaged header (its version)");
  if (h.count == 0 || h.count > kMaxCount - h.from) throw fail("has a damaged header (its range)");
  if (!(h.max_seconds >= 0 && h.max_seconds <= kMaxSeconds))
    throw fail("has a damaged header (its time limit)");
  if (h.max_memory_mib > kMaxMemoryMib) throw fail("has a damaged header (its memory limit)");
  return h;
}

// How many seeds of each code a byte holds, for counting a billion seeds quickly.
struct ByteCounts {
  std::array<std::array<std::uint8_t, 4>, 256> of{};
  ByteCounts() {
    for (int b = 0; b < 256; ++b) {
      for (int s = 0; s < 4; ++s)
        ++of[static_cast<std::size_t>(b)][static_cast<std::size_t>((b >> (2 * s)) & 3)];
    }
  }
};

}  // namespace

Code CodeOf(Verdict verdict) {
  switch (verdict) {
    case Verdict::kWinnable:
      return Code::kWinnable;
    case Verdict::kUnwinnable:
      return Code::kUnwinnable;
    case Verdict::kUnknown:
      break;
  }
  return Code::kUnknown;
}

std::string_view ProgramVersion() { return VANTREL_VERSION; }

VerdictHeader SurveyHeader(std::uint32_t from, std::uint64_t count, const SurveyOptions& options) {
  return {std::string(ProgramVersion()), from, count, options.limits.max_nodes, options.limits.max_seconds,
          options.max_memory_bytes >> 20};
}

std::string LimitsText(const VerdictHeader& h) {
  // Short where that reads back as the same number, so that two limits that differ never read the same.
  char seconds[40];
  std::snprintf(seconds, sizeof seconds, "%g", h.max_seconds);
  if (std::strtod(seconds, nullptr) != h.max_seconds)
    std::snprintf(seconds, sizeof seconds, "%.17g", h.max_seconds);
  std::strcat(seconds, " s");
  const std::string nodes =
      h.max_nodes ? "at most " + std::to_string(h.max_nodes) + " nodes" : "any number of nodes";
  return nodes + " and " + (h.max_seconds > 0 ? seconds : "any time") + " a deal, " +
         std::to_string(h.max_memory_mib) + " MiB of memory";
}

std::string Mismatch(const VerdictHeader& a, const VerdictHeader& b) {
  if (a.version != b.version) return "version " + a.version + " against version " + b.version;
  if (a.max_nodes != b.max_nodes || a.max_seconds != b.max_seconds || a.max_memory_mib != b.max_memory_mib) {
    return LimitsText(a) + " against " + LimitsText(b);
  }
  return "";
}

SeedSpan Shard(std::uint64_t count, ShardIndex part) {
  const std::uint64_t base = count / part.k;
  const std::uint64_t longer = count % part.k;  // the first `longer` parts hold one seed more
  const std::uint64_t before = part.i - 1;
  return {before * base + std::min(before, longer), base + (before < longer ? 1 : 0)};
}

VerdictFile::VerdictFile(VerdictHeader header)
    : header_(std::move(header)), bits_(BodyBytes(header_.count)) {}

VerdictHeader VerdictFile::ReadHeader(const std::string& path) {
  // A pipe or a device would block the read or never end: only an ordinary file is opened.
  std::error_code error;
  if (std::filesystem::exists(path, error) && !std::filesystem::is_regular_file(path, error)) {
    throw Error(path + " is not an ordinary file, so it cannot be a verdict file");
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Error("cannot read " + path + ": check that it exists and may be read");
  std::array<std::uint8_t, kVerdictHeaderBytes> raw{};
  in.read(reinterpret_cast<char*>(raw.data()), raw.size());
  if (in.gcount() != static_cast<std::streamsize>(raw.size())) {
    throw Error(path + " is too short to be a verdict file");
  }
  VerdictHeader header = Decode(raw, path);
  // The size the header announces is checked before anything of that size is made.
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  const std::uintmax_t announced = kVerdictHeaderBytes + BodyBytes(header.count);
  if (error || size != announced) {
    throw Error(path + " holds " + std::to_string(error ? 0 : size) + " bytes where its header announces " +
                std::to_string(announced) +
                ": it was cut short or damaged; decide its seeds again or take another copy");
  }
  return header;
}

VerdictFile VerdictFile::Read(const std::string& path) {
  VerdictFile file(ReadHeader(path));
  std::ifstream in(path, std::ios::binary);
  in.seekg(static_cast<std::streamoff>(kVerdictHeaderBytes));
  in.read(reinterpret_cast<char*>(file.bits_.data()), static_cast<std::streamsize>(file.bits_.size()));
  if (!in) throw Error("cannot read " + path + ": the read failed");
  // Seeds past the end of the range fill the last byte; they are never set.
  const unsigned used = static_cast<unsigned>(file.header_.count % 4) * 2;
  if (used != 0 && (file.bits_.back() >> used) != 0) throw Error(path + " is damaged: its last byte");
  file.path_ = path;
  return file;
}

void VerdictFile::Set(std::uint64_t k, Code code) {
  const std::size_t at = static_cast<std::size_t>(k / 4);
  const unsigned shift = static_cast<unsigned>(k % 4) * 2;
  bits_[at] =
      static_cast<std::uint8_t>((bits_[at] & ~(3u << shift)) | (static_cast<unsigned>(code) << shift));
  dirty_begin_ = std::min(dirty_begin_, at);
  dirty_end_ = std::max(dirty_end_, at + 1);
}

Tally VerdictFile::Count() const {
  static const ByteCounts counts;
  std::array<std::uint64_t, 4> total{};
  for (const std::uint8_t byte : bits_) {
    for (std::size_t c = 0; c < 4; ++c) total[c] += counts.of[byte][c];
  }
  return {total[1], total[2], total[3]};
}

void VerdictFile::Save(const std::string& path) {
  // The temporary file is a new one of our own: whatever else lies beside `path` is never touched.
  std::string temporary;
  int fd = -1;
  for (int attempt = 0; fd < 0; ++attempt) {
    temporary = path + ".tmp";
    if (attempt > 0) temporary.append(".").append(std::to_string(attempt));
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && (errno != EEXIST || attempt >= 100)) {
      throw Error("cannot write " + temporary + ": " + std::strerror(errno) +
                  "; check the folder exists and is writable");
    }
  }
  const auto header = EncodeHeader(header_);
  const auto write_all = [fd](const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
      const ssize_t written = ::write(fd, data, size);
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) return false;
      data += written;
      size -= static_cast<std::size_t>(written);
    }
    return true;
  };
  const bool written = write_all(header.data(), header.size()) && write_all(bits_.data(), bits_.size());
  if (::close(fd) != 0 || !written) {
    ::unlink(temporary.c_str());
    throw Error("cannot write " + temporary +
                ": check the folder exists and is writable and the disk has room");
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) {
    ::unlink(temporary.c_str());
    throw Error("cannot rename " + temporary + " to " + path + ": " + error.message());
  }
  file_.close();
  path_ = path;
  dirty_begin_ = SIZE_MAX;
  dirty_end_ = 0;
}

void VerdictFile::Flush() {
  if (dirty_begin_ >= dirty_end_) return;
  if (!file_.is_open()) file_.open(path_, std::ios::binary | std::ios::in | std::ios::out);
  file_.seekp(static_cast<std::streamoff>(kVerdictHeaderBytes + dirty_begin_));
  file_.write(reinterpret_cast<const char*>(bits_.data() + dirty_begin_),
              static_cast<std::streamsize>(dirty_end_ - dirty_begin_));
  file_.flush();
  if (!file_)
    throw Error("writing " + path_ + " failed: check the disk; --resume continues from what was written");
  dirty_begin_ = SIZE_MAX;
  dirty_end_ = 0;
}

VerdictFile MergeVerdictFiles(const std::vector<std::string>& paths, bool allow_gaps) {
  struct Part {
    std::string path;
    VerdictHeader header;
  };
  std::vector<Part> parts;
  for (const std::string& path : paths) parts.push_back({path, VerdictFile::ReadHeader(path)});
  if (parts.empty()) throw Error("nothing to merge");
  std::sort(parts.begin(), parts.end(),
            [](const Part& a, const Part& b) { return a.header.from < b.header.from; });
  for (std::size_t k = 1; k < parts.size(); ++k) {
    const Part& before = parts[k - 1];
    const Part& part = parts[k];
    if (const std::string why = Mismatch(parts[0].header, part.header); !why.empty()) {
      throw Error(parts[0].path + " and " + part.path + " cannot be merged: " + why);
    }
    const std::uint64_t end = before.header.from + before.header.count;
    if (part.header.from < end) {
      throw Error(before.path + " and " + part.path + " overlap from seed " +
                  std::to_string(part.header.from));
    }
    if (part.header.from > end && !allow_gaps) {
      throw Error("no file holds seeds " + std::to_string(end) + ".." + std::to_string(part.header.from - 1) +
                  ", between " + before.path + " and " + part.path + " (--allow-gaps leaves them undecided)");
    }
  }
  VerdictHeader merged = parts[0].header;
  std::uint64_t end = 0;
  for (const Part& part : parts) end = std::max(end, part.header.from + part.header.count);
  merged.count = end - merged.from;
  VerdictFile out(merged);
  for (const Part& part : parts) {
    VerdictFile in = VerdictFile::Read(part.path);
    const std::uint64_t offset = part.header.from - merged.from;
    if (offset % 4 == 0) {  // whole bytes; the padding of an input's last byte is zero
      std::copy(in.bytes().begin(), in.bytes().end(),
                out.bytes().begin() + static_cast<std::ptrdiff_t>(offset / 4));
    } else {
      for (std::uint64_t k = 0; k < part.header.count; ++k) out.Set(offset + k, in.Get(k));
    }
  }
  return out;
}

}  // namespace vantrel::solver
