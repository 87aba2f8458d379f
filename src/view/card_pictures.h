// The card pictures, read once from the CARDS folder at start-up and kept packed, ready to draw.
#pragma once

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "pictures/packed_picture.h"
#include "registry/ordinary_file.h"
#include "table/card.h"
#include "view/sharp_pictures.h"

namespace vantrel {

// The colour that is left out when a picture is drawn transparently.
inline constexpr QRgb kTransparentColour = 0xff804080;  // red 128, green 64, blue 128

// Reads one card picture: a Windows bitmap of 71 x 96 pixels. Throws vantrel::Error naming the file and its
// folder when the file is missing, empty, cut short, not a Windows bitmap, or of another size.
PackedPicture ReadCardBitmap(const QString& path);

// Starts reading the picture files of the CARDS folder under `working_folder` on a worker thread, so that
// the reading overlaps the toolkit's own start. The window's construction still reads every picture in its
// order and reports a failure exactly as without it: files the worker could not read cleanly are simply
// read again there. `first` runs on the worker before the reading (the start's other work off the main
// thread). Call it once, before the application object.
void PrefetchCardPictures(const QDir& working_folder, const std::function<void()>& first = {});

// A screen's device pixels per pixel of the table (Qt's device pixel ratio): which art a picture is drawn
// from.
struct PixelRatio {
  double value = 1;
};

class CardPictures {
 public:
  // Reads the 52 faces and the back (picture indices 0..52), then the outline, from the CARDS folder under
  // `working_folder`. Throws vantrel::Error at the first picture that cannot be read.
  explicit CardPictures(const QDir& working_folder);

  // The picture for a screen of that ratio (sharp_pictures.cpp): the bitmap with its transparent colour cut
  // out (drawn over that colour it shows the whole bitmap) at 1 and below; above, the game's own art drawn
  // for such screens where it was drawn from the very bitmap read, else the bitmap, which the screen
  // enlarges.
  QImage Picture(int index, PixelRatio ratio = {}) const;
  QImage Outline(PixelRatio ratio = {}) const;
  // Draws that picture with its top left corner at `at`. The bitmaps are kept packed and unpacked as drawn.
  void Draw(QPainter& painter, QPoint at, int index, PixelRatio ratio) const;
  // Starts reading, on a worker, the pictures for a screen of that ratio, so they are ready when first
  // drawn. The view calls it as it paints the still empty table: the reading then never delays the window.
  void Prepare(PixelRatio ratio) const;

 private:
  // The set of one scale, its reading started when first asked for.
  SharpPictures& SharpSet(double scale) const;
  // The art for a screen of `ratio`, or null where the bitmap is drawn.
  const QPixmap* Sharp(std::size_t index, double ratio) const;
  // The bitmap unpacked, with its transparent colour cut out, into `image` (71 x 96, premultiplied ARGB).
  void Unpack(std::size_t index, QImage& image) const;
  QImage Bitmap(std::size_t index) const;

  // The faces and the back, then the outline.
  std::array<PackedPicture, kBackPicture + 2> bitmaps_;
  // The bitmap drawn last, unpacked: the backs of a column are unpacked once.
  mutable QImage unpacked_;
  mutable std::size_t unpacked_index_ = bitmaps_.size();
  QDir cards_folder_;
  // By scale; read on first need.
  mutable std::map<double, std::unique_ptr<SharpPictures>> sharp_;
};

}  // namespace vantrel
