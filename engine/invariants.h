#pragma once

#include "engine/game_state.h"

#include <string>

namespace tarvelo {

// Checks that each of the 108 cards (every id 1..52 once per pack, two jokers
// per pack) lies in exactly one of the six live areas and that no area is over
// full. Returns an empty string when all holds, else what is wrong.
std::string CheckCardConservation(const TTableState& table);

}  // namespace tarvelo
