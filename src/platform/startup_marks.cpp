// The start-up's marks, written only when the environment asks for them.
#include "platform/startup_marks.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace vantrel::platform {

void StartupMark(const char* step) {
  static const bool wanted = std::getenv("VANTREL_STARTUP_MARKS") != nullptr;
  if (!wanted) return;
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  std::fprintf(stderr, "vantrel-startup %lld %s\n",
               static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec, step);
}

}  // namespace vantrel::platform
