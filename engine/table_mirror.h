#pragma once

#include "engine/game.h"

namespace tarvelo {

// Turns the table around, as a table received from the other side of a
// network game is: the opponent's hand and melds become the player's and the
// other way round, with the canastas, the game totals and the meld values;
// every card is laid out again in its column. The stock, the pile and its
// freeze stay. Afterwards it is the new opponent's turn.
void TurnTableAround(TGame& game);

}  // namespace tarvelo
