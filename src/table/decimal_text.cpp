// Reading plain decimals.
#include "table/decimal_text.h"

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

}  // namespace vantrel
