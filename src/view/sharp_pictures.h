// The game's own high-resolution card pictures for one screen scale, read on a worker and each taken only for
// the very 71 x 96 picture it was drawn with.
#pragma once

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <future>
#include <vector>

namespace vantrel {

// The scale of kPictureScales whose pictures a screen of `ratio` device pixels per pixel of the table is
// drawn from: the smallest at or above it (the screen then shrinks them a little), else the largest.
double SharpScaleFor(double ratio);

class SharpPictures {
 public:
  // Starts reading the pictures of `scale` from `cards_folder` (the CARDS folder the bitmaps came from).
  // `bitmaps` are the pictures the game read, as it draws them: the 53 faces and back, then the outline. A
  // high-resolution picture is taken only when its fingerprint is that of the bitmap at the same place, so
  // a player's own bitmap is never hidden by art drawn for another.
  SharpPictures(const QDir& cards_folder, double scale, std::vector<QImage> bitmaps);

  double scale() const { return scale_; }
  // The picture at `index` (as in `bitmaps`), drawn for the scale; null when there is none for that bitmap
  // (missing, damaged, of the wrong size, or drawn from another bitmap). Waits for the worker at first.
  const QPixmap& Picture(std::size_t index);

 private:
  double scale_;
  std::future<std::vector<QImage>> reading_;
  std::vector<QPixmap> pictures_;
};

}  // namespace vantrel
