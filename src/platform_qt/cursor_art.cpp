// The two hands as vector outlines, on the 32 x 32 grid of their bitmaps (a point names a pixel's centre), so
// a screen with several pixels per pixel gets them drawn in its own pixels rather than enlarged.
#include "platform_qt/cursor_art.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <vector>

#include "platform/error.h"

namespace vantrel::platform {
namespace {

struct Stroke {
  std::vector<QPointF> points;
  double width;
};

struct HandArt {
  std::vector<QPointF> outline;  // closed, filled white
  std::vector<Stroke> lines;     // the creases inside
};

// The pointing hand: the index finger along the diagonal to the fingertip at the top-left corner.
HandArt PointingHand() {
  return {{{0, 0},   {3, 0},   {11, 8},  {17, 8},  {18, 7},  {19, 7},  {20, 8},  {20, 10},
           {19, 11}, {20, 12}, {26, 18}, {26, 20}, {28, 21}, {30, 23}, {30, 25}, {31, 26},
           {30, 27}, {30, 29}, {29, 30}, {27, 30}, {26, 31}, {25, 30}, {23, 30}, {20, 27},
           {20, 26}, {18, 26}, {17, 25}, {14, 25}, {14, 24}, {8, 18},  {8, 11},  {0, 3}},
          {{{{14, 13}, {13, 13}, {12, 14}, {12, 15}, {13, 16}, {11, 19}}, 1.0},
           {{{16, 19}, {14, 22}}, 1.0},
           {{{25.5, 20}, {20, 25.5}}, 1.6}}};
}

// The closed hand: four fingers folded over the palm, the thumb at the left, the cuff at the wrist.
HandArt GrabbingHand() {
  return {{{6, 10},  {7, 9},   {8, 8},   {9, 9},   {12, 9},  {13, 8},  {14, 9},    {17, 9},    {18, 8},
           {19, 9},  {22, 9},  {23, 8},  {24, 9},  {25, 10}, {25, 13}, {23.5, 14}, {25, 15.5}, {25, 18},
           {26, 19}, {25, 20}, {25, 22}, {23, 24}, {22, 24}, {21, 25}, {21, 29},   {20, 30},   {20, 31},
           {11, 31}, {11, 30}, {10, 29}, {10, 25}, {9, 24},  {6, 24},  {5, 23},    {5, 22},    {2, 19},
           {2, 16},  {3, 15},  {7, 15},  {8, 14},  {7, 13},  {6, 13}},
          {{{{10.5, 13}, {10.5, 15}}, 2.0},
           {{{15.5, 13}, {15.5, 15}}, 2.0},
           {{{20.5, 13}, {20.5, 15}}, 2.0},
           {{{10, 26}, {21, 26}}, 1.0}}};
}

QPolygonF Centred(const std::vector<QPointF>& points) {
  QPolygonF polygon;
  for (const QPointF& p : points) polygon << p + QPointF(0.5, 0.5);
  return polygon;
}

}  // namespace

QImage DrawCursorArt(std::string_view name, double scale) {
  HandArt art;
  if (name == "HANDPOINTER") {
    art = PointingHand();
  } else if (name == "HANDGRAB") {
    art = GrabbingHand();
  } else {
    throw Error("The program has no cursor named " + std::string(name) + ".");
  }
  const int side = static_cast<int>(std::lround(kCursorSide * scale));
  QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(scale, scale);
  QPainterPath outline;
  outline.addPolygon(Centred(art.outline));
  outline.closeSubpath();
  painter.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
  painter.setBrush(Qt::white);
  painter.drawPath(outline);
  painter.setBrush(Qt::NoBrush);
  for (const Stroke& line : art.lines) {
    painter.setPen(QPen(Qt::black, line.width, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    painter.drawPolyline(Centred(line.points));
  }
  painter.end();
  image.setDevicePixelRatio(scale);
  return image;
}

}  // namespace vantrel::platform
