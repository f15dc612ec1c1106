#pragma once

#include "engine/game.h"

#include <string>
#include <vector>

namespace tarvelo {

// What the table looked like when a computer turn began: enough to judge the
// turn afterwards as the player's own turn would be judged.
struct TTurnStart {
  int MeldValue = 0;  // of the seat about to play
  int Minimum = 0;    // its initial-meld minimum: a finished hand changes the totals
  int DiscardCount = 0;
  TCard PileTop;  // valid when DiscardCount > 0
};

TTurnStart RecordTurnStart(const TGame& game);

// The faults of the turn the opponent's seat has just played: a card lost or
// doubled, or melds that the checks of a finished turn refuse (their reason
// texts), or a hand emptied without the canastas to go out.
std::vector<std::string> CheckFinishedTurn(const TGame& game, const TTurnStart& start);

}  // namespace tarvelo
