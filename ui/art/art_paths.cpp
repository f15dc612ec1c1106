#include "ui/art/art_paths.h"

#include <QPolygonF>

namespace tarvelo::art {

QPainterPath Stroke(QPointF start, std::initializer_list<Step> steps) {
  QPainterPath path(start);
  for (const Step& step : steps) {
    if (step.kind == Step::Line)
      path.lineTo(step.to);
    else if (step.kind == Step::Quad)
      path.quadTo(step.control1, step.to);
    else
      path.cubicTo(step.control1, step.control2, step.to);
  }
  return path;
}

QPainterPath Outline(QPointF start, std::initializer_list<Step> steps) {
  QPainterPath path = Stroke(start, steps);
  path.closeSubpath();
  return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> corners) {
  QPainterPath path;
  path.addPolygon(QPolygonF(corners));
  path.closeSubpath();
  return path;
}

QPainterPath Ellipse(QPointF centre, qreal rx, qreal ry) {
  QPainterPath path;
  path.addEllipse(centre, rx, ry);
  return path;
}

QPainterPath RoundedRect(const QRectF& rect, qreal radius) {
  QPainterPath path;
  path.addRoundedRect(rect, radius, radius);
  return path;
}

}  // namespace tarvelo::art
