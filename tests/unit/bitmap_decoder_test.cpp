// The card bitmap decoder against the picture fuzz corpus: one card in every encoding the reader takes
// decodes to exactly the pixels of its 24-bit twin, and each damaged file is refused for its own reason.
#include "pictures/bitmap_decoder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace vantrel::testing {
namespace {

std::vector<unsigned char> Corpus(const std::string& name) {
  std::ifstream file(std::string(VANTREL_PICTURE_CORPUS "/") + name, std::ios::binary);
  EXPECT_TRUE(file.good()) << name;
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

DecodedBitmap Decode(const std::string& name) { return DecodeCardBitmap(Corpus(name)); }

TEST(BitmapDecoder, EveryEncodingGivesExactlyThePixelsOfItsTwin) {
  const struct {
    const char* file;
    const char* twin;
  } pairs[] = {
      {"card24-top-down.bmp", "card24.bmp"},  {"core-header24.bmp", "card24.bmp"},
      {"c32-bitfields-v5.bmp", "card24.bmp"}, {"q8.bmp", "q8-twin24.bmp"},
      {"q8-rle.bmp", "q8-twin24.bmp"},        {"q4.bmp", "q4-twin24.bmp"},
      {"q4-rle.bmp", "q4-twin24.bmp"},        {"q1.bmp", "q1-twin24.bmp"},
      {"c555.bmp", "c555-twin24.bmp"},        {"c565.bmp", "c565-twin24.bmp"},
  };
  for (const auto& pair : pairs) {
    SCOPED_TRACE(pair.file);
    const DecodedBitmap picture = Decode(pair.file);
    const DecodedBitmap twin = Decode(pair.twin);
    EXPECT_EQ(picture.refusal, "");
    ASSERT_EQ(twin.pixels.size(), 71u * 96u);
    EXPECT_EQ(picture.pixels, twin.pixels);
  }
}

TEST(BitmapDecoder, DamagedFilesAreRefusedForTheirReason) {
  const struct {
    const char* file;
    const char* reason;
  } cases[] = {
      {"bad-rle-stops-early.bmp", "end before the picture is complete"},
      {"bad-rle-delta.bmp", "skip over part of the picture"},
      {"bad-no-colour-table.bmp", "no colour table"},
      {"bad-offset-in-header.bmp", "inside its headers"},
      {"bad-overlapping-masks.bmp", "colour masks are not usable"},
      {"bad-huge-dimensions.bmp", "2147483647 x 2147483648 pixels, not 71 x 96"},
      {"bad-cut-short.bmp", "the file is cut short"},
      {"bad-text.bmp", "not a Windows bitmap"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const DecodedBitmap refused = Decode(c.file);
    EXPECT_NE(refused.refusal.find(c.reason), std::string::npos) << refused.refusal;
    EXPECT_TRUE(refused.pixels.empty());
  }
}

}  // namespace
}  // namespace vantrel::testing
