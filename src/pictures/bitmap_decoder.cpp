// The card bitmap decoder: the headers checked field by field, then the pixels decoded into a full picture.
#include "pictures/bitmap_decoder.h"

#include <bit>
#include <optional>

#include "table/geometry.h"

namespace vantrel {
namespace {

constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kCorePictureHeader = 12;
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kRunLength8 = 1;
constexpr std::uint32_t kRunLength4 = 2;
constexpr std::uint32_t kBitFields = 3;
constexpr int kPixels = kCardWidth * kCardHeight;

// Thrown inside the decoder only; DecodeCardBitmap turns it into the refusal.
struct Refused {
  std::string reason;
};

[[noreturn]] void Refuse(std::string reason) { throw Refused{std::move(reason)}; }

const char* const kNotABitmap = "the file is not a Windows bitmap";
const char* const kCutShort = "the file is cut short";

std::string Unreadable(const std::string& why) {
  return "the file is not a readable Windows bitmap (" + why + ")";
}

class Bytes {
 public:
  explicit Bytes(std::span<const unsigned char> data) : data_(data) {}
  std::size_t size() const { return data_.size(); }
  std::uint8_t U8(std::size_t at) const {
    if (at >= data_.size()) Refuse(kCutShort);
    return data_[at];
  }
  std::uint16_t U16(std::size_t at) const { return static_cast<std::uint16_t>(U8(at) | U8(at + 1) << 8); }
  std::uint32_t U32(std::size_t at) const {
    return static_cast<std::uint32_t>(U16(at)) | static_cast<std::uint32_t>(U16(at + 2)) << 16;
  }

 private:
  std::span<const unsigned char> data_;
};

// One colour channel of a bitfield pixel: where its bits lie and how they widen to 8 bits.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  int bits = 0;

  static Channel Of(std::uint32_t mask) {
    Channel c;
    c.mask = mask;
    c.shift = mask ? std::countr_zero(mask) : 0;
    c.bits = std::popcount(mask);
    return c;
  }
  // A mask of one unbroken run of bits.
  bool Usable() const { return bits > 0 && (mask >> shift) == ((bits == 32 ? 0u : 1u << bits) - 1u); }
  std::uint32_t Value(std::uint32_t pixel) const {
    const std::uint32_t v = (pixel & mask) >> shift;
    if (bits >= 8) return v >> (bits - 8);
    const std::uint32_t top = (1u << bits) - 1u;
    return (v * 255u + top / 2) / top;
  }
};

struct Header {
  std::size_t header_size = 0;
  int height = 0;  // as stored: positive rows from the bottom up, negative from the top down
  int bits = 0;
  std::uint32_t compression = kUncompressed;
  std::size_t palette_at = 0;
  std::size_t palette_entry = 4;
  std::size_t palette_count = 0;  // what the header announces
  std::size_t pixels_at = 0;      // the pixel offset
  Channel red, green, blue;
};

Header ReadHeader(const Bytes& in) {
  if (in.size() < kFileHeader + kCorePictureHeader || in.U8(0) != 'B' || in.U8(1) != 'M') Refuse(kNotABitmap);
  Header h;
  h.pixels_at = in.U32(10);
  h.header_size = in.U32(14);
  const std::size_t size = h.header_size;
  if (size != kCorePictureHeader && size != 40 && size != 52 && size != 56 && size != 108 && size != 124) {
    Refuse(Unreadable("a picture header of " + std::to_string(size) + " bytes is of no known kind"));
  }
  if (in.size() < kFileHeader + size) Refuse(kCutShort);
  std::int64_t width = 0;
  std::int64_t height = 0;
  int planes = 0;
  std::uint32_t colours_used = 0;
  if (size == kCorePictureHeader) {
    width = in.U16(18);
    height = in.U16(20);
    planes = in.U16(22);
    h.bits = in.U16(24);
    h.palette_entry = 3;
  } else {
    width = static_cast<std::int32_t>(in.U32(18));
    height = static_cast<std::int32_t>(in.U32(22));
    planes = in.U16(26);
    h.bits = in.U16(28);
    h.compression = in.U32(30);
    colours_used = in.U32(46);
  }
  if (width != kCardWidth || (height != kCardHeight && height != -kCardHeight)) {
    Refuse("the picture is " + std::to_string(width) + " x " + std::to_string(height < 0 ? -height : height) +
           " pixels, not " + std::to_string(kCardWidth) + " x " + std::to_string(kCardHeight));
  }
  h.height = static_cast<int>(height);
  if (planes != 1) Refuse(Unreadable("it has " + std::to_string(planes) + " colour planes"));

  const bool indexed = h.bits == 1 || h.bits == 4 || h.bits == 8;
  const bool known =
      (h.compression == kUncompressed && (indexed || h.bits == 16 || h.bits == 24 || h.bits == 32)) ||
      (h.compression == kRunLength8 && h.bits == 8) || (h.compression == kRunLength4 && h.bits == 4) ||
      (h.compression == kBitFields && (h.bits == 16 || h.bits == 32));
  if (!known) {
    Refuse(Unreadable(std::to_string(h.bits) + " bits per pixel with compression " +
                      std::to_string(h.compression) + " are not a card picture's"));
  }
  if ((h.compression == kRunLength8 || h.compression == kRunLength4) && h.height < 0) {
    Refuse(Unreadable("compressed pixels stored from the top down"));
  }

  // The colour masks: after a 40-byte header, or inside the longer ones.
  std::size_t end = kFileHeader + size;
  if (h.compression == kBitFields) {
    const std::size_t masks_at = kFileHeader + 40;
    if (size == 40) end += 12;
    if (in.size() < masks_at + 12) Refuse(kCutShort);
    h.red = Channel::Of(in.U32(masks_at));
    h.green = Channel::Of(in.U32(masks_at + 4));
    h.blue = Channel::Of(in.U32(masks_at + 8));
    const bool overlap =
        (h.red.mask & h.green.mask) || (h.red.mask & h.blue.mask) || (h.green.mask & h.blue.mask);
    const std::uint32_t in_pixel = h.bits == 32 ? 0xffffffffu : 0xffffu;
    const std::uint32_t all = h.red.mask | h.green.mask | h.blue.mask;
    if (!h.red.Usable() || !h.green.Usable() || !h.blue.Usable() || overlap || (all & ~in_pixel)) {
      Refuse(Unreadable("its colour masks are not usable"));
    }
  } else if (h.bits == 16) {
    h.red = Channel::Of(0x7c00);
    h.green = Channel::Of(0x03e0);
    h.blue = Channel::Of(0x001f);
  }
  h.palette_at = end;
  if (indexed) {
    const std::size_t most = std::size_t{1} << h.bits;
    if (colours_used > most) {
      Refuse(Unreadable("its colour table claims " + std::to_string(colours_used) + " colours for " +
                        std::to_string(h.bits) + "-bit pixels"));
    }
    h.palette_count = colours_used ? colours_used : most;
    end = h.palette_at;  // the pixels may begin before the announced table ends; the table is then shorter
  }
  if (h.pixels_at < end) {
    Refuse(
        Unreadable("its pixels would begin at byte " + std::to_string(h.pixels_at) + ", inside its headers"));
  }
  if (h.pixels_at > in.size()) Refuse(kCutShort);
  return h;
}

// The colour table as far as it lies before the pixels and within the file.
std::vector<std::uint32_t> ReadPalette(const Bytes& in, const Header& h) {
  std::size_t count = h.palette_count;
  const std::size_t room = (h.pixels_at - h.palette_at) / h.palette_entry;
  if (room < count) count = room;
  if (count == 0) Refuse(Unreadable("it has no colour table"));
  std::vector<std::uint32_t> palette(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = h.palette_at + i * h.palette_entry;
    palette[i] = 0xff000000u | static_cast<std::uint32_t>(in.U8(at + 2)) << 16 |
                 static_cast<std::uint32_t>(in.U8(at + 1)) << 8 | in.U8(at);
  }
  return palette;
}

std::uint32_t Colour(const std::vector<std::uint32_t>& palette, unsigned index) {
  if (index >= palette.size()) {
    Refuse(Unreadable("a pixel uses colour " + std::to_string(index) + ", but its colour table has " +
                      std::to_string(palette.size())));
  }
  return palette[index];
}

// The row of the output picture that stored row `stored` becomes.
int OutputRow(const Header& h, int stored) { return h.height > 0 ? kCardHeight - 1 - stored : stored; }

void DecodeUncompressed(const Bytes& in, const Header& h, std::vector<std::uint32_t>& out) {
  const std::size_t stride =
      (static_cast<std::size_t>(kCardWidth) * static_cast<std::size_t>(h.bits) + 31) / 32 * 4;
  if (in.size() - h.pixels_at < stride * kCardHeight) Refuse(kCutShort);
  std::vector<std::uint32_t> palette;
  if (h.bits <= 8) palette = ReadPalette(in, h);
  for (int y = 0; y < kCardHeight; ++y) {
    const std::size_t row = h.pixels_at + static_cast<std::size_t>(y) * stride;
    std::uint32_t* line = out.data() + static_cast<std::ptrdiff_t>(OutputRow(h, y)) * kCardWidth;
    for (int x = 0; x < kCardWidth; ++x) {
      const auto ux = static_cast<std::size_t>(x);
      switch (h.bits) {
        case 1:
        case 4:
        case 8: {
          const std::size_t bit = ux * static_cast<std::size_t>(h.bits);
          const unsigned byte = in.U8(row + bit / 8);
          const unsigned index = (byte >> (8 - h.bits - bit % 8)) & ((1u << h.bits) - 1u);
          line[x] = Colour(palette, index);
          break;
        }
        case 24:
          line[x] = 0xff000000u | static_cast<std::uint32_t>(in.U8(row + ux * 3 + 2)) << 16 |
                    static_cast<std::uint32_t>(in.U8(row + ux * 3 + 1)) << 8 | in.U8(row + ux * 3);
          break;
        default: {
          const std::uint32_t pixel = h.bits == 16 ? in.U16(row + ux * 2) : in.U32(row + ux * 4);
          if (h.bits == 32 && h.compression == kUncompressed) {
            line[x] = 0xff000000u | (pixel & 0x00ffffffu);
          } else {
            line[x] =
                0xff000000u | h.red.Value(pixel) << 16 | h.green.Value(pixel) << 8 | h.blue.Value(pixel);
          }
        }
      }
    }
  }
}

// Run-length data must paint every pixel exactly once, row by row from the bottom: a row is ended only when
// it is full, and a jump or an early end that would leave pixels unpainted is refused.
void DecodeRunLength(const Bytes& in, const Header& h, std::vector<std::uint32_t>& out) {
  const std::vector<std::uint32_t> palette = ReadPalette(in, h);
  const bool four = h.bits == 4;
  const char* const kStopsEarly = "its compressed pixels end before the picture is complete";
  std::size_t at = h.pixels_at;
  int x = 0;
  int y = 0;
  auto paint = [&](unsigned index) {
    if (y >= kCardHeight || x >= kCardWidth)
      Refuse(Unreadable("its compressed pixels run past the picture's edge"));
    out[static_cast<std::size_t>(OutputRow(h, y)) * kCardWidth + static_cast<std::size_t>(x)] =
        Colour(palette, index);
    ++x;
  };
  // Every row painted: the last one full, or ended as well.
  auto complete = [&] { return (y == kCardHeight - 1 && x == kCardWidth) || (y == kCardHeight && x == 0); };
  auto next = [&]() -> unsigned {
    if (at >= in.size()) Refuse(Unreadable(kStopsEarly));
    return in.U8(at++);
  };
  for (;;) {
    if (at >= in.size()) {
      if (complete()) return;  // without the closing mark
      Refuse(Unreadable(kStopsEarly));
    }
    const unsigned count = next();
    const unsigned value = next();
    if (count > 0) {  // a run of one colour, or of two alternating ones
      for (unsigned i = 0; i < count; ++i) paint(four ? (i % 2 ? value & 0x0f : value >> 4) : value);
      continue;
    }
    if (value == 1) {  // the end of the picture
      if (!complete()) Refuse(Unreadable(kStopsEarly));
      return;
    }
    if (value == 0) {  // the end of a row
      if (x != kCardWidth) Refuse(Unreadable("its compressed pixels leave part of a row unpainted"));
      x = 0;
      ++y;
      continue;
    }
    if (value == 2) Refuse(Unreadable("its compressed pixels skip over part of the picture"));
    // Pixels given one by one, padded to an even number of bytes.
    const std::size_t start = at;
    for (unsigned i = 0; i < value; ++i) {
      if (four) {
        const unsigned byte = i % 2 ? in.U8(at - 1) : next();
        paint(i % 2 ? byte & 0x0f : byte >> 4);
      } else {
        paint(next());
      }
    }
    if ((at - start) % 2) next();
  }
}

}  // namespace

DecodedBitmap DecodeCardBitmap(std::span<const unsigned char> data) {
  DecodedBitmap result;
  try {
    const Bytes in(data);
    const Header header = ReadHeader(in);
    result.pixels.assign(kPixels, 0);
    if (header.compression == kRunLength8 || header.compression == kRunLength4) {
      DecodeRunLength(in, header, result.pixels);
    } else {
      DecodeUncompressed(in, header, result.pixels);
    }
  } catch (const Refused& refused) {
    result.pixels.clear();
    result.refusal = refused.reason;
  }
  return result;
}

}  // namespace vantrel
