#pragma once

#include "engine/game.h"
#include "engine/random_source.h"
#include "engine/silent_host.h"
#include "engine/testing/stub_opponent.h"

#include <functional>
#include <string>

namespace tarvelo {

// Hands played by random actions with the stub opponent answering, under random
// rules and at a window size: the player's actions are the caller's (random
// moves, or random clicks and keys made into moves). After every action the
// table must hold each of the 108 cards exactly once, in place.
class TRandomPlayHost : public TDeferredTurns<TSilentHost> {
 public:
  using TDeferredTurns::TDeferredTurns;
  int HandsScored = 0;
  int Warnings = 0;
  bool UndoEnabled = false;
  void ShowHandResults(const THandResults&) override { ++HandsScored; }
  void Warning(const std::string&) override { ++Warnings; }  // a failed undo of a pile take
  void SetUndoEnabled(bool enabled) override { UndoEnabled = enabled; }
};

// Every rule switch at random, the number of canastas and of cards drawn too.
void RandomRules(TGame& game, TRandomSource& random);

// Where a card of the hand or the player's melds must lie: in its column, the
// open columns stacked 12 pixels apart from the base row with the anchor on the
// last card, a closed canasta as one pile. Empty when all lie right.
std::string CheckPlacement(const TGame& game);

// Plays `hands` hands at window size `size`; `act` is one action of the player.
// Fails the running test at the first action after which the table is not
// whole. Returns the hands that ended by play.
int PlayRandomHands(int size, int hands, std::uint32_t seed, const std::function<void(TGame&)>& act);

}  // namespace tarvelo
