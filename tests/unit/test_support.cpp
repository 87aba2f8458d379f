// Helpers for laying out exact positions in the core tests.
#include "test_support.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string_view>
#include <vector>

#include "table/card_names.h"

namespace vantrel::testing {

CardId ParseCard(const std::string& text) {
  std::string body = text;
  if (!body.empty() && body.back() == '*') body.pop_back();
  const std::string rank = body.substr(0, body.size() - 1);
  const std::string suit = body.substr(body.size() - 1);
  CardId id{0, 0};
  for (int n = 1; n <= 13; ++n) {
    if (RankName(n) == rank) id.number = n;
  }
  for (int s = 1; s <= 4; ++s) {
    if (SuitLetter(s) == suit) id.suit = s;
  }
  if (id.number == 0 || id.suit == 0) throw std::invalid_argument("not a card: " + text);
  return id;
}

int SlotOf(const Table& table, const std::string& card) {
  const CardId id = ParseCard(card);
  return table.position.dealt() ? table.position.slot_of(CardCode(id.suit, id.number)) : -1;
}

void LayOut(Table& table, std::initializer_list<std::initializer_list<const char*>> columns,
            std::initializer_list<const char*> reserve) {
  std::array<std::vector<std::uint8_t>, kColumns> laid;
  std::array<std::uint8_t, kReservePlaces> places;
  places.fill(kNoCard);
  std::uint64_t face_down = 0;
  std::array<bool, kDeck> listed{};
  std::vector<std::uint8_t> placed;  // in the order they are laid: the later lies above
  auto code_of = [&](const std::string& text) {
    const CardId id = ParseCard(text);
    const auto code = static_cast<std::uint8_t>(CardCode(id.suit, id.number));
    if (listed[code]) throw std::invalid_argument("card twice: " + text);
    listed[code] = true;
    placed.push_back(code);
    if (text.back() == '*') face_down |= Bit(code);
    return code;
  };
  // Reserve cards keep the reserve slots, so the game knows they uncover nothing when moved; the other cards
  // take the slots from 0 up, column by column; cards not listed are out of play, face down and hidden.
  std::array<std::uint8_t, kDeck> slots{};
  int place = 0;
  for (const char* text : reserve) {
    places[place] = code_of(text);
    slots[places[place]] = static_cast<std::uint8_t>(kReserveFirst + place);
    ++place;
  }
  int next_slot = 0;
  int col = 0;
  for (const auto& column : columns) {
    for (const char* text : column) {
      const std::uint8_t code = code_of(text);
      laid[col].push_back(code);
      slots[code] = static_cast<std::uint8_t>(next_slot++);
    }
    ++col;
  }
  for (int code = 0; code < kDeck; ++code) {
    if (listed[code]) continue;
    placed.push_back(static_cast<std::uint8_t>(code));
    face_down |= Bit(code);
    slots[code] =
        static_cast<std::uint8_t>(next_slot < kReserveFirst ? next_slot++ : kReserveFirst + place++);
  }
  table.position = Position::Arrange(laid, places, face_down, slots);
  for (const std::uint8_t code : placed) {
    const int slot = table.position.slot_of(code);
    table.images[slot].visible = listed[code];
    table.BringToFront(slot);
  }
  table.FindMoves();
}

}  // namespace vantrel::testing
