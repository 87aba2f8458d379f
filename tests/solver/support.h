// Helpers of the solver tests: the game core as the judge, random play through it, crafted layouts and a
// brute-force search that knows nothing of the solver.
#pragma once

#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "interaction/interaction.h"
#include "platform/scripted_host.h"
#include "table/move_text.h"
#include "table/table.h"

namespace vantrel::solver_testing {

// A table, its player and the host that records what they show.
struct Game {
  explicit Game(std::uint32_t seed = 1700000000) : host(seed), table(host), player(table) {}
  void Deal() { table.Deal(DealKind::kNew); }

  platform::ScriptedHost host;
  Table table;
  Interaction player;
};

// Every drop the core accepts on this table, as (moved slot, slot that really receives it).
std::set<std::pair<int, int>> CoreDrops(const Table& table);

// Makes one drop through the core.
void DropThroughCore(Game& game, Drop drop);

// Whether the last thing the game said was "You Win!".
bool SaidYouWin(const platform::ScriptedHost& host);

// Lays out an exact position on a table that has dealt: `columns[k]` lists column k+1 from its head up,
// each card as "7H" (face up) or "7H*" (face down); `reserve` the cards still in the reserve row. Every
// card must be listed once. Reserve cards take slots 48.. in order; the slots of the reserve row left over
// go to column cards lying on their next-higher card (or Kings heading a column), as in a real game, so a
// layout needs enough of those. Recounts the moves, and leaves the game in progress unless the count is 0.
void LayOut(Game& game, const std::vector<std::vector<std::string>>& columns,
            const std::vector<std::string>& reserve = {});

// A random layout close to the end of a game: every suit is cut into a few runs (each run lies in order,
// King to Ace within the run), the runs lie stacked at random in the eight columns and a few single cards
// in the reserve row, and some covered cards are face down. About `loose` cards are out of place.
struct Layout {
  std::vector<std::vector<std::string>> columns;
  std::vector<std::string> reserve;
};
Layout RandomLayout(std::mt19937& rng, int loose);

// Decides the position on the table by trying every drop the core accepts, remembering layouts seen.
// True if a sequence of drops reaches "You Win!". Knows nothing of the solver. `limit` bounds the layouts
// visited; *exhausted is set when it was reached (the answer is then meaningless).
bool BruteForceWinnable(Game& game, std::size_t limit, bool* exhausted);

// The text of a card, "7H".
std::string CardText(int suit, int number);

}  // namespace vantrel::solver_testing
