// Plain decimal numbers in text, as the command line, the move text and the survey's records write them.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vantrel {

// A plain decimal: one or more digits, nothing else, at most `max`.
std::optional<std::uint64_t> ParseDecimal(std::string_view text, std::uint64_t max);

}  // namespace vantrel
