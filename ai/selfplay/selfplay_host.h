#pragma once

#include "engine/silent_host.h"

#include <functional>
#include <string>

namespace tarvelo {

// The silent host of self-play: the computer's turns wait for the match's
// loop, a finished hand is reported before the next one is dealt, and a game
// that is over stays over.
class TSelfPlayHost : public TSilentHost {
 public:
  using TSilentHost::TSilentHost;

  bool TurnPending = false;
  bool GameOver = false;
  int HandsScored = 0;
  TGameOverInfo Final;
  std::function<void()> HandEnded;
  std::function<void(const std::string&)> Warned;

  void PlayComputerTurn() override { TurnPending = true; }
  THandResults LastHand;
  void ShowHandResults(const THandResults& results) override {
    ++HandsScored;
    LastHand = results;
    if (HandEnded) HandEnded();
  }
  void RecordMatch(const TGameOverInfo& info) override { Final = info; }
  bool AskPlayAnotherGame(const TGameOverInfo&) override {
    GameOver = true;
    return false;
  }
  void Warning(const std::string& text) override {
    if (Warned) Warned(text);
  }
};

}  // namespace tarvelo
