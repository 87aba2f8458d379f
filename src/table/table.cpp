// Building the table, placing slots, and dealing: reset, shuffle and layout.
#include "table/table.h"

#include <algorithm>

namespace vantrel {
namespace {

// Slots dealt face down: three in columns 1 and 8, two in 2 and 7, one in 3 and 6.
constexpr bool DealtFaceDown(int slot) {
  switch (slot) {
    case 0:
    case 1:
    case 2:
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
    case 14:
    case 15:
    case 16:
    case 23:
      return true;
    default:
      return false;
  }
}

}  // namespace

Table::Table(platform::Host& host, int width, int height) : host_(host) {
  window.width = width;
  window.height = height;
  window.blank_height = window.height - kFrameHeight - 50;
  for (int i = 0; i < kSlotCount; ++i) {
    Image& image = images[i];
    BringToFront(i);  // a new control lies above those created before it
    PositionCard(i);
    image.transparent = true;
    image.visible = false;
    if (IsBlankSpot(i)) {
      image.height = window.blank_height;
    } else {
      image.cursor = cr_hand_pointer;
      image.drag_cursor = kCursorHandPoint;
    }
  }
}

void Table::PositionCard(int i) {
  Card& card = cards[i];
  if (i < kColumnSlots) {
    card.left = (i % 8) * kColumnStep + kFirstLeft;
    card.top = (i / 8) * kRowStep + kHeadTop;
    card.col = i % 8 + 1;
  } else if (i < kBlankFirst) {
    card.left = (i % 8) * kColumnStep + 165;
    card.top = window.height - kReserveFromBottom;
    card.col = i - 39;
  } else {
    card.left = ((i - 4) % 8) * kColumnStep + kFirstLeft;
    card.top = 0;
    card.col = (i - 4) % 8 + 1;
    SendToBack(i);
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
    images[i].visible = false;
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
        card.picture = kBackPicture;
      } else {
        card.picture = FacePicture(card.suit, card.number);
        card.back_up = false;
      }
    }
    PositionCard(i);
    if (i >= 40 && i < kCardSlots) card.ontop = true;
    if (i < kCardSlots) {
      BringToFront(i);
    } else {
      SendToBack(i);
    }
  }
  for (Image& image : images) image.visible = true;
}

void Table::FormResize() {
  for (int i = kReserveFirst; i < kBlankFirst; ++i) {
    if (cards[i].col > 8) cards[i].top = window.height - kReserveFromBottom;
  }
}

std::array<int, kSlotCount> Table::StackingOrder() const {
  std::array<int, kSlotCount> order;
  for (int i = 0; i < kSlotCount; ++i) order[i] = i;
  std::sort(order.begin(), order.end(), [this](int a, int b) { return images[a].z < images[b].z; });
  return order;
}

int Table::SlotAt(int x, int y) const {
  int best = -1;
  for (int i = 0; i < kSlotCount; ++i) {
    const Image& image = images[i];
    if (image.visible && Covers(cards[i], image, x, y) && (best < 0 || image.z > images[best].z)) best = i;
  }
  return best;
}

}  // namespace vantrel
