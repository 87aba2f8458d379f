// Helpers for laying out exact positions in the core tests.
#include "test_support.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string_view>

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
  for (int i = 0; i < kCardSlots; ++i) {
    if (table.cards[i].suit == id.suit && table.cards[i].number == id.number) return i;
  }
  return -1;
}

void LayOut(Table& table, std::initializer_list<std::initializer_list<const char*>> columns,
            std::initializer_list<const char*> reserve) {
  bool used[kCardSlots] = {};
  bool slot_taken[kCardSlots] = {};
  auto place = [&](const std::string& text, int slot, int col, int left, int top) -> Card& {
    const CardId id = ParseCard(text);
    const int face = FacePicture(id.suit, id.number);
    if (used[face]) throw std::invalid_argument("card twice: " + text);
    used[face] = true;
    slot_taken[slot] = true;
    Card& card = table.cards[slot];
    card.suit = id.suit;
    card.number = id.number;
    card.back_up = text.back() == '*';
    card.col = col;
    card.raised = false;
    card.ontop = false;
    card.left = left;
    card.top = top;
    table.images[slot].visible = true;
    card.picture = card.back_up ? kBackPicture : face;
    table.BringToFront(slot);
    return card;
  };
  // Reserve cards keep the reserve slots, so the game knows they uncover nothing when moved.
  int place_index = 0;
  for (const char* text : reserve) {
    Card& card = place(text, kReserveFirst + place_index, 9 + place_index, place_index * kColumnStep + 165,
                       table.window.height - kReserveFromBottom);
    card.ontop = true;
    ++place_index;
  }
  int next_slot = 0;
  auto free_slot = [&] {
    while (next_slot < kCardSlots && slot_taken[next_slot]) ++next_slot;
    if (next_slot >= kCardSlots) throw std::invalid_argument("more than 52 cards");
    return next_slot;
  };
  int col = 1;
  for (const auto& column : columns) {
    Card* last = nullptr;
    int top = kHeadTop;
    for (const char* text : column) {
      last = &place(text, free_slot(), col, (col - 1) * kColumnStep + kFirstLeft, top);
      top += kRowStep;
    }
    if (last) last->ontop = true;
    ++col;
  }
  for (int face = 0; face < kCardSlots; ++face) {
    if (used[face]) continue;
    const std::string name =
        std::string(RankName(face % 13 + 1)) + std::string(SuitLetter(face / 13 + 1)) + "*";
    const int slot = free_slot();
    place(name, slot, 0, -1000, -1000 - slot * kRowStep);
    table.images[slot].visible = false;
  }
  table.FindMoves();
}

}  // namespace vantrel::testing
