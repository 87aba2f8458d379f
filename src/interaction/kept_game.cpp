// The kept game's text, line by line in a fixed order (cards by name, "*" after a face-down one):
//
//   Vantrel kept game 1
//   version 1.0.0.1
//   deal 1700000000
//   hints 2
//   options 1 1 1 0          show valid moves, show the number of moves, transparency, cheats
//   undo 1                   whether Undo is enabled; its copy follows as "before" lines only then
//   game column 7C* 2D* JS   eight lines, columns 1 to 8 from the head up
//   game reserve 5H - KC 3S  the reserve row's four places, "-" for an empty one
//   game moved QD 9S         the cards moved since the deal
//   before column ...        (the same three kinds of line for Undo's copy)
//   stack 52 53 ... 0 8 16   the 60 slots back to front, as they are drawn
//   end
#include "interaction/kept_game.h"

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

#include "table/card_names.h"
#include "table/decimal_text.h"

namespace vantrel {
namespace {

constexpr std::string_view kHeader = "Vantrel kept game";
constexpr std::string_view kFormat = "1";

std::string CardName(int code) {
  return std::string(RankName(NumberOf(code))) + std::string(SuitLetter(SuitOf(code)));
}

void WritePosition(std::string& out, std::string_view name, const Position& p) {
  for (int c = 0; c < kColumns; ++c) {
    out += std::string(name) + " column";
    for (int row = 0; row < p.height(c); ++row) {
      const int code = p.at(c, row);
      out += ' ' + CardName(code) + (p.face_down(code) ? "*" : "");
    }
    out += '\n';
  }
  out += std::string(name) + " reserve";
  std::array<int, kReservePlaces> reserve;
  reserve.fill(kNoCard);
  for (int code = 0; code < kDeck; ++code) {
    if (p.column_of(code) == kInReserve) reserve[p.row_of(code)] = code;
  }
  for (const int code : reserve) out += ' ' + (code == kNoCard ? std::string("-") : CardName(code));
  out += '\n' + std::string(name) + " moved";
  for (std::uint64_t cards = p.moved(); cards != 0; cards &= cards - 1)
    out += ' ' + CardName(std::countr_zero(cards));
  out += '\n';
}

[[noreturn]] void Refuse(KeptGameFault fault, const std::string& detail) {
  throw KeptGameRefused(fault, detail);
}

// The text's lines, each split into words at single spaces, read in order.
class Lines {
 public:
  explicit Lines(std::string_view text) {
    while (!text.empty()) {
      const std::size_t end = text.find('\n');
      if (end == std::string_view::npos) Refuse(KeptGameFault::kDamaged, "it is cut short");
      const std::string_view line = text.substr(0, end);
      std::vector<std::string_view> words;
      for (std::size_t start = 0;;) {
        const std::size_t space = line.find(' ', start);
        words.push_back(line.substr(start, space - start));
        if (words.back().empty())
          Refuse(KeptGameFault::kDamaged, "line " + std::to_string(lines_.size() + 1) + " is not as written");
        if (space == std::string_view::npos) break;
        start = space + 1;
      }
      lines_.push_back(std::move(words));
      text.remove_prefix(end + 1);
    }
  }

  // The next line, which must begin with the words of `key` and have `count` more words (any number when
  // negative); the words after the key.
  std::vector<std::string_view> Next(std::string_view key, int count = 1) {
    const std::size_t line = next_ + 1;
    if (next_ >= lines_.size())
      Refuse(KeptGameFault::kDamaged, std::string("it ends before \"").append(key).append("\""));
    const std::vector<std::string_view>& words = lines_[next_++];
    const auto key_words = static_cast<std::size_t>(std::count(key.begin(), key.end(), ' ') + 1);
    std::string found;
    for (std::size_t k = 0; k < key_words && k < words.size(); ++k) {
      if (k > 0) found += ' ';
      found += words[k];
    }
    if (found != key || (count >= 0 && words.size() != key_words + static_cast<std::size_t>(count))) {
      Refuse(KeptGameFault::kDamaged,
             "line " + std::to_string(line) + " is not \"" + std::string(key) + "\" as written");
    }
    return {words.begin() + static_cast<std::ptrdiff_t>(key_words), words.end()};
  }
  bool AtEnd() const { return next_ == lines_.size(); }

 private:
  std::vector<std::vector<std::string_view>> lines_;
  std::size_t next_ = 0;
};

std::uint64_t Number(std::string_view word, std::uint64_t max, const char* what) {
  const std::optional<std::uint64_t> value = ParseDecimal(word, max);
  if (!value)
    Refuse(KeptGameFault::kDamaged,
           std::string(what) + " \"" + std::string(word) + "\" is not a number up to " + std::to_string(max));
  return *value;
}

int CardCodeOf(std::string_view name) {
  for (int code = 0; code < kDeck; ++code) {
    if (CardName(code) == name) return code;
  }
  std::string why = "\"";
  why.append(name).append("\" is not a card");
  Refuse(KeptGameFault::kDamaged, why);
}

// A position of the deal `dealt`, read from its lines and checked as ReadKeptGame says.
Position ReadPosition(Lines& lines, const std::string& name, const Position& dealt) {
  std::array<std::vector<std::uint8_t>, kColumns> columns;
  std::uint64_t face_down = 0;
  for (auto& column : columns) {
    for (std::string_view word : lines.Next(name + " column", -1)) {
      const bool down = word.ends_with('*');
      if (down) word.remove_suffix(1);
      const int code = CardCodeOf(word);
      if (down) face_down |= Bit(code);
      column.push_back(static_cast<std::uint8_t>(code));
    }
  }
  std::array<std::uint8_t, kReservePlaces> reserve;
  const std::vector<std::string_view> places = lines.Next(name + " reserve", kReservePlaces);
  for (int k = 0; k < kReservePlaces; ++k) {
    reserve[k] = places[k] == "-" ? kNoCard : static_cast<std::uint8_t>(CardCodeOf(places[k]));
  }
  std::uint64_t moved = 0;
  for (const std::string_view word : lines.Next(name + " moved", -1)) moved |= Bit(CardCodeOf(word));

  std::array<std::uint8_t, kDeck> slots;
  for (int code = 0; code < kDeck; ++code) slots[code] = static_cast<std::uint8_t>(dealt.slot_of(code));
  Position p;
  try {
    p = Position::Arrange(columns, reserve, face_down, slots, moved);
  } catch (const std::invalid_argument& error) {
    Refuse(KeptGameFault::kForged, error.what());
  }
  if (const std::string why = p.WhyUnreachable(); !why.empty()) Refuse(KeptGameFault::kForged, why);
  for (int code = 0; code < kDeck; ++code) {
    if (p.face_down(code) && !dealt.face_down(code))
      Refuse(KeptGameFault::kForged, CardName(code) + " lies face down but was dealt face up");
    if ((moved & Bit(code)) == 0) continue;
    const int col = p.column_of(code);
    const int row = p.row_of(code);
    const bool in_place =
        col < kColumns && (row == 0 ? IsKing(code) : !IsKing(code) && p.at(col, row - 1) == code + 1);
    if (!in_place)
      Refuse(KeptGameFault::kForged,
             CardName(code) +
                 " was moved but lies neither on its next-higher card nor as a King at a column's head");
  }
  if (p.Judge() != Outcome::kGoesOn)
    Refuse(KeptGameFault::kForged, "the " + name + " layout has no game left under way");
  return p;
}

constexpr std::array<int, kSlotCount> kAllSlots = [] {
  std::array<int, kSlotCount> slots{};
  for (int i = 0; i < kSlotCount; ++i) slots[i] = i;
  return slots;
}();

// The stacking order with each column's cards put in their column's order, head first, on the places the
// column's cards take in it; the other slots stay where they are.
std::array<int, kSlotCount> HeadsUp(std::array<int, kSlotCount> order, const Position& p) {
  for (int c = 0; c < kColumns; ++c) {
    int row = 0;
    for (int& slot : order) {
      if (slot < kCardSlots && p.column_of(p.card_at(slot)) == c) slot = p.slot_of(p.at(c, row++));
    }
  }
  return order;
}

// Whether one drop the game accepts in `before`, turning no card over, leads to `after`.
// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): before and after, two positions in the order of play
bool OneDropApart(const Position& before, const Position& after) {
  MoveList moves;
  before.Moves(moves);
  for (int i = 0; i < moves.size(); ++i) {
    Position p = before;
    if (p.Apply(moves[i]).turned == kNoCard && p == after) return true;
  }
  return false;
}

}  // namespace

std::string KeptGameText(const Table& table, std::string_view version) {
  const GameCourse& course = table.course;
  const ViewOptions& o = table.options;
  std::string out = std::string(kHeader) + ' ' + std::string(kFormat) + '\n';
  out += "version " + std::string(version) + '\n';
  out += "deal " + std::to_string(course.deal_number) + '\n';
  out += "hints " + std::to_string(course.hints_left) + '\n';
  out += "options";
  for (const bool option : {o.show_valid, o.show_number, o.use_transparency, o.cheats})
    out += option ? " 1" : " 0";
  out += "\nundo " + std::string(course.undo_enabled ? "1" : "0") + '\n';
  WritePosition(out, "game", table.position);
  if (course.undo_enabled) WritePosition(out, "before", table.undo_position);
  out += "stack";
  for (const int slot : HeadsUp(table.StackingOrder(), table.position)) out += ' ' + std::to_string(slot);
  return out + "\nend\n";
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the text, then the version it must name
KeptGame ReadKeptGame(std::string_view text, std::string_view version) {
  Lines lines(text);
  if (lines.AtEnd()) Refuse(KeptGameFault::kDamaged, "it is empty");
  const std::vector<std::string_view> header = lines.Next(kHeader, -1);
  if (header.size() != 1) Refuse(KeptGameFault::kDamaged, "it does not begin as a kept game");
  if (header[0] != kFormat)
    Refuse(KeptGameFault::kOtherVersion, "it is a kept game of format " + std::string(header[0]));
  const std::string_view kept_by = lines.Next("version")[0];
  if (kept_by != version)
    Refuse(KeptGameFault::kOtherVersion, "it was kept by version " + std::string(kept_by));

  KeptGame game;
  game.deal_number = static_cast<std::uint32_t>(Number(lines.Next("deal")[0], 0xFFFFFFFFu, "the deal"));
  game.hints_left = static_cast<int>(Number(lines.Next("hints")[0], kStartingHints, "the hints left"));
  const std::vector<std::string_view> options = lines.Next("options", 4);
  std::array<bool, 4> on;
  for (std::size_t k = 0; k < on.size(); ++k) on[k] = Number(options[k], 1, "an option") == 1;
  game.options = {.show_valid = on[0], .show_number = on[1], .use_transparency = on[2], .cheats = on[3]};
  const bool undo = Number(lines.Next("undo")[0], 1, "Undo") == 1;
  const Position dealt = Position::Deal(game.deal_number);
  game.position = ReadPosition(lines, "game", dealt);
  if (undo) {
    game.before_last_drop = ReadPosition(lines, "before", dealt);
    if (!OneDropApart(*game.before_last_drop, game.position))
      Refuse(KeptGameFault::kForged, "Undo's layout is not the one before the last drop");
  }
  const std::vector<std::string_view> stack = lines.Next("stack", kSlotCount);
  std::array<int, kSlotCount> order;
  for (int k = 0; k < kSlotCount; ++k) {
    order[k] = static_cast<int>(Number(stack[k], kSlotCount - 1, "a slot"));
    game.stack[k] = static_cast<std::uint8_t>(order[k]);
  }
  constexpr int kBlankSpots = kSlotCount - kBlankFirst;
  if (!std::is_permutation(order.begin(), order.end(), kAllSlots.begin()) ||
      !std::is_permutation(order.begin(), order.begin() + kBlankSpots, kAllSlots.begin() + kBlankFirst) ||
      HeadsUp(order, game.position) != order)
    Refuse(KeptGameFault::kForged, "the cards are stacked as the game never draws them");
  lines.Next("end", 0);
  if (!lines.AtEnd()) Refuse(KeptGameFault::kDamaged, "more follows its end");
  return game;
}

void RestoreKeptGame(const KeptGame& game, Table& table, Interaction& player) {
  table.position = game.position;
  table.ui.raised = 0;
  table.undo_position = game.before_last_drop.value_or(game.position);
  GameCourse& course = table.course;
  course.deal_number = game.deal_number;
  course.game_state = GameState::kInProgress;
  course.hints_left = game.hints_left;
  course.undo_enabled = game.before_last_drop.has_value();
  const ViewOptions& now = table.options;
  if (game.options.show_valid != now.show_valid) player.ToggleShowValid();
  if (game.options.show_number != now.show_number) player.ToggleShowNumber();
  if (game.options.use_transparency != now.use_transparency) player.ToggleTransparency();
  if (game.options.cheats && !now.cheats) player.EnableCheats();

  for (const int slot : game.stack) table.BringToFront(slot);
  for (Image& image : table.images) image.visible = true;
  table.FindMoves();
}

}  // namespace vantrel
