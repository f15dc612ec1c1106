#include "ui/art/card_face.h"

#include "ui/art/card_canvas.h"
#include "ui/art/card_suits.h"
#include "ui/art/court_figures.h"

#include <QFont>
#include <QFontMetricsF>

#include <algorithm>
#include <array>

namespace tarvelo {
namespace {

constexpr int JackIndex = 9, AceIndex = 12;
const QColor JokerInk(0x7a, 0x1c, 0x8c);

// The height of the index letters: as tall as the 12-pixel strip of a stacked card allows.
qreal IndexCapHeight(QSizeF size) { return size.width() < 50 ? 9.0 : 10.0; }

// The narrowest index, as a share of its height: a jack is no thin bar.
constexpr qreal MinimumIndexWidth = 0.6;

QFont IndexFont() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStretch(QFont::Condensed);
  font.setWeight(QFont::Bold);
  font.setPixelSize(100);
  return font;
}

// `text` as placed in an index: its ink fills a box `height` tall whose top left
// is at `left`, `top`. A letter that reaches below the line (the jack's hook, the
// queen's tail) is fitted whole into the box at the width of the others, so that
// it stays inside the strip a stacked card shows; a narrow one is widened to a
// readable width.
QPainterPath IndexTextPath(const QString& text, qreal left, qreal top, qreal height) {
  static const QFont font = IndexFont();
  static const qreal fontCap = QFontMetricsF(font).capHeight();
  QPainterPath path;
  path.addText(0, 0, font, text);
  const QRectF ink = path.boundingRect();
  const qreal down = height / std::max(fontCap, ink.height());
  const qreal across = std::max(height / fontCap, MinimumIndexWidth * height / ink.width());
  QTransform place;
  place.translate(left - ink.left() * across, top - ink.top() * down);
  place.scale(across, down);
  return place.map(path);
}

// Draws an index text; returns the right edge of its ink.
qreal DrawIndexText(QPainter& painter, const QString& text, qreal left, qreal top, qreal capHeight,
                    const QColor& color) {
  const QPainterPath path = IndexTextPath(text, left, top, capHeight);
  painter.setPen(Qt::NoPen);
  painter.setBrush(color);
  painter.drawPath(path);
  return path.boundingRect().right();
}

qreal IndexLeft(QSizeF size) { return size.width() < 50 ? 2.5 : 3.0; }
constexpr qreal IndexTop = 2.0;

void DrawIndex(QPainter& painter, QSizeF size, int imageIndex) {
  const qreal cap = IndexCapHeight(size);
  const qreal left = IndexLeft(size);
  const qreal top = IndexTop;
  if (imageIndex == JokerImage) {
    DrawIndexText(painter, QStringLiteral("JOKER"), left, top, cap - 1, JokerInk);
    return;
  }
  const int suit = imageIndex / 13, rank = imageIndex % 13;
  const qreal right = DrawIndexText(painter, QString::fromLatin1(RankIndexText(rank)), left, top, cap, SuitColor(suit));
  const qreal suitSize = cap;
  DrawSuit(painter, suit, QRectF(right + 1.0, top, suitSize * 0.9, suitSize));
}

// Both indices: the top one, and the same turned half round about the card's centre.
void DrawIndices(QPainter& painter, QSizeF size, int imageIndex) {
  DrawIndex(painter, size, imageIndex);
  painter.save();
  painter.translate(size.width(), size.height());
  painter.rotate(180);
  DrawIndex(painter, size, imageIndex);
  painter.restore();
}

// The field between the two index strips, where pips and pictures go.
QRectF CentreField(QSizeF size) {
  const qreal strip = 14;
  return QRectF(3, strip, size.width() - 6, size.height() - 2 * strip);
}

// Pip places of the number cards: column 0 left, 1 middle, 2 right; row from 0 (top) to 1.
struct Pip {
  int column;
  qreal row;
};
const std::array<std::vector<Pip>, 9> PipLayouts = {{
    {{1, 0}, {1, 1}},
    {{1, 0}, {1, 0.5}, {1, 1}},
    {{0, 0}, {2, 0}, {0, 1}, {2, 1}},
    {{0, 0}, {2, 0}, {1, 0.5}, {0, 1}, {2, 1}},
    {{0, 0}, {2, 0}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}},
    {{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}},
    {{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5}, {2, 0.5}, {1, 0.75}, {0, 1}, {2, 1}},
    {{0, 0}, {2, 0}, {0, 1.0 / 3}, {2, 1.0 / 3}, {1, 0.5}, {0, 2.0 / 3}, {2, 2.0 / 3}, {0, 1}, {2, 1}},
    {{0, 0},
     {2, 0},
     {1, 1.0 / 6},
     {0, 1.0 / 3},
     {2, 1.0 / 3},
     {0, 2.0 / 3},
     {2, 2.0 / 3},
     {1, 5.0 / 6},
     {0, 1},
     {2, 1}},
}};

void DrawPips(QPainter& painter, QSizeF size, int suit, int rank) {
  const QRectF field = CentreField(size);
  // As wide as a fifth of the card, but never so tall that four rows of pips would touch.
  const qreal pipHeight = std::min(size.width() * 0.19 * 1.1, 0.3 * (field.height() - 2) / 1.3);
  const qreal pipWidth = pipHeight / 1.1;
  const qreal columns[3] = {size.width() * 0.27, size.width() * 0.5, size.width() * 0.73};
  const qreal firstRow = field.top() + pipHeight / 2 + 1, lastRow = field.bottom() - pipHeight / 2 - 1;
  for (const Pip& pip : PipLayouts[rank]) {
    const qreal y = firstRow + pip.row * (lastRow - firstRow);
    const QRectF box(columns[pip.column] - pipWidth / 2, y - pipHeight / 2, pipWidth, pipHeight);
    DrawSuit(painter, suit, box, pip.row > 0.5);
  }
}

void DrawAce(QPainter& painter, QSizeF size, int suit) {
  const qreal width = size.width() * (suit == SuitSpade ? 0.62 : 0.52);
  const QPointF centre(size.width() / 2, size.height() / 2);
  DrawSuit(painter, suit, QRectF(centre.x() - width / 2, centre.y() - width * 0.55, width, width * 1.1));
}

}  // namespace

const char* RankIndexText(int rankIndex) {
  static const char* const texts[13] = {"2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};
  return texts[rankIndex < 0 || rankIndex > 12 ? 0 : rankIndex];
}

QRectF RankIndexInk(QSizeF size, int rankIndex) {
  return IndexTextPath(QString::fromLatin1(RankIndexText(rankIndex)), IndexLeft(size), IndexTop, IndexCapHeight(size))
      .boundingRect();
}

void DrawCardFace(QPainter& painter, QSizeF size, int imageIndex) {
  painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
  painter.setBrush(Qt::white);
  painter.drawPath(CardOutline(size));
  const int suit = imageIndex / 13, rank = imageIndex % 13;
  if (imageIndex == JokerImage)
    DrawJokerFigure(painter, CentreField(size));
  else if (rank == AceIndex)
    DrawAce(painter, size, suit);
  else if (rank >= JackIndex)
    DrawCourtFigure(painter, CentreField(size), rank - JackIndex, suit);
  else
    DrawPips(painter, size, suit, rank);
  DrawIndices(painter, size, imageIndex);
}

}  // namespace tarvelo
