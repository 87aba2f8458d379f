// Packing a picture into runs a row, and unpacking it.
#include "pictures/packed_picture.h"

#include <algorithm>
#include <cstring>

namespace vantrel {
namespace {

constexpr std::size_t kLongestRun = 128;
constexpr std::uint8_t kAsAbove = 0x80;
constexpr std::uint32_t kColour = 0x00ffffff;

// Calls `above(length)` for each run the same as the row above (none on the first row) and
// `colour(length, colour)` for each run of one colour, in order, taking whichever is longer at each pixel.
template <typename Above, typename Colour>
void ForEachRun(std::span<const std::uint32_t> row, std::span<const std::uint32_t> up, Above above,
                Colour colour) {
  std::size_t x = 0;
  while (x < row.size()) {
    const std::size_t longest = std::min(kLongestRun, row.size() - x);
    std::size_t same_above = 0;
    while (!up.empty() && same_above < longest && row[x + same_above] == up[x + same_above]) ++same_above;
    std::size_t same_colour = 1;
    while (same_colour < longest && row[x + same_colour] == row[x]) ++same_colour;
    if (same_above >= same_colour) {
      above(same_above);
      x += same_above;
    } else {
      colour(same_colour, row[x] & kColour);
      x += same_colour;
    }
  }
}

}  // namespace

PackedPicture::PackedPicture(std::span<const std::uint32_t> pixels, int width)
    : width_(width),
      height_(width > 0 ? static_cast<int>(pixels.size() / static_cast<std::size_t>(width)) : 0) {
  const auto row = [&](int y) {
    if (y < 0) return std::span<const std::uint32_t>();
    return pixels.subspan(static_cast<std::size_t>(y) * static_cast<std::size_t>(width_),
                          static_cast<std::size_t>(width_));
  };
  // Counted first, so the runs take no more memory than they need.
  std::size_t count = 0;
  for (int y = 0; y < height_; ++y) {
    ForEachRun(
        row(y), row(y - 1), [&](std::size_t) { ++count; }, [&](std::size_t, std::uint32_t) { count += 4; });
  }
  runs_.reserve(count);
  for (int y = 0; y < height_; ++y) {
    ForEachRun(
        row(y), row(y - 1),
        [&](std::size_t length) { runs_.push_back(static_cast<std::uint8_t>(kAsAbove | (length - 1))); },
        [&](std::size_t length, std::uint32_t colour) {
          runs_.push_back(static_cast<std::uint8_t>(length - 1));
          for (int shift = 0; shift < 24; shift += 8)
            runs_.push_back(static_cast<std::uint8_t>(colour >> shift));
        });
  }
}

void PackedPicture::Unpack(PixelRows out, std::uint32_t cut_out) const {
  const std::uint8_t* run = runs_.data();
  for (int y = 0; y < height_; ++y) {
    std::uint32_t* const start = out.first + y * out.stride;
    std::uint32_t* pixel = start;
    while (pixel < start + width_) {
      const std::size_t length = (*run & ~kAsAbove) + 1u;
      if (*run & kAsAbove) {
        // The row above was written already, its cut-out colour included.
        std::memcpy(pixel, pixel - out.stride, length * sizeof(std::uint32_t));
        pixel += length;
        ++run;
        continue;
      }
      const std::uint32_t colour =
          0xff000000u | std::uint32_t{run[3]} << 16 | std::uint32_t{run[2]} << 8 | run[1];
      pixel = std::fill_n(pixel, length, colour == cut_out ? 0 : colour);
      run += 4;
    }
  }
}

}  // namespace vantrel
