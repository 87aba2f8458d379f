// The seed of a randomised test: VANTREL_TEST_SEED=N replays a run, otherwise each run takes a fresh one.
// The seed is printed when the test starts and stands in every failure message it gives.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>

namespace vantrel::testing {

inline std::uint32_t TestSeed() {
  const char* fixed = std::getenv("VANTREL_TEST_SEED");
  const std::uint32_t seed = fixed != nullptr && *fixed != '\0'
                                 ? static_cast<std::uint32_t>(std::strtoul(fixed, nullptr, 10))
                                 : std::random_device{}();
  std::cout << "random seed " << seed << '\n';
  return seed;
}

inline std::string SeedNote(std::uint32_t seed) {
  return "random seed " + std::to_string(seed) + " (VANTREL_TEST_SEED=" + std::to_string(seed) +
         " replays it)";
}

}  // namespace vantrel::testing

// Declares `seed`, the test's seed, and names it in every failure of the enclosing scope.
#define VANTREL_RANDOM_SEED(seed)                            \
  const std::uint32_t seed = ::vantrel::testing::TestSeed(); \
  SCOPED_TRACE(::vantrel::testing::SeedNote(seed))
