#pragma once

#include "engine/game.h"

#include <string>

namespace tarvelo {

// How a seat's melds are judged: the first thing refused is named in the
// player's words ("every melded rank must contain at least three cards", ...).
struct TMeldJudgement {
  int Minimum = 0;  // the initial-meld requirement
  // Going out: the minimum is waived and three or four black threes may lie on the table.
  bool GoingOut = false;
  // Also refused: a card in the joker column and a hand emptied short of the
  // canastas to go out. The player's clicks cannot leave either; a seat's
  // steps tried out before they are made are held to them.
  bool GuardSteps = false;
};

// The fault of a turn that took the pile and has not yet made the take good.
constexpr const char* TopCardFault = "you have not melded the top card correctly";

// The first fault of a seat's melds, or "" when there is none.
std::string MeldFault(const TGame& game, Seat seat, const TMeldJudgement& judgement);

// A step in the middle of a seat's turn judged as its finished turn would be:
// with at most one card left and the canastas it needs the seat is going out,
// its last card to be discarded. `minimum` is its initial-meld requirement.
std::string StepMeldFault(const TGame& game, Seat seat, int minimum);

// What a pile take must leave: the top card melded with two more cards where
// the take was conditional, two of them naturals from the hand where the pile
// was frozen or a natural pair is required.
struct TPileTakeDemand {
  int Rank = 0;
  bool Conditional = false;
  bool NeedsHand = false;
  int ColumnBase = 0;   // cards in the top card's column before the take
  int NaturalBase = 0;  // naturals of its rank in the melds before the take
};

std::string PileTakeFault(const TGame& game, Seat seat, const TPileTakeDemand& demand);

}  // namespace tarvelo
