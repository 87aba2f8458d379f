// The keyboard's places on the table, the arrow keys' steps between them, and their spoken names.
#include "interaction/table_places.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>
#include <queue>
#include <string_view>

#include "interaction/layout.h"
#include "platform/texts.h"

namespace vantrel {
namespace {

// Each card's name by suit (1..4) and number (1..13), whole: languages order and inflect rank and suit in
// their own ways ("Herz-Sieben", "Sept de cœur", "Семёрка червей").
constexpr std::array<std::array<platform::Text, 13>, 4> kCardNames = {{
    {{VANTREL_TEXT("Cards", "Ace of Spades"), VANTREL_TEXT("Cards", "Two of Spades"),
      VANTREL_TEXT("Cards", "Three of Spades"), VANTREL_TEXT("Cards", "Four of Spades"),
      VANTREL_TEXT("Cards", "Five of Spades"), VANTREL_TEXT("Cards", "Six of Spades"),
      VANTREL_TEXT("Cards", "Seven of Spades"), VANTREL_TEXT("Cards", "Eight of Spades"),
      VANTREL_TEXT("Cards", "Nine of Spades"), VANTREL_TEXT("Cards", "Ten of Spades"),
      VANTREL_TEXT("Cards", "Jack of Spades"), VANTREL_TEXT("Cards", "Queen of Spades"),
      VANTREL_TEXT("Cards", "King of Spades")}},
    {{VANTREL_TEXT("Cards", "Ace of Clubs"), VANTREL_TEXT("Cards", "Two of Clubs"),
      VANTREL_TEXT("Cards", "Three of Clubs"), VANTREL_TEXT("Cards", "Four of Clubs"),
      VANTREL_TEXT("Cards", "Five of Clubs"), VANTREL_TEXT("Cards", "Six of Clubs"),
      VANTREL_TEXT("Cards", "Seven of Clubs"), VANTREL_TEXT("Cards", "Eight of Clubs"),
      VANTREL_TEXT("Cards", "Nine of Clubs"), VANTREL_TEXT("Cards", "Ten of Clubs"),
      VANTREL_TEXT("Cards", "Jack of Clubs"), VANTREL_TEXT("Cards", "Queen of Clubs"),
      VANTREL_TEXT("Cards", "King of Clubs")}},
    {{VANTREL_TEXT("Cards", "Ace of Diamonds"), VANTREL_TEXT("Cards", "Two of Diamonds"),
      VANTREL_TEXT("Cards", "Three of Diamonds"), VANTREL_TEXT("Cards", "Four of Diamonds"),
      VANTREL_TEXT("Cards", "Five of Diamonds"), VANTREL_TEXT("Cards", "Six of Diamonds"),
      VANTREL_TEXT("Cards", "Seven of Diamonds"), VANTREL_TEXT("Cards", "Eight of Diamonds"),
      VANTREL_TEXT("Cards", "Nine of Diamonds"), VANTREL_TEXT("Cards", "Ten of Diamonds"),
      VANTREL_TEXT("Cards", "Jack of Diamonds"), VANTREL_TEXT("Cards", "Queen of Diamonds"),
      VANTREL_TEXT("Cards", "King of Diamonds")}},
    {{VANTREL_TEXT("Cards", "Ace of Hearts"), VANTREL_TEXT("Cards", "Two of Hearts"),
      VANTREL_TEXT("Cards", "Three of Hearts"), VANTREL_TEXT("Cards", "Four of Hearts"),
      VANTREL_TEXT("Cards", "Five of Hearts"), VANTREL_TEXT("Cards", "Six of Hearts"),
      VANTREL_TEXT("Cards", "Seven of Hearts"), VANTREL_TEXT("Cards", "Eight of Hearts"),
      VANTREL_TEXT("Cards", "Nine of Hearts"), VANTREL_TEXT("Cards", "Ten of Hearts"),
      VANTREL_TEXT("Cards", "Jack of Hearts"), VANTREL_TEXT("Cards", "Queen of Hearts"),
      VANTREL_TEXT("Cards", "King of Hearts")}},
}};

constexpr int BlankSpotOf(int column) { return kBlankFirst + column - 1; }

// A slot's left edge; the window's height moves the reserve row up and down, never sideways.
int LeftOf(const Table& table, int slot) { return Layout().PlaceOf(table, slot).left; }

// The row a column card lies in, 0 for its column's head.
int RowOf(const Table& table, int slot) { return table.position.row_of(table.position.card_at(slot)); }

}  // namespace

bool OnTable(const Table& table, int slot) {
  if (table.images[slot].visible) return true;
  // A hint hides its card for a moment; the focus and the reader keep it meanwhile.
  return IsCardSlot(slot) && table.ui.hint_blinking && slot == table.course.hint_card &&
         table.course.game_state != GameState::kNoDeal;
}

std::vector<int> Group(const Table& table, int slot) {
  std::vector<int> group{slot};
  if (IsBlankSpot(slot)) return group;
  for (int above : table.CardsAbove(slot)) group.push_back(above);
  return group;
}

TablePlaces::TablePlaces(const Table& table) : table_(table), lanes_(kLanes) {
  for (int column = 1; column <= 8; ++column) {
    std::vector<int>& lane = lanes_[static_cast<std::size_t>(column - 1)];
    const int blank = BlankSpotOf(column);
    for (int slot : table.CardsAbove(blank)) {
      if (OnTable(table, slot)) lane.push_back(slot);
    }
    if (lane.empty() && OnTable(table, blank)) lane.push_back(blank);
  }
  std::vector<int>& reserve = lanes_[kReserveLane];
  for (int slot = 0; slot < kCardSlots; ++slot) {
    if (table.card(slot).col > 8 && OnTable(table, slot)) reserve.push_back(slot);
  }
  std::sort(reserve.begin(), reserve.end(),
            [&table](int a, int b) { return table.card(a).col < table.card(b).col; });
}

std::vector<int> TablePlaces::All() const {
  std::vector<int> all;
  for (const std::vector<int>& lane : lanes_) all.insert(all.end(), lane.begin(), lane.end());
  return all;
}

bool TablePlaces::empty() const {
  return std::all_of(lanes_.begin(), lanes_.end(), [](const std::vector<int>& lane) { return lane.empty(); });
}

Place TablePlaces::Find(int slot) const {
  for (int lane = 0; lane < kLanes; ++lane) {
    const std::vector<int>& places = Lane(lane);
    const auto at = std::find(places.begin(), places.end(), slot);
    if (at != places.end()) return {lane, static_cast<int>(at - places.begin())};
  }
  return {};
}

int TablePlaces::NearestColumn(int left) const {
  int best = -1;
  for (int lane = 0; lane < kReserveLane; ++lane) {
    if (Lane(lane).empty()) continue;
    const int distance = std::abs(ColumnLeft(lane + 1) - left);
    if (best < 0 || distance < std::abs(ColumnLeft(best + 1) - left)) best = lane;
  }
  return best;
}

int TablePlaces::Next(int slot, Step step) const {
  const Place at = Find(slot);
  if (at.lane < 0) return slot;
  const std::vector<int>& lane = Lane(at.lane);
  const int left = LeftOf(table_, slot);
  const bool reserve = at.lane == kReserveLane;
  switch (step) {
    case Step::kUp:
      if (at.row > 0 && !reserve) return lane[static_cast<std::size_t>(at.row - 1)];
      if (reserve) {
        const int column = NearestColumn(left);
        if (column >= 0) return Lane(column).back();
      }
      return slot;
    case Step::kDown:
      if (reserve) return slot;
      if (at.row + 1 < static_cast<int>(lane.size())) return lane[static_cast<std::size_t>(at.row) + 1];
      if (!Lane(kReserveLane).empty()) {
        const std::vector<int>& row = Lane(kReserveLane);
        return *std::min_element(row.begin(), row.end(), [this, left](int a, int b) {
          return std::abs(LeftOf(table_, a) - left) < std::abs(LeftOf(table_, b) - left);
        });
      }
      return slot;
    case Step::kLeft:
    case Step::kRight: {
      const int delta = step == Step::kLeft ? -1 : 1;
      if (reserve) {
        const int row = at.row + delta;
        return row >= 0 && row < static_cast<int>(lane.size()) ? lane[static_cast<std::size_t>(row)] : slot;
      }
      for (int other = at.lane + delta; other >= 0 && other < kReserveLane; other += delta) {
        const std::vector<int>& next = Lane(other);
        if (next.empty()) continue;
        return next[static_cast<std::size_t>(std::min<int>(at.row, static_cast<int>(next.size()) - 1))];
      }
      return slot;
    }
  }
  return slot;
}

// From and to: a way's start and end, in the order it is walked, like the begin and end the check exempts.
// NOLINTNEXTLINE(bugprone-easily-swappable-parameters)
std::optional<std::vector<Step>> TablePlaces::Way(int from, int to) const {
  // Breadth first over the places: the first time `to` is reached is by the fewest keys.
  std::map<int, std::pair<int, Step>> came_from{{from, {-1, Step::kUp}}};
  std::queue<int> queue;
  queue.push(from);
  while (!queue.empty() && came_from.count(to) == 0) {
    const int at = queue.front();
    queue.pop();
    for (Step step : kSteps) {
      const int next = Next(at, step);
      if (came_from.emplace(next, std::make_pair(at, step)).second) queue.push(next);
    }
  }
  if (came_from.count(to) == 0) return std::nullopt;
  std::vector<Step> way;
  for (int at = to; came_from[at].first >= 0; at = came_from[at].first)
    way.insert(way.begin(), came_from[at].second);
  return way;
}

int TablePlaces::First() const {
  for (const std::vector<int>& lane : lanes_) {
    if (!lane.empty()) return lane.back();
  }
  return -1;
}

int TablePlaces::Nearest(int slot) const {
  if (slot < 0) return First();
  const int col = table_.card(slot).col;
  if (IsTableColumn(col)) {
    const std::vector<int>& lane = Lane(col - 1);
    if (!lane.empty()) {
      // The row the slot held by its place on the table: a blank spot stood for the column's first card.
      const int row = IsBlankSpot(slot) ? 0 : RowOf(table_, slot);
      return lane[static_cast<std::size_t>(std::clamp(row, 0, static_cast<int>(lane.size()) - 1))];
    }
  }
  return First();
}

std::string TablePlaces::Name(int slot) const {
  if (IsBlankSpot(slot)) return platform::Tr(VANTREL_TEXT("Cards", "empty column"));
  const Card card = table_.card(slot);
  if (card.back_up) return platform::Tr(VANTREL_TEXT("Cards", "face-down card"));
  if (card.number < 1 || card.number > 13 || card.suit < 1 || card.suit > 4) {
    return platform::Tr(VANTREL_TEXT("Cards", "card"));
  }
  return platform::Tr(
      kCardNames[static_cast<std::size_t>(card.suit - 1)][static_cast<std::size_t>(card.number - 1)]);
}

std::string TablePlaces::Description(int slot) const {
  const Card card = table_.card(slot);
  if (card.col > 8) {
    return platform::Tr(VANTREL_TEXT("Screen reader", "reserve row, place %1"),
                        {std::to_string(card.col - 8)});
  }
  const std::string column = std::to_string(card.col);
  if (IsBlankSpot(slot)) return platform::Tr(VANTREL_TEXT("Screen reader", "column %1"), {column});
  const Place at = Find(slot);
  const int row = at.lane >= 0 ? at.row : RowOf(table_, slot);
  return platform::Tr(VANTREL_TEXT("Screen reader", "column %1, row %2"), {column, std::to_string(row + 1)});
}

}  // namespace vantrel
