#pragma once

#include "engine/game.h"

#include <string>

namespace tarvelo {

// The first thing the player's own checks of a finished turn would refuse in
// the computer's melds, in the player's words ("every melded rank must contain
// at least three cards", ...), or "" when there is nothing. The computer with
// at most one card left and the canastas it needs is going out: its last card
// will be discarded, as a player's discard is judged. `minimum` is its
// initial-meld requirement.
std::string ComputerMeldFault(const TGame& game, int minimum);

// What a pile take must leave, judged as the player's take is: the top card
// melded with two more cards where the take was conditional, two of them
// naturals from the hand where the pile was frozen or a natural pair is required.
struct TPileTakeDemand {
  int rank = 0;
  bool conditional = false;
  bool needsHand = false;
  int columnBase = 0;   // cards in the top card's column before the take
  int naturalBase = 0;  // naturals of its rank in the melds before the take
};

std::string PileTakeFault(const TGame& game, const TPileTakeDemand& demand);

}  // namespace tarvelo
