// The desktop's font configuration, read ahead: fontconfig takes a few milliseconds to read its settings and
// font lists, and Qt reads them at the window's first text. Read on a worker while the application object
// starts, they are ready by then.
#pragma once

namespace vantrel::app {

// Starts the reading on a worker. Call it once, before the application object.
void ReadFontConfigurationAhead();
// Waits for that worker (at once when it is done, or when the reading was never started).
void AwaitFontConfiguration();

}  // namespace vantrel::app
