#pragma once

#include <QPainter>
#include <QSizeF>

namespace tarvelo {

constexpr int FaceImageCount = 52;  // image = suit * 13 + rank index
constexpr int JokerImage = 52;

// Draws the face of image `imageIndex` (0..51 a suit card, 52 the joker) over a card of
// `size` logical pixels. Every face carries its rank and suit within its top 12 pixels,
// the strip that stays visible when cards are stacked in a column, and the same index
// turned half round at the bottom.
void DrawCardFace(QPainter& painter, QSizeF size, int imageIndex);

// Where the ink of the rank text of the top index lies on a card of `size`.
QRectF RankIndexInk(QSizeF size, int rankIndex);

// The short rank texts of the index: "2" .. "10", "J", "Q", "K", "A".
const char* RankIndexText(int rankIndex);

}  // namespace tarvelo
