#include "engine/column_fit.h"

#include <algorithm>

namespace tarvelo {

namespace {
// Never so close that a covered card could not be clicked at all.
constexpr int SmallestStep = 3;
// A line of table left under a closed-up column, so that its last card's edge shows.
constexpr int BottomGap = 2;
}  // namespace

TColumnFit FitColumn(int baseY, int lastY, const TLayout& layout) {
  const int steps = (lastY - baseY) / StackStep;
  const int bottom = layout.TableBottom - BottomGap;
  if (steps <= 0 || lastY + layout.CardHeight <= bottom) return {baseY, StackStep};
  const int room = bottom - layout.CardHeight - baseY;
  return {baseY, std::clamp(room / steps, SmallestStep, StackStep)};
}

TColumnFit FitColumn(const TCardArea& area, int column, int baseY, const TLayout& layout) {
  if (column < 0 || column >= ColumnCount) return {baseY, StackStep};
  return FitColumn(baseY, area.Columns[column].Y, layout);
}

}  // namespace tarvelo
