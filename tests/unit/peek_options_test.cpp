// The right-button peek, the view options, the cheat switch and the quick help.
#include <gtest/gtest.h>

#include "test_support.h"

namespace vantrel::testing {
namespace {

bool Raised(const Table& t, int slot) { return (t.ui.raised >> slot) & 1; }

TEST(Peek, TheStatusTextAndTheRaisedCard) {
  Game g;
  g.Deal();
  Table& t = g.table;
  LayOut(t, {{"2C*", "9H", "5S", "4D", "3C"}, {"6D"}}, {"JH"});
  const int h9 = SlotOf(t, "9H");
  const std::int64_t z_before = t.images[h9].z;
  g.player.ButtonPressed(h9, MouseButton::kRight);
  EXPECT_EQ(t.ui.status_text, "ontop = false, back_up = false, col = 1, card_num = " + std::to_string(h9) +
                                  ", number = 9, suit = 4");
  EXPECT_TRUE(Raised(t, h9));
  EXPECT_EQ(t.StackingOrder().back(), h9);
  EXPECT_GT(t.images[h9].z, z_before);
  // The release, anywhere the window hears it, puts the riders back over it in their order.
  g.player.ButtonReleased(MouseButton::kRight);
  EXPECT_EQ(t.ui.status_text, "");
  EXPECT_FALSE(Raised(t, h9));
  const auto order = t.StackingOrder();
  EXPECT_EQ(order[kSlotCount - 3], SlotOf(t, "5S"));
  EXPECT_EQ(order[kSlotCount - 2], SlotOf(t, "4D"));
  EXPECT_EQ(order[kSlotCount - 1], SlotOf(t, "3C"));

  // A face-down card tells its real identity and is not raised; nor is an uppermost or a reserve card.
  const int c2 = SlotOf(t, "2C");
  g.player.ButtonPressed(c2, MouseButton::kRight);
  EXPECT_EQ(t.ui.status_text, "ontop = false, back_up = true, col = 1, card_num = " + std::to_string(c2) +
                                  ", number = 2, suit = 2");
  const int jh = SlotOf(t, "JH");
  g.player.ButtonPressed(jh, MouseButton::kRight);
  EXPECT_EQ(t.ui.status_text.rfind("ontop = true, back_up = false, col = 9, ", 0), 0u);
  g.player.ButtonPressed(SlotOf(t, "3C"), MouseButton::kRight);
  EXPECT_EQ(t.ui.raised, 0u);
  // Left and middle buttons never peek.
  g.player.ButtonReleased(MouseButton::kRight);
  g.player.ButtonPressed(h9, MouseButton::kLeft);
  g.player.ButtonPressed(h9, MouseButton::kMiddle);
  g.player.ButtonReleased(MouseButton::kLeft);
  EXPECT_EQ(t.ui.status_text, "");
  EXPECT_FALSE(Raised(t, h9));
}

TEST(Peek, EachReleaseRestoresTheHighestRaisedCard) {
  Game g;
  g.Deal();
  Table& t = g.table;
  LayOut(t, {{"9H", "5S"}, {"8D", "7C"}});
  const int h9 = SlotOf(t, "9H"), d8 = SlotOf(t, "8D");
  ASSERT_LT(h9, d8);
  // Two presses without a release in between (the first release went elsewhere).
  g.player.PeekCard(h9);
  g.player.PeekCard(d8);
  g.player.UnpeekCard();
  EXPECT_TRUE(Raised(t, h9));
  EXPECT_FALSE(Raised(t, d8));
  g.player.UnpeekCard();
  EXPECT_FALSE(Raised(t, h9));
  EXPECT_GT(t.images[SlotOf(t, "5S")].z, t.images[h9].z);
}

TEST(Options, ChecksToggleWhatTheyGovern) {
  Game g;
  g.Deal();
  Table& t = g.table;
  const Image blank_before = t.images[55];
  g.player.ToggleShowNumber();
  EXPECT_FALSE(t.options.show_number);
  EXPECT_FALSE(ControlsOf(t).num_moves_visible);
  g.player.ToggleShowNumber();
  EXPECT_TRUE(ControlsOf(t).num_moves_visible);

  g.player.ToggleTransparency();
  EXPECT_FALSE(t.options.use_transparency);
  for (int i = 0; i < kCardSlots; ++i) EXPECT_FALSE(t.images[i].transparent);
  EXPECT_TRUE(t.images[55].transparent);  // blank spots keep theirs
  g.player.ToggleTransparency();
  for (int i = 0; i < kCardSlots; ++i) EXPECT_TRUE(t.images[i].transparent);

  g.player.ToggleShowValid();
  for (int i = 0; i < kCardSlots; ++i) EXPECT_EQ(t.images[i].drag_cursor, kCursorHandPointer);
  EXPECT_EQ(t.images[55].drag_cursor, blank_before.drag_cursor);

  EXPECT_FALSE(t.options.cheats);
  g.player.EnableCheats();
  g.player.EnableCheats();
  EXPECT_TRUE(t.options.cheats);
}

TEST(Options, QuickHelpIsTheSameInEveryState) {
  Game g;
  g.player.ShowHelp();
  g.Deal();
  g.player.ShowHelp();
  ASSERT_EQ(g.host.messages.size(), 2u);
  EXPECT_EQ(g.host.messages[0], g.host.messages[1]);
  EXPECT_EQ(
      g.host.messages[0],
      "Quick Help:\n\nStack the cards in descending, same suit order. You have\nto move the whole column "
      "(ie; all cards under the card\nyou're moving too). Only Kings can be played on blank spots.\nClick "
      "\"Give Hint\" in the Options menu to get an idea. The\ngame is won when there are four piles, all "
      "King down to Ace.");
}

}  // namespace
}  // namespace vantrel::testing
