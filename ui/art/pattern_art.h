#pragma once

#include <QPainter>
#include <QPainterPath>

// The pictures of the built-in backs. Each draws into a field 100 wide and 155 high
// (the proportions of a card), which the caller has scaled onto the card and clipped.
namespace tarvelo::pattern_art {

constexpr qreal Width = 100, Height = 155;

void Beach(QPainter& painter);
void SchoolOfFish(QPainter& painter);
void Angelfish(QPainter& painter);
void GreenLeaves(QPainter& painter);
void AutumnLeaves(QPainter& painter);
void Trellis(QPainter& painter);
void Rosette(QPainter& painter);
void Robot(QPainter& painter);
void Rose(QPainter& painter);
void Shell(QPainter& painter);

// Shared strokes: an outlined filled path, and a small fish facing right (or left).
void Fill(QPainter& painter, const QPainterPath& path, const QBrush& fill, const QColor& outline, qreal width);
void DrawFish(QPainter& painter, QPointF centre, qreal length, const QColor& body, const QColor& stripe,
              bool facingLeft = false);

}  // namespace tarvelo::pattern_art
