#pragma once

#include "engine/second_seat.h"

#include <string>
#include <utility>

namespace tarvelo {

// A peer in the seat across the table with no network behind it: a network
// game is under way for as long as it is seated. Whether this side deals is
// the test's to choose, as the network game's role would.
class TFakePeerSeat : public TSecondSeat {
 public:
  explicit TFakePeerSeat(std::string name, bool localSideDeals = true)
      : name_(std::move(name)), localSideDeals_(localSideDeals) {}

  bool NetworkGameActive() const override { return true; }
  std::string PeerName() const override { return name_; }
  void PostNetworkDispatch() override {}
  bool LocalSideDeals() const override { return localSideDeals_; }
  void PlayComputerTurn() override {}  // the peer moves on its own side

 private:
  std::string name_;
  bool localSideDeals_;
};

}  // namespace tarvelo
