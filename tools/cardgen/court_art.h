// The court cards' figures: a double-headed King, Queen or Jack in a framed panel.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace vantrel::cardgen {

// Draws the figure of `number` (11 Jack, 12 Queen, 13 King) of `suit` into `panel`.
void DrawCourt(QPainter& painter, const QRectF& panel, int suit, int number, const QColor& suit_colour);

}  // namespace vantrel::cardgen
