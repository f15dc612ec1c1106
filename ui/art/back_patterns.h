#pragma once

#include <QPainter>
#include <QSizeF>
#include <QString>

namespace tarvelo {

// The built-in back patterns; the index is stored in the settings: never renumber.
constexpr int PatternCount = 10;
// "beach", "fish1", "fish2", "leaves1", "leaves2", "pattern1", "pattern2", "robot", "rose", "shell".
QString PatternName(int pattern);

// A card back of `size` logical pixels showing built-in pattern `pattern` (0..9, others
// taken as 0) inside a white border.
void DrawPatternBack(QPainter& painter, QSizeF size, int pattern);

}  // namespace tarvelo
