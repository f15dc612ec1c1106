#pragma once

#include <QObject>

#include <deque>
#include <functional>

namespace tarvelo {

// What arrives from outside the player's own input (the computer's turn, a
// peer's message) waits here and runs from the event loop once the engine is
// idle: never inside an engine call, a pause, an animation or another event.
// Each event runs in an event-loop pass of its own, so that turn after turn
// never nests deeper.
class TIdleQueue : public QObject {
  Q_OBJECT
 public:
  using TEvent = std::function<void()>;
  // run: how an event is run (the session reports the faults it raises).
  explicit TIdleQueue(std::function<void(const TEvent&)> run, QObject* parent = nullptr);

  void Post(TEvent event);
  bool Idle() const { return depth_ == 0; }
  int Waiting() const { return static_cast<int>(waiting_.size()); }

  // The engine is busy for the life of this object; the first event waiting
  // runs after the outermost one ends.
  class TBusy {
   public:
    explicit TBusy(TIdleQueue& queue);
    ~TBusy();
    TBusy(const TBusy&) = delete;
    TBusy& operator=(const TBusy&) = delete;

   private:
    TIdleQueue& queue_;
  };

 private:
  void ScheduleRun();
  void RunNext();

  std::function<void(const TEvent&)> run_;
  std::deque<TEvent> waiting_;
  int depth_ = 0;
  bool scheduled_ = false;
};

}  // namespace tarvelo
