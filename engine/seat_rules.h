#pragma once

#include "engine/game_state.h"

#include <string>

namespace tarvelo {

class TGame;
struct TRuleSettings;

// The rules of what a seat may do, written once for either seat: the player's
// moves are judged by them, and so are the computer's and a peer's.

// Where a seat's counters lie in ColumnCounts.
inline int MeldCounts(Seat seat) { return seat == Seat::Player ? CountPlayerMelds : CountOpponentMelds; }
inline int HandCounts(Seat seat) { return seat == Seat::Player ? CountPlayerHand : CountOpponentHand; }

const TCardArea& HandOf(const TTableState& table, Seat seat);
bool HasCanastasToGoOut(const TGame& game, Seat seat);

// The seat may take the discard pile now: its top card fits a meld of the
// seat (with a natural pair from the hand where the pile is frozen), and the
// take leaves cards to go on with. allowForced: the exhausted stock's forced
// take counts too.
bool MayTakePile(const TGame& game, Seat seat, bool allowForced);
// With the stock exhausted, a seat whose melds take the pile's top card must take it.
bool IsForcedToTake(const TGame& game, Seat seat);
// Where the top card does not count towards a first meld, taking the pile
// raises the seat's minimum by its points.
int TopCardRaise(const TRuleSettings& rules, const TCard& top);
// A seat left with at most one card and short of the canastas to go out cannot
// discard: it passes the discard and the turn goes on to the other seat.
bool MayPassDiscard(const TGame& game, Seat seat);
// The seat has taken the pile's top card and the rest of the pile is still to
// come into its hand: a hand about to empty will be filled again.
bool PileRestToCome(const TTableState& table, Seat seat);
// Black threes go onto the table only as the last cards of a hand going out.
bool MayMeldBlackThrees(const TGame& game, Seat seat);
// The seat's melds judged as its finished turn, with `leaving` cards gone from
// the hand: "" when it may end its turn so.
std::string TurnEndFault(const TGame& game, Seat seat, int leaving);

}  // namespace tarvelo
