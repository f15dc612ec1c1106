#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace tarvelo {

// Suits in the order of the card ids: never renumber.
enum CardSuit { SuitSpade = 0, SuitClub = 1, SuitDiamond = 2, SuitHeart = 3 };

// The suit's symbol filling the unit square (0,0)-(1,1), point or stem down.
QPainterPath SuitShape(int suit);
QColor SuitColor(int suit);
bool IsRedSuit(int suit);

// The symbol fitted into `box`; `upsideDown` turns it half round about the box's centre,
// as the pips of a card's lower half are drawn.
void DrawSuit(QPainter& painter, int suit, const QRectF& box, bool upsideDown = false);

}  // namespace tarvelo
