#pragma once

#include "engine/game_state.h"
#include "engine/moves.h"
#include "net/protocol/received_messages.h"

#include <optional>

namespace tarvelo::protocol {

// Whether a message is one of a seat's moves.
bool IsPeerMove(const TReceivedMessage& message);

// The move a peer's message names on this table, for the opponent's seat,
// one step at a time: a card named by id is the area's last card of that id
// (in that column, where one is named). Nothing where no card matches or the
// message is no move. Whether the move may be made is the engine's question.
std::optional<TMove> PeerMoveOf(const TTableState& table, const TReceivedMessage& message);

}  // namespace tarvelo::protocol
