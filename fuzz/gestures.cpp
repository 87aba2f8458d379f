// The game core under any sequence of the player's gestures: drags between any slots (covered, face-down and
// invalid ones, the bare table), drops, undo, New, Redo and their questions, hints and the hint timer, peeks,
// the option switches and window heights. After every step the invariants that always hold are checked.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "interaction/interaction.h"
#include "interaction/layout.h"
#include "platform/scripted_host.h"
#include "table/table.h"

namespace vantrel {
namespace {

[[noreturn]] void Broken(const char* what, int detail = 0) {
  std::fprintf(stderr, "fuzz_gestures: %s (%d)\n", what, detail);
  std::abort();
}

// The listed drops are exactly those the rule accepts on a column (each column's blank spot standing for it),
// each landing where a drop on that column lands, and the count's share of them the face-up cards' drops.
void CheckLegalDrops(const Table& t) {
  std::array<std::array<bool, kSlotCount>, kCardSlots> listed{};
  for (const LegalDrop& drop : t.ListLegalDrops()) {
    if (!IsCardSlot(drop.moved) || drop.target < 0 || drop.target >= kSlotCount)
      Broken("a drop out of range");
    if (listed[drop.moved][drop.target]) Broken("a drop listed twice", drop.moved);
    listed[drop.moved][drop.target] = true;
    if (drop.counted != !t.card(drop.moved).back_up) Broken("a drop counted wrongly", drop.moved);
  }
  for (int m = 0; m < kCardSlots; ++m) {
    for (int b = kBlankFirst; b < kSlotCount; ++b) {
      const int landing = t.LandingSlot(b);
      if (t.IsValidMove({.moved = m, .target = b}) != listed[m][landing])
        Broken("the listed drops differ from the rule", m);
      listed[m][landing] = false;
    }
    for (int s = 0; s < kSlotCount; ++s) {
      if (listed[m][s]) Broken("a listed drop the rule refuses", m);
    }
  }
}

void CheckInvariants(const Table& t, const Layout& layout, bool dealt) {
  if (!dealt) return;
  std::array<bool, 52> seen{};
  for (int i = 0; i < kCardSlots; ++i) {
    const Card c = t.card(i);
    if (c.suit < 1 || c.suit > 4 || c.number < 1 || c.number > 13) Broken("a card out of range", i);
    const int face = FacePicture(c.suit, c.number);
    if (seen[static_cast<std::size_t>(face)]) Broken("a card twice", face);
    seen[static_cast<std::size_t>(face)] = true;
    if (c.col < 1 || c.col > 12) Broken("a column out of range", i);
    const int shown = c.back_up ? kBackPicture : face;
    if (c.picture != shown) Broken("a picture that is not the card's face or back", i);
  }
  // Every column is a gapless chain from its head down, its last card the only one on top, and no face-down
  // card lies uncovered.
  for (int col = 1; col <= 8; ++col) {
    std::array<int, kCardSlots> at_row{};
    at_row.fill(-1);
    int rows = 0;
    for (int i = 0; i < kCardSlots; ++i) {
      if (t.card(i).col != col) continue;
      const SlotPlace place = layout.PlaceOf(t, i);
      const int row = (place.top - kHeadTop) / kRowStep;
      if (place.top < kHeadTop || (place.top - kHeadTop) % kRowStep != 0 || row >= kCardSlots) {
        Broken("a card off its column's rows", i);
      }
      if (at_row[static_cast<std::size_t>(row)] >= 0) Broken("two cards in one place", i);
      at_row[static_cast<std::size_t>(row)] = i;
      rows = std::max(rows, row + 1);
    }
    for (int row = 0; row < rows; ++row) {
      const int i = at_row[static_cast<std::size_t>(row)];
      if (i < 0) Broken("a gap in a column", col);
      const bool last = row == rows - 1;
      if (t.card(i).ontop != last) Broken("ontop is not the column's last card", i);
      if (last && t.card(i).back_up) Broken("a face-down card lies uncovered", i);
      if (layout.PlaceOf(t, at_row[0]).left != layout.PlaceOf(t, i).left) Broken("a column out of line", i);
    }
  }
  // The count is the listed drops of face-up cards, less the King discount.
  int counted = 0;
  for (const LegalDrop& drop : t.count.drops) counted += drop.counted ? 1 : 0;
  if (t.count.raw_moves != counted) Broken("the move count differs from the listed drops", t.count.raw_moves);
  if (t.count.num_moves != counted && t.count.num_moves != 0) Broken("a discount that is not all or nothing");
  // Moves stay possible once a game has ended and may enable Undo again; before the first deal it cannot be.
  if (t.course.undo_enabled && t.course.game_state == GameState::kNoDeal)
    Broken("Undo enabled before a deal");
  if (t.course.hint_card < 0 || t.course.hint_card >= kSlotCount)
    Broken("the hint card out of range", t.course.hint_card);
  if (t.course.hints_left < 0 || t.course.hints_left > kStartingHints)
    Broken("hints out of range", t.course.hints_left);
  CheckLegalDrops(t);
  const Results& r = t.course.results;
  if (r.wins < 0 || r.losses < 0 || r.win_streak < 0 || r.lose_streak < 0 || r.streak_count < 0) {
    Broken("a negative counter");
  }
}

// The slots as the position shows them: all that Undo restores.
struct Snapshot {
  std::array<Card, kCardSlots> cards;
  explicit Snapshot(const Table& t) {
    for (int i = 0; i < kCardSlots; ++i) cards[static_cast<std::size_t>(i)] = t.card(i);
  }
  bool operator==(const Snapshot& other) const = default;
};

}  // namespace
}  // namespace vantrel

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vantrel;
  if (size < 4) return 0;
  platform::ScriptedHost host(1700000000u + data[0] * 977u + data[1]);
  Table table(host);
  Interaction player(table);
  bool dealt = false;
  Layout layout;
  int source = -1;                             // the drag under way
  std::array<Card, kCardSlots> before_drop{};  // the slots before the last drop that can be undone
  bool undo_known = false;
  std::size_t at = 2;
  auto next = [&]() -> unsigned { return at < size ? data[at++] : 0u; };
  while (at < size) {
    const unsigned op = next() % 17;
    const unsigned arg = next();
    switch (op) {
      case 0:  // press on any card: a drag begins
        if (source < 0 && dealt) {
          source = static_cast<int>(arg % kCardSlots);
          player.StartDrag(source);
        }
        break;
      case 1:    // release over any slot: the drop where the pointer showed acceptance
      case 2: {  // release over the bare table
        if (source < 0) break;
        const int target = op == 2 ? kBareTable : static_cast<int>(arg % kSlotCount);
        if (target != kBareTable && player.OffersDrop({.moved = source, .target = target})) {
          const int landing = table.LandingSlot(target);
          const ColumnList riders = table.CardsAbove(source);
          const bool valid = table.IsValidMove({.moved = source, .target = target});
          const Snapshot snapshot(table);
          player.DropCard({.moved = source, .target = target});
          if (!valid && !(Snapshot(table) == snapshot)) Broken("a refused drop changed the table", source);
          if (valid) {
            // The card lands on the landing slot's card (a blank spot: at the head), its riders on it in
            // order.
            const Card moved = table.card(source);
            const int landed_on = IsBlankSpot(landing) ? 0 : layout.PlaceOf(table, landing).top;
            if (layout.PlaceOf(table, source).top != landed_on + kRowStep ||
                moved.col != table.card(landing).col) {
              Broken("a card that did not land where it was dropped", source);
            }
            int top = layout.PlaceOf(table, source).top;
            for (int rider : riders) {
              top += kRowStep;
              if (layout.PlaceOf(table, rider).top != top || table.card(rider).col != moved.col) {
                Broken("a rider left behind", rider);
              }
            }
            before_drop = snapshot.cards;
            undo_known = true;
          }
        }
        player.EndDrag();
        source = -1;
        break;
      }
      case 3:  // Undo, as the menu item allows it
        if (table.course.undo_enabled) {
          player.UndoLastDrop();
          Snapshot restored(table);
          Snapshot expected(table);
          expected.cards = before_drop;
          if (undo_known && !(restored == expected))
            Broken("Undo did not restore the layout before the drop");
        }
        break;
      case 4:  // New or Redo, the question answered as the input says
      case 5:
        host.QueueAnswer(arg % 2 == 0);
        table.Deal(op == 4 ? DealKind::kNew : DealKind::kRedeal);
        dealt = true;
        undo_known = false;
        break;
      case 6:
        table.GiveHint();
        break;
      case 7:
        if (table.ui.hint_blinking) table.EndHintBlink();
        break;
      case 8:
        if (dealt || arg % 2) player.ButtonPressed(static_cast<int>(arg % kSlotCount), MouseButton::kRight);
        break;
      case 9:
        player.ButtonReleased(MouseButton::kRight);
        break;
      case 10:
        player.ToggleShowValid();
        break;
      case 11:
        player.ToggleShowNumber();
        break;
      case 12:
        player.ToggleTransparency();
        break;
      case 13:
        player.EnableCheats();
        break;
      case 14:
        if (table.options.cheats) table.ShowAllMoves();
        break;
      case 15:  // a window height from far too small to far too tall
        layout = Layout(static_cast<int>(arg * 5));
        break;
      default:
        player.ShowHelp();
        break;
    }
    CheckInvariants(table, layout, dealt);
    host.messages.clear();
  }
  return 0;
}
