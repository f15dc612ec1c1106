#include "engine/testing/stub_opponent.h"

#include "engine/seat_rules.h"

namespace tarvelo {

namespace {
// The stand-in's moves are the seat's own: a move the rules refuse is a fault of the test.
void Make(TGame& game, const TMove& move) {
  if (Refusal(game, Seat::Opponent, move)) throw TRangeFault("The stand-in opponent's move was refused");
  Apply(game, Seat::Opponent, move);
}
}  // namespace

void PlayStubOpponentTurn(TGame& game) {
  TTableState& t = game.Table;
  t.OpponentToMove = true;
  t.PendingPhase = PhaseDraw;
  t.PlayerMeldValueAtTurnStart = game.MeldValue(false);
  if (t.Stock.Empty()) {
    t.EndHandRequested = true;
    game.CheckHandEnd();
    return;
  }
  Make(game, {.Kind = TMoveKind::Draw});
  for (int i = FindFirst(t.OpponentHand, IsRedThree); i >= 0; i = FindFirst(t.OpponentHand, IsRedThree))
    Make(game, {.Kind = TMoveKind::Meld, .Card = i});
  if (MayPassDiscard(game, Seat::Opponent))
    Make(game, {.Kind = TMoveKind::PassDiscard});
  else
    Make(game, {.Kind = TMoveKind::Discard, .Card = game.Host.RandomInt(t.OpponentHand.Count)});
}

}  // namespace tarvelo
