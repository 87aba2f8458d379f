// The errors of a malformed command line, shared by vantrel-cli and vantrel-census.
#include <string>

#include "commands.h"

namespace vantrel::cli {
namespace {

std::string Quoted(std::string_view arg) { return "\"" + std::string(arg) + "\""; }

}  // namespace

UsageError BadArgument(std::string_view arg, std::string_view expected) {
  return UsageError("bad argument " + Quoted(arg) + ": " + std::string(expected));
}

UsageError MissingArgument(std::string_view what) {
  return UsageError("missing argument: " + std::string(what));
}

}  // namespace vantrel::cli
