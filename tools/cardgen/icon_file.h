// Writes a 32 x 32 picture as a Windows icon file in 16 colours, the form the Windows build embeds.
#pragma once

#include <QImage>
#include <QString>

namespace vantrel::cardgen {

// Quantises `image` (32 x 32, alpha for the mask) to the 16 standard colours; false when writing fails.
bool WriteIcon16(const QImage& image, const QString& path);
// The icon as the 16-colour picture that the icon file holds, for a PNG beside it.
QImage QuantiseTo16(const QImage& image);

}  // namespace vantrel::cardgen
