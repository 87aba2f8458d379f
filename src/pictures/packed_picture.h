// A card picture kept small between paints: each row as runs of one colour. The game's 54 pictures hold about
// 68,500 runs for their 368,000 pixels, a fifth of the memory of the pixels themselves, and a picture is
// unpacked in microseconds whenever it is drawn. Toolkit-free, so it is tested on its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vantrel {

// Where unpacked pixels go: row y from `first + y * stride`.
struct PixelRows {
  std::uint32_t* first = nullptr;
  std::ptrdiff_t stride = 0;
};

class PackedPicture {
 public:
  PackedPicture() = default;
  // Packs `pixels`, row by row from the top, `width` to a row, each opaque (0xffRRGGBB, as DecodeCardBitmap
  // gives them).
  PackedPicture(std::span<const std::uint32_t> pixels, int width);

  int width() const { return width_; }
  int height() const { return height_; }
  // The memory the runs take, in bytes.
  std::size_t bytes() const { return runs_.size() * sizeof(std::uint32_t); }

  // Writes the pixels back, each as it was packed, except the colour `cut_out` (0xffRRGGBB), which becomes 0:
  // fully transparent, premultiplied.
  void Unpack(PixelRows out, std::uint32_t cut_out) const;

 private:
  int width_ = 0;
  int height_ = 0;
  // Row after row, each row's runs together as long as the row: a run is its length (1..255) in the top
  // byte and its colour's red, green and blue below.
  std::vector<std::uint32_t> runs_;
};

}  // namespace vantrel
