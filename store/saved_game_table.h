#pragma once

#include "engine/game.h"
#include "store/saved_game_format.h"

namespace tarvelo {

// The layout a file's card positions were computed for: its window size, with
// the same frame around the client area as the game's current layout.
TLayout FileLayout(const TLayout& current, int fileSizeIndex);

// Puts a saved game on the table in place of the game there: the cards move
// from the file's window size to the game's layout, and the turn starts as a
// loaded turn does (no undo, phase shown, End Hand button, the computer's turn
// started when it is to move outside a network game).
void PutSavedGameOnTable(TGame& game, const TSavedGame& saved);

}  // namespace tarvelo
