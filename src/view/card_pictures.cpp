// Reading and checking the card bitmaps, and turning each into a pixmap once, with its transparent colour cut
// out.
#include "view/card_pictures.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <algorithm>
#include <future>
#include <optional>
#include <string>
#include <vector>

#include "pictures/bitmap_decoder.h"
#include "platform/error.h"
#include "table/card_names.h"
#include "table/geometry.h"

namespace vantrel {
namespace {

[[noreturn]] void Fail(const QString& path, const std::string& reason) {
  const QFileInfo info(path);
  throw Error(
      QStringLiteral("Cannot read the card picture \"%1\" in the folder \"%2\": %3.\n"
                     "Put the game's card pictures (Windows bitmaps of 71 x 96 pixels) into that folder "
                     "and start the game again.")
          .arg(info.fileName(), QDir::toNativeSeparators(info.absolutePath()), QString::fromStdString(reason))
          .toStdString());
}

// The picture decoded from the file's bytes; a refusal names the file.
QImage Decode(const QString& path, const QByteArray& data) {
  const DecodedBitmap decoded =
      DecodeCardBitmap(std::span(reinterpret_cast<const unsigned char*>(data.constData()), data.size()));
  if (!decoded.refusal.empty()) Fail(path, decoded.refusal);
  QImage image(kCardWidth, kCardHeight, QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < kCardHeight; ++y) {
    std::copy_n(decoded.pixels.begin() + static_cast<std::ptrdiff_t>(y) * kCardWidth, kCardWidth,
                reinterpret_cast<QRgb*>(image.scanLine(y)));
  }
  return image;
}

QImage CutOutTransparentColour(QImage image) {
  // The decoder gives every pixel opaque: a card picture is opaque except for its transparent colour.
  const int width = image.width();
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    std::replace(line, line + width, kTransparentColour, QRgb{0});  // fully transparent, premultiplied
  }
  return image;
}

// The picture with its transparent colour cut out, or nothing when anything is wrong with it (ReadCardBitmap
// then reads it again and says what).
std::optional<QImage> TryRead(const QString& path) {
  try {
    return CutOutTransparentColour(ReadCardBitmap(path));
  } catch (const Error&) {
    return std::nullopt;
  }
}

// The worker's results, their transparent colour cut out: picture indices 0..52, then the outline.
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
  for (int i = 0; i <= kBackPicture; ++i)
    paths.push_back(working_folder.filePath(QString::fromStdString(CardFileName(i))));
  paths.push_back(working_folder.filePath(QString::fromStdString(OutlineFileName())));
  return paths;
}

}  // namespace

void PrefetchCardPictures(const QDir& working_folder, const std::function<void()>& first) {
  // Qt takes the first thread that uses it for its main thread. Were that the worker (its QFile), the
  // application object would live in a thread Qt does not call main, and its events go astray: key presses
  // are lost, so the game ignores the keyboard. The caller claims it first.
  QThread::currentThread();
  Prefetched& pending = Pending();
  pending.folder = working_folder.absolutePath();
  pending.images = std::async(std::launch::async, [paths = PicturePaths(working_folder), first] {
    if (first) first();
    std::vector<std::optional<QImage>> images;
    for (const QString& path : paths) images.push_back(TryRead(path));
    return images;
  });
}

QImage ReadCardBitmap(const QString& path) {
  QString why;
  // Never more than a card picture can be.
  const std::optional<QByteArray> read = ReadOrdinaryFile(path, static_cast<qint64>(kLargestCardFile), why);
  if (!read) Fail(path, why.toStdString());
  const QByteArray& data = *read;
  if (data.isEmpty()) Fail(path, "the file is empty");
  if (static_cast<std::size_t>(data.size()) > kLargestCardFile) {
    // A picture of another size says so; anything else is too long to be a card picture.
    const DecodedBitmap header = DecodeCardBitmap(std::span(
        reinterpret_cast<const unsigned char*>(data.constData()), static_cast<std::size_t>(data.size())));
    if (header.refusal.find(" pixels, not ") != std::string::npos) Fail(path, header.refusal);
    Fail(path, "the file is longer than a picture of 71 x 96 pixels can be (" +
                   std::to_string(kLargestCardFile) + " bytes at most)");
  }
  return Decode(path, data);
}

CardPictures::CardPictures(const QDir& working_folder) {
  const std::vector<QString> paths = PicturePaths(working_folder);
  std::vector<std::optional<QImage>> ready(paths.size());
  Prefetched& pending = Pending();
  if (pending.images.valid() && pending.folder == working_folder.absolutePath()) ready = pending.images.get();
  auto picture = [&](std::size_t i) {
    return QPixmap::fromImage(ready[i] ? std::move(*ready[i])
                                       : CutOutTransparentColour(ReadCardBitmap(paths[i])));
  };
  for (std::size_t i = 0; i <= kBackPicture; ++i) pictures_[i] = picture(i);
  outline_ = picture(paths.size() - 1);
  cards_folder_ =
      QDir(working_folder.filePath(QString::fromLatin1(kCardsFolder.data(), kCardsFolder.size())));
}

}  // namespace vantrel
