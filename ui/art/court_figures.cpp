#include "ui/art/court_figures.h"

#include "ui/art/art_paths.h"
#include "ui/art/card_suits.h"

#include <QPainterPath>

#include <cmath>

namespace tarvelo {
namespace {

using namespace art;

// The figures are drawn in a box 100 wide and 110 high, standing on the frame's bottom edge.
constexpr qreal ArtWidth = 100, ArtHeight = 110;

const QColor Skin(0xf6, 0xd2, 0xa8);
const QColor Gold(0xe8, 0xb4, 0x20);
const QColor DarkGold(0x9a, 0x6a, 0x08);
const QColor Ink(0x22, 0x1a, 0x14);
const QColor Cream(0xfd, 0xf6, 0xe0);

struct Palette {
  QColor robe, trim;
};
Palette SuitPalette(int suit) {
  switch (suit) {
    case SuitSpade:
      return {QColor(0x24, 0x44, 0x9a), Gold};
    case SuitClub:
      return {QColor(0x1e, 0x6e, 0x3c), Gold};
    case SuitDiamond:
      return {QColor(0xd2, 0x5a, 0x14), QColor(0x24, 0x44, 0x9a)};
    default:
      return {QColor(0xb8, 0x12, 0x30), Gold};
  }
}

// Sets up the art box inside `field`: the frame is filled and outlined, and the painter
// is left in art coordinates clipped to the frame.
void EnterArtBox(QPainter& painter, const QRectF& field, const QColor& frameColor) {
  painter.setPen(QPen(frameColor, 1));
  painter.setBrush(Cream);
  const QRectF frame = field.adjusted(0.5, 0.5, -0.5, -0.5);
  painter.drawRect(frame);
  painter.setClipRect(frame.adjusted(0.5, 0.5, -0.5, -0.5));
  const qreal scale = std::min(field.width() / ArtWidth, field.height() / ArtHeight);
  painter.translate(field.center().x() - ArtWidth * scale / 2, field.bottom() - ArtHeight * scale);
  painter.scale(scale, scale);
}

void Fill(QPainter& painter, const QPainterPath& path, const QColor& color, qreal outline = 1.2) {
  painter.setPen(QPen(Ink, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(color);
  painter.drawPath(path);
}

QPainterPath Shoulders(qreal neckHalf, qreal top) {
  return Outline({-2, 112},
                 {LineTo({-2, 100}), CubicTo({4, top + 6}, {24, top}, {50 - neckHalf, top}),
                  LineTo({50 + neckHalf, top}), CubicTo({76, top}, {96, top + 6}, {102, 100}), LineTo({102, 112})});
}

void DrawFace(QPainter& painter, QPointF centre, qreal rx, qreal ry, bool lashes) {
  Fill(painter, Ellipse(centre, rx, ry), Skin);
  const qreal x = centre.x(), eyeY = centre.y() - ry * 0.08, browY = eyeY - ry * 0.22;
  painter.setPen(Qt::NoPen);
  painter.setBrush(Ink);
  for (const qreal side : {-1.0, 1.0}) painter.drawEllipse(QPointF(x + side * rx * 0.38, eyeY), 2.0, 2.2);
  painter.setPen(QPen(Ink, lashes ? 1.6 : 1.3, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  for (const qreal side : {-1.0, 1.0})
    painter.drawLine(QPointF(x + side * rx * 0.6, browY), QPointF(x + side * rx * 0.18, browY - 1));
  painter.drawPath(
      Stroke({x, eyeY + 1}, {LineTo({x - 2.5, centre.y() + ry * 0.3}), LineTo({x + 1, centre.y() + ry * 0.32})}));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0xf0, 0x90, 0x90, 150));  // cheeks
  for (const qreal side : {-1.0, 1.0})
    painter.drawEllipse(QPointF(x + side * rx * 0.55, centre.y() + ry * 0.28), rx * 0.18, ry * 0.1);
}

void DrawMouth(QPainter& painter, QPointF centre, qreal width, const QColor& color) {
  painter.setPen(QPen(color, 2.2, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  const QPointF half(width / 2, 0);
  painter.drawPath(Stroke(centre - half, {QuadTo(centre + QPointF(0, width * 0.35), centre + half)}));
}

void DrawCornerSuits(QPainter& painter, int suit) {
  DrawSuit(painter, suit, QRectF(4, 4, 15, 16));
  DrawSuit(painter, suit, QRectF(81, 4, 15, 16));
}

// The king's sceptre, the queen's rose and the jack's halberd, held at the frame's side.
void DrawSceptre(QPainter& painter) {
  Fill(painter, RoundedRect(QRectF(82, 62, 5, 50), 2), Gold, 1);
  Fill(painter, Ellipse({84.5, 59}, 6, 6), Gold);
  painter.setPen(QPen(Ink, 2.2, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(84.5, 53), QPointF(84.5, 45));
  painter.drawLine(QPointF(80.5, 49), QPointF(88.5, 49));
}

void DrawRose(QPainter& painter) {
  painter.setPen(QPen(QColor(0x20, 0x70, 0x20), 2.4, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(20, 112), QPointF(16, 84));
  Fill(painter, Outline({18, 98}, {QuadTo({26, 90}, {30, 96}), QuadTo({24, 102}, {18, 98})}), QColor(0x30, 0x90, 0x30),
       0.8);
  Fill(painter, Ellipse({16, 80}, 7, 6.5), QColor(0xd0, 0x10, 0x30));
  painter.setPen(QPen(QColor(0x70, 0x00, 0x10), 1.1));
  painter.setBrush(Qt::NoBrush);
  painter.drawArc(QRectF(12, 76, 8, 7), 0, 270 * 16);
}

void DrawHalberd(QPainter& painter) {
  Fill(painter, RoundedRect(QRectF(12, 40, 4, 72), 2), QColor(0x8a, 0x5a, 0x2a), 1);
  Fill(painter,
       Outline({14, 28},
               {LineTo({17, 42}), LineTo({26, 40}), QuadTo({24, 50}, {26, 58}), LineTo({16, 54}), LineTo({11, 42})}),
       QColor(0xc8, 0xcc, 0xd8));
}

void DrawCrown(QPainter& painter) {
  const QPointF tips[3] = {{29, 18}, {50, 12}, {71, 18}};
  Fill(painter, Polygon({{31, 44}, tips[0], {39.5, 31}, tips[1], {60.5, 31}, tips[2], {69, 44}}), Gold);
  Fill(painter, Polygon({{30, 36}, {70, 36}, {70, 44}, {30, 44}}), DarkGold.lighter(130));
  painter.setPen(QPen(Ink, 0.8));
  painter.setBrush(Gold);
  for (const QPointF& tip : tips) painter.drawEllipse(tip, 3, 3);
  painter.setBrush(QColor(0xd0, 0x10, 0x20));
  painter.drawEllipse(QPointF(50, 40), 3, 3);
  painter.setBrush(QColor(0x20, 0x60, 0xd0));
  for (const qreal x : {38.0, 62.0}) painter.drawEllipse(QPointF(x, 40), 2.2, 2.2);
}

void DrawKing(QPainter& painter, const Palette& colors) {
  const QColor brown(0x8a, 0x52, 0x24);
  Fill(painter, Shoulders(9, 80), colors.robe);
  DrawSceptre(painter);
  Fill(painter, Outline({22, 84}, {CubicTo({34, 96}, {66, 96}, {78, 84}), CubicTo({70, 78}, {30, 78}, {22, 84})}),
       Qt::white);  // the ermine collar
  painter.setPen(Qt::NoPen);
  painter.setBrush(Ink);
  for (const qreal x : {32.0, 44.0, 56.0, 68.0}) painter.drawEllipse(QPointF(x, 87), 1.6, 2.4);
  Fill(painter, Ellipse({50, 56}, 20, 19), brown);
  DrawFace(painter, {50, 57}, 16, 19, false);
  Fill(painter,
       Outline({33, 56}, {CubicTo({33, 78}, {42, 90}, {50, 92}), CubicTo({58, 90}, {67, 78}, {67, 56}),
                          CubicTo({64, 66}, {58, 70}, {50, 69}), CubicTo({42, 70}, {36, 66}, {33, 56})}),
       brown);
  Fill(painter,
       Outline({50, 66}, {CubicTo({44, 63}, {38, 66}, {36, 70}), CubicTo({42, 68}, {46, 69}, {50, 68.5}),
                          CubicTo({54, 69}, {58, 68}, {64, 70}), CubicTo({62, 66}, {56, 63}, {50, 66})}),
       brown.darker(130), 0.8);
  DrawCrown(painter);
}

void DrawQueen(QPainter& painter, const Palette& colors) {
  const QColor blonde(0xd8, 0x98, 0x30);
  Fill(
      painter,
      Outline({50, 32}, {CubicTo({26, 32}, {26, 54}, {26, 70}), CubicTo({26, 84}, {22, 92}, {18, 96}), LineTo({82, 96}),
                         CubicTo({78, 92}, {74, 84}, {74, 70}), CubicTo({74, 54}, {74, 32}, {50, 32})}),
      blonde);  // long hair falling behind the shoulders
  Fill(painter, Shoulders(7, 84), colors.robe);
  DrawRose(painter);
  Fill(painter, Outline({34, 86}, {QuadTo({50, 104}, {66, 86}), LineTo({57, 84}), LineTo({43, 84})}), Skin);
  painter.setPen(QPen(Ink, 0.8));
  painter.setBrush(Qt::white);
  for (int i = 0; i < 5; ++i) painter.drawEllipse(QPointF(40 + i * 5, 90 + (i == 2 ? 2.5 : (i % 4 ? 1.8 : 0))), 2, 2);
  DrawFace(painter, {50, 60}, 14, 18, true);
  DrawMouth(painter, {50, 70}, 8, QColor(0xc8, 0x18, 0x30));
  Fill(painter,
       Outline({36, 52}, {CubicTo({38, 40}, {46, 40}, {50, 46}), CubicTo({54, 40}, {62, 40}, {64, 52}),
                          CubicTo({66, 40}, {60, 36}, {50, 36}), CubicTo({40, 36}, {34, 40}, {36, 52})}),
       blonde, 0.9);
  Fill(painter,
       Outline({35, 40}, {CubicTo({36, 30}, {42, 28}, {43, 33}), CubicTo({44, 24}, {56, 24}, {57, 33}),
                          CubicTo({58, 28}, {64, 30}, {65, 40}), CubicTo({56, 36}, {44, 36}, {35, 40})}),
       Gold);  // the tiara
  painter.setPen(QPen(Ink, 0.8));
  painter.setBrush(colors.trim == Gold ? QColor(0xd0, 0x10, 0x20) : colors.trim);
  painter.drawEllipse(QPointF(50, 31), 2.6, 2.6);
}

// A white ruff: a zigzag collar from `left` to `right`, its points reaching down to `depth`.
QPainterPath Ruff(qreal left, qreal right, qreal top, qreal depth, int points) {
  QPainterPath ruff(QPointF(left, top));
  const qreal step = (right - left) / (2 * points);
  for (int i = 1; i < 2 * points; ++i) ruff.lineTo(left + i * step, i % 2 ? depth : top);
  ruff.lineTo(right, top);
  ruff.cubicTo(right - (right - left) * 0.2, top - 4, left + (right - left) * 0.2, top - 4, left, top);
  return ruff;
}

void DrawJack(QPainter& painter, const Palette& colors) {
  Fill(painter, Shoulders(8, 84), colors.robe);
  DrawHalberd(painter);
  painter.setPen(QPen(colors.trim, 3.5));
  for (const qreal x : {26.0, 74.0}) painter.drawLine(QPointF(x, 88), QPointF(x + (x < 50 ? -4 : 4), 112));
  Fill(painter, Ruff(32, 68, 84, 92, 4), Qt::white, 0.9);
  Fill(painter,
       Outline({34, 50},
               {CubicTo({30, 60}, {32, 70}, {36, 74}), LineTo({64, 74}), CubicTo({68, 70}, {70, 60}, {66, 50})}),
       QColor(0xa8, 0x6a, 0x2a));
  DrawFace(painter, {50, 61}, 14, 17, false);
  DrawMouth(painter, {50, 70}, 7, QColor(0xa0, 0x30, 0x30));
  Fill(painter, Outline({58, 42}, {CubicTo({66, 30}, {78, 20}, {92, 14}), CubicTo({86, 26}, {76, 36}, {62, 44})}),
       Qt::white, 0.9);  // the feather
  Fill(painter,
       Outline({28, 50}, {CubicTo({26, 34}, {40, 30}, {52, 30}), CubicTo({66, 30}, {74, 38}, {72, 50}),
                          CubicTo({60, 45}, {40, 45}, {28, 50})}),
       colors.robe.darker(115));  // the cap
  Fill(painter,
       Outline({28, 50},
               {CubicTo({40, 44}, {60, 44}, {72, 50}), LineTo({72, 54}), CubicTo({60, 48}, {40, 48}, {28, 54})}),
       colors.trim, 0.9);
}

void DrawStar(QPainter& painter, QPointF centre, qreal radius) {
  QPolygonF star;
  for (int i = 0; i < 10; ++i) {
    const qreal r = i % 2 ? radius * 0.42 : radius, angle = M_PI / 5 * i - M_PI / 2;
    star << centre + QPointF(std::cos(angle) * r, std::sin(angle) * r);
  }
  QPainterPath path;
  path.addPolygon(star);
  path.closeSubpath();
  Fill(painter, path, Gold, 0.8);
}

void DrawHarlequinBody(QPainter& painter) {
  const QPainterPath body = Shoulders(8, 86);
  Fill(painter, body, QColor(0xd0, 0x20, 0x30));
  painter.save();
  painter.setClipPath(body, Qt::IntersectClip);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x20, 0x90, 0x40));
  for (int i = 0; i < 7; ++i) {
    const qreal x = i * 16 + 2;
    painter.drawPolygon(QPolygonF({QPointF(x, 90), QPointF(x + 8, 100), QPointF(x, 110), QPointF(x - 8, 100)}));
  }
  painter.restore();
}

// The three-pointed cap: each point rises from the band, droops and ends in a bell.
void DrawJesterCap(QPainter& painter) {
  struct Lobe {
    QPointF base1, control1, tip, control2, base2;
    QColor colour;
  };
  const Lobe lobes[3] = {
      {{34, 56}, {20, 50}, {9, 50}, {18, 18}, {48, 52}, QColor(0xd0, 0x20, 0x30)},
      {{66, 56}, {80, 50}, {91, 50}, {82, 18}, {52, 52}, QColor(0xf0, 0xc0, 0x20)},
      {{40, 54}, {38, 26}, {50, 6}, {64, 26}, {60, 54}, QColor(0x20, 0x90, 0x40)},
  };
  for (const Lobe& lobe : lobes)
    Fill(painter, Outline(lobe.base1, {QuadTo(lobe.control1, lobe.tip), QuadTo(lobe.control2, lobe.base2)}),
         lobe.colour);
  Fill(painter, RoundedRect(QRectF(32, 50, 36, 9), 3), QColor(0x7a, 0x1c, 0x8c));
  painter.setPen(QPen(Ink, 0.9));
  painter.setBrush(Gold);
  for (const Lobe& lobe : lobes) painter.drawEllipse(lobe.tip, 4.5, 4.5);
}

}  // namespace

void DrawCourtFigure(QPainter& painter, const QRectF& field, int court, int suit) {
  painter.save();
  const Palette colors = SuitPalette(suit);
  EnterArtBox(painter, field, SuitColor(suit));
  DrawCornerSuits(painter, suit);
  if (court == CourtKing)
    DrawKing(painter, colors);
  else if (court == CourtQueen)
    DrawQueen(painter, colors);
  else
    DrawJack(painter, colors);
  painter.restore();
}

void DrawJokerFigure(QPainter& painter, const QRectF& field) {
  painter.save();
  EnterArtBox(painter, field, QColor(0x7a, 0x1c, 0x8c));
  for (const QPointF& star : {QPointF(14, 14), QPointF(86, 14), QPointF(10, 70), QPointF(90, 70)})
    DrawStar(painter, star, 6);
  DrawHarlequinBody(painter);
  Fill(painter, Ruff(26, 74, 88, 98, 6), Qt::white, 0.9);
  DrawFace(painter, {50, 66}, 15, 17, false);
  Fill(painter, Outline({40, 71}, {QuadTo({50, 84}, {60, 71}), QuadTo({50, 76}, {40, 71})}), QColor(0xc0, 0x10, 0x20),
       1.0);  // the grin
  DrawJesterCap(painter);
  painter.restore();
}

}  // namespace tarvelo
