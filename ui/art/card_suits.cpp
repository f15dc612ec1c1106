#include "ui/art/card_suits.h"

#include "ui/art/art_paths.h"

namespace tarvelo {
namespace {

using namespace art;

QPainterPath HeartShape() {
  return Outline({0.5, 0.98},
                 {CubicTo({0.36, 0.80}, {0.0, 0.60}, {0.0, 0.31}), CubicTo({0.0, 0.11}, {0.14, 0.02}, {0.28, 0.02}),
                  CubicTo({0.40, 0.02}, {0.47, 0.09}, {0.5, 0.21}), CubicTo({0.53, 0.09}, {0.60, 0.02}, {0.72, 0.02}),
                  CubicTo({0.86, 0.02}, {1.0, 0.11}, {1.0, 0.31}), CubicTo({1.0, 0.60}, {0.64, 0.80}, {0.5, 0.98})});
}

// The flared foot of a spade or a club, from the body's underside down to the base line.
QPainterPath Stem(qreal top) {
  return Outline({0.46, top}, {CubicTo({0.45, 0.84}, {0.38, 0.95}, {0.26, 1.0}), LineTo({0.74, 1.0}),
                               CubicTo({0.62, 0.95}, {0.55, 0.84}, {0.54, top})});
}

QPainterPath SpadeShape() {
  QPainterPath p = Outline(
      {0.5, 0.0}, {CubicTo({0.62, 0.17}, {1.0, 0.36}, {1.0, 0.60}), CubicTo({1.0, 0.77}, {0.87, 0.85}, {0.74, 0.85}),
                   CubicTo({0.62, 0.85}, {0.54, 0.78}, {0.5, 0.70}), CubicTo({0.46, 0.78}, {0.38, 0.85}, {0.26, 0.85}),
                   CubicTo({0.13, 0.85}, {0.0, 0.77}, {0.0, 0.60}), CubicTo({0.0, 0.36}, {0.38, 0.17}, {0.5, 0.0})});
  p.addPath(Stem(0.66));
  p.setFillRule(Qt::WindingFill);
  return p.simplified();
}

QPainterPath ClubShape() {
  QPainterPath p;
  const qreal r = 0.235;
  p.addEllipse(QPointF(0.5, 0.25), r, r);
  p.addEllipse(QPointF(0.245, 0.60), r, r);
  p.addEllipse(QPointF(0.755, 0.60), r, r);
  p.addEllipse(QPointF(0.5, 0.52), 0.14, 0.16);  // fills the hollow between the leaves
  p.addPath(Stem(0.6));
  p.setFillRule(Qt::WindingFill);
  return p.simplified();
}

QPainterPath DiamondShape() {
  return Outline({0.5, 0.0}, {QuadTo({0.68, 0.28}, {0.92, 0.5}), QuadTo({0.68, 0.72}, {0.5, 1.0}),
                              QuadTo({0.32, 0.72}, {0.08, 0.5}), QuadTo({0.32, 0.28}, {0.5, 0.0})});
}

}  // namespace

QPainterPath SuitShape(int suit) {
  static const QPainterPath shapes[4] = {SpadeShape(), ClubShape(), DiamondShape(), HeartShape()};
  return shapes[suit & 3];
}

bool IsRedSuit(int suit) { return suit == SuitDiamond || suit == SuitHeart; }

QColor SuitColor(int suit) { return IsRedSuit(suit) ? QColor(0xd0, 0x10, 0x20) : QColor(0x14, 0x14, 0x18); }

void DrawSuit(QPainter& painter, int suit, const QRectF& box, bool upsideDown) {
  painter.save();
  painter.translate(box.center());
  if (upsideDown) painter.rotate(180);
  painter.scale(box.width(), box.height());
  painter.translate(-0.5, -0.5);
  painter.setPen(Qt::NoPen);
  painter.setBrush(SuitColor(suit));
  painter.drawPath(SuitShape(suit));
  painter.restore();
}

}  // namespace tarvelo
