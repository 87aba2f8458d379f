// The deal: the ordered deck, the shuffle pinned by golden deals, and the layout of a fresh game.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "table/card_names.h"
#include "test_support.h"

namespace vantrel::testing {
namespace {

std::string Identities(const Table& t) {
  std::string out;
  for (int i = 0; i < kCardSlots; ++i) {
    if (i) out += ' ';
    out += RankName(t.card(i).number);
    out += SuitLetter(t.card(i).suit);
  }
  return out;
}

TEST(Deal, BeforeTheFirstDealNothingLiesAnywhere) {
  Game g;
  for (int i = 0; i < kSlotCount; ++i) {
    const Card c = g.table.card(i);
    EXPECT_EQ(c.suit, 0);
    EXPECT_EQ(c.number, 0);
    EXPECT_FALSE(c.back_up);
    EXPECT_EQ(c.picture, kNoPicture);
    EXPECT_FALSE(g.table.images[i].visible);
  }
  EXPECT_EQ(g.table.card(49).col, 10);  // every slot knows its column all the same
  g.Deal();
  // The blank spots have identities of the ordered deck's arithmetic: numbers 1..8 of spades, face down.
  for (int b = kBlankFirst; b < kSlotCount; ++b) {
    EXPECT_EQ(g.table.card(b).suit, 1);
    EXPECT_EQ(g.table.card(b).number, b - kBlankFirst + 1);
    EXPECT_TRUE(g.table.card(b).back_up);
    EXPECT_FALSE(g.table.card(b).ontop);
  }
}

// Deals computed by an independent model of the generator and the shuffle.
TEST(Deal, GoldenDealsPinTheShuffle) {
  const struct {
    std::uint32_t seed;
    const char* cards;
  } golden[] = {
      {0,
       "8S JH KC 2D 3S 10S JD 2C AD 4S QC 6S 9S 2H 4C QS 6C 7S 8D AC 10D KH KD 5D 6H 6D 9H 3H 4D 5H 5C QH "
       "8H 3D QD JC 9D 5S AS JS AH 10C 8C 4H 3C 7H 2S 9C 7D KS 7C 10H"},
      {1700000000,
       "KC 6S AS JC 6H 7H JH 9D 5H KS 9S JD 4C AC 3S 10S 9H 5C QC QS JS 8C AD 10H QD 7C 9C 4S 8D 3C "
       "10D 8S 7S KH 5D 10C 2C AH 6C 7D 2H 3D 4H 3H 2S KD 6D 8H 5S 2D 4D QH"},
      {4294967295u,
       "5S 2D 3S 3D 10D 6S 8S AH JH 2S QS 6C QD 5C 8C 7H JS KH JD 2H 7D 4C QC 6H KD AC 7S 9D 7C 6D "
       "AS 3H 10C 9S 5D 4H JC KC KS 2C 4D 10S 3C 8H QH 9H 10H 9C AD 5H 8D 4S"},
  };
  for (const auto& deal : golden) {
    Game g(deal.seed);
    g.Deal();
    EXPECT_EQ(Identities(g.table), deal.cards) << "seed " << deal.seed;
  }
}

TEST(Deal, GeneratorFollowsTheLinearCongruence) {
  Random r;
  r.Seed(1);
  // state = 1 * M + 1 with M = 0x15A00004E35: the output is bits 32..62.
  const std::uint64_t s1 = 0x15A00004E35ull + 1;
  EXPECT_EQ(r.Next(), static_cast<std::uint32_t>(s1 >> 32) & 0x7FFFFFFFu);
  EXPECT_EQ(r.state(), s1);
  EXPECT_EQ(r.Below(0), 0);
  r.Seed(0xFFFFFFFFu);
  EXPECT_EQ(r.state(), 0xFFFFFFFFull);  // the high word is cleared by seeding
  // Drawn ahead four at a time, the outputs are the generator's own, one after another.
  for (std::uint32_t seed : {0u, 1u, 1700000000u, 0xFFFFFFFFu}) {
    std::array<std::uint32_t, 203> ahead;
    Random::DrawAhead(seed, ahead.data(), static_cast<int>(ahead.size()));
    Random one;
    one.Seed(seed);
    for (std::uint32_t out : ahead) EXPECT_EQ(out, one.Next()) << "seed " << seed;
  }
}

TEST(Deal, ShuffleIsAPermutationAndTheSameSecondGivesTheSameDeal) {
  for (std::uint32_t seed : {0u, 7u, 1700000123u, 4000000000u}) {
    Game a(seed), b(seed);
    a.Deal();
    b.Deal();
    std::set<int> faces;
    for (int i = 0; i < kCardSlots; ++i) {
      faces.insert(FacePicture(a.table.card(i).suit, a.table.card(i).number));
      EXPECT_EQ(a.table.card(i), b.table.card(i));
    }
    EXPECT_EQ(faces.size(), 52u) << "seed " << seed;
  }
  Game c(1700000001);
  c.Deal();
  Game d(1700000002);
  d.Deal();
  EXPECT_NE(Identities(c.table), Identities(d.table));
}

TEST(Deal, LayoutPlacesFacesBacksAndFlags) {
  Game g(1700000000);
  g.Deal();
  const Table& t = g.table;
  const std::set<int> face_down = {0, 1, 2, 5, 6, 7, 8, 9, 14, 15, 16, 23};
  for (int i = 0; i < kSlotCount; ++i) {
    const Card c = t.card(i);
    const SlotPlace place = g.layout.PlaceOf(t, i);
    SCOPED_TRACE("slot " + std::to_string(i));
    EXPECT_TRUE(t.images[i].visible);
    if (i < kColumnSlots) {
      EXPECT_EQ(place, (SlotPlace{(i % 8) * 75 + 15, (i / 8) * 15 + 15}));
      EXPECT_EQ(c.col, i % 8 + 1);
    } else if (i < kBlankFirst) {
      EXPECT_EQ(place, (SlotPlace{165 + (i - 48) * 75, 280}));
      EXPECT_EQ(c.col, i - 39);
    } else {
      EXPECT_EQ(place, (SlotPlace{(i - 52) * 75 + 15, 0}));
      EXPECT_EQ(c.col, i - 51);
      EXPECT_EQ(c.picture, kNoPicture);
      EXPECT_TRUE(c.back_up);
      EXPECT_EQ(t.images[i].height, 460 - 46 - 50);
      continue;
    }
    const bool down = face_down.count(i) > 0;
    EXPECT_EQ(c.back_up, down);
    EXPECT_EQ(c.picture, down ? kBackPicture : FacePicture(c.suit, c.number));
    EXPECT_EQ(c.ontop, i >= 40);
  }
  // Cards lie over one another in slot order; the blank spots lie behind everything.
  const auto order = t.StackingOrder();
  for (int k = 0; k < 8; ++k) EXPECT_GE(order[k], kBlankFirst);
  for (int k = 8; k < kSlotCount; ++k) EXPECT_EQ(order[k], k - 8);
}

TEST(Deal, ReserveRowFollowsTheWindowHeight) {
  for (int height : {460, 600, 195, 100}) {
    Game g(1700000000, Layout(height));
    g.Deal();
    for (int i = kReserveFirst; i < kBlankFirst; ++i)
      EXPECT_EQ(g.layout.PlaceOf(g.table, i).top, height - 180);
  }
  // A reserve card that went into a column stays there whatever the height: the two of diamonds of the
  // reserve row onto the three of diamonds uppermost in column 2.
  Game g(1700000000);
  g.Deal();
  ASSERT_TRUE(g.table.PlayDrop({.moved = 49, .target = 41}));
  const Layout tall(600);
  EXPECT_EQ(tall.PlaceOf(g.table, 48).top, 420);
  EXPECT_EQ(tall.PlaceOf(g.table, 49), (SlotPlace{90, 105}));
  EXPECT_EQ(tall.PlaceOf(g.table, 0).top, 15);
}

TEST(Deal, SlotAtFindsTheTopmostVisibleImage) {
  Game g(1700000000);
  const Layout& at = g.layout;
  EXPECT_EQ(at.SlotAt(g.table, 20, 20), -1);  // nothing is visible before the first deal
  g.Deal();
  const Table& t = g.table;
  EXPECT_EQ(at.SlotAt(t, 20, 20), 0);        // only the head's strip shows there
  EXPECT_EQ(at.SlotAt(t, 20, 100), 40);      // the last card of column 1 covers the rest
  EXPECT_EQ(at.SlotAt(t, 15 + 70, 15), 0);   // the right edge belongs to the image
  EXPECT_EQ(at.SlotAt(t, 15 + 71, 15), -1);  // the gap between columns is bare table
  EXPECT_EQ(at.SlotAt(t, 20, 5), 52);        // above the head only the blank spot lies
  EXPECT_EQ(at.SlotAt(t, 170, 300), 48);     // the reserve row
  EXPECT_EQ(at.SlotAt(t, 620, 300), -1);
}

}  // namespace
}  // namespace vantrel::testing
