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

// Every picture is drawn as vectors for `scale` pixels of the picture per pixel of the 71 x 96 card. At
// scale 1 it is the game's bitmap: RGB, the transparent colour outside the card. At any other scale it is
// the same art in ScaledCardSize(scale) pixels, transparent (alpha 0) outside the card, for screens that
// draw several pixels per pixel of the table.
// A card's face: suit 1..4 = spades, clubs, diamonds, hearts; number 1..13 = Ace..King.
struct CardFace {
  int suit;
  int number;
};

QImage DrawFace(CardFace face, double scale = 1);
QImage DrawBack(double scale = 1);
QImage DrawOutline(double scale = 1);
// The program's icon, 32 x 32.
QImage DrawIcon();

}  // namespace vantrel::cardgen
