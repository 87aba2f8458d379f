// Shared helpers of the core tests: a table with a scripted host, and ways to lay out exact positions.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "interaction/interaction.h"
#include "interaction/layout.h"
#include "platform/scripted_host.h"
#include "table/controls.h"
#include "table/table.h"

namespace vantrel::testing {

// A table, its player and the host that records what they show.
struct Game {
  explicit Game(std::uint32_t now = 1700000000, Layout window = Layout())
      : host(now), table(host), player(table), layout(window) {}
  void Deal() { table.Deal(DealKind::kNew); }

  platform::ScriptedHost host;
  Table table;
  Interaction player;
  Layout layout;  // where the window of the game's height shows the slots
};

// A card written as in the listing: "7H", "10S", "KD".
struct CardId {
  int suit;
  int number;
};
CardId ParseCard(const std::string& text);

// The slot holding a card identity, or -1.
int SlotOf(const Table& table, const std::string& card);

// Lays out an exact position on a dealt table: `columns[k]` lists column k+1 from its head up, each card as
// "7H" (face up) or "7H*" (face down); `reserve` the cards left in the reserve row (in places 9.. in order).
// Cards not listed are out of play: face down, hidden, in no column. Recounts the moves afterwards.
void LayOut(Table& table, std::initializer_list<std::initializer_list<const char*>> columns,
            std::initializer_list<const char*> reserve = {});

}  // namespace vantrel::testing
