// The solver tests' helpers: the core as judge, crafted layouts and a brute-force search over the core.
#include "support.h"

#include <algorithm>
#include <stdexcept>

#include "table/card_names.h"

namespace vantrel::solver_testing {
namespace {

struct Parsed {
  int suit = 0;
  int number = 0;
  bool face_down = false;
};

Parsed ParseCard(const std::string& text) {
  Parsed card;
  std::string body = text;
  if (!body.empty() && body.back() == '*') {
    card.face_down = true;
    body.pop_back();
  }
  if (body.size() < 2) throw std::invalid_argument("not a card: " + text);
  const std::string rank = body.substr(0, body.size() - 1);
  const std::string suit = body.substr(body.size() - 1);
  for (int n = 1; n <= 13; ++n) {
    if (RankName(n) == rank) card.number = n;
  }
  for (int s = 1; s <= 4; ++s) {
    if (SuitLetter(s) == suit) card.suit = s;
  }
  if (card.number == 0 || card.suit == 0) throw std::invalid_argument("not a card: " + text);
  return card;
}

}  // namespace

std::string CardText(int suit, int number) {
  return std::string(RankName(number)) + std::string(SuitLetter(suit));
}

std::set<std::pair<int, int>> CoreDrops(const Table& table) {
  std::set<std::pair<int, int>> drops;
  for (const LegalDrop& drop : table.ListLegalDrops()) drops.emplace(drop.moved, drop.target);
  return drops;
}

void DropThroughCore(Game& game, Drop drop) { game.player.DragAndDrop(drop); }

bool SaidYouWin(const platform::ScriptedHost& host) {
  return !host.messages.empty() && host.messages.back() == "You Win!";
}

void LayOut(Game& game, const std::vector<std::vector<std::string>>& columns,
            const std::vector<std::string>& reserve) {
  Table& table = game.table;
  if (columns.size() > 8 || reserve.size() > 4)
    throw std::invalid_argument("too many columns or reserve cards");
  struct Place {
    Parsed card;
    int col;  // 1..8, or 9.. for the reserve
    int row;
    int slot = -1;
  };
  std::vector<Place> places;
  bool used[52] = {};
  auto add = [&](const std::string& text, int col, int row) {
    const Parsed card = ParseCard(text);
    const int code = (card.suit - 1) * 13 + card.number - 1;
    if (used[code]) throw std::invalid_argument("card twice: " + text);
    used[code] = true;
    places.push_back({card, col, row});
  };
  for (std::size_t c = 0; c < columns.size(); ++c) {
    for (std::size_t r = 0; r < columns[c].size(); ++r)
      add(columns[c][r], static_cast<int>(c) + 1, static_cast<int>(r));
  }
  for (std::size_t k = 0; k < reserve.size(); ++k) add(reserve[k], 9 + static_cast<int>(k), 0);
  if (places.size() != 52) throw std::invalid_argument("all 52 cards must be laid out");

  // Slots 48.. for the reserve cards; the rest of the reserve row's slots to cards that a reserve card could
  // have become: one on its face-up next-higher card, or a King heading a column.
  int next_reserve_slot = kReserveFirst;
  for (Place& p : places) {
    if (p.col > 8) p.slot = next_reserve_slot++;
  }
  for (std::size_t i = places.size(); i-- > 0 && next_reserve_slot < kBlankFirst;) {
    Place& p = places[i];
    if (p.col > 8) continue;
    bool settled = p.row == 0 && p.card.number == 13;
    if (p.row > 0) {
      const Place& below = places[i - 1];
      settled =
          below.card.suit == p.card.suit && below.card.number == p.card.number + 1 && !below.card.face_down;
    }
    if (settled) p.slot = next_reserve_slot++;
  }
  if (next_reserve_slot < kBlankFirst)
    throw std::invalid_argument("too few settled cards for the reserve slots");
  int next_slot = 0;
  for (Place& p : places) {
    if (p.slot < 0) p.slot = next_slot++;
  }

  std::array<std::vector<std::uint8_t>, kColumns> laid;
  std::array<std::uint8_t, kReservePlaces> reserve_places;
  reserve_places.fill(kNoCard);
  std::array<std::uint8_t, kDeck> slots{};
  std::uint64_t face_down = 0;
  for (const Place& p : places) {
    const auto code = static_cast<std::uint8_t>(CardCode(p.card.suit, p.card.number));
    slots[code] = static_cast<std::uint8_t>(p.slot);
    if (p.card.face_down) face_down |= Bit(code);
    if (p.col > 8) {
      reserve_places[p.slot - kReserveFirst] = code;
    } else {
      laid[p.col - 1].push_back(code);
    }
    table.images[p.slot].visible = true;
  }
  table.position = Position::Arrange(laid, reserve_places, face_down, slots);
  if (const std::string why = table.position.WhyUnreachable(); !why.empty()) throw std::invalid_argument(why);
  table.course.game_state = GameState::kInProgress;
  table.FindMoves();
  if (table.count.num_moves == 0 && !table.CheckWin()) table.course.game_state = GameState::kOver;
}

Layout RandomLayout(std::mt19937& rng, int loose) {
  auto chance = [&](double p) { return std::uniform_real_distribution<double>(0, 1)(rng) < p; };
  // Cut the 48 gaps between neighbouring ranks at `loose` places.
  std::vector<int> gaps(48);
  for (int g = 0; g < 48; ++g) gaps[g] = g;
  std::shuffle(gaps.begin(), gaps.end(), rng);
  std::vector<bool> cut(48, false);
  for (int k = 0; k < loose && k < 48; ++k) cut[gaps[k]] = true;
  std::vector<std::vector<std::pair<int, int>>> runs;  // (suit, number), highest first
  for (int suit = 1; suit <= 4; ++suit) {
    runs.emplace_back();
    for (int number = 13; number >= 1; --number) {
      runs.back().emplace_back(suit, number);
      if (number > 1 && cut[(suit - 1) * 12 + (13 - number)]) runs.emplace_back();
    }
  }
  std::shuffle(runs.begin(), runs.end(), rng);
  Layout layout;
  layout.columns.assign(8, {});
  std::vector<std::vector<bool>> face_down(8);
  for (const auto& run : runs) {
    if (run.size() == 1 && layout.reserve.size() < 4 && chance(0.3)) {
      layout.reserve.push_back(CardText(run[0].first, run[0].second));
      continue;
    }
    const int col = std::uniform_int_distribution<int>(0, 7)(rng);
    for (const auto& [suit, number] : run) {
      layout.columns[col].push_back(CardText(suit, number));
      face_down[col].push_back(false);
    }
  }
  // Some covered cards lie face down, as those dealt face down do until uncovered.
  for (int col = 0; col < 8; ++col) {
    for (std::size_t r = 0; r + 1 < layout.columns[col].size(); ++r) {
      if (chance(0.12)) layout.columns[col][r] += "*";
    }
  }
  return layout;
}

bool BruteForceWinnable(Game& game, std::size_t limit, bool* exhausted) {
  Table& table = game.table;
  *exhausted = false;
  if (table.course.game_state == GameState::kOver) return SaidYouWin(game.host);
  std::set<std::string> seen;
  struct Saved {
    Position position;
    GameState state;
    std::size_t messages;
  };
  auto search = [&](auto&& self) -> bool {
    if (!seen.insert(table.position.Canonical()).second) return false;
    if (seen.size() > limit) {
      *exhausted = true;
      return false;
    }
    const std::set<std::pair<int, int>> drops = CoreDrops(table);
    for (const auto& [m, t] : drops) {
      const Saved saved{table.position, table.course.game_state, game.host.messages.size()};
      DropThroughCore(game, {m, t});
      if (table.course.game_state == GameState::kOver) {
        if (SaidYouWin(game.host)) return true;
      } else if (self(self)) {
        return true;
      }
      if (*exhausted) return false;
      table.position = saved.position;
      table.course.game_state = saved.state;
      table.FindMoves();
      game.host.messages.resize(saved.messages);
    }
    return false;
  };
  return search(search);
}

}  // namespace vantrel::solver_testing
