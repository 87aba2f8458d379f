// A card picture kept small between paints: each row as runs of pixels the same as the row above, and runs of
// one colour. The game's 54 pictures take 172,000 bytes for their 368,000 pixels, an eighth of the memory of
// the pixels themselves, and a picture is unpacked in microseconds whenever it is drawn. Toolkit-free, so it
// is tested on its own.
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
  std::size_t bytes() const { return runs_.size(); }

  // Writes the pixels back, each as it was packed, except the colour `cut_out` (0xffRRGGBB), which becomes 0:
  // fully transparent, premultiplied.
  void Unpack(PixelRows out, std::uint32_t cut_out) const;

 private:
  int width_ = 0;
  int height_ = 0;
  // Row after row, each row's runs together as long as the row. A run is a byte: with its top bit set, the
  // next 1..128 pixels (the low bits plus one) are those above them; clear, 1..128 pixels of the colour in
  // the three bytes after it (blue, green, red).
  std::vector<std::uint8_t> runs_;
};

}  // namespace vantrel
