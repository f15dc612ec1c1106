#include "engine/layout.h"

#include <algorithm>

namespace tarvelo {

const std::array<TWindowSize, WindowSizeCount> WindowSizes = {{
    {"640x480", 640, 480, 42, 65, "640"},
    {"800x600", 800, 600, 53, 81, "800"},
    {"1024x768", 1024, 768, 67, 104, "1024"},
    {"1280x1024", 1280, 1024, 67, 104, "1024"},
}};

int TLayout::ColumnOf(int x) const {
  if (ColumnStep <= 0) return 0;
  const int offset = x - LeftMargin;
  const int column = offset < 0 ? 0 : offset / ColumnStep;
  return std::clamp(column, 0, 13);
}

TLayout ComputeLayout(int sizeIndex, int clientWidth) {
  const int index = std::clamp(sizeIndex, 0, WindowSizeCount - 1);
  const TWindowSize& size = WindowSizes[index];
  TLayout l;
  l.SizeIndex = index;
  l.ClientWidth = clientWidth;
  l.CardWidth = size.CardWidth;
  l.CardHeight = size.CardHeight;
  // Never narrower than the cards themselves, however small the client area.
  l.ColumnStep = std::max(0, clientWidth - 14 * size.CardWidth) / 14 + size.CardWidth;
  l.MidLine = size.Height / 2 - 38;
  l.StockY = l.MidLine - size.CardHeight - 2;
  l.DiscardY = l.MidLine + 2;
  l.PlayerMeldY = l.MidLine - 6;
  l.OpponentMeldY = l.MidLine - size.CardHeight + 9;
  l.PlayerHandY = l.MidLine + size.CardHeight + 56;
  l.TableBottom = size.Height;
  return l;
}

}  // namespace tarvelo
