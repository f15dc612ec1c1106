#pragma once

#include "engine/second_seat.h"

namespace tarvelo {

class TNetworkGame;

// The peer in the seat across the table: it plays its turns on its own side,
// and they arrive here as messages.
class TPeerSeat : public TSecondSeat {
 public:
  explicit TPeerSeat(TNetworkGame& network) : network_(network) {}

  bool NetworkGameActive() const override;
  std::string PeerName() const override;
  void PostNetworkDispatch() override;
  // Only the inviting side deals; the invited side waits for its deal.
  bool LocalSideDeals() const override;
  void PlayComputerTurn() override {}  // the peer moves on its own side

 private:
  TNetworkGame& network_;
};

}  // namespace tarvelo
