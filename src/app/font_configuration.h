// The desktop's font configuration, read ahead: fontconfig takes a few milliseconds to read its settings and
// font lists, and Qt reads them at the window's first text. The picture worker reads them first, while the
// application object starts, so they are ready by then.
#pragma once

namespace vantrel::app {

// Reads fontconfig's configuration now, on any thread (nothing when the game was built without fontconfig's
// headers).
void ReadFontConfiguration();

}  // namespace vantrel::app
