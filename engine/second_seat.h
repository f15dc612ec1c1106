#pragma once

#include <string>
#include <string_view>

namespace tarvelo {

// Whoever holds the seat across the table: the computer, or a peer in a network game.
class TSecondSeat {
 public:
  virtual ~TSecondSeat() = default;

  virtual bool NetworkGameActive() const = 0;
  virtual std::string PeerName() const = 0;
  virtual void PostNetworkDispatch() = 0;  // handle peer messages that arrived meanwhile
  // False on the side of a network game that waits for the peer's deal.
  virtual bool LocalSideDeals() const = 0;
  // Starts the computer's turn; the seat may run it at once or post it.
  virtual void PlayComputerTurn() = 0;
};

}  // namespace tarvelo
