// vantrel-cli as a user meets it: the contract's words, its JSON, and every malformed command line.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct CliRun {
  int code;
  std::string out;
  std::string err;
};

std::string Quote(const std::string& arg) {
  std::string q = "'";
  for (char c : arg) {
    if (c == '\'') {
      q += "'\\''";
    } else {
      q += c;
    }
  }
  return q + "'";
}

// `output` may send standard output elsewhere (">/dev/full", ">&-").
CliRun RunCli(const std::vector<std::string>& args, const std::string& output = "") {
  std::string command = Quote(VANTREL_CLI);
  for (const std::string& a : args) {
    command += ' ';
    command += Quote(a);
  }
  command += " " + output;
  // One file per test process: ctest runs the tests of this file side by side.
  const std::string err_file = ::testing::TempDir() + "cli_stderr." + std::to_string(getpid()) + ".txt";
  command += " 2>" + Quote(err_file);
  CliRun run{};
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return {-1, "", "popen failed"};
  std::array<char, 4096> buf;
  std::size_t n;
  while ((n = fread(buf.data(), 1, buf.size(), pipe)) > 0) run.out.append(buf.data(), n);
  const int status = pclose(pipe);
  run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  if (FILE* f = fopen(err_file.c_str(), "r")) {
    while ((n = fread(buf.data(), 1, buf.size(), f)) > 0) run.err.append(buf.data(), n);
    fclose(f);
  }
  std::remove(err_file.c_str());
  return run;
}

// Runs the command line with its standard output a pipe whose reader has already gone (`deal 1 | true`, but
// never a race), SIGPIPE at its default as a shell leaves it. Returns its exit code and standard error.
CliRun RunCliIntoClosedPipe(const std::vector<std::string>& args) {
  int out[2];
  int err[2];
  if (pipe(out) != 0 || pipe(err) != 0) return {-1, "", "pipe failed"};
  close(out[0]);
  const pid_t child = fork();
  if (child == 0) {
    std::signal(SIGPIPE, SIG_DFL);
    dup2(out[1], STDOUT_FILENO);
    dup2(err[1], STDERR_FILENO);
    std::vector<char*> argv{const_cast<char*>(VANTREL_CLI)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(VANTREL_CLI, argv.data());
    _exit(127);
  }
  close(out[1]);
  close(err[1]);
  CliRun run{};
  std::array<char, 4096> buf;
  ssize_t n;
  while ((n = read(err[0], buf.data(), buf.size())) > 0)
    run.err.append(buf.data(), static_cast<std::size_t>(n));
  close(err[0]);
  int status = 0;
  waitpid(child, &status, 0);
  run.code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return run;
}

TEST(Cli, MalformedCommandLinesExitTwoNamingTheArgument) {
  const struct {
    std::vector<std::string> args;
    std::string named;  // what the error line must mention
  } cases[] = {
      {{}, "command"},
      {{""}, "\"\""},
      {{"Deal", "1"}, "Deal"},
      {{"deal"}, "SEED"},
      {{"deal", "-1"}, "-1"},
      {{"deal", "+1"}, "+1"},
      {{"deal", "1.5"}, "1.5"},
      {{"deal", "4294967296"}, "4294967296"},
      {{"deal", "99999999999999999999999"}, "99999999999999999999999"},
      {{"deal", "abc"}, "abc"},
      {{"deal", "1", "--height"}, "--height"},
      {{"deal", "1", "--height", "2147483648"}, "2147483648"},
      {{"deal", "1", "--height", "-5"}, "-5"},
      {{"deal", "1", "--HEIGHT", "5"}, "--HEIGHT"},
      {{"deal", "1", "0>1"}, "0>1"},
      {{"play", "1", "3>"}, "3>"},
      {{"play", "1", "a>b"}, "a>b"},
      {{"play", "1", "3<4"}, "3<4"},
      {{"play", "1", "3>4>5"}, "3>4>5"},
      {{"play", "1", "60>0"}, "60>0"},
      {{"play", "1", "0>60"}, "0>60"},
      {{"play", "1", "52>0"}, "52>0"},
      {{"play", "1", "UNDO"}, "UNDO"},
      {{"play", "1", "0>1", ""}, "\"\""},
      {{"play", "1", "0>1", "--height", "300"}, "--height"},
  };
  for (const auto& c : cases) {
    const CliRun run = RunCli(c.args);
    std::string shown;
    for (const auto& a : c.args) shown += "[" + a + "]";
    EXPECT_EQ(run.code, 2) << shown;
    EXPECT_EQ(run.out, "") << shown;
    EXPECT_NE(run.err.find(c.named), std::string::npos) << shown << " -> " << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << shown << " -> " << run.err;
  }
}

TEST(Cli, DealAndPlayReportTheTable) {
  const CliRun deal = RunCli({"deal", "1700000000"});
  ASSERT_EQ(deal.code, 0) << deal.err;
  EXPECT_EQ(deal.out.rfind("{\"seed\": 1700000000, \"height\": 460, \"game_state\": 1,", 0), 0u) << deal.out;
  EXPECT_NE(deal.out.find("\"label\": \"Number of Moves: 6\""), std::string::npos);
  EXPECT_NE(deal.out.find("{\"slot\": 59, \"suit\": 1, \"number\": 8, \"back_up\": true, \"ontop\": false, "
                          "\"col\": 8, \"left\": 540, \"top\": 0, \"visible\": true}"),
            std::string::npos);
  // `play` with no action is `deal`; the last second the seed can name still deals.
  EXPECT_EQ(RunCli({"play", "1700000000"}).out, deal.out);
  const CliRun last = RunCli({"deal", "4294967295", "--height", "2147483647"});
  EXPECT_EQ(last.code, 0);
  EXPECT_NE(last.out.find("\"top\": 2147483467"), std::string::npos);
  // A disabled Undo does nothing; a refused drop changes nothing.
  EXPECT_EQ(RunCli({"play", "1700000000", "undo", "0>1"}).out, deal.out);
}

TEST(Cli, OutputThatCannotBeWrittenFailsWithOneAndArgumentsAreShownEscaped) {
  const std::vector<std::string> commands[] = {
      {"deal", "1"}, {"play", "1", "0>1"}, {"solve", "1700000000", "--max-nodes", "100"}, {"--help"}};
  for (const auto& args : commands) {
    for (const char* output : {">/dev/full", ">&-"}) {
      SCOPED_TRACE(args[0] + " " + output);
      const CliRun run = RunCli(args, output);
      EXPECT_EQ(run.code, 1);
      EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
      EXPECT_NE(run.err.find("output"), std::string::npos) << run.err;
    }
  }
  // A pipe whose reader has gone is an output that cannot be written, reported as such.
  const CliRun closed = RunCliIntoClosedPipe({"deal", "1"});
  EXPECT_EQ(closed.code, 1) << closed.err;
  EXPECT_NE(closed.err.find("cannot write the output"), std::string::npos) << closed.err;
  // A newline or an escape sequence in an argument never reaches the terminal as it is, nor an argument
  // of any length all of it.
  const CliRun long_argument = RunCli({"deal", std::string(100000, '7')});
  EXPECT_EQ(long_argument.code, 2);
  const std::string shortened = "vantrel-cli: bad argument \"" + std::string(60, '7') +
                                "...\" (100000 bytes): SEED is a whole number 0..4294967295\n";
  EXPECT_TRUE(long_argument.err == shortened) << long_argument.err.substr(0, 200);
  const CliRun run = RunCli({"play", "1", "a\nb\x1b[31m"});
  EXPECT_EQ(run.code, 2);
  EXPECT_EQ(
      run.err,
      "vantrel-cli: bad argument \"a\\nb\\x1b[31m\": an action is M>T (M 0..51, T 0..59), undo or hint\n");
}

}  // namespace
