#pragma once

#include "engine/game.h"
#include "store/saved_game_format.h"

namespace tarvelo {

// Puts a saved game on the table in place of the game there, as the engine
// puts any whole table in place (engine/table_placement.h).
void PutSavedGameOnTable(TGame& game, const TSavedGame& saved);

}  // namespace tarvelo
