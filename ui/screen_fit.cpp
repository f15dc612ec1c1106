#include "ui/screen_fit.h"

#include "engine/layout.h"

#include <QStringList>

namespace tarvelo {

int MaxSizeIndex(const QRect& available) {
  for (int i = WindowSizeCount - 1; i > 0; --i) {
    const TWindowSize& size = WindowSizes[i];
    if (size.Width <= available.width() && size.Height + FrameAllowance <= available.height()) return i;
  }
  return 0;
}

namespace {
int SizeIndexOfName(const QString& name) {
  for (int i = 0; i < WindowSizeCount; ++i)
    if (name == QString::fromLatin1(WindowSizes[i].Name.data(), WindowSizes[i].Name.size())) return i;
  return 0;
}

QString SizeName(int index) {
  const auto& name = WindowSizes[index].Name;
  return QString::fromLatin1(name.data(), static_cast<int>(name.size()));
}
}  // namespace

TResolution ParseResolution(const QString& text, const QSize& screen, int maxSizeIndex) {
  const QStringList parts = text.split(',');
  bool leftOk = false, topOk = false;
  TResolution r;
  if (parts.size() >= 2) {
    r.Left = parts[0].trimmed().toInt(&leftOk);
    r.Top = parts[1].trimmed().toInt(&topOk);
  }
  if (!leftOk || !topOk) return {0, 0, 0};
  if (r.Left < 0 || r.Left > screen.width()) r.Left = 0;
  if (r.Top < 0 || r.Top > screen.height()) r.Top = 0;
  r.SizeIndex = parts.size() >= 3 ? SizeIndexOfName(parts[2].trimmed()) : 0;
  r.SizeIndex = qMin(r.SizeIndex, qMax(0, maxSizeIndex));
  return r;
}

QString ResolutionText(const TResolution& r) {
  return QString("%1,%2,%3").arg(r.Left).arg(r.Top).arg(SizeName(r.SizeIndex));
}

QString DefaultResolutionText(int maxSizeIndex) { return "0,0," + SizeName(qBound(0, maxSizeIndex, 3)); }

QPoint KeepOnScreen(const QPoint& topLeft, const QSize& size, const QRect& screen) {
  QPoint p = topLeft;
  if (p.x() + size.width() > screen.right() + 1) p.setX(screen.right() + 1 - size.width());
  if (p.y() + size.height() > screen.bottom() + 1) p.setY(screen.bottom() + 1 - size.height());
  p.setX(qMax(p.x(), screen.left()));
  p.setY(qMax(p.y(), screen.top()));
  return p;
}

}  // namespace tarvelo
