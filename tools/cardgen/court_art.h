// The court cards' figures: a double-headed King, Queen or Jack in a framed panel.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

#include "card_art.h"

namespace vantrel::cardgen {

// Draws the figure of the face's number (11 Jack, 12 Queen, 13 King) of its suit into `panel`.
void DrawCourt(QPainter& painter, const QRectF& panel, CardFace face, const QColor& suit_colour);

}  // namespace vantrel::cardgen
