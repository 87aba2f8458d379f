// Reading and writing drops.
#include "table/move_text.h"

#include "table/decimal_text.h"
#include "table/geometry.h"

namespace vantrel {

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
