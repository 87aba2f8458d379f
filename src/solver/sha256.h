// SHA-256 (FIPS 180-4) whose running state can be written down and taken up again, so that a hash over a
// gigabyte that is never whole on one disk can be carried from one sitting to the next in a few lines of
// text.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace vantrel::solver {

class Sha256 {
 public:
  // Where a hash stands: the chaining value after `length` bytes, of which the last `length % 64` are
  // still in `buffer`, not yet compressed.
  struct State {
    std::array<std::uint32_t, 8> h{};
    std::uint64_t length = 0;
    std::array<std::uint8_t, 64> buffer{};
  };

  Sha256();
  explicit Sha256(const State& state) : state_(state) {}

  void Update(std::span<const std::uint8_t> bytes);
  const State& state() const { return state_; }
  // The digest of everything given so far, in lower-case hexadecimal; the hash itself goes on unchanged.
  std::string HexDigest() const;

 private:
  void Compress(const std::uint8_t* block);
  State state_;
};

}  // namespace vantrel::solver
