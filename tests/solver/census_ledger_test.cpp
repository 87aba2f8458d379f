// The ledger's hash against the standard's own examples, carried over any split; a ledger damaged on its way
// from one sitting to the next is refused, never taken up wrong.
#include "solver/census_ledger.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

#include "platform/error.h"

namespace vantrel::solver {
namespace {

std::span<const std::uint8_t> Bytes(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TEST(Sha256, GivesTheStandardsDigestsWhereverTheHashIsWrittenDownAndTakenUp) {
  const struct {
    std::string message;
    const char* digest;
  } examples[] = {
      {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
      {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
      {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
  };
  for (const auto& example : examples) {
    SCOPED_TRACE(example.message.substr(0, 10));
    Sha256 whole;
    whole.Update(Bytes(example.message));
    EXPECT_EQ(whole.HexDigest(), example.digest);
    // Cut anywhere (every twentieth of the long one), its state copied as a ledger carries it.
    const std::size_t size = example.message.size();
    for (std::size_t cut = 0; cut <= size; cut += size > 200 ? 49999 : 1) {
      Sha256 first;
      first.Update(Bytes(example.message.substr(0, cut)));
      Sha256 second(first.state());
      second.Update(Bytes(example.message.substr(cut)));
      ASSERT_EQ(second.HexDigest(), example.digest) << "cut at " << cut;
    }
  }
}

TEST(CensusLedger, ADamagedLedgerIsRefusedNamingIt) {
  VerdictHeader range;
  range.from = 1000;
  range.count = 10;
  VerdictHeader header = range;
  header.version = "1.0";
  header.count = 5;
  VerdictFile file(header);
  for (std::uint64_t k = 0; k < 5; ++k) file.Set(k, k == 3 ? Code::kUnknown : Code::kUnwinnable);
  CensusLedger ledger(range);
  ledger.Fold(file, "five");
  const std::string path = ::testing::TempDir() + "ledger_" + std::to_string(getpid());
  ledger.Save(path);
  std::stringstream saved;
  saved << std::ifstream(path).rdbuf();
  const std::string good = saved.str();
  EXPECT_EQ(CensusLedger::Read(path).runs().longest, 3u);
  EXPECT_EQ(CensusLedger::Read(path).folded(), 5u);

  // Each damage replaces the first `from` in the ledger by `to`.
  const struct {
    const char* from;
    const char* to;
  } damages[] = {
      {"ledger 1", "ledger 2"},       {"range 1000 10", "range 1000 0"}, {"range 1000", "range 4294967295"},
      {"folded 5", "folded 11"},      {"folded 5 ", "folded 6 "},        {"tally 0 4 1", "tally 0 4 2"},
      {"runs 1000 3", "runs 1000 5"}, {"sha256 ", "sha256 x"},           {" 65 ", " 66 "},
      {"unknown 1003", "unknown"},    {"version 1.0\n", "version\n"},    {"\nunknown", "\n"},
  };
  for (const auto& damage : damages) {
    SCOPED_TRACE(damage.to);
    std::string text = good;
    const std::size_t at = text.find(damage.from);
    ASSERT_NE(at, std::string::npos) << good;
    text.replace(at, std::string(damage.from).size(), damage.to);
    std::ofstream(path, std::ios::trunc) << text;
    try {
      CensusLedger::Read(path);
      ADD_FAILURE() << "taken up:\n" << text;
    } catch (const Error& error) {
      EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
    }
  }
  std::remove(path.c_str());
}

}  // namespace
}  // namespace vantrel::solver
