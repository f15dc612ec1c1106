#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace tarvelo {

// A transparent pixmap of `logicalSize` whose pixels are laid out at `devicePixelRatio`,
// so the table stays crisp on HiDPI screens; `paint` draws in logical pixels with
// antialiasing on.
QPixmap PaintPixmap(QSize logicalSize, qreal devicePixelRatio, const std::function<void(QPainter&)>& paint);

// The shape every card shares: a rectangle over the whole card with 6 x 6 corner
// ellipses, inset half a pixel so that a 1-pixel outline falls on whole pixels.
QPainterPath CardOutline(QSizeF size);

// A colour stored as 0x00BBGGRR.
QColor ColorFromBgr(int bgr);
int BgrFromColor(const QColor& color);

// `source` drawn in the selected style: its pixels half blended with `tint`,
// its transparent corners kept.
QPixmap SelectedStyle(const QPixmap& source, const QColor& tint);

}  // namespace tarvelo
