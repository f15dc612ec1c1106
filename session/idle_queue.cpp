#include "session/idle_queue.h"

#include <QTimer>

namespace tarvelo {

TIdleQueue::TIdleQueue(std::function<void(const TEvent&)> run, QObject* parent)
    : QObject(parent), run_(std::move(run)) {}

void TIdleQueue::Post(TEvent event) {
  waiting_.push_back(std::move(event));
  ScheduleRun();
}

void TIdleQueue::ScheduleRun() {
  if (scheduled_ || waiting_.empty()) return;
  scheduled_ = true;
  QTimer::singleShot(0, this, [this] { RunNext(); });
}

void TIdleQueue::RunNext() {
  scheduled_ = false;
  // A pass that comes inside a pause or a dialog leaves the event waiting:
  // the end of the busy spell schedules it again.
  if (depth_ > 0 || waiting_.empty()) return;
  const TEvent event = std::move(waiting_.front());
  waiting_.pop_front();
  const TBusy busy(*this);
  run_(event);
}

TIdleQueue::TBusy::TBusy(TIdleQueue& queue) : queue_(queue) { ++queue_.depth_; }

TIdleQueue::TBusy::~TBusy() {
  if (--queue_.depth_ == 0) queue_.ScheduleRun();
}

}  // namespace tarvelo
