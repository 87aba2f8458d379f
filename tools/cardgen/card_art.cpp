// Draws the card pictures: a white rounded card with a crisp dark edge, the index in two corners, the
// pips laid out classically, court figures, and a patterned back.
#include "card_art.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "court_art.h"
#include "suit_shapes.h"
#include "view/picture_scales.h"

namespace vantrel::cardgen {
namespace {

constexpr double kRadius = 5.0;  // corner radius of the card
const QColor kEdge(48, 48, 48);
const QColor kFace(255, 255, 255);
const QColor kRed(200, 18, 30);
const QColor kBlack(22, 22, 22);

// Whether the pixel lies on the card (inside the rounded rectangle), for a picture of `scale` pixels per
// pixel of the card. Edges stay crisp at every scale: a blended edge pixel would show a fringe of the
// transparent colour on the table.
// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): x and y, a point's coordinates in their one order
bool OnCard(int x, int y, double scale) {
  const double cx = (x + 0.5) / scale;
  const double cy = (y + 0.5) / scale;
  const double left = kRadius;
  const double right = kWidth - kRadius;
  const double top = kRadius;
  const double bottom = kHeight - kRadius;
  const double dx = cx < left ? left - cx : (cx > right ? cx - right : 0);
  const double dy = cy < top ? top - cy : (cy > bottom ? cy - bottom : 0);
  return dx * dx + dy * dy <= kRadius * kRadius + 0.3;
}

// The edge is one pixel of the card wide: the picture's pixels on the card with a pixel off the card (or
// the picture's border) within that width straight above, below or beside them.
bool OnEdge(int x, int y, double scale, QSize size) {
  if (!OnCard(x, y, scale)) return false;
  const int width = std::max(1, static_cast<int>(std::lround(scale)));
  for (int d = 1; d <= width; ++d) {
    if (x - d < 0 || y - d < 0 || x + d >= size.width() || y + d >= size.height() ||
        !OnCard(x - d, y, scale) || !OnCard(x + d, y, scale) || !OnCard(x, y - d, scale) ||
        !OnCard(x, y + d, scale)) {
      return true;
    }
  }
  return false;
}

// An empty picture of the card's size at `scale`.
QImage EmptyPicture(double scale) {
  if (scale == 1) return QImage(kWidth, kHeight, QImage::Format_RGB32);
  QImage image(ScaledCardSize(scale), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

// The pixels outside the card: the transparent colour in the bitmap, alpha 0 at other scales.
QColor Outside(double scale) { return scale == 1 ? kTransparent : QColor(Qt::transparent); }

// The card's edge in `edge` and everything inside it in `inside`, at `scale`.
QImage BlankCard(const QColor& inside, const QColor& edge, double scale) {
  QImage image = EmptyPicture(scale);
  const QSize size = image.size();
  for (int y = 0; y < size.height(); ++y) {
    for (int x = 0; x < size.width(); ++x) {
      image.setPixelColor(x, y,
                          OnEdge(x, y, scale, size) ? edge : (OnCard(x, y, scale) ? inside : Outside(scale)));
    }
  }
  return image;
}

// A painter on the picture that draws in the card's own pixels, whatever the picture's scale.
void ScaleTo(QPainter& painter, double scale) {
  if (scale != 1) painter.scale(scale, scale);
}

// Everything drawn on a card stays inside its edge.
void ClipToInside(QPainter& painter) {
  QPainterPath inside;
  inside.addRoundedRect(QRectF(1, 1, kWidth - 2, kHeight - 2), kRadius - 1, kRadius - 1);
  painter.setClipPath(inside);
}

QColor SuitColour(int suit) { return IsRed(suit) ? kRed : kBlack; }

// One suit symbol of the given size centred on `centre`; turned upside down for the lower half of a card.
void DrawPip(QPainter& painter, int suit, QPointF centre, QSizeF size, bool flipped) {
  painter.save();
  painter.translate(centre);
  if (flipped) painter.rotate(180);
  painter.scale(size.width(), size.height());
  painter.fillPath(SuitShape(suit), SuitColour(suit));
  painter.restore();
}

QString RankText(int number) {
  static const std::array<const char*, 13> kRanks = {"A", "2", "3",  "4", "5", "6", "7",
                                                     "8", "9", "10", "J", "Q", "K"};
  return QString::fromLatin1(kRanks[static_cast<std::size_t>(number - 1)]);
}

QFont IndexFont() {
  QFont font(QStringLiteral("DejaVu Serif"));
  font.setStyleHint(QFont::Serif);
  font.setBold(true);
  font.setPixelSize(12);
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

// The rank and a small suit symbol in the top-left corner (the painter turns it for the other corner).
void DrawIndex(QPainter& painter, CardFace face) {
  constexpr double kCentre = 8.0;  // the index column's middle
  painter.save();
  painter.setFont(IndexFont());
  painter.setPen(SuitColour(face.suit));
  const QString text = RankText(face.number);
  if (face.number == 10) {
    // "10" is squeezed so it fits the same narrow column as the other ranks.
    painter.translate(kCentre, 0);
    painter.scale(0.72, 1.0);
    painter.drawText(QRectF(-10, 1, 20, 14), Qt::AlignHCenter | Qt::AlignTop, text);
  } else {
    painter.drawText(QRectF(kCentre - 8, 1, 16, 14), Qt::AlignHCenter | Qt::AlignTop, text);
  }
  painter.restore();
  DrawPip(painter, face.suit, {kCentre, 20.5}, {8.5, 9.0}, false);
}

void DrawIndices(QPainter& painter, CardFace face) {
  DrawIndex(painter, face);
  painter.save();
  painter.translate(kWidth, kHeight);
  painter.rotate(180);
  DrawIndex(painter, face);
  painter.restore();
}

// Pip centres of the number cards, in the classic arrangement: two side columns and a middle column.
std::vector<QPointF> PipLayout(int number) {
  constexpr double kLeft = 22.0;
  constexpr double kMiddle = kWidth / 2.0;
  constexpr double kRight = kWidth - 22.0;
  constexpr double kTop = 17.0;
  constexpr double kBottom = kHeight - 17.0;
  constexpr double kMid = kHeight / 2.0;
  const double quarter = (kBottom - kTop) / 3.0;  // four rows for the nine and the ten
  std::vector<QPointF> pips;
  auto side_rows = [&](std::initializer_list<double> rows) {
    for (double y : rows) {
      pips.emplace_back(kLeft, y);
      pips.emplace_back(kRight, y);
    }
  };
  switch (number) {
    case 2:
      pips = {{kMiddle, kTop}, {kMiddle, kBottom}};
      break;
    case 3:
      pips = {{kMiddle, kTop}, {kMiddle, kMid}, {kMiddle, kBottom}};
      break;
    case 4:
      side_rows({kTop, kBottom});
      break;
    case 5:
      side_rows({kTop, kBottom});
      pips.emplace_back(kMiddle, kMid);
      break;
    case 6:
      side_rows({kTop, kMid, kBottom});
      break;
    case 7:
      side_rows({kTop, kMid, kBottom});
      pips.emplace_back(kMiddle, (kTop + kMid) / 2);
      break;
    case 8:
      side_rows({kTop, kMid, kBottom});
      pips.emplace_back(kMiddle, (kTop + kMid) / 2);
      pips.emplace_back(kMiddle, (kMid + kBottom) / 2);
      break;
    case 9:
      side_rows({kTop, kTop + quarter, kBottom - quarter, kBottom});
      pips.emplace_back(kMiddle, kMid);
      break;
    case 10:
      side_rows({kTop, kTop + quarter, kBottom - quarter, kBottom});
      pips.emplace_back(kMiddle, kTop + quarter / 2);
      pips.emplace_back(kMiddle, kBottom - quarter / 2);
      break;
    default:
      break;
  }
  return pips;
}

void DrawNumberCard(QPainter& painter, CardFace face) {
  const double width = face.suit == 3 ? 12.5 : 13.0;
  for (const QPointF& pip : PipLayout(face.number)) {
    DrawPip(painter, face.suit, pip, {width, 13.5}, pip.y() > kHeight / 2.0 + 0.5);
  }
}

void DrawAce(QPainter& painter, int suit) {
  const double cx = kWidth / 2.0;
  const double cy = kHeight / 2.0;
  if (suit == 1) {
    // The ace of spades carries the large ornamented pip.
    DrawPip(painter, suit, {cx, cy}, {34, 38}, false);
    painter.save();
    painter.setPen(QPen(kFace, 1.2));
    painter.setBrush(Qt::NoBrush);
    QPainterPath inner = SuitShape(1);
    painter.translate(cx, cy);
    painter.scale(22, 25);
    painter.setPen(QPen(kFace, 1.2 / 22.0));
    painter.drawPath(inner);
    painter.restore();
    DrawPip(painter, suit, {cx, cy - 1}, {6, 7}, false);
  } else {
    DrawPip(painter, suit, {cx, cy}, {24, 26}, false);
  }
}

}  // namespace

QImage DrawFace(CardFace face, double scale) {
  QImage image = BlankCard(kFace, kEdge, scale);
  QPainter painter(&image);
  ScaleTo(painter, scale);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  ClipToInside(painter);
  if (face.number == 1) {
    DrawAce(painter, face.suit);
  } else if (face.number <= 10) {
    DrawNumberCard(painter, face);
  } else {
    DrawCourt(painter, QRectF(15, 8, kWidth - 30, kHeight - 16), face, SuitColour(face.suit));
  }
  DrawIndices(painter, face);
  return image;
}

QImage DrawBack(double scale) {
  QImage image = BlankCard(kFace, kEdge, scale);
  QPainter painter(&image);
  ScaleTo(painter, scale);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF field(4, 4, kWidth - 8, kHeight - 8);
  const QColor deep(28, 58, 140);
  const QColor light(94, 134, 214);
  painter.setPen(Qt::NoPen);
  painter.setBrush(deep);
  painter.drawRoundedRect(field, 3, 3);

  // A lattice of diamonds with a dot in each, clipped to the field.
  QPainterPath clip;
  clip.addRoundedRect(field.adjusted(1, 1, -1, -1), 2, 2);
  painter.setClipPath(clip);
  painter.setPen(QPen(light, 1.0));
  constexpr double kStep = 7.0;
  for (double d = -kHeight; d < kWidth + kHeight; d += kStep) {
    painter.drawLine(QPointF(d, 0), QPointF(d + kHeight, kHeight));
    painter.drawLine(QPointF(d, kHeight), QPointF(d + kHeight, 0));
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(200, 214, 244));
  for (double y = 4 + kStep / 2; y < kHeight; y += kStep) {
    for (double x = kWidth / 2.0 - 7 * kStep; x < kWidth; x += kStep) {
      painter.drawEllipse(
          QPointF(x, y + (std::fmod((x - kWidth / 2.0) / kStep + 70, 2.0) == 1 ? kStep / 2 : 0)), 0.9, 0.9);
    }
  }
  painter.setClipping(false);

  // A frame line and a medallion in the middle.
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(230, 236, 250), 1.0));
  painter.drawRoundedRect(field.adjusted(2.5, 2.5, -2.5, -2.5), 2, 2);
  const QPointF centre(kWidth / 2.0, kHeight / 2.0);
  painter.setPen(QPen(QColor(230, 236, 250), 1.2));
  painter.setBrush(deep);
  painter.drawEllipse(centre, 13, 16);
  painter.setPen(QPen(light, 1.0));
  painter.drawEllipse(centre, 10, 13);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(230, 236, 250));
  for (int suit = 1; suit <= 4; ++suit) {
    const double angle = (suit - 1) * M_PI / 2;
    painter.save();
    painter.translate(centre + QPointF(5.2 * std::sin(angle), -6.2 * std::cos(angle)));
    painter.scale(6.0, 6.5);
    painter.fillPath(SuitShape(suit), QColor(230, 236, 250));
    painter.restore();
  }
  return image;
}

QImage DrawOutline(double scale) { return BlankCard(Outside(scale), QColor(0, 0, 0), scale); }

QImage DrawIcon() {
  QImage image(32, 32, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  // Two fanned cards: a back behind, the ace of hearts in front.
  painter.setPen(QColor(0, 0, 0));
  painter.setBrush(QColor(0, 0, 128));
  painter.drawRoundedRect(QRect(2, 1, 17, 24), 2, 2);
  painter.setPen(QColor(0, 0, 255));
  painter.setClipRect(QRect(4, 3, 14, 21));
  for (int d = -24; d < 24; d += 4) painter.drawLine(3 + d, 2, 3 + d + 22, 24);
  painter.setClipping(false);
  painter.setPen(QColor(0, 0, 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(QRect(2, 1, 17, 24), 2, 2);
  painter.setBrush(QColor(255, 255, 255));
  painter.drawRoundedRect(QRect(11, 6, 18, 25), 2, 2);
  painter.translate(20.5, 18.5);
  painter.scale(12, 12);
  painter.fillPath(SuitShape(4), QColor(255, 0, 0));
  return image;
}

}  // namespace vantrel::cardgen
