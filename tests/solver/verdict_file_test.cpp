// Verdict files: shards that cut a range exactly, the bits and header as stored, and files that must be
// refused.
#include "solver/verdict_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/error.h"

namespace vantrel::solver {
namespace {

TEST(VerdictFile, ShardsCutTheRangeIntoContiguousNearlyEqualParts) {
  struct Case {
    std::uint64_t count;
    std::uint64_t k;
  };
  for (const Case c : {Case{10001, 3}, Case{5, 5}, Case{7, 1}, Case{100000000, 96},
                       Case{std::uint64_t{1} << 32, 4096}, Case{std::uint64_t{1} << 32, 4294967295u}}) {
    const auto end = [&](std::uint64_t i) {
      return Shard(c.count, {.i = i, .k = c.k}).offset + Shard(c.count, {.i = i, .k = c.k}).count;
    };
    EXPECT_EQ(Shard(c.count, {.i = 1, .k = c.k}).offset, 0u);
    EXPECT_EQ(end(c.k), c.count);
    // Every part of the small cases; the first, middle and last five of the large.
    std::vector<std::uint64_t> parts;
    const auto add = [&](std::uint64_t first, std::uint64_t last) {
      for (std::uint64_t i = first; i <= last && i < c.k; ++i) parts.push_back(i);
    };
    if (c.k <= 100) {
      add(1, c.k);
    } else {
      add(1, 5);
      add(c.k / 2 - 2, c.k / 2 + 2);
      add(c.k - 5, c.k);
    }
    for (const std::uint64_t i : parts) {
      EXPECT_EQ(end(i), Shard(c.count, {.i = i + 1, .k = c.k}).offset)
          << c.count << " in " << c.k << ", part " << i;
      const std::uint64_t length = Shard(c.count, {.i = i, .k = c.k}).count;
      EXPECT_TRUE(length == c.count / c.k || length == c.count / c.k + 1) << length;
    }
  }
}

TEST(VerdictFile, KeepsEverySeedsCodeAndRefusesDamagedFiles) {
  const std::string path = ::testing::TempDir() + "verdicts_" + std::to_string(getpid());
  const VerdictHeader header{"9.8.7.6", 4294967290u, 6, 60, 0.5, 512};
  VerdictFile file(header);
  file.Save(path);
  EXPECT_EQ(std::filesystem::file_size(path), kVerdictHeaderBytes + 2);
  const Code codes[] = {Code::kUnknown,    Code::kWinnable, Code::kUndecided,
                        Code::kUnwinnable, Code::kWinnable, Code::kUnknown};
  for (std::uint64_t k = 0; k < 6; ++k) file.Set(k, codes[k]);
  file.Set(2, Code::kWinnable);  // set twice, neighbours untouched
  file.Set(2, Code::kUndecided);
  file.Flush();

  const VerdictFile back = VerdictFile::Read(path);
  EXPECT_EQ(back.header().version, "9.8.7.6");
  EXPECT_EQ(back.header().from, 4294967290u);
  EXPECT_EQ(back.header().count, 6u);
  EXPECT_EQ(back.header().max_nodes, 60u);
  EXPECT_EQ(back.header().max_seconds, 0.5);
  EXPECT_EQ(back.header().max_memory_mib, 512u);
  for (std::uint64_t k = 0; k < 6; ++k) EXPECT_EQ(back.Get(k), codes[k]) << k;
  EXPECT_EQ(back.Count(), (Tally{2, 1, 2}));
  EXPECT_EQ(back.Undecided(), 1u);
  // Four seeds a byte, the first in the low bits: 3, 1, 0, 2 then 1, 3.
  std::ifstream raw(path, std::ios::binary);
  raw.seekg(kVerdictHeaderBytes);
  EXPECT_EQ(raw.get(), 0b10'00'01'11);
  EXPECT_EQ(raw.get(), 0b11'01);
  raw.close();

  const auto refused = [&](const std::string& why) {
    try {
      VerdictFile::Read(path);
      ADD_FAILURE() << "read a file that " << why;
    } catch (const Error& e) {
      EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
  };
  std::filesystem::resize_file(path, kVerdictHeaderBytes + 1);
  refused("was cut short");
  std::ofstream(path, std::ios::binary | std::ios::trunc) << std::string(kVerdictHeaderBytes + 2, 'x');
  refused("is not a verdict file");
  std::filesystem::remove(path);
  refused("is missing");
}

}  // namespace
}  // namespace vantrel::solver
