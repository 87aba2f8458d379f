// Reading and checking the card bitmaps, and turning each into a pixmap once, with its transparent colour cut out.
#include "interaction/card_pictures.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QtEndian>
#include <future>
#include <optional>
#include <vector>

#include "platform/error.h"
#include "table/card_names.h"
#include "table/geometry.h"

namespace vantrel {
namespace {

[[noreturn]] void Fail(const QString& path, const QString& reason) {
  const QFileInfo info(path);
  throw Error(QStringLiteral("Cannot read the card picture \"%1\" in the folder \"%2\": %3.\n"
                             "Put the game's card pictures (Windows bitmaps of 71 x 96 pixels) into that folder "
                             "and start the game again.")
                  .arg(info.fileName(), QDir::toNativeSeparators(info.absolutePath()), reason)
                  .toStdString());
}

std::uint32_t U32(const QByteArray& data, int at) {
  return qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(data.constData()) + at);
}
std::uint16_t U16(const QByteArray& data, int at) {
  return qFromLittleEndian<quint16>(reinterpret_cast<const uchar*>(data.constData()) + at);
}

// The length the file must have for the pixels its header announces. A reader given a shorter file would
// quietly fill the missing rows, so a cut-off file is refused before decoding.
qint64 AnnouncedLength(const QByteArray& data) {
  const std::uint32_t pixels_at = U32(data, 10);
  const std::uint32_t header_size = U32(data, 14);
  qint64 width = 0;
  qint64 height = 0;
  int bits = 0;
  std::uint32_t compression = 0;
  std::uint32_t image_size = 0;
  if (header_size == 12) {
    width = U16(data, 18);
    height = U16(data, 20);
    bits = U16(data, 24);
  } else {
    if (data.size() < 38) return data.size() + 1;
    width = static_cast<std::int32_t>(U32(data, 18));
    height = static_cast<std::int32_t>(U32(data, 22));
    bits = U16(data, 28);
    compression = U32(data, 30);
    image_size = U32(data, 34);
  }
  if (height < 0) height = -height;
  if (compression == 1 || compression == 2) return static_cast<qint64>(pixels_at) + image_size;  // run-length
  const qint64 stride = (width * bits + 31) / 32 * 4;
  return static_cast<qint64>(pixels_at) + stride * height;
}

// The usual card file, an uncompressed 24- or 32-bit bitmap of the card's size, is decoded here in one pass
// straight into the form it is drawn from; start-up reads 54 of them. Anything else goes to Qt's reader.
bool DecodeDirect(const QByteArray& data, QImage& out) {
  if (data.size() < 54 || U32(data, 14) < 40 || U16(data, 26) != 1 || U32(data, 30) != 0) return false;
  const int width = static_cast<std::int32_t>(U32(data, 18));
  const int height = static_cast<std::int32_t>(U32(data, 22));
  const int bits = U16(data, 28);
  if ((bits != 24 && bits != 32) || width != kCardWidth || (height != kCardHeight && height != -kCardHeight)) {
    return false;
  }
  const int bytes = bits / 8;
  const int stride = (width * bits + 31) / 32 * 4;
  const auto* pixels = reinterpret_cast<const uchar*>(data.constData()) + U32(data, 10);
  QImage image(width, kCardHeight, QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < kCardHeight; ++y) {
    const uchar* row = pixels + static_cast<qint64>(height > 0 ? kCardHeight - 1 - y : y) * stride;
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x, row += bytes) line[x] = qRgb(row[2], row[1], row[0]);
  }
  out = std::move(image);
  return true;
}

QPixmap CutOutTransparentColour(QImage picture) {
  // Any alpha the file carries is ignored: a card picture is opaque except for its transparent colour. (Qt's
  // reader never gives the premultiplied form; only the direct decoder does, with every pixel opaque.)
  QImage image = picture.format() == QImage::Format_ARGB32_Premultiplied
                     ? std::move(picture)
                     : picture.convertToFormat(QImage::Format_RGB32).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (line[x] == kTransparentColour) line[x] = 0;  // fully transparent, premultiplied
    }
  }
  return QPixmap::fromImage(std::move(image));
}

// The file read cleanly by the direct decoder, or nothing (anything unusual is left to ReadCardBitmap).
std::optional<QImage> TryReadDirect(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray data = file.readAll();
  if (data.size() < 54 || !data.startsWith("BM") || data.size() < AnnouncedLength(data)) return std::nullopt;
  QImage image;
  if (!DecodeDirect(data, image)) return std::nullopt;
  return image;
}

// The worker's results: picture indices 0..52, then the outline.
struct Prefetched {
  QString folder;
  std::future<std::vector<std::optional<QImage>>> images;
};

Prefetched& Pending() {
  static Prefetched pending;
  return pending;
}

std::vector<QString> PicturePaths(const QDir& working_folder) {
  std::vector<QString> paths;
  for (int i = 0; i <= kBackPicture; ++i) paths.push_back(working_folder.filePath(QString::fromStdString(CardFileName(i))));
  paths.push_back(working_folder.filePath(QString::fromStdString(OutlineFileName())));
  return paths;
}

}  // namespace

void PrefetchCardPictures(const QDir& working_folder) {
  // Qt takes the first thread that uses it for its main thread. Were that the worker (its QFile), the
  // application object would live in a thread Qt does not call main, and its events go astray: key presses
  // are lost, so the game ignores the keyboard. The caller claims it first.
  QThread::currentThread();
  Prefetched& pending = Pending();
  pending.folder = working_folder.absolutePath();
  pending.images = std::async(std::launch::async, [paths = PicturePaths(working_folder)] {
    std::vector<std::optional<QImage>> images;
    for (const QString& path : paths) images.push_back(TryReadDirect(path));
    return images;
  });
}

QImage ReadCardBitmap(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists()) Fail(path, QStringLiteral("the file is missing"));
  if (info.isDir()) Fail(path, QStringLiteral("it is a folder, not a file"));
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) Fail(path, QStringLiteral("the file cannot be opened (%1)").arg(file.errorString()));
  const QByteArray data = file.readAll();
  if (data.isEmpty()) Fail(path, QStringLiteral("the file is empty"));
  constexpr int kHeaders = 14 + 12;  // file header and the smallest picture header
  if (data.size() < kHeaders || !data.startsWith("BM")) Fail(path, QStringLiteral("the file is not a Windows bitmap"));
  if (data.size() < AnnouncedLength(data)) Fail(path, QStringLiteral("the file is cut short"));
  QImage image;
  if (DecodeDirect(data, image)) return image;
  if (!image.loadFromData(data, "BMP") || image.isNull()) {
    Fail(path, QStringLiteral("the file is not a readable Windows bitmap"));
  }
  if (image.width() != kCardWidth || image.height() != kCardHeight) {
    Fail(path, QStringLiteral("the picture is %1 x %2 pixels, not %3 x %4")
                   .arg(image.width())
                   .arg(image.height())
                   .arg(kCardWidth)
                   .arg(kCardHeight));
  }
  return image;
}

CardPictures::CardPictures(const QDir& working_folder) {
  const std::vector<QString> paths = PicturePaths(working_folder);
  std::vector<std::optional<QImage>> ready(paths.size());
  Prefetched& pending = Pending();
  if (pending.images.valid() && pending.folder == working_folder.absolutePath()) ready = pending.images.get();
  auto picture = [&](std::size_t i) {
    return CutOutTransparentColour(ready[i] ? std::move(*ready[i]) : ReadCardBitmap(paths[i]));
  };
  for (std::size_t i = 0; i <= kBackPicture; ++i) pictures_[i] = picture(i);
  outline_ = picture(paths.size() - 1);
  cards_folder_ =
      QDir(working_folder.filePath(QString::fromLatin1(kCardsFolder.data(), kCardsFolder.size())));
}

}  // namespace vantrel
