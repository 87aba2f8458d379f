// A game kept when the window closes, as text, and put back on the table at the next start: every card and
// whether it lies face down, what Undo would restore, the hints left, the deal's number, the view options and
// the order in which the cards are drawn. A text that is damaged, from another version or holds a layout the
// game could not have reached is refused.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "interaction/interaction.h"
#include "table/table.h"

namespace vantrel {

struct KeptGame {
  std::uint32_t deal_number = 0;
  Position position;
  std::optional<Position> before_last_drop;  // Undo's copy, kept while Undo is enabled
  int hints_left = kStartingHints;
  ViewOptions options;
  std::array<std::uint8_t, kSlotCount> stack{};  // the slots back to front, as they were drawn
};

// Why a kept game is refused.
enum class KeptGameFault {
  kDamaged,       // not a kept game's text, or cut short
  kOtherVersion,  // kept by another version of the game
  kForged,        // a card twice or missing, or a layout the game could not have reached
};

class KeptGameRefused : public std::runtime_error {
 public:
  KeptGameRefused(KeptGameFault fault, const std::string& detail)
      : std::runtime_error(detail), fault_(fault) {}
  KeptGameFault fault() const { return fault_; }

 private:
  KeptGameFault fault_;
};

// The game under way on the table as a kept game's text, marked with the program's `version`. Its stacking
// order draws every column from its head up (as the game does but while a peek raises a covered card).
std::string KeptGameText(const Table& table, std::string_view version);
// The kept game in `text`, which must be one written by `version`; throws KeptGameRefused. Besides its form
// it checks that the layout is one of its deal's (the cards in its slots, face down only where dealt face
// down), one the game could reach (Position::WhyUnreachable, each moved card on its next-higher card or a
// King heading a column) and one whose game goes on, that Undo's copy is the layout before one drop that
// turned no card over and led to it, and that the stacking order holds every slot once, the blank spots at
// the back and every column drawn from its head up.
KeptGame ReadKeptGame(std::string_view text, std::string_view version);
// Puts the game on the table as it was left: the game under way, its count made, every card shown and drawn
// in the kept order. The options are switched through the player's own commands.
void RestoreKeptGame(const KeptGame& game, Table& table, Interaction& player);

}  // namespace vantrel
