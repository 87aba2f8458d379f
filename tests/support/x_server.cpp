// Starting and ending the private X server.
#include "x_server.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

extern char** environ;

namespace vantrel::testing {

XServer::XServer() {
  int fds[2];
  if (pipe(fds) != 0) {
    std::perror("pipe");
    std::exit(1);
  }
  // Xvfb writes the display number it chose to the descriptor given with -displayfd.
  const std::string fd = std::to_string(fds[1]);
  const std::string screen = std::to_string(kScreenWidth) + "x" + std::to_string(kScreenHeight) + "x24";
  const char* argv[] = {"Xvfb",         "-displayfd", fd.c_str(), "-screen", "0",
                        screen.c_str(), "-nolisten",  "tcp",      nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addclose(&actions, fds[0]);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  const int spawned = posix_spawnp(&pid_, "Xvfb", &actions, nullptr, const_cast<char* const*>(argv), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  if (spawned != 0) {
    std::fprintf(stderr, "cannot start Xvfb (is the xvfb package installed?)\n");
    std::exit(1);
  }
  std::string number;
  char c;
  while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
  close(fds[0]);
  if (number.empty()) {
    std::fprintf(stderr, "Xvfb did not report its display\n");
    std::exit(1);
  }
  display_ = ":" + number;
}

XServer::~XServer() {
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
}

}  // namespace vantrel::testing
