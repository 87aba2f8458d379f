// Reading and checking the card bitmaps, keeping them packed, and drawing them with their transparent colour
// cut out.
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

// The picture decoded from the file's bytes and packed; a refusal names the file.
PackedPicture Decode(const QString& path, const QByteArray& data) {
  const DecodedBitmap decoded =
      DecodeCardBitmap(std::span(reinterpret_cast<const unsigned char*>(data.constData()), data.size()));
  if (!decoded.refusal.empty()) Fail(path, decoded.refusal);
  return PackedPicture(decoded.pixels, kCardWidth);
}

// The picture, or nothing when anything is wrong with it (ReadCardBitmap then reads it again and says what).
std::optional<PackedPicture> TryRead(const QString& path) {
  try {
    return ReadCardBitmap(path);
  } catch (const Error&) {
    return std::nullopt;
  }
}

// The worker's results: picture indices 0..52, then the outline.
struct Prefetched {
  QString folder;
  std::future<std::vector<std::optional<PackedPicture>>> pictures;
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
  pending.pictures = std::async(std::launch::async, [paths = PicturePaths(working_folder), first] {
    if (first) first();
    std::vector<std::optional<PackedPicture>> pictures;
    for (const QString& path : paths) pictures.push_back(TryRead(path));
    return pictures;
  });
}

PackedPicture ReadCardBitmap(const QString& path) {
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

CardPictures::CardPictures(const QDir& working_folder)
    : unpacked_(kCardWidth, kCardHeight, QImage::Format_ARGB32_Premultiplied) {
  const std::vector<QString> paths = PicturePaths(working_folder);
  std::vector<std::optional<PackedPicture>> ready(paths.size());
  Prefetched& pending = Pending();
  if (pending.pictures.valid() && pending.folder == working_folder.absolutePath()) {
    ready = pending.pictures.get();
  }
  for (std::size_t i = 0; i < bitmaps_.size(); ++i) {
    bitmaps_[i] = ready[i] ? std::move(*ready[i]) : ReadCardBitmap(paths[i]);
  }
  cards_folder_ =
      QDir(working_folder.filePath(QString::fromLatin1(kCardsFolder.data(), kCardsFolder.size())));
}

void CardPictures::Unpack(std::size_t index, QImage& image) const {
  bitmaps_[index].Unpack({reinterpret_cast<std::uint32_t*>(image.bits()), image.bytesPerLine() / 4},
                         kTransparentColour);
}

QImage CardPictures::Bitmap(std::size_t index) const {
  QImage image(kCardWidth, kCardHeight, QImage::Format_ARGB32_Premultiplied);
  Unpack(index, image);
  return image;
}

void CardPictures::Draw(QPainter& painter, QPoint at, int index, PixelRatio ratio) const {
  const auto i = static_cast<std::size_t>(index);
  if (const QPixmap* sharp = Sharp(i, ratio.value)) {
    painter.drawPixmap(at, *sharp);
    return;
  }
  if (unpacked_index_ != i) {
    Unpack(i, unpacked_);
    unpacked_index_ = i;
  }
  painter.drawImage(at, unpacked_);
}

}  // namespace vantrel
