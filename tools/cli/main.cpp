// vantrel-cli: plays the game's real rules without a window.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
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
    "       vantrel-cli solve SEED [M>T...] [--max-nodes N] [--max-seconds T] [--max-memory MIB]\n"
    "       vantrel-cli survey --from S --count N [--shard I/K] [--jobs J] [--csv FILE] [--verdicts FILE]\n"
    "                          [--resume] [--max-nodes N] [--max-seconds T] [--max-memory MIB]\n"
    "       vantrel-cli merge --out FILE [--allow-gaps] FILE...\n"
    "       vantrel-cli census-stats FILE [--unknown-out LIST]\n"
    "       vantrel-cli census-ledger LEDGER [--from S --count N] [FILE...]\n"
    "SEED is the Unix time in seconds (0..4294967295) whose deal New would deal; H is the window's outer\n"
    "height (default 460). ACTION is M>T (drag the card of slot M onto slot T), undo or hint.\n"
    "solve decides one deal, or its game after the drops M>T (by default within 60 s and 1024 MiB); survey\n"
    "decides the N deals from seed S on (by default on all cores, 1 s per deal, 1024 MiB for the whole\n"
    "survey), or part I of K of them.\n"
    "merge combines verdict files; census-stats reports on one; census-ledger folds them in seed order into "
    "a\n"
    "ledger of a census, a few lines that report as census-stats would on the merged file, with its "
    "sha256.\n";

int RunCommand(const std::vector<std::string_view>& args) {
  if (args.empty())
    throw MissingArgument("a command (deal, play, solve, survey, merge, census-stats or census-ledger)");
  const std::string_view command = args[0];
  const std::span<const std::string_view> rest(args.data() + 1, args.size() - 1);
  if (command == "--help" || command == "help") {
    std::cout << kUsage;
    return 0;
  }
  if (command == "deal") return DealMain(rest);
  if (command == "play") return PlayMain(rest);
  if (command == "solve") return SolveMain(rest);
  if (command == "survey") return SurveyMain(rest);
  if (command == "merge") return MergeMain(rest);
  if (command == "census-stats") return CensusStatsMain(rest);
  if (command == "census-ledger") return CensusLedgerMain(rest);
  throw BadArgument(command,
                    "the command is deal, play, solve, survey, merge, census-stats or census-ledger");
}

}  // namespace

int Main(int argc, char** argv) {
  // A closed standard output would be taken by the next file opened (a survey's CSV) and written into.
  if (::fcntl(STDOUT_FILENO, F_GETFD) == -1) {
    std::cerr << "vantrel-cli: cannot write the output: standard output is closed\n";
    return 1;
  }
  // A closed pipe makes a write fail and is reported as such, rather than ending the program silently.
  std::signal(SIGPIPE, SIG_IGN);
  int code = 0;
  try {
    code = RunCommand(std::vector<std::string_view>(argv + 1, argv + argc));
  } catch (const UsageError& e) {
    std::cerr << "vantrel-cli: " << Printable(e.what()) << '\n';
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "vantrel-cli: " << Printable(e.what()) << '\n';
    code = 1;
  }
  // Whatever the command printed must have reached its destination: a full disk or a closed pipe is a
  // failure, not a success.
  errno = 0;
  std::cout.flush();
  if (!std::cout || std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::cerr << "vantrel-cli: cannot write the output: " << (errno ? std::strerror(errno) : "write error")
              << '\n';
    return 1;
  }
  return code;
}

}  // namespace vantrel::cli
