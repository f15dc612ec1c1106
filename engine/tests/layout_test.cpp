#include "engine/layout.h"

#include <gtest/gtest.h>

using namespace tarvelo;

TEST(Layout, FiguresAtEachSize) {
  struct Case {
    int size, midLine, stockY, discardY, playerMeldY, opponentMeldY, playerHandY, step;
  };
  const Case cases[] = {
      {0, 202, 135, 204, 196, 146, 323, 45},
      {1, 262, 179, 264, 256, 190, 399, 57},
      {2, 346, 240, 348, 340, 251, 506, 73},
      {3, 474, 368, 476, 468, 379, 634, 91},
  };
  for (const Case& c : cases) {
    const TLayout l = ComputeLayout(c.size);
    EXPECT_EQ(l.MidLine, c.midLine) << c.size;
    EXPECT_EQ(l.StockY, c.stockY) << c.size;
    EXPECT_EQ(l.DiscardY, c.discardY) << c.size;
    EXPECT_EQ(l.PlayerMeldY, c.playerMeldY) << c.size;
    EXPECT_EQ(l.OpponentMeldY, c.opponentMeldY) << c.size;
    EXPECT_EQ(l.PlayerHandY, c.playerHandY) << c.size;
    EXPECT_EQ(l.ColumnStep, c.step) << c.size;
    EXPECT_EQ(l.CardWidth, WindowSizes[c.size].CardWidth);
    // All fourteen columns fit in the client area.
    EXPECT_LE(l.ColumnX(13) + l.CardWidth, WindowSizes[c.size].Width) << c.size;
  }
}

TEST(Layout, ColumnStepFollowsTheClientWidth) {
  EXPECT_EQ(ComputeLayout(0, 634).ColumnStep, (634 - 14 * 42) / 14 + 42);
}

TEST(Layout, ColumnOfAnyPositionIsAColumn) {
  const TLayout l = ComputeLayout(0);
  EXPECT_EQ(l.ColumnOf(l.ColumnX(6)), 6);
  EXPECT_EQ(l.ColumnOf(l.ColumnX(6) + l.ColumnStep - 1), 6);
  EXPECT_EQ(l.ColumnOf(-500), 0);
  EXPECT_EQ(l.ColumnOf(100000), 13);
}
