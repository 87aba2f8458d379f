// The program's built-in resources (cursors, icon), compiled into a static library and registered on demand.
#pragma once

#include <QBitmap>
#include <QString>

namespace vantrel::platform {

// Registers the resources with Qt; safe to call any number of times.
void InitResources();

// Gives every window of the application the game's icon, once. Reading the icon looks through Qt's image
// plug-ins first, which would delay the window's first showing: the start sets it once the table is on
// screen, and every box of the game before that, so nothing ever shows without it.
void SetWindowIcon();

// Reads an XBM picture of the resources (its width, its height, then its bytes, the leftmost pixel in the
// lowest bit, 1 for a set pixel) without Qt's image plug-ins, which it would look through first. Throws
// vantrel::Error when the resource is missing or is no XBM picture.
QBitmap ReadXbm(const QString& path);

}  // namespace vantrel::platform
