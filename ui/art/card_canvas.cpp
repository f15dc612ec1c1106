#include "ui/art/card_canvas.h"

#include <algorithm>
#include <cmath>

namespace tarvelo {

QPixmap PaintPixmap(QSize logicalSize, qreal devicePixelRatio, const std::function<void(QPainter&)>& paint) {
  const qreal dpr = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
  QPixmap pixmap(std::max(1, int(std::ceil(logicalSize.width() * dpr))),
                 std::max(1, int(std::ceil(logicalSize.height() * dpr))));
  pixmap.setDevicePixelRatio(dpr);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  paint(painter);
  return pixmap;
}

QPainterPath CardOutline(QSizeF size) {
  QPainterPath path;
  path.addRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 3, 3);
  return path;
}

QColor ColorFromBgr(int bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

int BgrFromColor(const QColor& color) { return color.red() | (color.green() << 8) | (color.blue() << 16); }

QPixmap SelectedStyle(const QPixmap& source, const QColor& tint) {
  QPixmap result = source;
  QPainter painter(&result);
  // Source-atop paints only where the card has pixels, so its corners stay clear.
  painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
  QColor half = tint;
  half.setAlphaF(0.5);
  painter.fillRect(QRectF(QPointF(0, 0), source.deviceIndependentSize()), half);
  return result;
}

}  // namespace tarvelo
