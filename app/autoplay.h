#pragma once

#include "ai/selfplay/player_seat_computer.h"
#include "session/session.h"

#include <QObject>
#include <QTimer>

#include <memory>

namespace tarvelo {

// For demonstrations and long runs: a computer level plays the player's seat
// whenever it is on turn, after a pause, through the same moves a click makes.
class TAutoplay : public QObject {
 public:
  TAutoplay(TSession& session, const TComputerSettings& level, int pauseMilliseconds);

 private:
  void PlayIfOnTurn();

  TSession& session_;
  TPlayerSeatComputer player_;
  QTimer pause_;
};

// TARVELO_AUTOPLAY names the level ("beginner", "advanced", "expert" or
// "master"), with ":" and the pause in milliseconds after it if wanted
// ("expert:500"). None when it is not set or names no level.
std::unique_ptr<TAutoplay> AutoplayFromEnvironment(TSession& session);

}  // namespace tarvelo
