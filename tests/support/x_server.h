// A private X server (Xvfb) for the end-to-end tests and the start-up benchmark.
#pragma once

#include <sys/types.h>

#include <string>

namespace vantrel::testing {

// The screen of the private X server: large enough for the game's window at twice its size.
inline constexpr int kScreenWidth = 1600;
inline constexpr int kScreenHeight = 1200;

// Starts Xvfb, kScreenWidth x kScreenHeight in 24 bits, on a free display (it picks the number itself) and
// ends it when destroyed. A server that cannot start ends the process with a message: nothing can run
// without it.
class XServer {
 public:
  XServer();
  ~XServer();
  XServer(const XServer&) = delete;
  XServer& operator=(const XServer&) = delete;
  // ":N"
  const std::string& display() const { return display_; }

 private:
  pid_t pid_ = -1;
  std::string display_;
};

}  // namespace vantrel::testing
