// The card pictures, read once from the CARDS folder at start-up and kept ready to draw.
#pragma once

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "registry/ordinary_file.h"
#include "table/card.h"
#include "view/sharp_pictures.h"

namespace vantrel {

// The colour that is left out when a picture is drawn transparently.
inline constexpr QRgb kTransparentColour = 0xff804080;  // red 128, green 64, blue 128

// Reads one card picture: a Windows bitmap of 71 x 96 pixels. Throws vantrel::Error naming the file and its
// folder when the file is missing, empty, cut short, not a Windows bitmap, or of another size.
QImage ReadCardBitmap(const QString& path);

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

  // The picture with its transparent colour cut out; drawn over that colour it shows the whole bitmap.
  const QPixmap& Picture(int index) const { return pictures_[static_cast<std::size_t>(index)]; }
  const QPixmap& Outline() const { return outline_; }

  // The same for a screen of that ratio (sharp_pictures.cpp): the bitmap at 1 and below; above, the game's
  // own art drawn for such screens where it was drawn from the very bitmap read, else the bitmap, which the
  // screen enlarges.
  const QPixmap& Picture(int index, PixelRatio ratio) const;
  const QPixmap& Outline(PixelRatio ratio) const;
  // Starts reading, on a worker, the pictures for a screen of that ratio, so they are ready when first
  // drawn. The view calls it as it paints the still empty table: the reading then never delays the window.
  void Prepare(PixelRatio ratio) const;

 private:
  // The set of one scale, its reading started when first asked for.
  SharpPictures& SharpSet(double scale) const;
  const QPixmap& Sharpest(std::size_t index, const QPixmap& bitmap, double ratio) const;

  std::array<QPixmap, kBackPicture + 1> pictures_;
  QPixmap outline_;
  QDir cards_folder_;
  // By scale; read on first need.
  mutable std::map<double, std::unique_ptr<SharpPictures>> sharp_;
};

}  // namespace vantrel
