#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QRectF>

#include <initializer_list>

// Outlines for the card artwork, written as data: a start point and the segments after it.
namespace tarvelo::art {

struct Step {
  enum Kind { Line, Quad, Cubic } kind;
  QPointF control1, control2, to;
};
inline Step LineTo(QPointF to) { return {Step::Line, {}, {}, to}; }
inline Step QuadTo(QPointF control, QPointF to) { return {Step::Quad, control, {}, to}; }
inline Step CubicTo(QPointF control1, QPointF control2, QPointF to) { return {Step::Cubic, control1, control2, to}; }

// A closed outline from `start` through `steps`.
QPainterPath Outline(QPointF start, std::initializer_list<Step> steps);
// The same left open, for strokes.
QPainterPath Stroke(QPointF start, std::initializer_list<Step> steps);
QPainterPath Polygon(std::initializer_list<QPointF> corners);
QPainterPath Ellipse(QPointF centre, qreal rx, qreal ry);
QPainterPath RoundedRect(const QRectF& rect, qreal radius);

}  // namespace tarvelo::art
