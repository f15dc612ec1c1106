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

void TGame::ClearUndo() {
  UndoStack.clear();
  Host.SetUndoEnabled(false);
}

}  // namespace tarvelo
