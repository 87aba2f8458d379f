// The kept game: kept and restored at any point of random play, it puts the same game on a fresh table,
// drawn alike at every window height, and the game goes on alike there; damaged, forged and other versions'
// texts are refused.
#include "interaction/kept_game.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <regex>
#include <string>

#include "../test_seed.h"
#include "test_support.h"

namespace vantrel::testing {
namespace {

constexpr std::string_view kVersion = "1.0.0.1";

// Whether every column is drawn from its head up. (Not always in play: a peek raises a covered card and then
// the cards on it, and Undo may then put cards back under it that keep their older ranks.)
bool HeadsUp(const Table& t) {
  const Position& p = t.position;
  for (int c = 0; c < kColumns; ++c) {
    for (int row = 1; row < p.height(c); ++row) {
      if (t.images[p.slot_of(p.at(c, row))].z < t.images[p.slot_of(p.at(c, row - 1))].z) return false;
    }
  }
  return true;
}

// Alike on both tables: the position, Undo's copy while it can be used, the course, every picture's look, and
// (when `drawn_alike`) the order of every two pictures that overlap at window heights from 100 to 700.
void ExpectSameGame(const Table& a, const Table& b, bool drawn_alike) {
  ASSERT_EQ(a.position, b.position);
  ASSERT_EQ(a.course.undo_enabled, b.course.undo_enabled);
  ASSERT_TRUE(!a.course.undo_enabled || a.undo_position == b.undo_position);
  EXPECT_TRUE(a.course.game_state == b.course.game_state && a.course.hints_left == b.course.hints_left &&
              a.course.deal_number == b.course.deal_number && a.count.num_moves == b.count.num_moves &&
              a.options.show_number == b.options.show_number && a.options.cheats == b.options.cheats);
  for (int i = 0; i < kSlotCount; ++i) {
    const Image& x = a.images[i];
    const Image& y = b.images[i];
    ASSERT_TRUE(a.card(i).picture == b.card(i).picture && x.visible == y.visible &&
                x.transparent == y.transparent && x.drag_cursor == y.drag_cursor)
        << "slot " << i;
  }
  for (const int height : {100, 195, 300, 366, 460, 700}) {
    const Layout layout(height);
    for (int i = 0; i < kCardSlots && drawn_alike; ++i) {
      for (int j = i + 1; j < kCardSlots; ++j) {
        const SlotPlace p = layout.PlaceOf(a, i);
        const SlotPlace q = layout.PlaceOf(a, j);
        if (std::abs(p.left - q.left) >= kCardWidth || std::abs(p.top - q.top) >= kCardHeight) continue;
        ASSERT_EQ(a.images[i].z < a.images[j].z, b.images[i].z < b.images[j].z)
            << "slots " << i << " and " << j << " at height " << height;
      }
    }
  }
}

// A player's random action: mostly a drop the game takes, else Undo, a hint, a peek or an option.
void RandomAction(Game& g, std::mt19937 rng) {
  const int pick = std::uniform_int_distribution<int>(0, 19)(rng);
  const LegalDrops drops = g.table.ListLegalDrops();
  if (pick < 14 && drops.count > 0) {
    const LegalDrop& drop = drops[std::uniform_int_distribution<int>(0, drops.count - 1)(rng)];
    g.player.DragAndDrop(drop);
  } else if (pick < 16 && g.table.course.undo_enabled) {
    g.player.UndoLastDrop();
  } else if (pick == 16) {
    g.table.GiveHint();
    g.table.EndHintBlink();  // the blink ends before the next action
  } else if (pick == 17) {
    g.player.ButtonPressed(std::uniform_int_distribution<int>(0, kCardSlots - 1)(rng), MouseButton::kRight);
    g.player.ButtonReleased(MouseButton::kRight);
  } else if (pick == 18) {
    g.player.ToggleShowNumber();
  } else {
    g.player.ToggleTransparency();
  }
}

TEST(KeptGame, AKeptGameGoesOnOnAFreshTableExactlyAsTheGameItWasKeptFrom) {
  VANTREL_RANDOM_SEED(seed);
  std::mt19937 rng(seed);
  int restored = 0;
  int alike = 0;
  for (int game = 0; game < 40; ++game) {
    Game original(std::uniform_int_distribution<std::uint32_t>()(rng));
    original.Deal();
    if (game % 4 == 1) original.player.ToggleShowValid();
    if (game % 4 == 2) original.player.EnableCheats();
    // Kept and restored at random points, then played alongside with the same actions.
    std::unique_ptr<Game> copy;
    bool drawn_alike = true;
    for (int step = 0; step < 60 && original.table.course.game_state == GameState::kInProgress; ++step) {
      if (rng() % 4 == 0) {
        const std::string text = KeptGameText(original.table, kVersion);
        copy = std::make_unique<Game>(original.host.NowSeconds());
        RestoreKeptGame(ReadKeptGame(text, kVersion), copy->table, copy->player);
        drawn_alike = HeadsUp(original.table);
        alike += drawn_alike ? 1 : 0;
        ++restored;
        EXPECT_TRUE(HeadsUp(copy->table));
        ASSERT_NO_FATAL_FAILURE(ExpectSameGame(original.table, copy->table, drawn_alike)) << text;
      }
      const unsigned action = rng();
      RandomAction(original, std::mt19937(action));
      if (!copy) continue;
      RandomAction(*copy, std::mt19937(action));
      ASSERT_NO_FATAL_FAILURE(ExpectSameGame(original.table, copy->table, drawn_alike));
      EXPECT_EQ(copy->table.course.results.wins, original.table.course.results.wins);
    }
    if (copy) {
      copy->table.Deal(DealKind::kRedeal);  // Redo deals the deal of the kept game's number
      EXPECT_EQ(copy->table.position, Position::Deal(original.host.NowSeconds()));
    }
  }
  EXPECT_GT(restored, 100);
  EXPECT_GT(alike, restored / 2);
}

TEST(KeptGame, DamagedForgedAndOtherVersionsTextsAreRefused) {
  // The game of 1700000004 after two drops, the last of which Undo can take back.
  Game g(1700000004);
  g.Deal();
  g.player.DragAndDrop({.moved = 38, .target = 41});
  g.player.DragAndDrop({.moved = 35, .target = 46});
  const std::string good = KeptGameText(g.table, kVersion);
  ASSERT_NO_THROW(ReadKeptGame(good, kVersion));
  // Its first game line is "game column 10C* KD* 9S* KH 5C 4H" (KH dealt face up, 5C not on its
  // next-higher card); Undo's copy has 6C and 5D still in column 4; 35 and 43 are their slots.
  const std::string column = "game column ([^ ]+) ([^ ]+) ([^ ]+) ([^ ]+) ([^ ]+) ([^ ]+)\n";
  struct Case {
    const char* what;
    std::string pattern;
    std::string replacement;
    KeptGameFault fault;
  };
  const Case cases[] = {
      {"cut short", "before reserve[^]*", "", KeptGameFault::kDamaged},
      {"more after its end", "end\n", "end\nend\n", KeptGameFault::kDamaged},
      {"a line of another", "hints", "hint", KeptGameFault::kDamaged},
      {"two spaces", "deal ", "deal  ", KeptGameFault::kDamaged},
      {"four hints", "hints 3", "hints 4", KeptGameFault::kDamaged},
      {"an option of 2", "options 1", "options 2", KeptGameFault::kDamaged},
      {"no card", "4H\n", "4H XS\n", KeptGameFault::kDamaged},
      {"Undo's copy left out", "undo 1", "undo 0", KeptGameFault::kDamaged},
      {"another version", "version 1.0.0.1", "version 1.0.0.2", KeptGameFault::kOtherVersion},
      {"another format", "game 1\n", "game 2\n", KeptGameFault::kOtherVersion},
      {"a card twice", column, "game column $1 $2 $3 $4 $5 $6 $1\n", KeptGameFault::kForged},
      {"a card missing", column, "game column $1 $2 $3 $4 $5\n", KeptGameFault::kForged},
      {"an uppermost card face down", column, "game column $1 $2 $3 $4 $5 $6*\n", KeptGameFault::kForged},
      {"a card dealt face up face down", column, "game column $1 $2 $3 $4* $5 $6\n", KeptGameFault::kForged},
      {"another deal's cards", "deal 1700000004", "deal 1700000005", KeptGameFault::kForged},
      {"a moved card out of place", "game moved", "game moved 5C", KeptGameFault::kForged},
      {"Undo's copy not one drop before", "before moved 5H", "before moved", KeptGameFault::kForged},
      {"a slot stacked twice", "stack 59", "stack 58", KeptGameFault::kForged},
      {"a blank spot above a card", "stack 59 ([0-9 ]+)\n", "stack $1 59\n", KeptGameFault::kForged},
      {"a column drawn top down", " 35 43\n", " 43 35\n", KeptGameFault::kForged},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string text = std::regex_replace(good, std::regex(c.pattern), c.replacement,
                                                std::regex_constants::format_first_only);
    ASSERT_NE(text, good);
    try {
      ReadKeptGame(text, kVersion);
      ADD_FAILURE() << "taken:\n" << text;
    } catch (const KeptGameRefused& refused) {
      EXPECT_EQ(refused.fault(), c.fault) << refused.what();
    }
  }
  // Cut off anywhere, it is refused.
  for (std::size_t length = 0; length < good.size(); length += 7)
    EXPECT_THROW(ReadKeptGame(good.substr(0, length), kVersion), KeptGameRefused) << length;
}

}  // namespace
}  // namespace vantrel::testing
