// The plant backs: green leaves, autumn leaves and the rose.
#include "ui/art/art_paths.h"
#include "ui/art/pattern_art.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace tarvelo::pattern_art {
namespace {

using namespace art;

// An oval leaf with its midrib and veins, pointing along `angle` degrees.
void OvalLeaf(QPainter& painter, QPointF centre, qreal length, qreal angle, const QColor& colour) {
  painter.save();
  painter.translate(centre);
  painter.rotate(angle);
  const qreal half = length / 2, quarter = length / 4;
  const QPainterPath leaf =
      Outline({-half, 0}, {CubicTo({-quarter, -length * 0.32}, {quarter, -length * 0.3}, {half, 0}),
                           CubicTo({quarter, length * 0.3}, {-quarter, length * 0.32}, {-half, 0})});
  Fill(painter, leaf, colour, colour.darker(180), 1);
  painter.setPen(QPen(colour.lighter(150), 0.9));
  painter.drawLine(QPointF(-length / 2 - 3, 0), QPointF(length / 2 - 2, 0));
  for (int i = 1; i <= 3; ++i) {
    const qreal x = -length / 2 + i * length / 4.2;
    painter.drawLine(QPointF(x, 0), QPointF(x + length / 7, -length / 6));
    painter.drawLine(QPointF(x, 0), QPointF(x + length / 7, length / 6));
  }
  painter.restore();
}

// A five-lobed maple leaf with a stalk, its tip pointing along `angle` degrees from straight up.
void MapleLeaf(QPainter& painter, QPointF centre, qreal size, qreal angle, const QColor& colour) {
  static const QPainterPath leaf = Polygon(
      {{0, -1.0},    {0.12, -0.62},  {0.34, -0.74},  {0.3, -0.34},   {0.78, -0.52}, {0.66, -0.28},  {0.92, -0.12},
       {0.5, 0.12},  {0.58, 0.34},   {0.12, 0.24},   {0.04, 0.5},    {-0.04, 0.5},  {-0.12, 0.24},  {-0.58, 0.34},
       {-0.5, 0.12}, {-0.92, -0.12}, {-0.66, -0.28}, {-0.78, -0.52}, {-0.3, -0.34}, {-0.34, -0.74}, {-0.12, -0.62}});
  painter.save();
  painter.translate(centre);
  painter.rotate(angle);
  painter.scale(size, size);
  Fill(painter, leaf, colour, colour.darker(170), 0.05);
  painter.setPen(QPen(colour.darker(140), 0.04));
  painter.drawLine(QPointF(0, 0.85), QPointF(0, -0.8));
  painter.drawLine(QPointF(0, 0.1), QPointF(0.7, -0.4));
  painter.drawLine(QPointF(0, 0.1), QPointF(-0.7, -0.4));
  painter.restore();
}

void RosePetals(QPainter& painter, QPointF centre) {
  QRadialGradient shade(centre, 22);
  shade.setColorAt(0, QColor(0x90, 0x00, 0x18));
  shade.setColorAt(1, QColor(0xe0, 0x20, 0x38));
  const QColor edge(0x60, 0x00, 0x10);
  for (int i = 0; i < 5; ++i) {  // the outer petals
    painter.save();
    painter.translate(centre);
    painter.rotate(i * 72 + 18);
    Fill(painter, Outline({0, 0}, {CubicTo({-16, -4}, {-18, -22}, {0, -24}), CubicTo({18, -22}, {16, -4}, {0, 0})}),
         shade, edge, 1);
    painter.restore();
  }
  // The tight heart of the bloom: arcs wound inward.
  Fill(painter, Ellipse(centre, 11, 10), QColor(0xc0, 0x10, 0x2c), edge, 1);
  painter.setPen(QPen(edge, 1.3, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  for (int i = 0; i < 4; ++i) {
    const qreal r = 9 - i * 2.2;
    painter.drawArc(QRectF(centre.x() - r + i, centre.y() - r + i * 0.5, 2 * r, 2 * r), (30 + i * 90) * 16, 200 * 16);
  }
}

}  // namespace

void GreenLeaves(QPainter& painter) {
  painter.fillRect(QRectF(0, 0, Width, Height), QColor(0x12, 0x3a, 0x1c));
  const QColor greens[3] = {QColor(0x3c, 0xa0, 0x3c), QColor(0x6c, 0xc0, 0x40), QColor(0x28, 0x80, 0x48)};
  int n = 0;
  for (int row = 0; row < 7; ++row)
    for (int col = 0; col < 3; ++col, ++n) {
      const QPointF centre(12 + col * 38 + (row % 2) * 19, 8 + row * 24);
      OvalLeaf(painter, centre, 30, (row % 2 ? -35 : 35) + col * 8, greens[n % 3]);
    }
}

void AutumnLeaves(QPainter& painter) {
  QLinearGradient ground(0, 0, 0, Height);
  ground.setColorAt(0, QColor(0x5a, 0x32, 0x18));
  ground.setColorAt(1, QColor(0x3a, 0x1e, 0x0c));
  painter.fillRect(QRectF(0, 0, Width, Height), ground);
  const QColor colours[4] = {QColor(0xe8, 0x50, 0x18), QColor(0xf4, 0xb0, 0x20), QColor(0xc0, 0x18, 0x18),
                             QColor(0xf0, 0x80, 0x20)};
  int n = 0;
  for (int row = 0; row < 5; ++row)
    for (int col = 0; col < 3; ++col, ++n) {
      const QPointF centre(16 + col * 34 + (row % 2) * 16, 16 + row * 32);
      MapleLeaf(painter, centre, 17, -30 + (n * 47) % 70, colours[n % 4]);
    }
}

void Rose(QPainter& painter) {
  QRadialGradient backdrop(QPointF(50, 60), 110);
  backdrop.setColorAt(0, QColor(0xfa, 0xf0, 0xd8));
  backdrop.setColorAt(1, QColor(0xd8, 0xc0, 0x98));
  painter.fillRect(QRectF(0, 0, Width, Height), backdrop);
  painter.setPen(QPen(QColor(0xc8, 0xa8, 0x78), 0.8));
  for (qreal y = 6; y < Height; y += 12) painter.drawLine(QPointF(0, y), QPointF(Width, y - 12));
  Fill(painter,
       Outline({48, 66}, {CubicTo({44, 94}, {56, 118}, {50, Height}), LineTo({54, Height}),
                          CubicTo({60, 118}, {48, 94}, {52, 66})}),
       QColor(0x2a, 0x7a, 0x2a), QColor(0x10, 0x40, 0x10), 1);
  for (const QPointF& thorn : {QPointF(48, 90), QPointF(55, 112)}) {
    const qreal side = thorn.x() < 50 ? -5 : 5;
    Fill(painter, Polygon({thorn + QPointF(0, -2.5), thorn + QPointF(side, -4), thorn + QPointF(0, 2.5)}),
         QColor(0x2a, 0x7a, 0x2a), QColor(0x10, 0x40, 0x10), 0.8);
  }
  OvalLeaf(painter, QPointF(34, 100), 26, -30, QColor(0x38, 0x90, 0x38));
  OvalLeaf(painter, QPointF(68, 124), 26, 210, QColor(0x38, 0x90, 0x38));
  RosePetals(painter, QPointF(50, 50));
}

}  // namespace tarvelo::pattern_art
