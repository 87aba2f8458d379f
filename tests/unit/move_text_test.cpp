// The text forms of drops and plain decimals, as a user might mistype them.
#include "table/move_text.h"

#include <gtest/gtest.h>

#include "table/card_names.h"
#include "table/decimal_text.h"

namespace vantrel {
namespace {

TEST(MoveText, DropsParseOnlyInRange) {
  EXPECT_EQ(ParseDrop("3>12"), (Drop{3, 12}));
  EXPECT_EQ(ParseDrop("51>59"), (Drop{51, 59}));
  EXPECT_EQ(ParseDrop("0>0"), (Drop{0, 0}));
  for (const char* bad : {"", ">", "3>", ">4", "a>b", "3<4", "3>4>5", "52>0", "0>60", "-1>3", "+1>3", " 1>3",
                          "1>3 ", "1 >3", "1>0x3", "99999999999999999999>1"}) {
    EXPECT_FALSE(ParseDrop(bad).has_value()) << '"' << bad << '"';
  }
  EXPECT_EQ(FormatDrop({7, 53}), "7>53");
  EXPECT_EQ(ParseDrop(FormatDrop({51, 0})), (Drop{51, 0}));
}

TEST(MoveText, DecimalsStopAtTheirBound) {
  EXPECT_EQ(ParseDecimal("4294967295", 4294967295u), 4294967295u);
  EXPECT_FALSE(ParseDecimal("4294967296", 4294967295u));
  EXPECT_FALSE(ParseDecimal("18446744073709551616", UINT64_MAX));
  EXPECT_EQ(ParseDecimal("18446744073709551615", UINT64_MAX), UINT64_MAX);
  EXPECT_EQ(ParseDecimal("007", 10), 7u);
  EXPECT_FALSE(ParseDecimal("5", 4));
  EXPECT_FALSE(ParseDecimal("1e3", 10000));
}

TEST(MoveText, CardFilesAreNamedByRankAndSuit) {
#ifdef _WIN32
  const std::string sep = "\\";
#else
  const std::string sep = "/";
#endif
  EXPECT_EQ(CardFileName(0), "CARDS" + sep + "AS.BMP");
  EXPECT_EQ(CardFileName(9 + 39), "CARDS" + sep + "10H.BMP");
  EXPECT_EQ(CardFileName(13 + 10), "CARDS" + sep + "JC.BMP");
  EXPECT_EQ(CardFileName(52), "CARDS" + sep + "BACK.BMP");
  EXPECT_EQ(OutlineFileName(), "CARDS" + sep + "OUTLINE.BMP");
  EXPECT_EQ(RankName(14), "BLANK");
  EXPECT_EQ(SuitLetter(5), "");
}

}  // namespace
}  // namespace vantrel
