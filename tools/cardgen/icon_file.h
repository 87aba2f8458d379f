// Windows icon files: the 32 x 32 picture in 16 colours that the Windows build embeds, and a file of several
// sizes in full colour for shortcuts and installers.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace vantrel::cardgen {

// Quantises `image` (32 x 32, alpha for the mask) to the 16 standard colours; false when writing fails.
bool WriteIcon16(const QImage& image, const QString& path);
// The icon as the 16-colour picture that the icon file holds, for a PNG beside it.
QImage QuantiseTo16(const QImage& image);
// Writes the pictures (square, at most 256 pixels) as one icon file, each stored as a PNG; false when
// writing fails.
bool WriteIconSizes(const std::vector<QImage>& pictures, const QString& path);

}  // namespace vantrel::cardgen
