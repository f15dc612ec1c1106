#pragma once

#include <string>

namespace tarvelo {

// Whoever holds the seat across the table, as the session seats it: the
// computer, or in a network game a peer who plays on its own side. The session
// passes the engine's second-seat calls on to it.
class TOpposingSeat {
 public:
  virtual ~TOpposingSeat() = default;

  // A peer holds the seat: the game on the table is a network game.
  virtual bool NetworkGameActive() const = 0;
  // The peer's name; empty while no peer holds the seat.
  virtual std::string PeerName() const = 0;
  // False on the side of a network game that waits for the peer's deal.
  virtual bool LocalSideDeals() const = 0;
  // The turn passes across the table: the computer plays it; a peer plays it
  // on its own side and its moves arrive as messages.
  virtual void TurnBegins() = 0;
  // What arrived from the peer while the engine was busy is handled now.
  virtual void PostNetworkDispatch() = 0;
};

}  // namespace tarvelo
