// Reading the high-resolution card pictures of one scale and checking each against its bitmap.
#include "view/sharp_pictures.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <optional>

#include "table/card_names.h"
#include "view/card_pictures.h"
#include "view/picture_scales.h"

namespace vantrel {
namespace {

// The file names of the pictures in the order of the bitmaps: faces, back, outline.
std::vector<QString> ScaledNames() {
  std::vector<QString> names;
  for (int i = 0; i <= kBackPicture; ++i) {
    names.push_back(ScaledFileName(QFileInfo(QString::fromStdString(CardFileName(i))).fileName()));
  }
  names.push_back(ScaledFileName(QFileInfo(QString::fromStdString(OutlineFileName())).fileName()));
  return names;
}

// The longest file a picture of the scale can be: its pixels with no compression at all, a filter byte a row,
// and room for the PNG's chunks and text.
qint64 LargestSharpFile(double scale) {
  const QSize size = ScaledCardSize(scale);
  return (qint64{size.width()} * 4 + 1) * size.height() * 101 / 100 + (qint64{1} << 16);
}

// The picture of `path` if it is of the scale's size and drawn from `bitmap`; a null image otherwise. These
// pictures only sharpen what the bitmaps show, so a bad one is passed over without a word; like the bitmaps,
// only an ordinary file of a picture's size is read.
QImage ReadSharp(const QString& path, double scale, const QImage& bitmap) {
  QString why;
  std::optional<QByteArray> data = ReadOrdinaryFile(path, LargestSharpFile(scale), why);
  if (!data || data->size() > LargestSharpFile(scale)) return {};
  QBuffer file(&*data);
  file.open(QIODevice::ReadOnly);
  QImageReader reader(&file, "PNG");
  if (reader.size() != ScaledCardSize(scale)) return {};
  if (reader.text(QString::fromLatin1(kDrawnFromKey)) != PictureFingerprint(bitmap)) return {};
  QImage image;
  if (!reader.read(&image) || image.size() != ScaledCardSize(scale)) return {};
  image.convertTo(QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(scale);
  return image;
}

}  // namespace

double SharpScaleFor(double ratio) {
  for (double scale : kPictureScales) {
    if (scale >= ratio) return scale;
  }
  return kPictureScales.back();
}

SharpPictures::SharpPictures(const QDir& cards_folder, double scale, std::vector<QImage> bitmaps)
    : scale_(scale) {
  const QDir folder(cards_folder.filePath(ScaleFolderName(scale)));
  reading_ = std::async(std::launch::async, [folder, scale, bitmaps = std::move(bitmaps)] {
    const std::vector<QString> names = ScaledNames();
    std::vector<QImage> images(bitmaps.size());
    if (!folder.exists()) return images;
    for (std::size_t i = 0; i < bitmaps.size() && i < names.size(); ++i) {
      images[i] = ReadSharp(folder.filePath(names[i]), scale, bitmaps[i]);
    }
    return images;
  });
}

const QPixmap& SharpPictures::Picture(std::size_t index) {
  if (reading_.valid()) {
    // Pixmaps belong to the thread that draws: the worker hands over images, made pixmaps here.
    for (QImage& image : reading_.get()) pictures_.push_back(QPixmap::fromImage(std::move(image)));
  }
  return pictures_.at(index);
}

// CardPictures' side: which picture a screen is drawn from.

void CardPictures::Prepare(PixelRatio ratio) const {
  if (ratio.value > 1) SharpSet(SharpScaleFor(ratio.value));
}

SharpPictures& CardPictures::SharpSet(double scale) const {
  std::unique_ptr<SharpPictures>& set = sharp_[scale];
  if (!set) {
    std::vector<QImage> bitmaps;
    for (std::size_t i = 0; i < bitmaps_.size(); ++i) bitmaps.push_back(Bitmap(i));
    set = std::make_unique<SharpPictures>(cards_folder_, scale, std::move(bitmaps));
  }
  return *set;
}

const QPixmap* CardPictures::Sharp(std::size_t index, double ratio) const {
  if (ratio <= 1) return nullptr;  // below 1 the bitmap is shrunk
  const QPixmap& sharp = SharpSet(SharpScaleFor(ratio)).Picture(index);
  return sharp.isNull() ? nullptr : &sharp;
}

QImage CardPictures::Picture(int index, PixelRatio ratio) const {
  const auto i = static_cast<std::size_t>(index);
  const QPixmap* sharp = Sharp(i, ratio.value);
  return sharp != nullptr ? sharp->toImage() : Bitmap(i);
}

QImage CardPictures::Outline(PixelRatio ratio) const { return Picture(kBackPicture + 1, ratio); }

}  // namespace vantrel
