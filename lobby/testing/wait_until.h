#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <functional>

namespace tarvelo {

// Runs the event loop until `done` holds or `ms` have passed (bounded, for
// what a real lobby brings); whether it holds.
inline bool WaitUntil(const std::function<bool()>& done, int ms = 15000) {
  QDeadlineTimer deadline(ms);
  while (!done() && !deadline.hasExpired())
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
  return done();
}

}  // namespace tarvelo
