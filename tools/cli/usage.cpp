// The errors of a malformed command line, shared by vantrel-cli and vantrel-census.
#include <cstdio>
#include <string>

#include "commands.h"

namespace vantrel::cli {
namespace {

// The longest part of an argument an error shows: enough to recognise it, never a screenful.
constexpr std::size_t kLongestShown = 60;

// Built by appending: g++ 12 at -O3 reports a false -Wrestrict inside the joins of short literals it inlines.
std::string Quoted(std::string_view arg) {
  std::string quoted(1, '"');
  if (arg.size() <= kLongestShown) {
    quoted += arg;
    quoted += '"';
    return quoted;
  }
  // Cut between characters, never inside one of several bytes.
  std::size_t cut = kLongestShown;
  while (cut > 0 && (static_cast<unsigned char>(arg[cut]) & 0xC0) == 0x80) --cut;
  quoted += arg.substr(0, cut);
  quoted += "...\" (";
  quoted += std::to_string(arg.size());
  quoted += " bytes)";
  return quoted;
}

}  // namespace

UsageError BadArgument(std::string_view arg, std::string_view expected) {
  return UsageError("bad argument " + Quoted(arg) + ": " + std::string(expected));
}

UsageError MissingArgument(std::string_view what) {
  return UsageError("missing argument: " + std::string(what));
}

std::string Printable(std::string_view text) {
  std::string shown;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\n') {
      shown += "\\n";
    } else if (c == '\t') {
      shown += "\\t";
    } else if (byte < 0x20 || byte == 0x7f) {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02x", byte);
      shown += hex;
    } else {
      shown += c;
    }
  }
  return shown;
}

}  // namespace vantrel::cli
