#pragma once

#include "engine/game.h"

#include <string>

namespace tarvelo {

// Turns the table around, as a table received from the other side of a
// network game is: the opponent's hand and melds become the player's and the
// other way round, with the canastas, the game totals and the meld values;
// every card is laid out again in its column. The stock, the pile and its
// freeze stay. Afterwards it is the new opponent's turn.
void TurnTableAround(TGame& game);

// What differs between a table and the table of the other side of a network
// game turned around, once every move of each side has reached the other:
// the cards of each area (a hand in any order, the melds by column, the stock
// and the pile in order), the canastas, the freeze and the totals. Empty when
// nothing does. Cards are compared by identity alone: a move names its card by
// id, and either pack's copy may be the one moved.
std::string MirrorDifference(const TGame& sender, const TGame& receiver);

}  // namespace tarvelo
