// The start-up's timeline, for the start-up benchmark: with VANTREL_STARTUP_MARKS set in the environment,
// each step of the start writes "vantrel-startup NANOSECONDS STEP" to standard error, the wall clock's
// nanoseconds since 1970 when the step ended. Without it, nothing is written and a mark costs one test.
#pragma once

namespace vantrel::platform {

void StartupMark(const char* step);

}  // namespace vantrel::platform
