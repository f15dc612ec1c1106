#include "engine/game.h"

namespace tarvelo {

void TGame::SaveTurnSnapshot() {
  Table.UndoPlayerHand = Table.PlayerHand;
  Table.UndoPlayerMelds = Table.PlayerMelds;
  Table.UndoDiscardPile = Table.DiscardPile;
  Table.UndoPlayerCanastas = Table.PlayerCanastas;
}

void TGame::RestoreTurnSnapshot() {
  Table.PlayerHand = Table.UndoPlayerHand;
  Table.PlayerMelds = Table.UndoPlayerMelds;
  Table.DiscardPile = Table.UndoDiscardPile;
  Table.PlayerCanastas = Table.UndoPlayerCanastas;
}

void TGame::SaveOpponentSnapshot() {
  Table.UndoPlayerHand = Table.OpponentHand;
  Table.UndoPlayerMelds = Table.OpponentMelds;
  Table.UndoDiscardPile = Table.DiscardPile;
  Table.UndoPlayerCanastas = Table.OpponentCanastas;
}

void TGame::RestoreOpponentSnapshot() {
  TTableState& t = Table;
  t.OpponentHand = t.UndoPlayerHand;
  t.OpponentMelds = t.UndoPlayerMelds;
  t.DiscardPile = t.UndoDiscardPile;
  t.OpponentCanastas = t.UndoPlayerCanastas;
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
