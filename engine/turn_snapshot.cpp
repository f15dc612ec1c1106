#include "engine/game.h"

namespace tarvelo {

void TGame::SaveTurnSnapshot(Seat seat) {
  TTableState& t = Table;
  t.UndoPlayerHand = seat == Seat::Player ? t.PlayerHand : t.OpponentHand;
  t.UndoPlayerMelds = t.MeldsOf(seat);
  t.UndoDiscardPile = t.DiscardPile;
  t.UndoPlayerCanastas = t.CanastasOf(seat);
}

void TGame::RestoreTurnSnapshot(Seat seat) {
  TTableState& t = Table;
  (seat == Seat::Player ? t.PlayerHand : t.OpponentHand) = t.UndoPlayerHand;
  t.MeldsOf(seat) = t.UndoPlayerMelds;
  t.DiscardPile = t.UndoDiscardPile;
  t.CanastasOf(seat) = t.UndoPlayerCanastas;
  if (seat == Seat::Player) return;
  // The opponent's meld value counts every card it has laid but its red threes.
  t.OpponentMeldValue = 0;
  for (const TCard& card : t.OpponentMelds.Live())
    if (!IsRedThree(card)) t.OpponentMeldValue += card.Value;
}

void TGame::ClearUndo() {
  UndoStack.clear();
  Host.SetUndoEnabled(false);
}

}  // namespace tarvelo
