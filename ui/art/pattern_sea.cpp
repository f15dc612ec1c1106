// The seaside backs: the beach, the two fish pictures and the shell.
#include "ui/art/art_paths.h"
#include "ui/art/pattern_art.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace tarvelo::pattern_art {
namespace {

using namespace art;

void WaterBackground(QPainter& painter, const QColor& top, const QColor& bottom) {
  QLinearGradient water(0, 0, 0, Height);
  water.setColorAt(0, top);
  water.setColorAt(1, bottom);
  painter.fillRect(QRectF(0, 0, Width, Height), water);
}

void Bubbles(QPainter& painter, std::initializer_list<QPointF> places) {
  painter.setPen(QPen(QColor(255, 255, 255, 200), 1.2));
  painter.setBrush(QColor(255, 255, 255, 50));
  qreal r = 2.0;
  for (const QPointF& place : places) {
    painter.drawEllipse(place, r, r);
    r = r >= 4 ? 2.0 : r + 1;
  }
}

void Waves(QPainter& painter, qreal top, qreal bottom, qreal step) {
  painter.setPen(QPen(QColor(255, 255, 255, 170), 1.4, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  for (qreal y = top; y < bottom; y += step) {
    QPainterPath wave;
    const qreal shift = std::fmod(y * 7, 20);
    wave.moveTo(shift - 20, y);
    for (qreal x = shift - 20; x < Width + 20; x += 20)
      wave.quadTo(x + 5, y - 3, x + 10, y), wave.quadTo(x + 15, y + 3, x + 20, y);
    painter.drawPath(wave);
  }
}

void PalmTree(QPainter& painter) {
  Fill(painter,
       Outline({20, 140},
               {CubicTo({22, 110}, {28, 84}, {38, 62}), LineTo({43, 64}), CubicTo({34, 86}, {29, 112}, {29, 140})}),
       QColor(0x8a, 0x5a, 0x2a), QColor(0x4a, 0x2a, 0x10), 1);
  painter.setPen(QPen(QColor(0x5a, 0x36, 0x14), 1));
  for (qreal t = 0.12; t < 1; t += 0.11) {
    const qreal y = 140 - t * 78, x = 20 + t * 18 + t * t * 2;
    painter.drawLine(QPointF(x, y), QPointF(x + 8, y + 1.5));
  }
  const QPointF crown(40, 62);
  const QPointF tips[5] = {{8, 74}, {14, 48}, {42, 36}, {70, 48}, {74, 72}};
  for (const QPointF& tip : tips) {
    const QPointF mid = (crown + tip) / 2 + QPointF(0, -10);
    Fill(painter, Outline(crown, {QuadTo(mid + QPointF(0, -5), tip), QuadTo(mid + QPointF(0, 5), crown)}),
         QColor(0x2e, 0x9a, 0x3c), QColor(0x16, 0x5a, 0x20), 1);
  }
  painter.setPen(QPen(QColor(0x4a, 0x2a, 0x10), 0.8));
  painter.setBrush(QColor(0x6a, 0x42, 0x1a));
  painter.drawEllipse(QPointF(37, 66), 3, 3);
  painter.drawEllipse(QPointF(43, 66), 3, 3);
}

void Sailboat(QPainter& painter, QPointF base) {
  Fill(painter, Polygon({base + QPointF(-10, 0), base + QPointF(10, 0), base + QPointF(6, 4), base + QPointF(-6, 4)}),
       QColor(0x8a, 0x2a, 0x1a), QColor(0x40, 0x10, 0x08), 0.8);
  Fill(painter, Polygon({base + QPointF(0, -1), base + QPointF(0, -20), base + QPointF(9, -1)}), Qt::white,
       QColor(0x60, 0x60, 0x60), 0.8);
}

void Umbrella(QPainter& painter, QPointF top) {
  painter.setPen(QPen(QColor(0x50, 0x40, 0x30), 1.5));
  painter.drawLine(top, top + QPointF(3, 30));
  for (int i = 0; i < 4; ++i) {
    const qreal a = -18 + i * 9, b = a + 9;
    const QPainterPath panel =
        Outline(top, {LineTo(top + QPointF(a, 10)), QuadTo(top + QPointF((a + b) / 2, 7), top + QPointF(b, 10))});
    Fill(painter, panel, i % 2 ? QColor(0xf4, 0xf4, 0xf4) : QColor(0xe0, 0x30, 0x30), QColor(0x80, 0x20, 0x20), 0.8);
  }
}

}  // namespace

void Fill(QPainter& painter, const QPainterPath& path, const QBrush& fill, const QColor& outline, qreal width) {
  painter.setPen(width > 0 ? QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin) : QPen(Qt::NoPen));
  painter.setBrush(fill);
  painter.drawPath(path);
}

void DrawFish(QPainter& painter, QPointF centre, qreal length, const QColor& body, const QColor& stripe,
              bool facingLeft) {
  painter.save();
  painter.translate(centre);
  painter.scale(facingLeft ? -length / 20 : length / 20, length / 20);
  Fill(painter, Polygon({{-6, 0}, {-11, -5}, {-10, 0}, {-11, 5}}), body.darker(120), body.darker(220), 0.5);
  const QPainterPath fish = Outline({10, 0}, {CubicTo({6, -6}, {-4, -6}, {-7, 0}), CubicTo({-4, 6}, {6, 6}, {10, 0})});
  Fill(painter, fish, body, body.darker(220), 0.5);
  painter.save();
  painter.setClipPath(fish);
  painter.setPen(QPen(stripe, 1.6));
  painter.drawLine(QPointF(4, -6), QPointF(3, 6));
  painter.drawLine(QPointF(-2, -6), QPointF(-3, 6));
  painter.restore();
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  painter.drawEllipse(QPointF(6, -1), 1.1, 1.1);
  painter.restore();
}

void Beach(QPainter& painter) {
  QLinearGradient sky(0, 0, 0, 80);
  sky.setColorAt(0, QColor(0x3a, 0x9a, 0xe8));
  sky.setColorAt(1, QColor(0xbc, 0xe4, 0xfa));
  painter.fillRect(QRectF(0, 0, Width, 80), sky);
  QRadialGradient glow(QPointF(74, 26), 20);
  glow.setColorAt(0, QColor(0xff, 0xf4, 0x90));
  glow.setColorAt(0.55, QColor(0xff, 0xd8, 0x30));
  glow.setColorAt(1, QColor(0xff, 0xd8, 0x30, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(glow);
  painter.drawEllipse(QPointF(74, 26), 20, 20);
  painter.setPen(QPen(QColor(0x30, 0x30, 0x40), 1.2, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  for (const QPointF& gull : {QPointF(30, 22), QPointF(44, 14)}) {
    QPainterPath wings;
    wings.moveTo(gull + QPointF(-5, -2));
    wings.quadTo(gull + QPointF(-2, -3), gull);
    wings.quadTo(gull + QPointF(2, -3), gull + QPointF(5, -2));
    painter.drawPath(wings);
  }
  QLinearGradient sea(0, 76, 0, 110);
  sea.setColorAt(0, QColor(0x10, 0x60, 0xa8));
  sea.setColorAt(1, QColor(0x30, 0xb0, 0xc8));
  painter.fillRect(QRectF(0, 76, Width, 40), sea);
  Waves(painter, 86, 110, 9);
  Sailboat(painter, QPointF(70, 86));
  const QPainterPath sand =
      Outline({0, 112}, {CubicTo({30, 102}, {60, 118}, {Width, 106}), LineTo({Width, Height}), LineTo({0, Height})});
  QLinearGradient sandColour(0, 104, 0, Height);
  sandColour.setColorAt(0, QColor(0xf6, 0xde, 0x9a));
  sandColour.setColorAt(1, QColor(0xe0, 0xb8, 0x6a));
  painter.setPen(QPen(QColor(255, 255, 255, 220), 2));
  painter.setBrush(sandColour);
  painter.drawPath(sand);
  Umbrella(painter, QPointF(72, 116));
  PalmTree(painter);
}

void SchoolOfFish(QPainter& painter) {
  WaterBackground(painter, QColor(0x18, 0x70, 0xc0), QColor(0x06, 0x22, 0x5a));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 28));
  for (int i = 0; i < 4; ++i)
    painter.drawPolygon(QPolygonF(
        {QPointF(8 + i * 26, 0), QPointF(22 + i * 26, 0), QPointF(4 + i * 26, Height), QPointF(-8 + i * 26, Height)}));
  const QColor orange(0xff, 0x80, 0x10), white(0xff, 0xff, 0xff);
  // Rows of three between rows of four that run off both edges, like a wallpaper.
  for (int row = 0; row < 6; ++row)
    for (int col = 0; col < 4 - (row + 1) % 2; ++col) {
      const qreal x = (row % 2 ? 2 : 18) + col * 32, y = 14 + row * 25;
      DrawFish(painter, QPointF(x, y), 24, orange, white);
    }
  Bubbles(painter, {{90, 30}, {86, 22}, {91, 12}, {10, 90}, {6, 80}, {11, 70}});
}

void Angelfish(QPainter& painter) {
  WaterBackground(painter, QColor(0x30, 0xc0, 0xb8), QColor(0x0c, 0x50, 0x60));
  for (int i = 0; i < 5; ++i) {  // swaying weed
    const qreal x = 8 + i * 21;
    const QPainterPath weed = Outline({x - 3, Height}, {CubicTo({x - 10, 135}, {x + 8, 125}, {x, 105.0 + (i % 2) * 10}),
                                                        CubicTo({x + 12, 125}, {x - 4, 135}, {x + 4, Height})});
    Fill(painter, weed, QColor(0x30, 0x90, 0x30), QColor(0x10, 0x50, 0x10), 0.8);
  }
  painter.save();
  painter.translate(52, 66);
  const QColor yellow(0xff, 0xe0, 0x40), edge(0x50, 0x40, 0x00);
  const QPainterPath fins =  // the tall triangle of dorsal and anal fin
      Outline({10, -4}, {CubicTo({4, -30}, {-10, -46}, {-12, -50}), CubicTo({-14, -30}, {-20, -10}, {-24, 0}),
                         CubicTo({-20, 10}, {-14, 30}, {-12, 50}), CubicTo({-10, 46}, {4, 30}, {10, 4})});
  Fill(painter, fins, yellow, edge, 1);
  Fill(painter, Polygon({{-20, 0}, {-36, -12}, {-33, 0}, {-36, 12}}), yellow, edge, 1);
  const QPainterPath body =
      Outline({26, 0}, {CubicTo({20, -22}, {-10, -24}, {-22, 0}), CubicTo({-10, 24}, {20, 22}, {26, 0})});
  Fill(painter, body, QColor(0xff, 0xd0, 0x20), edge, 1);
  painter.save();
  QPainterPath all = body.united(fins);
  painter.setClipPath(all);
  painter.setPen(QPen(QColor(0x20, 0x20, 0x30), 4.5));
  for (qreal x : {14.0, -2.0, -16.0}) painter.drawLine(QPointF(x + 3, -50), QPointF(x - 3, 50));
  painter.restore();
  painter.setPen(QPen(Qt::black, 0.8));
  painter.setBrush(Qt::white);
  painter.drawEllipse(QPointF(17, -4), 3.5, 3.5);
  painter.setBrush(Qt::black);
  painter.drawEllipse(QPointF(18, -4), 1.6, 1.6);
  painter.restore();
  DrawFish(painter, QPointF(22, 128), 18, QColor(0xe0, 0x30, 0x90), QColor(0xff, 0xe0, 0xf0), true);
  Bubbles(painter, {{84, 34}, {88, 24}, {83, 14}, {80, 4}});
}

void Shell(QPainter& painter) {
  QLinearGradient sand(0, 0, 0, Height);
  sand.setColorAt(0, QColor(0x4a, 0xb8, 0xc8));
  sand.setColorAt(0.35, QColor(0x9a, 0xd8, 0xd8));
  sand.setColorAt(0.42, QColor(0xf4, 0xe2, 0xb0));
  sand.setColorAt(1, QColor(0xe4, 0xc4, 0x84));
  painter.fillRect(QRectF(0, 0, Width, Height), sand);
  Waves(painter, 12, 56, 10);
  // A scallop: ribs fanning out from the hinge to a scalloped rim.
  const QPointF hinge(50, 132);
  const int ribs = 9;
  const qreal radius = 52;
  QPainterPath fan;
  fan.moveTo(hinge);
  for (int i = 0; i <= ribs; ++i) {
    const qreal angle = (200 + i * 140.0 / ribs) * M_PI / 180;
    const QPointF rim = hinge + QPointF(std::cos(angle), std::sin(angle)) * radius;
    if (i == 0)
      fan.lineTo(rim);
    else {
      const qreal mid = (200 + (i - 0.5) * 140.0 / ribs) * M_PI / 180;
      fan.quadTo(hinge + QPointF(std::cos(mid), std::sin(mid)) * (radius + 9), rim);
    }
  }
  fan.closeSubpath();
  QRadialGradient shade(hinge, radius + 8);
  shade.setColorAt(0, QColor(0xff, 0xf0, 0xe0));
  shade.setColorAt(1, QColor(0xf0, 0x88, 0x70));
  Fill(painter, fan, shade, QColor(0x90, 0x40, 0x30), 1.4);
  painter.setPen(QPen(QColor(0xb0, 0x50, 0x40), 1.2));
  for (int i = 1; i < ribs; ++i) {
    const qreal angle = (200 + i * 140.0 / ribs) * M_PI / 180;
    painter.drawLine(hinge, hinge + QPointF(std::cos(angle), std::sin(angle)) * radius);
  }
  Fill(painter, RoundedRect(QRectF(38, 126, 24, 12), 3), QColor(0xf0, 0xa0, 0x88), QColor(0x90, 0x40, 0x30), 1.2);
  // A small snail shell beside it.
  painter.save();
  painter.translate(80, 140);
  QPainterPath spiral;
  for (qreal t = 0; t < 4 * M_PI; t += 0.2) {
    const QPointF p(std::cos(t) * t * 0.7, std::sin(t) * t * 0.7);
    t == 0 ? spiral.moveTo(p) : spiral.lineTo(p);
  }
  Fill(painter, Ellipse({0, 0}, 9, 9), QColor(0xd8, 0xa0, 0x60), QColor(0x70, 0x40, 0x10), 1);
  painter.setPen(QPen(QColor(0x70, 0x40, 0x10), 1.1));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(spiral);
  painter.restore();
}

}  // namespace tarvelo::pattern_art
