#include "court_figures.h"

#include "card_suits.h"

#include <QPainterPath>

#include <cmath>

namespace tarvelo {
namespace {

// The figures are drawn in a box 100 wide and 110 high, standing on the frame's bottom edge.
constexpr qreal ArtWidth = 100, ArtHeight = 110;

const QColor Skin(0xf6, 0xd2, 0xa8);
const QColor Gold(0xe8, 0xb4, 0x20);
const QColor DarkGold(0x9a, 0x6a, 0x08);
const QColor Ink(0x22, 0x1a, 0x14);
const QColor Cream(0xfd, 0xf6, 0xe0);

struct Palette { QColor robe, trim; };
Palette SuitPalette(int suit) {
  switch (suit) {
    case SuitSpade: return {QColor(0x24, 0x44, 0x9a), Gold};
    case SuitClub: return {QColor(0x1e, 0x6e, 0x3c), Gold};
    case SuitDiamond: return {QColor(0xd2, 0x5a, 0x14), QColor(0x24, 0x44, 0x9a)};
    default: return {QColor(0xb8, 0x12, 0x30), Gold};
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
  QPainterPath p;
  p.moveTo(-2, 112);
  p.lineTo(-2, 100);
  p.cubicTo(4, top + 6, 24, top, 50 - neckHalf, top);
  p.lineTo(50 + neckHalf, top);
  p.cubicTo(76, top, 96, top + 6, 102, 100);
  p.lineTo(102, 112);
  p.closeSubpath();
  return p;
}

void DrawFace(QPainter& painter, QPointF centre, qreal rx, qreal ry, bool lashes) {
  QPainterPath head;
  head.addEllipse(centre, rx, ry);
  Fill(painter, head, Skin);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Ink);
  const qreal eyeY = centre.y() - ry * 0.08;
  painter.drawEllipse(QPointF(centre.x() - rx * 0.38, eyeY), 2.0, 2.2);
  painter.drawEllipse(QPointF(centre.x() + rx * 0.38, eyeY), 2.0, 2.2);
  painter.setPen(QPen(Ink, lashes ? 1.6 : 1.3, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  const qreal browY = eyeY - ry * 0.22;
  painter.drawLine(QPointF(centre.x() - rx * 0.6, browY), QPointF(centre.x() - rx * 0.18, browY - 1));
  painter.drawLine(QPointF(centre.x() + rx * 0.18, browY - 1), QPointF(centre.x() + rx * 0.6, browY));
  QPainterPath nose;
  nose.moveTo(centre.x(), eyeY + 1);
  nose.lineTo(centre.x() - 2.5, centre.y() + ry * 0.3);
  nose.lineTo(centre.x() + 1, centre.y() + ry * 0.32);
  painter.drawPath(nose);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0xf0, 0x90, 0x90, 150));
  painter.drawEllipse(QPointF(centre.x() - rx * 0.55, centre.y() + ry * 0.28), rx * 0.18, ry * 0.1);
  painter.drawEllipse(QPointF(centre.x() + rx * 0.55, centre.y() + ry * 0.28), rx * 0.18, ry * 0.1);
}

void DrawMouth(QPainter& painter, QPointF centre, qreal width, const QColor& color) {
  painter.setPen(QPen(color, 2.2, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  QPainterPath mouth;
  mouth.moveTo(centre.x() - width / 2, centre.y());
  mouth.quadTo(centre.x(), centre.y() + width * 0.35, centre.x() + width / 2, centre.y());
  painter.drawPath(mouth);
}

void DrawCornerSuits(QPainter& painter, int suit) {
  DrawSuit(painter, suit, QRectF(4, 4, 15, 16));
  DrawSuit(painter, suit, QRectF(81, 4, 15, 16));
}

// The king's sceptre, the queen's rose and the jack's halberd, held at the frame's side.
void DrawSceptre(QPainter& painter) {
  QPainterPath rod;
  rod.addRoundedRect(QRectF(82, 62, 5, 50), 2, 2);
  Fill(painter, rod, Gold, 1);
  QPainterPath orb;
  orb.addEllipse(QPointF(84.5, 59), 6, 6);
  Fill(painter, orb, Gold);
  painter.setPen(QPen(Ink, 2.2, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(84.5, 53), QPointF(84.5, 45));
  painter.drawLine(QPointF(80.5, 49), QPointF(88.5, 49));
}

void DrawRose(QPainter& painter) {
  painter.setPen(QPen(QColor(0x20, 0x70, 0x20), 2.4, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(20, 112), QPointF(16, 84));
  QPainterPath leaf;
  leaf.moveTo(18, 98);
  leaf.quadTo(26, 90, 30, 96);
  leaf.quadTo(24, 102, 18, 98);
  Fill(painter, leaf, QColor(0x30, 0x90, 0x30), 0.8);
  QPainterPath bloom;
  bloom.addEllipse(QPointF(16, 80), 7, 6.5);
  Fill(painter, bloom, QColor(0xd0, 0x10, 0x30));
  painter.setPen(QPen(QColor(0x70, 0x00, 0x10), 1.1));
  painter.setBrush(Qt::NoBrush);
  painter.drawArc(QRectF(12, 76, 8, 7), 0, 270 * 16);
}

void DrawHalberd(QPainter& painter) {
  QPainterPath staff;
  staff.addRoundedRect(QRectF(12, 40, 4, 72), 2, 2);
  Fill(painter, staff, QColor(0x8a, 0x5a, 0x2a), 1);
  QPainterPath blade;
  blade.moveTo(14, 28);
  blade.lineTo(17, 42);
  blade.lineTo(26, 40);
  blade.quadTo(24, 50, 26, 58);
  blade.lineTo(16, 54);
  blade.lineTo(11, 42);
  blade.closeSubpath();
  Fill(painter, blade, QColor(0xc8, 0xcc, 0xd8));
}

void DrawKing(QPainter& painter, const Palette& colors) {
  Fill(painter, Shoulders(9, 80), colors.robe);
  DrawSceptre(painter);
  QPainterPath ermine;  // the fur collar
  ermine.moveTo(22, 84);
  ermine.cubicTo(34, 96, 66, 96, 78, 84);
  ermine.cubicTo(70, 78, 30, 78, 22, 84);
  Fill(painter, ermine, Qt::white);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Ink);
  for (qreal x : {32.0, 44.0, 56.0, 68.0}) painter.drawEllipse(QPointF(x, 87), 1.6, 2.4);
  QPainterPath hair;
  hair.addEllipse(QPointF(50, 56), 20, 19);
  Fill(painter, hair, QColor(0x8a, 0x52, 0x24));
  DrawFace(painter, QPointF(50, 57), 16, 19, false);
  QPainterPath beard;
  beard.moveTo(33, 56);
  beard.cubicTo(33, 78, 42, 90, 50, 92);
  beard.cubicTo(58, 90, 67, 78, 67, 56);
  beard.cubicTo(64, 66, 58, 70, 50, 69);
  beard.cubicTo(42, 70, 36, 66, 33, 56);
  Fill(painter, beard, QColor(0x8a, 0x52, 0x24));
  QPainterPath moustache;
  moustache.moveTo(50, 66);
  moustache.cubicTo(44, 63, 38, 66, 36, 70);
  moustache.cubicTo(42, 68, 46, 69, 50, 68.5);
  moustache.cubicTo(54, 69, 58, 68, 64, 70);
  moustache.cubicTo(62, 66, 56, 63, 50, 66);
  Fill(painter, moustache, QColor(0x6a, 0x3a, 0x14), 0.8);
  QPainterPath crown;
  crown.moveTo(31, 44);
  crown.lineTo(29, 18);
  crown.lineTo(39.5, 31);
  crown.lineTo(50, 12);
  crown.lineTo(60.5, 31);
  crown.lineTo(71, 18);
  crown.lineTo(69, 44);
  crown.closeSubpath();
  Fill(painter, crown, Gold);
  Fill(painter, [] { QPainterPath band; band.addRect(30, 36, 40, 8); return band; }(), DarkGold.lighter(130));
  painter.setPen(QPen(Ink, 0.8));
  for (const QPointF& tip : {QPointF(29, 18), QPointF(50, 12), QPointF(71, 18)}) {
    painter.setBrush(Gold);
    painter.drawEllipse(tip, 3, 3);
  }
  painter.setBrush(QColor(0xd0, 0x10, 0x20));
  painter.drawEllipse(QPointF(50, 40), 3, 3);
  painter.setBrush(QColor(0x20, 0x60, 0xd0));
  painter.drawEllipse(QPointF(38, 40), 2.2, 2.2);
  painter.drawEllipse(QPointF(62, 40), 2.2, 2.2);
}

void DrawQueen(QPainter& painter, const Palette& colors) {
  QPainterPath hair;  // long hair falling behind the shoulders
  hair.moveTo(50, 32);
  hair.cubicTo(26, 32, 26, 54, 26, 70);
  hair.cubicTo(26, 84, 22, 92, 18, 96);
  hair.lineTo(82, 96);
  hair.cubicTo(78, 92, 74, 84, 74, 70);
  hair.cubicTo(74, 54, 74, 32, 50, 32);
  Fill(painter, hair, QColor(0xd8, 0x98, 0x30));
  Fill(painter, Shoulders(7, 84), colors.robe);
  DrawRose(painter);
  QPainterPath neckline;
  neckline.moveTo(34, 86);
  neckline.quadTo(50, 104, 66, 86);
  neckline.lineTo(57, 84);
  neckline.lineTo(43, 84);
  neckline.closeSubpath();
  Fill(painter, neckline, Skin);
  painter.setPen(QPen(Ink, 0.8));
  painter.setBrush(Qt::white);
  for (int i = 0; i < 5; ++i) painter.drawEllipse(QPointF(40 + i * 5, 90 + (i == 2 ? 2.5 : (i % 4 ? 1.8 : 0))), 2, 2);
  DrawFace(painter, QPointF(50, 60), 14, 18, true);
  DrawMouth(painter, QPointF(50, 70), 8, QColor(0xc8, 0x18, 0x30));
  QPainterPath fringe;
  fringe.moveTo(36, 52);
  fringe.cubicTo(38, 40, 46, 40, 50, 46);
  fringe.cubicTo(54, 40, 62, 40, 64, 52);
  fringe.cubicTo(66, 40, 60, 36, 50, 36);
  fringe.cubicTo(40, 36, 34, 40, 36, 52);
  Fill(painter, fringe, QColor(0xd8, 0x98, 0x30), 0.9);
  QPainterPath tiara;
  tiara.moveTo(35, 40);
  tiara.cubicTo(36, 30, 42, 28, 43, 33);
  tiara.cubicTo(44, 24, 56, 24, 57, 33);
  tiara.cubicTo(58, 28, 64, 30, 65, 40);
  tiara.cubicTo(56, 36, 44, 36, 35, 40);
  Fill(painter, tiara, Gold);
  painter.setPen(QPen(Ink, 0.8));
  painter.setBrush(colors.trim == Gold ? QColor(0xd0, 0x10, 0x20) : colors.trim);
  painter.drawEllipse(QPointF(50, 31), 2.6, 2.6);
}

void DrawJack(QPainter& painter, const Palette& colors) {
  Fill(painter, Shoulders(8, 84), colors.robe);
  DrawHalberd(painter);
  painter.setPen(QPen(colors.trim, 3.5));
  for (qreal x : {26.0, 74.0}) painter.drawLine(QPointF(x, 88), QPointF(x + (x < 50 ? -4 : 4), 112));
  QPainterPath ruff;
  ruff.moveTo(32, 84);
  for (int i = 0; i < 8; ++i) ruff.lineTo(34 + i * 4.5, i % 2 ? 84 : 92);
  ruff.lineTo(68, 84);
  ruff.cubicTo(60, 80, 40, 80, 32, 84);
  Fill(painter, ruff, Qt::white, 0.9);
  QPainterPath hair;
  hair.moveTo(34, 50);
  hair.cubicTo(30, 60, 32, 70, 36, 74);
  hair.lineTo(64, 74);
  hair.cubicTo(68, 70, 70, 60, 66, 50);
  hair.closeSubpath();
  Fill(painter, hair, QColor(0xa8, 0x6a, 0x2a));
  DrawFace(painter, QPointF(50, 61), 14, 17, false);
  DrawMouth(painter, QPointF(50, 70), 7, QColor(0xa0, 0x30, 0x30));
  QPainterPath feather;
  feather.moveTo(58, 42);
  feather.cubicTo(66, 30, 78, 20, 92, 14);
  feather.cubicTo(86, 26, 76, 36, 62, 44);
  feather.closeSubpath();
  Fill(painter, feather, Qt::white, 0.9);
  QPainterPath cap;
  cap.moveTo(28, 50);
  cap.cubicTo(26, 34, 40, 30, 52, 30);
  cap.cubicTo(66, 30, 74, 38, 72, 50);
  cap.cubicTo(60, 45, 40, 45, 28, 50);
  Fill(painter, cap, colors.robe.darker(115));
  QPainterPath band;
  band.moveTo(28, 50);
  band.cubicTo(40, 44, 60, 44, 72, 50);
  band.lineTo(72, 54);
  band.cubicTo(60, 48, 40, 48, 28, 54);
  band.closeSubpath();
  Fill(painter, band, colors.trim, 0.9);
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
  // Harlequin body in diamonds of red and green.
  QPainterPath body = Shoulders(8, 86);
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
  QPainterPath ruff;
  ruff.moveTo(26, 88);
  for (int i = 0; i <= 12; ++i) ruff.lineTo(26 + i * 4, i % 2 ? 98 : 86);
  ruff.cubicTo(60, 80, 40, 80, 26, 88);
  Fill(painter, ruff, Qt::white, 0.9);
  DrawFace(painter, QPointF(50, 66), 15, 17, false);
  QPainterPath grin;
  grin.moveTo(40, 71);
  grin.quadTo(50, 84, 60, 71);
  grin.quadTo(50, 76, 40, 71);
  Fill(painter, grin, QColor(0xc0, 0x10, 0x20), 1.0);
  // The three-pointed cap: each point rises from the band, droops and ends in a bell.
  struct Lobe { QPointF base1, control1, tip, control2, base2; QColor colour; };
  const Lobe lobes[3] = {
      {{34, 56}, {20, 50}, {9, 50}, {18, 18}, {48, 52}, QColor(0xd0, 0x20, 0x30)},
      {{66, 56}, {80, 50}, {91, 50}, {82, 18}, {52, 52}, QColor(0xf0, 0xc0, 0x20)},
      {{40, 54}, {38, 26}, {50, 6}, {64, 26}, {60, 54}, QColor(0x20, 0x90, 0x40)},
  };
  for (const Lobe& lobe : lobes) {
    QPainterPath path;
    path.moveTo(lobe.base1);
    path.quadTo(lobe.control1, lobe.tip);
    path.quadTo(lobe.control2, lobe.base2);
    path.closeSubpath();
    Fill(painter, path, lobe.colour);
  }
  QPainterPath brim;
  brim.addRoundedRect(QRectF(32, 50, 36, 9), 3, 3);
  Fill(painter, brim, QColor(0x7a, 0x1c, 0x8c));
  painter.setPen(QPen(Ink, 0.9));
  painter.setBrush(Gold);
  for (const Lobe& lobe : lobes) painter.drawEllipse(lobe.tip, 4.5, 4.5);
  painter.restore();
}

}  // namespace tarvelo
