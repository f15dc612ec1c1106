#pragma once

#include "engine/game_observer.h"

#include <optional>
#include <string>

namespace tarvelo::protocol {

// One message to the peer: its token and its payload, the exact bytes the
// peer reads (framing them is the network side's part).
struct TPeerMessage {
  std::string Token;
  std::string Payload;
  bool operator==(const TPeerMessage&) const = default;
};

// The message that tells the peer what the engine reported: a move of the
// local player (one card laid, drawn, taken back or discarded per message, as
// reported), the dealer's deal, a new game, the rules put into force.
//
// Only the local player's own moves are ever encoded for sending: a move of
// the opponent's seat is the peer's own, replayed here, and gives nothing.
// Whether a message is sent at all (a network game running) is the caller's
// choice; encoding decides nothing.
std::optional<TPeerMessage> EncodeForPeer(const TGameReport& report);

}  // namespace tarvelo::protocol
