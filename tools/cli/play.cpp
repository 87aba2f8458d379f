// `deal` and `play`: replays a deal and a sequence of drops exactly as the game would, and reports the
// table as JSON.
#include <iostream>
#include <optional>
#include <variant>
#include <vector>

#include "commands.h"
#include "interaction/interaction.h"
#include "interaction/layout.h"
#include "json.h"
#include "platform/scripted_host.h"
#include "solver_args.h"
#include "table/controls.h"
#include "table/decimal_text.h"
#include "table/move_text.h"
#include "table/table.h"

namespace vantrel::cli {
namespace {

constexpr std::uint64_t kMaxHeight = 2147483647u;

struct UndoAction {};
struct HintAction {};
using Action = std::variant<Drop, UndoAction, HintAction>;

struct PlayArgs {
  std::uint32_t seed = 0;
  int height = kDesignHeight;
  std::vector<Action> actions;
};

PlayArgs ParsePlayArgs(std::span<const std::string_view> args, bool allow_actions) {
  PlayArgs parsed;
  if (args.empty()) throw MissingArgument("SEED");
  parsed.seed = ParseSeed(args[0]);
  std::size_t next = 1;
  if (args.size() > 1 && args[1] == "--height") {
    if (args.size() < 3) throw MissingArgument("H after --height");
    const auto height = ParseDecimal(args[2], kMaxHeight);
    if (!height) throw BadArgument(args[2], "H is a whole number 0..2147483647");
    parsed.height = static_cast<int>(*height);
    next = 3;
  }
  for (; next < args.size(); ++next) {
    const std::string_view arg = args[next];
    if (!allow_actions) throw BadArgument(arg, "deal takes SEED [--height H] only");
    if (arg == "undo") {
      parsed.actions.emplace_back(UndoAction{});
    } else if (arg == "hint") {
      parsed.actions.emplace_back(HintAction{});
    } else if (const auto drop = ParseDrop(arg)) {
      parsed.actions.emplace_back(*drop);
    } else {
      throw BadArgument(arg, "an action is M>T (M 0..51, T 0..59), undo or hint");
    }
  }
  return parsed;
}

std::string Report(const PlayArgs& args, const Table& t, const platform::ScriptedHost& host) {
  Json j;
  j.BeginObject();
  j.Key("seed").Value(static_cast<unsigned long long>(args.seed)).Key("height").Value(args.height);
  j.Key("game_state").Value(static_cast<int>(t.course.game_state));
  j.Key("num_moves").Value(t.count.num_moves).Key("raw_moves").Value(t.count.raw_moves);
  j.Newline().Key("moves").BeginArray();
  for (const LegalDrop& drop : t.count.drops) {
    if (!drop.counted) continue;
    const MoveEntry e = t.Describe(drop);
    j.BeginArray().Value(e.moved_number).Value(e.moved_suit).Value(e.target_number).Value(e.target_suit);
    j.Value(e.slot).EndArray();
  }
  j.EndArray();
  const Controls controls = ControlsOf(t);
  j.Newline().Key("label").Value(controls.num_moves_caption).Key("undo_enabled").Value(controls.undo_enabled);
  j.Key("hints_left").Value(t.course.hints_left);
  j.Newline().Key("messages").BeginArray();
  for (const std::string& m : host.messages) j.Value(m);
  j.EndArray();
  const Results& r = t.course.results;
  j.Newline().Key("results").BeginObject();
  j.Key("wins").Value(r.wins).Key("losses").Value(r.losses).Key("streak_kind").Value(r.streak_kind);
  j.Key("streak_count").Value(r.streak_count).Key("win_streak").Value(r.win_streak);
  j.Key("lose_streak").Value(r.lose_streak).EndObject();
  j.Newline().Key("slots").BeginArray();
  const Layout layout(args.height);
  for (int i = 0; i < kSlotCount; ++i) {
    const Card c = t.card(i);
    const SlotPlace place = layout.PlaceOf(t, i);
    j.Newline().BeginObject();
    j.Key("slot").Value(i).Key("suit").Value(c.suit).Key("number").Value(c.number);
    j.Key("back_up").Value(c.back_up).Key("ontop").Value(c.ontop).Key("col").Value(c.col);
    j.Key("left").Value(place.left).Key("top").Value(place.top).Key("visible").Value(t.images[i].visible);
    j.EndObject();
  }
  j.EndArray().EndObject();
  return j.str();
}

int Run(std::span<const std::string_view> args, bool allow_actions) {
  const PlayArgs parsed = ParsePlayArgs(args, allow_actions);
  platform::ScriptedHost host(parsed.seed);
  Table table(host);
  Interaction player(table);
  table.Deal(DealKind::kNew);
  for (const Action& action : parsed.actions) {
    // The actions are further apart than a hint's blink: a hinted card shows again before the next one.
    if (table.ui.hint_blinking) table.EndHintBlink();
    if (const Drop* drop = std::get_if<Drop>(&action)) {
      player.DragAndDrop(*drop);
    } else if (std::holds_alternative<HintAction>(action)) {
      table.GiveHint();                      // its pick seeded by the clock, which reads SEED
    } else if (table.course.undo_enabled) {  // a disabled menu item does nothing
      player.UndoLastDrop();
    }
  }
  std::cout << Report(parsed, table, host) << '\n';
  return 0;
}

}  // namespace

int DealMain(std::span<const std::string_view> args) { return Run(args, false); }
int PlayMain(std::span<const std::string_view> args) { return Run(args, true); }

}  // namespace vantrel::cli
