// Packing a picture into runs of one colour a row, and unpacking it.
#include "pictures/packed_picture.h"

#include <algorithm>

namespace vantrel {
namespace {

constexpr std::uint32_t kLongestRun = 255;
constexpr std::uint32_t kColour = 0x00ffffff;

// Calls `run(length, colour)` for each run of `row`, in order.
template <typename Run>
void ForEachRun(std::span<const std::uint32_t> row, Run run) {
  std::size_t x = 0;
  while (x < row.size()) {
    const std::uint32_t colour = row[x] & kColour;
    std::uint32_t length = 1;
    while (x + length < row.size() && length < kLongestRun && (row[x + length] & kColour) == colour) ++length;
    run(length, colour);
    x += length;
  }
}

}  // namespace

PackedPicture::PackedPicture(std::span<const std::uint32_t> pixels, int width)
    : width_(width),
      height_(width > 0 ? static_cast<int>(pixels.size() / static_cast<std::size_t>(width)) : 0) {
  const auto row = [&](int y) {
    return pixels.subspan(static_cast<std::size_t>(y) * static_cast<std::size_t>(width_),
                          static_cast<std::size_t>(width_));
  };
  // Counted first, so the runs take no more memory than they need.
  std::size_t count = 0;
  for (int y = 0; y < height_; ++y) ForEachRun(row(y), [&](std::uint32_t, std::uint32_t) { ++count; });
  runs_.reserve(count);
  for (int y = 0; y < height_; ++y) {
    ForEachRun(row(y),
               [&](std::uint32_t length, std::uint32_t colour) { runs_.push_back(length << 24 | colour); });
  }
}

void PackedPicture::Unpack(PixelRows out, std::uint32_t cut_out) const {
  auto run = runs_.begin();
  for (int y = 0; y < height_; ++y) {
    std::uint32_t* pixel = out.first + y * out.stride;
    std::uint32_t* const end = pixel + width_;
    while (pixel < end) {
      const std::uint32_t colour = *run | ~kColour;
      pixel = std::fill_n(pixel, *run >> 24, colour == cut_out ? 0 : colour);
      ++run;
    }
  }
}

}  // namespace vantrel
