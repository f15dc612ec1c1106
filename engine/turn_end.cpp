#include "engine/game.h"

namespace tarvelo {

// The one-card check: a player left with a single card and too few canastas to
// go out passes the discard, and the turn goes to the opponent.
void TGame::PassDiscard() {
  TTableState& t = Table;
  if (!PlayerMelding() || !MustPassDiscard()) return;
  Host.Information("You only have one card left, and not enough Canastas to go out.\r You have to pass the discard.");
  ClearUndo();
  // The player's next turn is set up before the opponent moves, which may be at once.
  t.TopCardPending = false;
  t.HasDrawn = false;
  t.PileTakeOpen = false;
  t.StockDraws = 0;
  t.MayDraw = true;
  SaveTurnSnapshot();
  Send("PASSDISCARD", "");
  HandTurnToOpponent();
}

void TGame::EndHand() {
  TTableState& t = Table;
  // The button is there only while the stock is exhausted and usable only before the draw.
  if (!t.StockExhausted || t.Phase != PhaseDraw || t.OpponentToMove) return;
  if (IsForcedToTake()) {
    Host.Information(
        "You cannot end this hand now, because you must \n\rmeld the top card of the pile. (You are 'forced').");
    return;
  }
  Send("HANDOVER", "");
  t.EndHandRequested = true;
  CheckHandEnd();
}

}  // namespace tarvelo
