#pragma once

#include "ai/computer_player.h"
#include "engine/second_seat.h"
#include "engine/settings_access.h"

#include <memory>

namespace tarvelo {

class TIdleQueue;

// The computer in the seat across the table. Its turn waits in the session's
// queue and is played once the engine is idle. The stored level and
// aggressiveness come into force at seating and between games; during a game
// the ones it started with stay. The Master's thinking time comes into force
// at its next turn, also during a game.
class TComputerSeat : public TSecondSeat {
 public:
  // Each move is judged as the player's own would be: one the checks refuse is not made.
  TComputerSeat(TGame& game, TSettingsAccess& settings, TIdleQueue& queue);
  ~TComputerSeat() override = default;
  TComputerSeat(const TComputerSeat&) = delete;
  TComputerSeat& operator=(const TComputerSeat&) = delete;

  const TComputerPlayer& Computer() const { return computer_; }

  bool NetworkGameActive() const override { return false; }
  std::string PeerName() const override { return {}; }
  bool LocalSideDeals() const override { return true; }
  void PlayComputerTurn() override;
  void PostNetworkDispatch() override {}  // the computer sends no messages

 private:
  void PlayTurn();

  TSettingsAccess& settings_;
  TIdleQueue& queue_;
  TComputerPlayer computer_;
  // A turn still waiting when the seat is given up is not played: its event
  // holds only a weak reference to this.
  std::shared_ptr<const bool> seated_ = std::make_shared<const bool>(true);
};

}  // namespace tarvelo
