// The drawn designs among the backs: the trellis, the rosette and the robot.
#include "ui/art/art_paths.h"
#include "ui/art/pattern_art.h"

#include <QLinearGradient>

#include <cmath>

namespace tarvelo::pattern_art {

using namespace art;

void Trellis(QPainter& painter) {
  const QColor red(0xb0, 0x14, 0x24), light(0xff, 0xe8, 0xd8);
  painter.fillRect(QRectF(0, 0, Width, Height), red);
  painter.setPen(QPen(light, 1.6));
  const qreal step = 14;
  for (qreal x = -Height; x < Width + Height; x += step) {
    painter.drawLine(QPointF(x, 0), QPointF(x + Height, Height));
    painter.drawLine(QPointF(x, 0), QPointF(x - Height, Height));
  }
  // A dot in the middle of every diamond, and a double border.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0xff, 0xc8, 0x40));
  for (qreal y = 0; y < Height + step; y += step)
    for (qreal x = std::fmod(y, 2 * step) == 0 ? step / 2 : -step / 2; x < Width + step; x += step)
      painter.drawEllipse(QPointF(x + step / 2 - step / 2, y + step / 2), 1.8, 1.8);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(light, 2.5));
  painter.drawRect(QRectF(5, 5, Width - 10, Height - 10));
  painter.setPen(QPen(red.darker(140), 2));
  painter.drawRect(QRectF(9, 9, Width - 18, Height - 18));
}

void Rosette(QPainter& painter) {
  const QColor navy(0x12, 0x22, 0x60), blue(0x40, 0x80, 0xd8), pale(0xc8, 0xe0, 0xff);
  painter.fillRect(QRectF(0, 0, Width, Height), navy);
  const QPointF centre(Width / 2, Height / 2);
  painter.setPen(QPen(QColor(0x30, 0x50, 0xa0), 1));
  for (int i = 0; i < 48; ++i) {
    const qreal a = i * M_PI / 24;
    painter.drawLine(centre, centre + QPointF(std::cos(a), std::sin(a)) * 120);
  }
  // Rings of petals, each ring turned half a petal against the one inside it.
  const struct {
    qreal radius, length, width;
    int count;
    QColor colour;
  } rings[] = {{38, 18, 7, 16, blue}, {26, 16, 7, 12, pale}, {14, 14, 6, 8, blue}};
  for (int r = 0; r < 3; ++r) {
    for (int i = 0; i < rings[r].count; ++i) {
      painter.save();
      painter.translate(centre);
      painter.rotate(i * 360.0 / rings[r].count + r * 180.0 / rings[r].count);
      Fill(painter, Ellipse({rings[r].radius, 0}, rings[r].length / 2, rings[r].width / 2), rings[r].colour, navy, 1);
      painter.restore();
    }
  }
  Fill(painter, Ellipse(centre, 7, 7), QColor(0xf0, 0xc8, 0x40), navy, 1);
  painter.setPen(QPen(pale, 1.5));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(centre, 47, 47);
  for (const QPointF& corner : {QPointF(0, 0), QPointF(Width, 0), QPointF(0, Height), QPointF(Width, Height)}) {
    painter.setPen(QPen(blue, 1.5));
    painter.drawEllipse(corner, 18, 18);
    painter.drawEllipse(corner, 12, 12);
  }
}

void Robot(QPainter& painter) {
  QLinearGradient backdrop(0, 0, 0, Height);
  backdrop.setColorAt(0, QColor(0x2a, 0x1a, 0x50));
  backdrop.setColorAt(1, QColor(0x10, 0x30, 0x50));
  painter.fillRect(QRectF(0, 0, Width, Height), backdrop);
  painter.setPen(QPen(QColor(255, 255, 255, 30), 1));
  for (qreal x = 0; x < Width; x += 10) painter.drawLine(QPointF(x, 0), QPointF(x, Height));
  for (qreal y = 0; y < Height; y += 10) painter.drawLine(QPointF(0, y), QPointF(Width, y));
  const QColor metal(0xb8, 0xc4, 0xd0), dark(0x30, 0x38, 0x48);
  auto box = [&](const QRectF& r, const QColor& c, qreal radius) {
    Fill(painter, RoundedRect(r, radius), c, dark, 1.4);
  };
  painter.setPen(QPen(metal, 2.5));
  painter.drawLine(QPointF(50, 30), QPointF(50, 18));  // antenna
  painter.setPen(QPen(dark, 1));
  painter.setBrush(QColor(0xe8, 0x30, 0x30));
  painter.drawEllipse(QPointF(50, 15), 4, 4);
  box(QRectF(16, 80, 10, 34), metal.darker(110), 4);  // arms
  box(QRectF(74, 80, 10, 34), metal.darker(110), 4);
  box(QRectF(34, 120, 12, 26), metal.darker(110), 3);  // legs
  box(QRectF(54, 120, 12, 26), metal.darker(110), 3);
  box(QRectF(28, 144, 20, 8), dark.lighter(150), 3);
  box(QRectF(52, 144, 20, 8), dark.lighter(150), 3);
  box(QRectF(26, 74, 48, 50), metal, 6);             // body
  box(QRectF(30, 30, 40, 36), metal, 7);             // head
  box(QRectF(45, 66, 10, 8), metal.darker(120), 1);  // neck
  for (qreal x : {41.0, 59.0}) {
    painter.setPen(QPen(dark, 1.2));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(x, 44), 7, 7);
    painter.setBrush(QColor(0x20, 0xc0, 0xe0));
    painter.drawEllipse(QPointF(x, 44), 3.5, 3.5);
  }
  box(QRectF(38, 55, 24, 6), dark, 2);  // mouth grille
  painter.setPen(QPen(metal, 1));
  for (qreal x = 42; x < 60; x += 4) painter.drawLine(QPointF(x, 55.5), QPointF(x, 60.5));
  box(QRectF(34, 82, 32, 22), QColor(0x40, 0x48, 0x60), 3);  // chest panel with lights
  const QColor lights[3] = {QColor(0x40, 0xe0, 0x60), QColor(0xf0, 0xd0, 0x30), QColor(0xe8, 0x40, 0x40)};
  painter.setPen(Qt::NoPen);
  for (int i = 0; i < 3; ++i) {
    painter.setBrush(lights[i]);
    painter.drawEllipse(QPointF(41 + i * 9, 89), 3, 3);
  }
  painter.setBrush(QColor(0x80, 0xd0, 0xff));
  painter.drawRect(QRectF(38, 96, 24, 4));
  for (qreal y : {110.0, 116.0}) {
    painter.setPen(QPen(dark, 1.5));
    painter.drawLine(QPointF(36, y), QPointF(64, y));
  }
}

}  // namespace tarvelo::pattern_art
