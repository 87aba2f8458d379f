// The deal's pseudo-random generator: a 64-bit linear congruential generator seeded with whole seconds.
#pragma once

#include <cstdint>

namespace vantrel {

class Random {
 public:
  // The low 32 bits of the state take the seed, the high 32 bits are cleared.
  void Seed(std::uint32_t seed) { state_ = seed; }

  // The next output: bits 32..62 of the advanced state, a value in 0..2^31 - 1.
  std::uint32_t Next() {
    state_ = state_ * kMultiplier + 1;
    return static_cast<std::uint32_t>(state_ >> 32) & 0x7FFFFFFFu;
  }

  // random(n): 0 for n = 0, otherwise the next output modulo n.
  int Below(int n) { return n <= 0 ? 0 : static_cast<int>(Next() % static_cast<std::uint32_t>(n)); }

  std::uint64_t state() const { return state_; }

 private:
  static constexpr std::uint64_t kMultiplier = (std::uint64_t{0x15A} << 32) | 0x4E35u;
  std::uint64_t state_ = 0;
};

}  // namespace vantrel
