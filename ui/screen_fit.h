#pragma once

#include <QRect>
#include <QString>

namespace tarvelo {

// Room left for the window manager's title bar and frame around the window.
constexpr int FrameAllowance = 32;

// The largest window size that fits the available area (the screen less its
// panels) in width and, with its title bar, in height. A size as wide as the
// screen is shown maximised, and must fit in height like any other: its table
// would otherwise run under the status bar. 0 when none fits.
int MaxSizeIndex(const QRect& available);

// "Settings\Resolution": left, top and the size's name, separated by commas.
struct TResolution {
  int Left = 0;
  int Top = 0;
  int SizeIndex = 0;
};
// Reads a stored resolution. A position off the screen becomes 0, an unknown
// size name the smallest size, and text whose numbers cannot be read gives 0,0
// at the smallest size. The size never exceeds maxSizeIndex.
TResolution ParseResolution(const QString& text, const QSize& screen, int maxSizeIndex);
QString ResolutionText(const TResolution& resolution);
QString DefaultResolutionText(int maxSizeIndex);

// Keeps a window of the given size on the screen, moving it left and up if needed.
QPoint KeepOnScreen(const QPoint& topLeft, const QSize& size, const QRect& screen);

}  // namespace tarvelo
