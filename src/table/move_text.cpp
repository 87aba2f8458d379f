// Reading and writing drops and plain decimals.
#include "table/move_text.h"

#include "table/geometry.h"

namespace vantrel {

std::optional<std::uint64_t> ParseDecimal(std::string_view text, std::uint64_t max) {
  if (text.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char ch : text) {
    if (ch < '0' || ch > '9') return std::nullopt;
    const std::uint64_t digit = static_cast<std::uint64_t>(ch - '0');
    if (digit > max || value > (max - digit) / 10) return std::nullopt;  // value * 10 + digit > max
    value = value * 10 + digit;
  }
  return value;
}

std::optional<Drop> ParseDrop(std::string_view text) {
  const std::size_t sep = text.find('>');
  if (sep == std::string_view::npos) return std::nullopt;
  const auto moved = ParseDecimal(text.substr(0, sep), kCardSlots - 1);
  const auto target = ParseDecimal(text.substr(sep + 1), kSlotCount - 1);
  if (!moved || !target) return std::nullopt;
  return Drop{static_cast<int>(*moved), static_cast<int>(*target)};
}

std::string FormatDrop(const Drop& drop) {
  return std::to_string(drop.moved) + ">" + std::to_string(drop.target);
}

}  // namespace vantrel
