#include "ui/pause.h"

#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>

namespace tarvelo {

void PauseFor(int milliseconds) {
  if (milliseconds <= 0) return;
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  QGuiApplication::restoreOverrideCursor();
}

}  // namespace tarvelo
