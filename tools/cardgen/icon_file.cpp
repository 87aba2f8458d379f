// The 16-colour icon file: one 4-bit picture with its transparency mask.
#include "icon_file.h"

#include <QBuffer>
#include <QFile>
#include <array>

namespace vantrel::cardgen {
namespace {

// The standard 16-colour palette.
constexpr std::array<QRgb, 16> kPalette = {
    0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
    0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff};

int Nearest(QRgb colour) {
  int best = 0;
  int best_distance = 1 << 30;
  for (int i = 0; i < 16; ++i) {
    const int dr = qRed(colour) - qRed(kPalette[i]);
    const int dg = qGreen(colour) - qGreen(kPalette[i]);
    const int db = qBlue(colour) - qBlue(kPalette[i]);
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < best_distance) {
      best_distance = distance;
      best = i;
    }
  }
  return best;
}

void Put16(QByteArray& out, int value) {
  out.append(static_cast<char>(value & 0xff));
  out.append(static_cast<char>((value >> 8) & 0xff));
}

void Put32(QByteArray& out, int value) {
  Put16(out, value & 0xffff);
  Put16(out, (value >> 16) & 0xffff);
}

}  // namespace

QImage QuantiseTo16(const QImage& source) {
  QImage image = source.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      image.setPixel(x, y, qAlpha(pixel) < 128 ? qRgba(0, 0, 0, 0) : kPalette[Nearest(pixel)]);
    }
  }
  return image;
}

bool WriteIcon16(const QImage& source, const QString& path) {
  constexpr int kSize = 32;
  const QImage image = source.convertToFormat(QImage::Format_ARGB32).scaled(kSize, kSize);
  QByteArray pixels;  // 4 bits a pixel, rows bottom up
  QByteArray mask;    // 1 bit a pixel, set where transparent
  for (int y = kSize - 1; y >= 0; --y) {
    for (int x = 0; x < kSize; x += 2) {
      const int hi = qAlpha(image.pixel(x, y)) < 128 ? 0 : Nearest(image.pixel(x, y));
      const int lo = qAlpha(image.pixel(x + 1, y)) < 128 ? 0 : Nearest(image.pixel(x + 1, y));
      pixels.append(static_cast<char>((hi << 4) | lo));
    }
    for (int x = 0; x < kSize; x += 8) {
      int bits = 0;
      for (int b = 0; b < 8; ++b) {
        if (qAlpha(image.pixel(x + b, y)) < 128) bits |= 0x80 >> b;
      }
      mask.append(static_cast<char>(bits));
    }
  }
  QByteArray bitmap;
  Put32(bitmap, 40);
  Put32(bitmap, kSize);
  Put32(bitmap, kSize * 2);  // the picture and its mask
  Put16(bitmap, 1);
  Put16(bitmap, 4);
  Put32(bitmap, 0);
  Put32(bitmap, static_cast<int>(pixels.size() + mask.size()));
  Put32(bitmap, 0);
  Put32(bitmap, 0);
  Put32(bitmap, 16);
  Put32(bitmap, 0);
  for (QRgb colour : kPalette) {
    bitmap.append(static_cast<char>(qBlue(colour)));
    bitmap.append(static_cast<char>(qGreen(colour)));
    bitmap.append(static_cast<char>(qRed(colour)));
    bitmap.append('\0');
  }
  bitmap += pixels;
  bitmap += mask;

  QByteArray file;
  Put16(file, 0);
  Put16(file, 1);  // an icon
  Put16(file, 1);  // one picture
  file.append(static_cast<char>(kSize));
  file.append(static_cast<char>(kSize));
  file.append(static_cast<char>(16));
  file.append('\0');
  Put16(file, 1);
  Put16(file, 4);
  Put32(file, static_cast<int>(bitmap.size()));
  Put32(file, 22);
  file += bitmap;

  QFile out(path);
  return out.open(QIODevice::WriteOnly) && out.write(file) == file.size();
}

bool WriteIconSizes(const std::vector<QImage>& pictures, const QString& path) {
  std::vector<QByteArray> pngs;
  for (const QImage& picture : pictures) {
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG")) return false;
    pngs.push_back(png);
  }
  QByteArray file;
  Put16(file, 0);
  Put16(file, 1);  // an icon
  Put16(file, static_cast<int>(pngs.size()));
  int offset = 6 + 16 * static_cast<int>(pngs.size());
  for (std::size_t i = 0; i < pngs.size(); ++i) {
    const int side = pictures[i].width();
    file.append(static_cast<char>(side >= 256 ? 0 : side));  // 0 stands for 256
    file.append(static_cast<char>(side >= 256 ? 0 : side));
    file.append('\0');  // no palette
    file.append('\0');
    Put16(file, 1);
    Put16(file, 32);
    Put32(file, static_cast<int>(pngs[i].size()));
    Put32(file, offset);
    offset += static_cast<int>(pngs[i].size());
  }
  for (const QByteArray& png : pngs) file += png;
  QFile out(path);
  return out.open(QIODevice::WriteOnly) && out.write(file) == file.size();
}

}  // namespace vantrel::cardgen
