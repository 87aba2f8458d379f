// The card pictures drawn for screens with several pixels per pixel of the table: their scales, where they
// lie in the CARDS folder, and the fingerprint tying each to the 71 x 96 picture it was drawn with. Shared by
// the game, which reads them, and vantrel-cardgen, which draws them.
#pragma once

#include <QCryptographicHash>
#include <QImage>
#include <QSize>
#include <QString>
#include <QtEndian>
#include <array>
#include <cmath>

#include "table/geometry.h"
#include "view/card_pictures.h"

namespace vantrel {

// The scales the game's own art is drawn at, besides the 71 x 96 bitmaps.
inline constexpr std::array<double, 4> kPictureScales = {1.25, 1.5, 2, 3};

// The folder under CARDS holding one scale's pictures: "1.25x", "2x".
inline QString ScaleFolderName(double scale) { return QString::number(scale) + QLatin1Char('x'); }

// The file of a picture at another scale, named after its bitmap: "7H.BMP" gives "7H.png".
inline QString ScaledFileName(const QString& bitmap_name) {
  return bitmap_name.left(bitmap_name.lastIndexOf(QLatin1Char('.'))) + QStringLiteral(".png");
}

// A picture at `scale` covers the card's 71 x 96 pixels, its last column and row cut by the screen.
inline QSize ScaledCardSize(double scale) {
  return QSize(static_cast<int>(std::ceil(kCardWidth * scale)),
               static_cast<int>(std::ceil(kCardHeight * scale)));
}

// The text key of each high-resolution PNG that holds the fingerprint of its 71 x 96 picture.
inline constexpr char kDrawnFromKey[] = "Vantrel-Drawn-From";

// The fingerprint of a 71 x 96 picture as the game draws it: a pixel of the transparent colour, or one
// already cut out (alpha 0), counts as transparent, every other pixel as its opaque colour. So the bitmap as
// drawn by vantrel-cardgen and the game's picture made from that file have the same fingerprint, and any
// picture that draws differently has another.
inline QString PictureFingerprint(const QImage& picture) {
  const QImage pixels = picture.convertToFormat(QImage::Format_ARGB32);
  QCryptographicHash hash(QCryptographicHash::Sha1);
  QByteArray row(qsizetype{pixels.width()} * 4, Qt::Uninitialized);
  for (int y = 0; y < pixels.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
    for (int x = 0; x < pixels.width(); ++x) {
      const QRgb colour = line[x] | 0xff000000;
      const bool transparent = qAlpha(line[x]) == 0 || colour == kTransparentColour;
      // Byte by byte, so the fingerprint is the same on every machine whatever its byte order.
      qToLittleEndian<quint32>(transparent ? 0 : colour, row.data() + qsizetype{4} * x);
    }
    hash.addData(row);
  }
  return QString::fromLatin1(hash.result().toHex());
}

}  // namespace vantrel
