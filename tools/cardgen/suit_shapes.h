// The four suit symbols as outlines in a unit box centred on the origin (y grows downward).
#pragma once

#include <QPainterPath>

namespace vantrel::cardgen {

// suit 1..4 = spades, clubs, diamonds, hearts.
QPainterPath SuitShape(int suit);
bool IsRed(int suit);

}  // namespace vantrel::cardgen
