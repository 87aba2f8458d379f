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

  // The first `count` outputs of a generator seeded with `seed`, as Next() gives them one after another,
  // computed four at a time: each of four outputs follows from the state four steps back.
  static void DrawAhead(std::uint32_t seed, std::uint32_t* out, int count) {
    std::uint64_t s[4];
    s[0] = std::uint64_t{seed} * kMultiplier + 1;
    for (int j = 1; j < 4; ++j) s[j] = s[j - 1] * kMultiplier + 1;
    for (int k = 0; k < count; k += 4) {
      for (int j = 0; j < 4 && k + j < count; ++j) {
        out[k + j] = static_cast<std::uint32_t>(s[j] >> 32) & 0x7FFFFFFFu;
        s[j] = s[j] * kMultiplier4 + kIncrement4;
      }
    }
  }

 private:
  static constexpr std::uint64_t kMultiplier = (std::uint64_t{0x15A} << 32) | 0x4E35u;
  // Four steps at once: s4 = a^4 s + (a^3 + a^2 + a + 1).
  static constexpr std::uint64_t kMultiplier4 = kMultiplier * kMultiplier * kMultiplier * kMultiplier;
  static constexpr std::uint64_t kIncrement4 =
      kMultiplier * kMultiplier * kMultiplier + kMultiplier * kMultiplier + kMultiplier + 1;
  std::uint64_t state_ = 0;
};

}  // namespace vantrel
