#pragma once

#include <QPainter>
#include <QRectF>

namespace tarvelo {

enum CourtRank { CourtJack = 0, CourtQueen = 1, CourtKing = 2 };

// The picture of a court card inside `field`: a framed bust of the jack (feathered cap,
// no beard), the queen (tiara, long hair) or the king (pointed crown, beard), robed in
// the suit's colours.
void DrawCourtFigure(QPainter& painter, const QRectF& field, int court, int suit);

// The joker's jester: a three-pointed belled cap over a grinning face and a ruff.
void DrawJokerFigure(QPainter& painter, const QRectF& field);

}  // namespace tarvelo
