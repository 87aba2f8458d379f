// vantrel-cli: plays the game's real rules without a window.
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "commands.h"

namespace vantrel::cli {
namespace {

constexpr std::string_view kUsage =
    "usage: vantrel-cli deal SEED [--height H]\n"
    "       vantrel-cli play SEED [--height H] ACTION...\n"
    "       vantrel-cli solve SEED [--max-nodes N] [--max-seconds T] [--max-memory MIB]\n"
    "       vantrel-cli survey --from S --count N [--jobs J] [--csv FILE [--resume]]\n"
    "                          [--max-nodes N] [--max-seconds T] [--max-memory MIB]\n"
    "SEED is the Unix time in seconds (0..4294967295) whose deal New would deal; H is the window's outer\n"
    "height (default 460). ACTION is M>T (drag the card of slot M onto slot T) or undo.\n"
    "solve decides one deal (by default within 60 s and 1024 MiB); survey decides the N deals from seed S\n"
    "on (by default on all cores, 1 s per deal, 1024 MiB for the whole survey).\n";

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

UsageError MissingArgument(std::string_view what) { return UsageError("missing argument: " + std::string(what)); }

int Main(int argc, char** argv) {
  std::vector<std::string_view> args(argv + 1, argv + argc);
  try {
    if (args.empty()) throw MissingArgument("a command (deal, play, solve or survey)");
    const std::string_view command = args[0];
    const std::span<const std::string_view> rest(args.data() + 1, args.size() - 1);
    if (command == "--help" || command == "help") {
      std::cout << kUsage;
      return 0;
    }
    if (command == "deal") return DealCommand(rest);
    if (command == "play") return PlayCommand(rest);
    if (command == "solve") return SolveCommand(rest);
    if (command == "survey") return SurveyCommand(rest);
    throw BadArgument(command, "the command is deal, play, solve or survey");
  } catch (const UsageError& e) {
    std::cerr << "vantrel-cli: " << e.what() << '\n';
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "vantrel-cli: " << e.what() << '\n';
    return 1;
  }
}

}  // namespace vantrel::cli

int main(int argc, char** argv) { return vantrel::cli::Main(argc, argv); }
