// The suit symbols, drawn with curves so they stay smooth at every size the cards use.
#include "suit_shapes.h"

namespace vantrel::cardgen {
namespace {

QPainterPath Heart() {
  QPainterPath p;
  p.moveTo(0, 0.5);
  p.cubicTo(-0.1, 0.34, -0.5, 0.12, -0.5, -0.17);
  p.cubicTo(-0.5, -0.38, -0.36, -0.5, -0.24, -0.5);
  p.cubicTo(-0.1, -0.5, -0.02, -0.42, 0, -0.3);
  p.cubicTo(0.02, -0.42, 0.1, -0.5, 0.24, -0.5);
  p.cubicTo(0.36, -0.5, 0.5, -0.38, 0.5, -0.17);
  p.cubicTo(0.5, 0.12, 0.1, 0.34, 0, 0.5);
  p.closeSubpath();
  return p;
}

QPainterPath Diamond() {
  QPainterPath p;
  p.moveTo(0, -0.5);
  p.quadTo(0.17, -0.2, 0.39, 0);
  p.quadTo(0.17, 0.2, 0, 0.5);
  p.quadTo(-0.17, 0.2, -0.39, 0);
  p.quadTo(-0.17, -0.2, 0, -0.5);
  p.closeSubpath();
  return p;
}

// The flared foot that spades and clubs stand on.
QPainterPath Stem() {
  QPainterPath p;
  p.moveTo(0.035, 0.12);
  p.quadTo(0.05, 0.42, 0.22, 0.5);
  p.lineTo(-0.22, 0.5);
  p.quadTo(-0.05, 0.42, -0.035, 0.12);
  p.closeSubpath();
  return p;
}

QPainterPath Spade() {
  QPainterPath p;
  p.moveTo(0, -0.5);
  p.cubicTo(0.12, -0.32, 0.5, -0.1, 0.5, 0.13);
  p.cubicTo(0.5, 0.31, 0.36, 0.4, 0.24, 0.4);
  p.cubicTo(0.13, 0.4, 0.05, 0.34, 0.02, 0.27);
  p.lineTo(-0.02, 0.27);
  p.cubicTo(-0.05, 0.34, -0.13, 0.4, -0.24, 0.4);
  p.cubicTo(-0.36, 0.4, -0.5, 0.31, -0.5, 0.13);
  p.cubicTo(-0.5, -0.1, -0.12, -0.32, 0, -0.5);
  p.closeSubpath();
  return p.united(Stem());
}

QPainterPath Club() {
  QPainterPath p;
  const double r = 0.215;
  p.addEllipse(QPointF(0, -0.26), r, r);
  QPainterPath left;
  left.addEllipse(QPointF(-0.27, 0.09), r, r);
  QPainterPath right;
  right.addEllipse(QPointF(0.27, 0.09), r, r);
  QPainterPath middle;
  middle.addEllipse(QPointF(0, 0.02), 0.14, 0.16);
  return p.united(left).united(right).united(middle).united(Stem());
}

}  // namespace

QPainterPath SuitShape(int suit) {
  switch (suit) {
    case 1:
      return Spade();
    case 2:
      return Club();
    case 3:
      return Diamond();
    default:
      return Heart();
  }
}

bool IsRed(int suit) { return suit == 3 || suit == 4; }

}  // namespace vantrel::cardgen
