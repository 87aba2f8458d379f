// Decoding a card picture's bytes: a Windows bitmap of 71 x 96 pixels, decoded completely and exactly or
// refused with the reason. Toolkit-free, so every pixel's colour is decided here and none is left to chance.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vantrel {

// The largest file a card picture can be: the file header, the largest picture header (124 bytes), the
// colour masks, a full colour table of 256 entries and 71 x 96 pixels of 32 bits. Anything longer is not a
// card picture and is refused before it is read.
inline constexpr std::size_t kLargestCardFile = 14 + 124 + 16 + 256 * 4 + 71 * 96 * 4;

struct DecodedBitmap {
  // Row by row from the top, each pixel opaque as 0xffRRGGBB; empty when the file is refused.
  std::vector<std::uint32_t> pixels;
  // Why the file is refused, to follow "Cannot read the card picture ...: "; empty when it is decoded.
  std::string refusal;
};

// Decodes uncompressed bitmaps of 1, 4, 8, 16, 24 and 32 bits, run-length-compressed ones of 4 and 8 bits and
// bitfield ones of 16 and 32 bits, with any of the usual headers. Refuses what is not a bitmap, a picture of
// another size, a file cut short, a pixel offset inside the headers, a missing colour table or a pixel whose
// colour it lacks, unusable colour masks, and compressed data that stop early, skip pixels or run past the
// picture's edge.
DecodedBitmap DecodeCardBitmap(std::span<const unsigned char> data);

}  // namespace vantrel
