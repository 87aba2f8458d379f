// The fixed layout of the table: slot roles, card size and the design window size.
#pragma once

namespace vantrel {

inline constexpr int kSlotCount = 60;     // 52 cards and 8 blank spots
inline constexpr int kCardSlots = 52;     // slots 0..51 hold cards
inline constexpr int kColumnSlots = 48;   // slots 0..47 are dealt into the columns
inline constexpr int kReserveFirst = 48;  // slots 48..51 are the reserve row
inline constexpr int kBlankFirst = 52;    // slots 52..59 are the blank spots, one per column

inline constexpr int kCardWidth = 71;
inline constexpr int kCardHeight = 96;
inline constexpr int kColumnStep = 75;  // horizontal distance between columns
inline constexpr int kRowStep = 15;     // vertical distance between cards of a column
inline constexpr int kFirstLeft = 15;
inline constexpr int kHeadTop = 15;  // the Top of a column's first card

// The window's outer size as designed, and what the frame takes of it: the client area is always the
// outer size less this allowance, whatever frame the window manager draws.
inline constexpr int kDesignWidth = 635;
inline constexpr int kDesignHeight = 460;
inline constexpr int kFrameWidth = 8;
inline constexpr int kFrameHeight = 46;

// The reserve row lies this far above the window's outer bottom edge.
inline constexpr int kReserveFromBottom = 180;

inline constexpr bool IsCardSlot(int slot) { return slot >= 0 && slot < kCardSlots; }
inline constexpr bool IsBlankSpot(int slot) { return slot >= kBlankFirst && slot < kSlotCount; }
inline constexpr bool IsTableColumn(int col) { return col >= 1 && col <= 8; }

}  // namespace vantrel
