#pragma once

#include <array>
#include <string_view>

namespace tarvelo {

// The four window sizes; the index is stored in settings and saved games: never renumber.
struct TWindowSize {
  std::string_view Name;  // "640x480" ..
  int Width, Height;      // window size
  int CardWidth, CardHeight;
  std::string_view Suffix;  // card image set
};
constexpr int WindowSizeCount = 4;
extern const std::array<TWindowSize, WindowSizeCount> WindowSizes;

// Table positions for one window size. Every card position derives from these,
// and a melded card's column derives from its X.
struct TLayout {
  int SizeIndex = 0;
  int ClientWidth = 640;
  int LeftMargin = 3;
  int CardWidth = 42;
  int CardHeight = 65;
  int ColumnStep = 45;
  int MidLine = 202;
  int StockY = 135;
  int DiscardY = 204;
  int PlayerMeldY = 196;
  int OpponentMeldY = 146;
  int PlayerHandY = 323;
  // The first row below the table (the top of the status bar): a column that
  // would reach it closes up (engine/column_fit.h). The window sets it from the
  // table it shows; the size's height until then.
  int TableBottom = 480;

  int ColumnX(int column) const { return LeftMargin + ColumnStep * column; }
  // The meld column of an X position, clamped to 0..13 so that no position
  // can name a column that does not exist.
  int ColumnOf(int x) const;
};

// The layout of size `sizeIndex` (0..3, others clamped) for a client area `clientWidth` wide.
TLayout ComputeLayout(int sizeIndex, int clientWidth);
inline TLayout ComputeLayout(int sizeIndex) {
  return ComputeLayout(sizeIndex, WindowSizes[sizeIndex < 0 ? 0 : sizeIndex > 3 ? 3 : sizeIndex].Width);
}

}  // namespace tarvelo
