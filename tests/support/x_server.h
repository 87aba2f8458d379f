// A private X server (Xvfb) for the end-to-end tests and the start-up benchmark.
#pragma once

#include <string>
#include <sys/types.h>

namespace vantrel::testing {

// Starts Xvfb, 1024 x 768 in 24 bits, on a free display (it picks the number itself) and ends it when
// destroyed. A server that cannot start ends the process with a message: nothing can run without it.
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
