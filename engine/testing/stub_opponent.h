#pragma once

#include "engine/game.h"

namespace tarvelo {

// A stand-in for the computer player in engine tests. It draws its cards from the
// stock (a red three is laid out and, under DrawExtra, replaced), never melds,
// discards a card the host's random source picks (or passes with a single card),
// and hands the turn back the way the computer's turn does. With the stock
// exhausted it ends the hand.
void PlayStubOpponentTurn(TGame& game);

// A host whose computer turns wait until the test runs them, so that hand after
// hand can be played from a test's loop without one turn calling the next.
template <typename Base>
class TDeferredTurns : public Base {
 public:
  using Base::Base;
  bool TurnPending = false;

  void PlayComputerTurn() override {
    Base::PlayComputerTurn();
    TurnPending = true;
  }
  // Plays the opponent's turns that are due, also those of hands dealt meanwhile.
  void RunOpponentTurns(TGame& game) {
    while (TurnPending) {
      TurnPending = false;
      PlayStubOpponentTurn(game);
    }
  }
};

}  // namespace tarvelo
