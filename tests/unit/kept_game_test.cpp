// The kept game: written and read back at any point of random play, it puts the same game on a fresh table
// (drawn alike at every window height) and the game goes on alike there; damaged, forged and other versions'
// texts are refused. The switches' text, and the deal's number through New, Redo and Select Deal.
#include "interaction/kept_game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "../test_seed.h"
#include "interaction/switches.h"
#include "table/card_names.h"
#include "test_support.h"

namespace vantrel::testing {
namespace {

constexpr std::string_view kVersion = "1.0.0.1";

// Whether every column is drawn from its head up. (Not always: a peek raises a covered card and then the
// cards on it, and Undo may then put cards back under it, drawn as they were before.)
bool HeadsUp(const Table& t) {
  const Position& p = t.position;
  for (int c = 0; c < kColumns; ++c) {
    for (int row = 1; row < p.height(c); ++row) {
      if (t.images[p.slot_of(p.at(c, row))].z < t.images[p.slot_of(p.at(c, row - 1))].z) return false;
    }
  }
  return true;
}

// Everything the player sees and the game goes on from, alike on both tables: the position and Undo's copy
// (while it can be used), the course, the options, every picture's look, and, when `drawn_alike`, the order
// of every two pictures that overlap at any of a range of window heights.
void ExpectSameGame(const Table& a, const Table& b, bool drawn_alike = true) {
  ASSERT_EQ(a.position, b.position);
  EXPECT_EQ(a.course.undo_enabled, b.course.undo_enabled);
  if (a.course.undo_enabled) {
    EXPECT_EQ(a.undo_position, b.undo_position);
  }
  EXPECT_EQ(a.course.game_state, b.course.game_state);
  EXPECT_EQ(a.course.hints_left, b.course.hints_left);
  EXPECT_EQ(a.course.deal_number, b.course.deal_number);
  EXPECT_EQ(a.count.num_moves, b.count.num_moves);
  EXPECT_EQ(ControlsOf(a).num_moves_visible, ControlsOf(b).num_moves_visible);
  EXPECT_EQ(ControlsOf(a).show_moves_enabled, ControlsOf(b).show_moves_enabled);
  for (int i = 0; i < kSlotCount; ++i) {
    const Image& x = a.images[i];
    const Image& y = b.images[i];
    EXPECT_EQ(a.card(i).picture, b.card(i).picture) << "slot " << i;
    EXPECT_TRUE(x.visible == y.visible && x.transparent == y.transparent && x.cursor == y.cursor &&
                x.drag_cursor == y.drag_cursor)
        << "slot " << i;
  }
  if (!drawn_alike) return;
  for (const int height : {100, 195, 300, 366, 460, 700}) {
    const Layout layout(height);
    for (int i = 0; i < kCardSlots; ++i) {
      for (int j = i + 1; j < kCardSlots; ++j) {
        const SlotPlace p = layout.PlaceOf(a, i);
        const SlotPlace q = layout.PlaceOf(a, j);
        ASSERT_EQ(p, layout.PlaceOf(b, i));
        const bool overlap = std::abs(p.left - q.left) < kCardWidth && std::abs(p.top - q.top) < kCardHeight;
        if (overlap) {
          EXPECT_EQ(a.images[i].z < a.images[j].z, b.images[i].z < b.images[j].z)
              << "slots " << i << " and " << j << " at height " << height;
        }
      }
    }
  }
}

// A random action of a player: mostly a drop the game takes, sometimes Undo, a hint, a peek, or an option.
void RandomAction(Game& g, std::mt19937& rng) {
  const int pick = std::uniform_int_distribution<int>(0, 19)(rng);
  const LegalDrops drops = g.table.ListLegalDrops();
  if (pick < 14 && drops.count > 0) {
    const LegalDrop& drop = drops[std::uniform_int_distribution<int>(0, drops.count - 1)(rng)];
    g.player.DragAndDrop(drop.moved, drop.target);
  } else if (pick < 16) {
    if (g.table.course.undo_enabled) g.player.UndoClick();
  } else if (pick == 16) {
    g.table.GiveHintClick();
  } else if (pick == 17) {
    const int slot = std::uniform_int_distribution<int>(0, kCardSlots - 1)(rng);
    g.player.CardClickDown(slot, MouseButton::kRight);
    g.player.CardClickUp(MouseButton::kRight);
  } else if (pick == 18) {
    g.player.ShowNumberClick();
  } else {
    g.player.UseTransparencyClick();
  }
  // A hint's blink ends before the next action, as the timer ends it.
  if (g.table.ui.hint_blinking) g.table.TimerTimer();
}

TEST(KeptGame, AKeptGameGoesOnOnAFreshTableExactlyAsTheGameItWasKeptFrom) {
  VANTREL_RANDOM_SEED(seed);
  std::mt19937 rng(seed);
  int restored = 0;
  int alike = 0;
  for (int game = 0; game < 40; ++game) {
    Game original(std::uniform_int_distribution<std::uint32_t>()(rng));
    original.Deal();
    if (game % 4 == 1) original.player.ShowValidClick();
    if (game % 4 == 2) original.player.EnableCheatsClick();
    // The copy: kept and restored at random points, then played alongside with the same actions. A restored
    // game draws every column from its head up.
    std::unique_ptr<Game> copy;
    bool drawn_alike = true;
    for (int step = 0; step < 60 && original.table.course.game_state == GameState::kInProgress; ++step) {
      if (std::uniform_int_distribution<int>(0, 3)(rng) == 0) {
        const std::string text = KeptGameText(original.table, kVersion);
        copy = std::make_unique<Game>(original.host.NowSeconds());
        RestoreKeptGame(ReadKeptGame(text, kVersion), copy->table, copy->player);
        drawn_alike = HeadsUp(original.table);
        alike += drawn_alike ? 1 : 0;
        EXPECT_TRUE(HeadsUp(copy->table));
        ASSERT_NO_FATAL_FAILURE(ExpectSameGame(original.table, copy->table, drawn_alike)) << text;
        ++restored;
      }
      const std::mt19937 before = rng;
      RandomAction(original, rng);
      if (copy) {
        std::mt19937 same = before;
        RandomAction(*copy, same);
        ASSERT_NO_FATAL_FAILURE(ExpectSameGame(original.table, copy->table, drawn_alike));
        EXPECT_EQ(copy->table.course.results.wins, original.table.course.results.wins);
        EXPECT_EQ(copy->table.course.results.losses, original.table.course.results.losses);
      }
    }
    if (copy) {
      // Redo deals the same deal on both.
      original.table.NewClick(DealCommand::kRedo);
      copy->table.NewClick(DealCommand::kRedo);
      EXPECT_EQ(copy->table.position, original.table.position);
      EXPECT_EQ(copy->table.position, Position::Deal(original.host.NowSeconds()));
    }
  }
  EXPECT_GT(restored, 100);
  EXPECT_GT(alike, restored / 2);
}

std::vector<std::string> Split(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t at = 0; at < text.size(); at = text.find('\n', at) + 1)
    lines.push_back(text.substr(at, text.find('\n', at) - at));
  return lines;
}

// The game of 1700000004 after two drops, the last of which Undo can take back.
struct KeptAfterTwoDrops {
  KeptAfterTwoDrops() {
    g.Deal();
    g.player.DragAndDrop(38, 41);
    g.player.DragAndDrop(35, 46);
    EXPECT_TRUE(g.table.course.undo_enabled);
    lines = Split(KeptGameText(g.table, kVersion));
  }
  Game g{1700000004};
  std::vector<std::string> lines;
};

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + '\n';
  return text;
}

// The index of the line beginning with `key` (the `n`-th such line).
std::size_t Line(const std::vector<std::string>& lines, const std::string& key, int n = 0) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].rfind(key, 0) == 0 && n-- == 0) return i;
  }
  ADD_FAILURE() << "no line " << key;
  return 0;
}

std::string Name(int code) {
  return std::string(RankName(NumberOf(code))) + std::string(SuitLetter(SuitOf(code)));
}

TEST(KeptGame, DamagedForgedAndOtherVersionsTextsAreRefused) {
  const KeptAfterTwoDrops kept;
  const std::vector<std::string>& good = kept.lines;
  ASSERT_NO_THROW(ReadKeptGame(Joined(good), kVersion));
  const Position& p = kept.g.table.position;
  const Position dealt = Position::Deal(1700000004);
  // A card of column 1 that lies covered and face up as it was dealt; one that is neither on its next-higher
  // card nor a King at a head.
  int covered_up = -1;
  int unsettled = -1;
  for (int row = 0; row + 1 < p.height(0); ++row) {
    const int code = p.at(0, row);
    if (!p.face_down(code) && !dealt.face_down(code)) covered_up = row;
    if (row > 0 && p.at(0, row - 1) != code + 1) unsettled = code;
  }
  ASSERT_GE(covered_up, 0);
  ASSERT_GE(unsettled, 0);
  std::vector<int> stack(kSlotCount);
  std::copy_n(kept.g.table.StackingOrder().begin(), kSlotCount, stack.begin());
  const int head = p.slot_of(p.at(0, 0));
  const int next = p.slot_of(p.at(0, 1));

  using Edit = std::function<void(std::vector<std::string>&)>;
  auto column = [](int c, const std::function<void(std::string&)>& edit) -> Edit {
    return [c, edit](std::vector<std::string>& lines) { edit(lines[Line(lines, "game column", c)]); };
  };
  // A "*" after the word of the card in `row`.
  auto mark = [](int row) {
    return [row](std::string& line) {
      std::size_t at = 0;
      for (int k = 0; k < row + 2; ++k) at = line.find(' ', at) + 1;
      line.insert(line.find(' ', at) == std::string::npos ? line.size() : line.find(' ', at), "*");
    };
  };
  auto stacked = [](const std::vector<int>& order) -> Edit {
    return [order](std::vector<std::string>& lines) {
      std::string line = "stack";
      for (const int slot : order) line += ' ' + std::to_string(slot);
      lines[Line(lines, "stack")] = line;
    };
  };
  auto swapped = [stack](int a, int b) {
    std::vector<int> order = stack;
    std::iter_swap(std::find(order.begin(), order.end(), a), std::find(order.begin(), order.end(), b));
    return order;
  };
  auto replace = [](const std::string& key, const std::string& line) -> Edit {
    return [key, line](std::vector<std::string>& lines) { lines[Line(lines, key)] = line; };
  };
  // Undo's copy replaced by the lines of `layout`.
  auto before = [](const Position& layout) -> Edit {
    return [layout](std::vector<std::string>& lines) {
      Game g;
      g.table.position = layout;
      g.table.course.undo_enabled = false;
      const std::vector<std::string> own = Split(KeptGameText(g.table, kVersion));
      for (const std::string key : {"column", "reserve", "moved"}) {
        for (int n = 0; n < (key == "column" ? kColumns : 1); ++n)
          lines[Line(lines, "before " + key, n)] = "before" + own[Line(own, "game " + key, n)].substr(4);
      }
    };
  };
  struct Case {
    const char* what;
    Edit edit;
    KeptGameFault fault;
  };
  const std::vector<Case> cases = {
      {"empty", [](auto& lines) { lines.clear(); }, KeptGameFault::kDamaged},
      {"without its end", [](auto& lines) { lines.pop_back(); }, KeptGameFault::kDamaged},
      {"more after its end", [](auto& lines) { lines.push_back("end"); }, KeptGameFault::kDamaged},
      {"a line of another", replace("hints", "hint 3"), KeptGameFault::kDamaged},
      {"two spaces", replace("deal", "deal  1700000004"), KeptGameFault::kDamaged},
      {"four hints", replace("hints", "hints 4"), KeptGameFault::kDamaged},
      {"an option of 2", replace("options", "options 1 1 2 0"), KeptGameFault::kDamaged},
      {"no card", column(0, [](std::string& line) { line += " XS"; }), KeptGameFault::kDamaged},
      {"Undo's copy left out", [](auto& lines) { lines[Line(lines, "undo")] = "undo 0"; },
       KeptGameFault::kDamaged},
      {"another version", replace("version", "version 1.0.0.2"), KeptGameFault::kOtherVersion},
      {"another format", replace("Vantrel", "Vantrel kept game 2"), KeptGameFault::kOtherVersion},
      {"a card twice", column(1, [&](std::string& line) { line += ' ' + Name(p.at(0, 0)); }),
       KeptGameFault::kForged},
      {"a card missing", column(0, [](std::string& line) { line.erase(line.rfind(' ')); }),
       KeptGameFault::kForged},
      {"an uppermost card face down", column(0, [](std::string& line) { line += '*'; }),
       KeptGameFault::kForged},
      {"a card dealt face up lying face down", column(0, mark(covered_up)), KeptGameFault::kForged},
      {"another deal's cards", replace("deal", "deal 1700000005"), KeptGameFault::kForged},
      {"a moved card out of place",
       replace("game moved", good[Line(good, "game moved")] + ' ' + Name(unsettled)), KeptGameFault::kForged},
      {"Undo's copy the game itself", before(p), KeptGameFault::kForged},
      {"Undo's copy two drops before", before(dealt), KeptGameFault::kForged},
      {"a slot stacked twice", stacked([&] {
         auto o = stack;
         o[20] = o[21];
         return o;
       }()),
       KeptGameFault::kForged},
      {"a column drawn from its top down", stacked(swapped(head, next)), KeptGameFault::kForged},
      {"a blank spot above a card", stacked(swapped(kBlankFirst, head)), KeptGameFault::kForged},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> lines = good;
    c.edit(lines);
    const std::string text = Joined(lines);
    try {
      ReadKeptGame(text, kVersion);
      ADD_FAILURE() << "taken:\n" << text;
    } catch (const KeptGameRefused& refused) {
      EXPECT_EQ(refused.fault(), c.fault) << refused.what();
    }
  }
  // A text cut off anywhere is refused.
  const std::string text = Joined(good);
  for (std::size_t length = 0; length < text.size(); length += 7) {
    EXPECT_THROW(ReadKeptGame(text.substr(0, length), kVersion), KeptGameRefused) << length;
  }
}

TEST(Switches, TheirTextRemembersEachAndAnythingElseLeavesThemOff) {
  for (int bits = 0; bits < 8; ++bits) {
    const Switches s{
        .keep_game = (bits & 1) != 0, .tell_winnable = (bits & 2) != 0, .winnable_only = (bits & 4) != 0};
    EXPECT_EQ(ReadSwitches(SwitchesText(s)), s);
  }
  EXPECT_EQ(ReadSwitches("KeepGame=1\nWinnableOnly=1"), (Switches{.keep_game = true, .winnable_only = true}));
  EXPECT_EQ(ReadSwitches("KeepGame=yes\nTellWinnable=10\nKeepGame1=1\nSomethingNew=1\n\x01\n"), Switches{});
}

TEST(DealNumber, NewRedoAndSelectDealRecordTheDealTheyDeal) {
  Game g(1780653674);
  // New deals the clock's second, or what the picker makes of it; Redo deals the same again.
  g.table.pick_new_deal = [](std::uint32_t now) { return now + 30; };
  g.Deal();
  EXPECT_EQ(g.table.course.deal_number, 1780653704u);
  EXPECT_EQ(g.table.position, Position::Deal(1780653704));
  g.table.NewClick(DealCommand::kRedo);
  EXPECT_EQ(g.table.position, Position::Deal(1780653704));
  EXPECT_EQ(g.host.questions.size(), 1u);
  EXPECT_EQ(g.table.course.results.losses, 1);

  // Select Deal shows the deal's number; Cancel changes nothing; a number is dealt exactly, the picker
  // passed over, after the question (No keeps the game, Yes counts it lost).
  g.table.SelectDealClick();
  EXPECT_EQ(g.host.deal_numbers_shown.back(), std::optional<std::uint32_t>(1780653704));
  EXPECT_EQ(g.host.questions.size(), 1u);
  g.host.QueueDealNumber(4294967295u);
  g.host.QueueAnswer(false);
  g.table.SelectDealClick();
  EXPECT_EQ(g.table.course.deal_number, 1780653704u);
  EXPECT_EQ(g.table.course.results.losses, 1);
  g.host.QueueDealNumber(4294967295u);
  g.table.SelectDealClick();
  EXPECT_EQ(g.table.course.deal_number, 4294967295u);
  EXPECT_EQ(g.table.position, Position::Deal(4294967295u));
  EXPECT_EQ(g.table.course.results.losses, 2);
  g.table.NewClick(DealCommand::kRedo);
  EXPECT_EQ(g.table.position, Position::Deal(4294967295u));

  // Before any deal the question shows no number, and no game is lost.
  Game fresh(5);
  fresh.host.QueueDealNumber(0);
  fresh.table.SelectDealClick();
  EXPECT_EQ(fresh.host.deal_numbers_shown, (std::vector<std::optional<std::uint32_t>>{std::nullopt}));
  EXPECT_EQ(fresh.table.position, Position::Deal(0));
  EXPECT_TRUE(fresh.host.questions.empty());
}

}  // namespace
}  // namespace vantrel::testing
