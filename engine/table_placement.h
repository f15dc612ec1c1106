#pragma once

#include "engine/game.h"

namespace tarvelo {

// The layout a table's card positions were computed for: that window size,
// with the same frame around the client area as the game's current layout.
TLayout LayoutForSize(const TLayout& current, int sizeIndex);

// Puts a whole table in place of the game there: the cards move from the
// window size they were laid out for to the game's layout, and the turn starts
// as a loaded turn does (no undo, phase shown, End Hand button, the computer's
// turn started when it is to move outside a network game).
void PutTableInPlace(TGame& game, const TTableState& table, int sizeIndex);

// Gives every card of the meld areas the column its position shows in that
// layout: a table read from elsewhere knows only where its cards lie.
void FindMeldColumns(TTableState& table, const TLayout& layout);

}  // namespace tarvelo
