// Keyboard play on a real X server: a whole deal won with key presses only (xdotool), from a winning line of
// the solver's, each drop checked on screen against the model's table, which is played by the same keys.
#include <gtest/gtest.h>

#include <QImage>
#include <QRegion>
#include <algorithm>
#include <cstdio>
#include <map>

#include "interaction/keyboard_play.h"
#include "table_on_screen.h"
#include "x_session.h"

namespace vantrel::e2e {
namespace {

// How far the frame reaches beyond the cards it surrounds, with a pixel to spare.
constexpr int kFrameReach = 7;

// xdotool's names of the keys, in the order of PlayKey.
const char* const kKeyNames[] = {"Up", "Down", "Left", "Right", "space", "Escape"};

class KeyboardOnScreen : public TableOnScreen {
 protected:
  // Presses the keys in the game, all in one xdotool run (the model has had them already).
  void Keys(const std::vector<PlayKey>& keys) {
    QStringList args{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("15")};
    for (PlayKey key : keys) args << QString::fromLatin1(kKeyNames[static_cast<int>(key)]);
    XDoTool(args);
  }

  // The arrow keys that take the model's focus to `slot`, the fewest; pressed in the model already.
  void Towards(int slot, std::vector<PlayKey>& keys) {
    const auto way = TablePlaces(model_->table).Way(play_->focus(), slot);
    ASSERT_TRUE(way.has_value()) << "no way to slot " << slot;
    for (Step step : *way) {
      play_->Press(ArrowFor(step));
      keys.push_back(ArrowFor(step));
    }
  }

  // Where the model's frame lies: its focus and what lies on it, and a held group.
  QRegion FrameRegion() const {
    QRegion region;
    for (int slot : {play_->focus(), play_->held()}) {
      if (slot < 0 || !play_->shown()) continue;
      const Table& t = model_->table;
      QRect rect;
      for (int s : Group(t, slot)) {
        const SlotPlace card = PlaceOf(t, s);
        const Image& image = t.images[s];
        rect |= IsBlankSpot(s) ? QRect(card.left, kHeadTop, kCardWidth, kCardHeight)
                               : QRect(card.left, card.top, image.width, image.height);
      }
      region += rect.adjusted(-kFrameReach, -kFrameReach, kFrameReach, kFrameReach);
    }
    return region;
  }

  // Whether the whole table and the frame fit in the window, which then neither scrolls nor has a scroll bar.
  bool Fits() const {
    int bottom = 0;
    const Table& t = model_->table;
    for (int s = 0; s < kSlotCount; ++s) {
      if (t.images[s].visible) bottom = std::max(bottom, PlaceOf(t, s).top + t.images[s].height);
    }
    return bottom + kFrameReach <= kTableHeight;
  }

  std::unique_ptr<KeyboardPlay> play_;
};

TEST_F(KeyboardOnScreen, AWholeDealIsWonWithKeyPressesOnly) {
  const std::map<unsigned, WinningLine> lines =
      ReadWinningLines(QStringLiteral(VANTREL_E2E_DATA "/winning_lines.txt"));
  ASSERT_TRUE(lines.contains(1700000004));
  const WinningLine& line = lines.at(1700000004);
  ASSERT_TRUE(WinsInTheCore(line)) << "the line for " << line.seed << " does not win";
  ASSERT_NO_FATAL_FAILURE(StartGame(line.seed));
  play_ = std::make_unique<KeyboardPlay>(model_->table, model_->player);
  ASSERT_NO_FATAL_FAILURE(Deal());

  // The first key shows the frame around the uppermost card of column 1; nothing else on screen changes.
  Keys({PlayKey::kDown});
  play_->Press(PlayKey::kDown);
  ASSERT_EQ(play_->focus(), 40);
  ASSERT_EQ(WaitForScreen(Expected(), "first-key", kTableWidth, FrameRegion()), 0);
  const QImage shot = TableShot();
  const QImage expected = Expected();
  int framed = 0;
  for (const QRect& rect : FrameRegion()) {
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
      for (int x = rect.left(); x <= rect.right(); ++x) framed += shot.pixel(x, y) != expected.pixel(x, y);
    }
  }
  EXPECT_GT(framed, 300) << "no frame around the focused card";

  std::size_t compared = 0;
  for (const Drop& drop : line.drops) {
    SCOPED_TRACE(FormatDrop(drop));
    std::vector<PlayKey> keys;
    ASSERT_NO_FATAL_FAILURE(Towards(drop.moved, keys));
    keys.push_back(PlayKey::kPickOrDrop);
    play_->Press(PlayKey::kPickOrDrop);
    ASSERT_EQ(play_->held(), drop.moved);
    ASSERT_NO_FATAL_FAILURE(Towards(drop.target, keys));
    ASSERT_TRUE(play_->FocusTakesDrop());
    keys.push_back(PlayKey::kPickOrDrop);
    play_->Press(PlayKey::kPickOrDrop);
    ASSERT_EQ(play_->focus(), drop.moved) << "the drop was not taken in the model";
    Keys(keys);
    // A table taller than the window scrolls to show the focus: it is compared where it fits.
    if (model_->table.course.game_state == GameState::kInProgress && Fits()) {
      ASSERT_EQ(WaitForScreen(Expected(), "keyboard-drop", kTableWidth, FrameRegion()), 0);
      ++compared;
    }
  }
  EXPECT_GT(compared, line.drops.size() / 2) << "too few drops seen on screen";
  std::printf("%zu of %zu drops compared on screen\n", compared, line.drops.size());
  ASSERT_EQ(model_->host.messages, std::vector<std::string>{"You Win!"});
  const unsigned long box = WaitForWindow(QStringLiteral("Vantrel"), std::chrono::seconds(10), window_);
  ASSERT_NE(box, 0u) << "no \"You Win!\" box";
  Key(QStringLiteral("Return"), box);
  ASSERT_TRUE(WaitForNoWindow(QStringLiteral("Vantrel"), std::chrono::seconds(10), window_))
      << "the box stayed";
  // A mouse press takes the frame away: the screen shows the won table exactly.
  const QPoint bare = OnScreen(QPoint(620, 250));
  XDoTool({QStringLiteral("mousemove"), QString::number(bare.x()), QString::number(bare.y()),
           QStringLiteral("click"), QStringLiteral("1")});
  EXPECT_EQ(WaitForModel("won-by-keys"), 0);
}

}  // namespace
}  // namespace vantrel::e2e
