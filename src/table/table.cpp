// Building the table, placing slots, and dealing: reset, shuffle and layout.
#include "table/table.h"

#include <algorithm>

namespace vantrel {
namespace {

// Slots dealt face down: three in columns 1 and 8, two in 2 and 7, one in 3 and 6.
constexpr bool DealtFaceDown(int slot) {
  switch (slot) {
    case 0: case 1: case 2: case 5: case 6: case 7: case 8: case 9: case 14: case 15: case 16: case 23:
      return true;
    default:
      return false;
  }
}

}  // namespace

Table::Table(platform::Host& host, int width, int height)
    : window_width(width), window_height(height), host_(host) {
  give_hint_caption.reserve(32);
  num_moves_caption.reserve(32);
  SetHintCaption(give_hint_caption, hints_left);
  SetMovesCaption();
  blank_height = window_height - kFrameHeight - 50;
  for (int i = 0; i < kSlotCount; ++i) {
    Image& image = cards[i].image;
    BringToFront(image);  // a new control lies above those created before it
    image.height = kCardHeight;
    image.width = kCardWidth;
    PositionCard(i);
    image.tag = i;
    image.transparent = true;
    image.visible = false;
    if (IsBlankSpot(i)) {
      image.height = blank_height;
    } else {
      undo_cards[i].image.tag = i;
      image.cursor = cr_hand_pointer;
      image.drag_cursor = kCursorHandPoint;
    }
  }
  BringToFront(outline);
  outline.transparent = true;
  outline.visible = false;
}

void Table::PositionCard(int i) {
  Card& card = cards[i];
  if (i < kColumnSlots) {
    card.image.left = (i % 8) * kColumnStep + kFirstLeft;
    card.image.top = (i / 8) * kRowStep + kHeadTop;
    card.col = i % 8 + 1;
  } else if (i < kBlankFirst) {
    card.image.left = (i % 8) * kColumnStep + 165;
    card.image.top = window_height - kReserveFromBottom;
    card.col = i - 39;
  } else {
    card.image.left = ((i - 4) % 8) * kColumnStep + kFirstLeft;
    card.image.top = 0;
    card.col = (i - 4) % 8 + 1;
    SendToBack(card.image);
  }
}

void Table::ResetCards(bool reset_identities) {
  for (int i = 0; i < kSlotCount; ++i) {
    Card& card = cards[i];
    if (reset_identities) {
      card.number = i % 13 + 1;
      card.suit = ((i + 1) % 53 - 1) / 13 + 1;  // the ordered deck; C++ division truncates toward zero
    }
    card.back_up = true;
    card.raised = false;
    card.ontop = false;
    card.image.visible = false;
  }
}

void Table::Shuffle() {
  random.Seed(host_.NowSeconds());
  for (int n = 0; n < 101; ++n) {
    const int a = random.Below(kCardSlots);
    int b;
    do {
      b = random.Below(kCardSlots);
    } while (b == a);
    std::swap(cards[a].number, cards[b].number);
    std::swap(cards[a].suit, cards[b].suit);
  }
}

void Table::DealLayout() {
  for (int i = 0; i < kSlotCount; ++i) {
    Card& card = cards[i];
    if (i < kCardSlots) {
      if (DealtFaceDown(i)) {
        card.image.picture = kBackPicture;
      } else {
        card.image.picture = FacePicture(card.suit, card.number);
        card.back_up = false;
      }
    }
    PositionCard(i);
    if (i >= 40 && i < kCardSlots) card.ontop = true;
    if (i < kCardSlots) {
      BringToFront(card.image);
    } else {
      SendToBack(card.image);
    }
  }
  for (Card& card : cards) card.image.visible = true;
}

void Table::FormResize() {
  for (int i = kReserveFirst; i < kBlankFirst; ++i) {
    if (cards[i].col > 8) cards[i].image.top = window_height - kReserveFromBottom;
  }
}

std::array<int, kSlotCount> Table::StackingOrder() const {
  std::array<int, kSlotCount> order;
  for (int i = 0; i < kSlotCount; ++i) order[i] = i;
  std::sort(order.begin(), order.end(), [this](int a, int b) { return cards[a].image.z < cards[b].image.z; });
  return order;
}

int Table::SlotAt(int x, int y) const {
  int best = -1;
  for (int i = 0; i < kSlotCount; ++i) {
    const Image& image = cards[i].image;
    if (image.visible && image.Contains(x, y) && (best < 0 || image.z > cards[best].image.z)) best = i;
  }
  return best;
}

void Table::SetHintCaption(std::string& caption, int hints) {
  caption = "Give &Hint (";
  caption += std::to_string(hints);
  caption += ')';
}

void Table::SetMovesCaption() {
  num_moves_caption = "Number of Moves: ";
  // Written digit by digit so the caption's storage, reserved once, is never reallocated.
  char digits[12];
  int n = 0;
  unsigned value = num_moves < 0 ? 0u - static_cast<unsigned>(num_moves) : static_cast<unsigned>(num_moves);
  do {
    digits[n++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  if (num_moves < 0) num_moves_caption += '-';
  while (n > 0) num_moves_caption += digits[--n];
}

}  // namespace vantrel
