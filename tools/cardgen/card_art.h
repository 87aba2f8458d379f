// The artwork of the game's card pictures: faces, the back, the drag outline and the program icon.
#pragma once

#include <QColor>
#include <QImage>

namespace vantrel::cardgen {

inline constexpr int kWidth = 71;
inline constexpr int kHeight = 96;
// Pixels of this colour are left out when a card is drawn transparently: everything outside the
// rounded card.
inline const QColor kTransparent(128, 64, 128);

// suit 1..4 = spades, clubs, diamonds, hearts; number 1..13 = Ace..King.
QImage DrawFace(int suit, int number);
QImage DrawBack();
QImage DrawOutline();
// The program's icon, 32 x 32.
QImage DrawIcon();

}  // namespace vantrel::cardgen
