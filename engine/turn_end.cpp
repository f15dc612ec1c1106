#include "engine/game.h"
#include "engine/moves.h"

namespace tarvelo {

// The one-card check: a player left with a single card and too few canastas to
// go out passes the discard, and the turn goes to the opponent.
void TGame::PassDiscard() {
  if (PlayerMelding() && MustPassDiscard()) TryMove(*this, Seat::Player, {.Kind = TMoveKind::PassDiscard});
}

void TGame::PassTurn() {
  TTableState& t = Table;
  Host.Information("You only have one card left, and not enough Canastas to go out.\r You have to pass the discard.");
  ClearUndo();
  // The player's next turn is set up before the opponent moves, which may be at once.
  t.TopCardPending = false;
  t.HasDrawn = false;
  t.PileTakeOpen = false;
  t.StockDraws = 0;
  t.MayDraw = true;
  SaveTurnSnapshot();
  ReportMove(TMoveKind::PassDiscard);
  HandTurnToOpponent();
}

void TGame::EndHand() { TryMove(*this, Seat::Player, {.Kind = TMoveKind::EndHand}); }

void TGame::EndHandNow() {
  ReportMove(TMoveKind::EndHand);
  Table.EndHandRequested = true;
  CheckHandEnd();
}

}  // namespace tarvelo
