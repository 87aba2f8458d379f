// The command line's commands and the error that a malformed command line raises.
#pragma once

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vantrel::cli {

// A malformed command line: one line on standard error naming the bad argument, exit code 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Builds the error for the argument `arg`, saying what was expected.
UsageError BadArgument(std::string_view arg, std::string_view expected);
UsageError MissingArgument(std::string_view what);
// The message with its control characters escaped, so an argument can never move the cursor, colour the
// terminal or start a line of its own.
std::string Printable(std::string_view text);

// The whole command line: argv[1] names the command. Returns the process's exit code.
int Main(int argc, char** argv);

// Each command's own main: takes the arguments after the command's name and returns the process's exit code.
int DealMain(std::span<const std::string_view> args);
int PlayMain(std::span<const std::string_view> args);
int SolveMain(std::span<const std::string_view> args);
int SurveyMain(std::span<const std::string_view> args);
int MergeMain(std::span<const std::string_view> args);
int CensusStatsMain(std::span<const std::string_view> args);
int CensusLedgerMain(std::span<const std::string_view> args);

}  // namespace vantrel::cli
