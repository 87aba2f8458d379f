// The window's arithmetic: outer size from the client area, centring, the maximised window's left edge, and
// where the move label and the button sit. Plain integers, so the rules can be checked without a window.
#pragma once

#include <QSize>

#include "table/geometry.h"

namespace vantrel::app {

// Size limits of the outer window.
inline constexpr int kMinOuterWidth = 100;
inline constexpr int kMaxOuterWidth = kDesignWidth;
inline constexpr int kMinOuterHeight = 100;

// Height of the status bar along the bottom of the client area.
inline constexpr int kStatusBarHeight = 19;

// Centring along one axis: signed division that truncates toward zero, so a window taller than the screen
// by 33 goes to -16, not -17.
constexpr int CentredOffset(int screen, int window) { return (screen - window) / 2; }

struct Fraction {
  int numerator;
  int denominator;
};

// MulDiv: value * numerator / denominator, rounded half away from zero.
constexpr int MulDiv(int value, Fraction by) {
  const long long product = static_cast<long long>(value) * by.numerator;
  const long long half = by.denominator / 2;
  const long long rounded =
      product >= 0 ? (product + half) / by.denominator : (product - half) / by.denominator;
  return static_cast<int>(rounded);
}

// The move label: its bottom 25 pixels above the client area's bottom; anchored to neither side, its middle
// keeps the fraction of the client width it has in the design (313 of 627).
struct LabelPlace {
  int left;
  int top;
};
constexpr LabelPlace NumMovesLabelPlace(QSize client, QSize label) {
  constexpr int kDesignMiddle = 265 + 96 / 2;
  constexpr int kDesignClientWidth = kDesignWidth - kFrameWidth;
  const int middle = MulDiv(kDesignMiddle, {.numerator = client.width(), .denominator = kDesignClientWidth});
  return {middle - label.width() / 2, client.height() - 25 - label.height()};
}

// "Show All Moves": 91 x 25, 8 pixels from the right edge and 21 from the bottom. A caption wider than the
// English one (a translation) widens it by the difference, leftwards.
inline constexpr int kButtonWidth = 91;
inline constexpr int kButtonHeight = 25;
constexpr LabelPlace ShowMovesButtonPlace(QSize client, int button_width = kButtonWidth) {
  return {client.width() - 8 - button_width, client.height() - 21 - kButtonHeight};
}

}  // namespace vantrel::app
