// The program's two hand cursors drawn for screens with several pixels per pixel of the table.
#pragma once

#include <QImage>
#include <string_view>

namespace vantrel::platform {

// The cursors' side in pixels of the table; the hot spot is the top-left corner at every scale.
inline constexpr int kCursorSide = 32;

// The cursor "HANDPOINTER" or "HANDGRAB" drawn as vectors at `scale` pixels per pixel of the table: black
// outline, white fill, transparent around, kCursorSide * scale pixels square, its device pixel ratio set.
// Throws vantrel::Error for another name.
QImage DrawCursorArt(std::string_view name, double scale);

}  // namespace vantrel::platform
