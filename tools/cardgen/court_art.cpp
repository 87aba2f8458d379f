// Court figures: each half shows a bust (face, hair, headwear, robe and an attribute); the lower half is the
// upper one turned round, as on a double-headed card. King: crown, beard and sword. Queen: tiara, long hair
// and a flower. Jack: feathered cap and a staff.
#include "court_art.h"

#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

#include "suit_shapes.h"

namespace vantrel::cardgen {
namespace {

const QColor kGold(240, 192, 36);
const QColor kBlue(34, 70, 170);
const QColor kRed(204, 30, 40);
const QColor kSkin(252, 220, 184);
const QColor kInk(28, 28, 28);
const QColor kWhite(255, 255, 255);
const QColor kGrey(200, 200, 206);

struct Palette {
  QColor robe;
  QColor trim;
  QColor collar;
};

// The robe's colours change with the suit, so the four Kings (and Queens, Jacks) differ as well.
Palette RobeColours(int suit) {
  switch (suit) {
    case 1:
      return {kBlue, kGold, kRed};
    case 2:
      return {kRed, kGold, kBlue};
    case 3:
      return {kGold, kRed, kBlue};
    default:
      return {kRed, kBlue, kGold};
  }
}

void Fill(QPainter& p, const QPolygonF& polygon, const QColor& colour) {
  p.setPen(QPen(kInk, 0.7));
  p.setBrush(colour);
  p.drawPolygon(polygon);
}

enum class Garment { kKing, kQueen, kJack };

// The robe differs by rank as well as by colour: the King's has an ermine collar over broad shoulders, the
// Queen's is narrower with a pearl necklace, the Jack's is a chequered tunic.
void Robe(QPainter& p, const Palette& c, double w, Garment garment) {
  const double m = w / 2;
  const double shoulder = garment == Garment::kQueen ? 6.5 : 3.5;
  Fill(p, QPolygonF({{1.5, 41}, {shoulder, 29}, {m - 9, 24}, {m + 9, 24}, {w - shoulder, 29}, {w - 1.5, 41}}),
       c.robe);
  if (garment == Garment::kJack) {
    // A chequered front.
    p.setPen(Qt::NoPen);
    p.setBrush(c.trim);
    for (int row = 0; row < 6; ++row) {
      for (int col = 0; col < 4; ++col) {
        if ((row + col) % 2 == 0) p.drawRect(QRectF(m - 6 + col * 3, 26 + row * 2.6, 3, 2.6));
      }
    }
    p.setPen(QPen(kInk, 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(m - 6, 26, 12, 15));
  } else {
    Fill(p, QPolygonF({{m - 4, 24.5}, {m + 4, 24.5}, {m + 6, 41}, {m - 6, 41}}), c.trim);
    p.setPen(QPen(kInk, 0.6));
    for (double y = 28; y < 41; y += 3) p.drawLine(QPointF(m - 4.5, y), QPointF(m + 4.5, y));
  }
  if (garment == Garment::kKing) {
    // Ermine: white with black tails, across the shoulders.
    Fill(p,
         QPolygonF({{4, 29},
                    {m - 9, 23.5},
                    {m + 9, 23.5},
                    {w - 4, 29},
                    {w - 5, 31.5},
                    {m + 8, 27},
                    {m - 8, 27},
                    {5, 31.5}}),
         kWhite);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (double x = 7; x < w - 6; x += 4)
      p.drawEllipse(QPointF(x, x < m ? 29 - (x - 7) * 0.2 : 29 - (w - x - 7) * 0.2), 0.6, 0.9);
  } else {
    Fill(p, QPolygonF({{m - 8, 24}, {m + 8, 24}, {m + 4, 28}, {m - 4, 28}}), c.collar);
    if (garment == Garment::kQueen) {
      p.setPen(QPen(kInk, 0.4));
      p.setBrush(kWhite);
      for (int k = -3; k <= 3; ++k) p.drawEllipse(QPointF(m + k * 1.7, 25.2 + 0.12 * k * k), 0.75, 0.75);
    }
  }
  p.setPen(QPen(kInk, 0.6));
  p.setBrush(c.trim);
  p.drawEllipse(QPointF(7.5, 34), 2.0, 2.0);
  p.drawEllipse(QPointF(w - 7.5, 34), 2.0, 2.0);
}

void Face(QPainter& p, double m) {
  p.setPen(QPen(kInk, 0.7));
  p.setBrush(kSkin);
  p.drawEllipse(QPointF(m, 16), 5.6, 6.4);
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawEllipse(QPointF(m - 2.2, 15), 0.8, 0.8);
  p.drawEllipse(QPointF(m + 2.2, 15), 0.8, 0.8);
  p.setPen(QPen(kRed, 0.9));
  p.drawLine(QPointF(m - 1.3, 19.4), QPointF(m + 1.3, 19.4));
}

// A rod held at the side: a sword's blade, a staff.
void Rod(QPainter& p, const QColor& colour, const QRectF& rect) {
  p.setPen(QPen(kInk, 0.6));
  p.setBrush(colour);
  p.drawRect(rect);
}

// Hair round the head, then the face over it.
void HairAndFace(QPainter& p, double m, const QColor& hair, double hair_centre, double rx, double ry) {
  p.setPen(QPen(kInk, 0.6));
  p.setBrush(hair);
  p.drawEllipse(QPointF(m, hair_centre), rx, ry);
  Face(p, m);
}

void King(QPainter& p, const Palette& c, double w) {
  const double m = w / 2;
  // Sword behind the shoulder.
  Rod(p, kGrey, QRectF(w - 8.2, 3, 2.4, 30));
  p.setBrush(kGold);
  p.drawRect(QRectF(w - 10.5, 31, 7, 2));
  Robe(p, c, w, Garment::kKing);
  // Hair and beard.
  HairAndFace(p, m, kWhite, 16, 7, 7);
  QPainterPath beard;
  beard.moveTo(m - 5, 17);
  beard.quadTo(m - 5, 25, m, 26);
  beard.quadTo(m + 5, 25, m + 5, 17);
  beard.quadTo(m, 21, m - 5, 17);
  p.setPen(QPen(kInk, 0.6));
  p.setBrush(kWhite);
  p.drawPath(beard);
  p.setPen(QPen(kRed, 0.8));
  p.drawLine(QPointF(m - 1.2, 19.4), QPointF(m + 1.2, 19.4));
  // A tall crown with three points and jewels.
  Fill(p, QPolygonF({{m - 7, 11}, {m - 7.5, 2}, {m - 4, 6}, {m, 0.5}, {m + 4, 6}, {m + 7.5, 2}, {m + 7, 11}}),
       kGold);
  p.setPen(Qt::NoPen);
  p.setBrush(kRed);
  p.drawEllipse(QPointF(m, 8.3), 1.3, 1.3);
  p.setBrush(kBlue);
  p.drawEllipse(QPointF(m - 4, 8.5), 1.0, 1.0);
  p.drawEllipse(QPointF(m + 4, 8.5), 1.0, 1.0);
}

void Queen(QPainter& p, const Palette& c, double w) {
  const double m = w / 2;
  // A flower held up at the side.
  p.setPen(QPen(QColor(40, 120, 40), 1.0));
  p.drawLine(QPointF(w - 6, 33), QPointF(w - 7, 12));
  p.setPen(QPen(kInk, 0.5));
  p.setBrush(kRed);
  for (int k = 0; k < 5; ++k) {
    const double a = k * 2 * 3.14159265 / 5;
    p.drawEllipse(QPointF(w - 7 + 2.0 * std::sin(a), 10 - 2.0 * std::cos(a)), 1.6, 1.6);
  }
  p.setBrush(kGold);
  p.drawEllipse(QPointF(w - 7, 10), 1.2, 1.2);
  // Long hair falling to the shoulders.
  QPainterPath hair;
  hair.moveTo(m - 8, 27);
  hair.quadTo(m - 9.5, 9, m, 8);
  hair.quadTo(m + 9.5, 9, m + 8, 27);
  hair.closeSubpath();
  p.setPen(QPen(kInk, 0.6));
  p.setBrush(kGold);
  p.drawPath(hair);
  Robe(p, c, w, Garment::kQueen);
  Face(p, m);
  // A low tiara: an arch of pearls with a cross.
  Fill(p, QPolygonF({{m - 6, 10.5}, {m - 5, 6.5}, {m + 5, 6.5}, {m + 6, 10.5}}), c.collar);
  p.setPen(QPen(kInk, 0.5));
  p.setBrush(kWhite);
  for (int k = -2; k <= 2; ++k) p.drawEllipse(QPointF(m + k * 2.4, 5.8 - (k == 0 ? 0.6 : 0)), 1.1, 1.1);
  p.setPen(QPen(kGold, 1.2));
  p.drawLine(QPointF(m, 1.5), QPointF(m, 4.2));
  p.drawLine(QPointF(m - 1.3, 2.6), QPointF(m + 1.3, 2.6));
}

void Jack(QPainter& p, const Palette& c, double w) {
  const double m = w / 2;
  // A staff at the side.
  Rod(p, QColor(150, 96, 40), QRectF(4.5, 6, 2, 28));
  Fill(p, QPolygonF({{5.5, 1}, {8.5, 6.5}, {2.5, 6.5}}), kGrey);
  Robe(p, c, w, Garment::kJack);
  // Short hair.
  HairAndFace(p, m, kGold, 15.5, 6.6, 6.0);
  // A flat cap with a brim and a long feather sweeping back.
  QPainterPath feather;
  feather.moveTo(m + 3, 7);
  feather.cubicTo(m + 9, 2, m + 14, 3, m + 16, 9);
  feather.cubicTo(m + 12, 5.5, m + 8, 6, m + 4, 9);
  feather.closeSubpath();
  p.setBrush(c.trim == kGold ? kWhite : kGold);
  p.drawPath(feather);
  Fill(p, QPolygonF({{m - 7, 10}, {m - 5.5, 4.5}, {m + 5.5, 4.5}, {m + 7, 10}}), c.collar);
  Fill(p, QPolygonF({{m - 8.5, 10}, {m + 8.5, 10}, {m + 8.5, 11.5}, {m - 8.5, 11.5}}), kInk);
}

void Half(QPainter& p, double w, CardFace face, const QColor& suit_colour) {
  const Palette colours = RobeColours(face.suit);
  switch (face.number) {
    case 13:
      King(p, colours, w);
      break;
    case 12:
      Queen(p, colours, w);
      break;
    default:
      Jack(p, colours, w);
      break;
  }
  // The suit symbol beside the head.
  p.save();
  p.translate(face.number == 11 ? w - 5.5 : 5.5, 6.5);
  p.scale(7, 7.5);
  p.fillPath(SuitShape(face.suit), suit_colour);
  p.restore();
}

}  // namespace

void DrawCourt(QPainter& painter, const QRectF& panel, CardFace face, const QColor& suit_colour) {
  const double w = panel.width();
  const double h = panel.height() / 2;
  painter.save();
  painter.setClipRect(panel);
  painter.translate(panel.topLeft());
  Half(painter, w, face, suit_colour);
  painter.translate(w, 2 * h);
  painter.rotate(180);
  Half(painter, w, face, suit_colour);
  painter.restore();

  painter.setPen(QPen(kInk, 1.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(panel.adjusted(0.5, 0.5, -0.5, -0.5));
  painter.setPen(QPen(kInk, 0.8));
  painter.drawLine(QPointF(panel.left(), panel.top() + h), QPointF(panel.right(), panel.top() + h));
}

}  // namespace vantrel::cardgen
