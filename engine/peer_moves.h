#pragma once

#include "engine/moves.h"

namespace tarvelo {

// The judgement every seat's move gets, once the seat is on turn.
TRefusal SeatMoveRefusal(const TGame& game, Seat seat, const TMove& move);
// Whether the seat has drawn or taken the pile this turn.
bool HasDrawn(const TTableState& table, Seat seat);

// A peer's move (TMove::Stepwise) on the opponent's seat, judged and made one
// step at a time as its own side made it: the same checks as the player's
// moves, and a meld that empties the hand goes out only as a finished turn may.
TRefusal PeerStepRefusal(const TGame& game, const TMove& move);
void ApplyPeerStep(TGame& game, const TMove& move);

// A peer's turn left unfinished, when the computer takes the seat over: a draw
// begun is finished, a pile take not yet made good is undone without its
// charge, and melds that would not stand as a finished turn go back to where
// the draw left them. The computer then goes on from there.
void SettlePeerTurn(TGame& game);

}  // namespace tarvelo
