#pragma once

#include "engine/card_area.h"
#include "engine/layout.h"

namespace tarvelo {

// Where the cards of a downward column are drawn. A column whose last card would
// reach past the bottom of the table closes up, with a smaller step between its
// cards, so that the last card stays whole and can be clicked. The cards keep
// their own positions; only the drawing and the hit-testing use these.
struct TColumnFit {
  int BaseY = 0;  // the column's base row: its first card lies one step beyond
  int Step = StackStep;

  int DrawnY(int y) const { return BaseY + (y - BaseY) * Step / StackStep; }
};

// The fit of a column that starts at `baseY` and whose last card lies at `lastY`.
TColumnFit FitColumn(int baseY, int lastY, const TLayout& layout);
// The fit of the column of an area stacked downward from `baseY`.
TColumnFit FitColumn(const TCardArea& area, int column, int baseY, const TLayout& layout);

}  // namespace tarvelo
