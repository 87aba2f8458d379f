// The errors of a malformed command line, shared by vantrel-cli and vantrel-census.
#include <cstdio>
#include <string>

#include "commands.h"

namespace vantrel::cli {
namespace {

// Built by appending: g++ 12 at -O3 reports a false -Wrestrict inside the joins of short literals it inlines.
std::string Quoted(std::string_view arg) {
  std::string quoted(1, '"');
  quoted += arg;
  quoted += '"';
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
