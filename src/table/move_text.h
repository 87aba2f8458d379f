// The compact text form of a drop, "M>T": the card of slot M (0..51) dropped on the image of slot T (0..59).
// The command line, the solver's answers and test fixtures all speak it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

struct Drop {
  int moved = 0;
  int target = 0;
  bool operator==(const Drop&) const = default;
};

// "M>T" with M and T plain decimals in range; anything else gives nothing.
std::optional<Drop> ParseDrop(std::string_view text);
std::string FormatDrop(const Drop& drop);

}  // namespace vantrel
