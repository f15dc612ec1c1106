#pragma once

#include "engine/silent_host.h"

namespace tarvelo {

// The host of a hand played out in the Master's head: silent, no next deal,
// no next game; it notes the hand's end and whose turn comes next.
class TPlayoutHost : public TSilentHost {
 public:
  TPlayoutHost() {
    Deals = false;
    PlayAnotherGame = false;
  }

  bool TurnPending = false;  // the engine handed the turn to the computer's place
  bool HandOver = false;
  THandResults Result;

  void PlayComputerTurn() override { TurnPending = true; }
  void ShowHandResults(const THandResults& results) override {
    HandOver = true;
    Result = results;
  }
};

}  // namespace tarvelo
