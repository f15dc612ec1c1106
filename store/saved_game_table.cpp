#include "store/saved_game_table.h"

namespace tarvelo {

TLayout FileLayout(const TLayout& current, int fileSizeIndex) {
  const int frame = current.ClientWidth - WindowSizes[current.SizeIndex].Width;
  return ComputeLayout(fileSizeIndex, WindowSizes[fileSizeIndex].Width + frame);
}

void PutSavedGameOnTable(TGame& game, const TSavedGame& saved) {
  const TLayout current = game.Layout;
  game.Table = saved.Table;
  if (saved.SizeIndex != current.SizeIndex) {
    game.Layout = FileLayout(current, saved.SizeIndex);
    game.ApplyLayout(current);
  }
  TTableState& t = game.Table;
  // What the opponent saw and what was right-clicked belong to the game that left the table.
  t.pickupMemory = {};
  t.DiscardClickCard = -1;
  t.DiscardClicks = 0;
  game.SetStockExhausted(t.Stock.Empty());
  t.EndHandRequested = false;
  game.ClearUndo();
  t.DiscardSpread = false;
  t.OpponentToMove = t.Phase == PhaseOpponent;
  t.PlayerMeldValueAtTurnStart = game.MeldValue(false);
  t.OpponentMeldValueAtTurnStart = t.OpponentMeldValue;
  game.ShowPhase(t.Phase);
  // The opponent's hand stays face down until the next deal.
  t.LoadedHand = true;
  if (t.OpponentToMove && !game.Host.NetworkGameActive()) game.Host.PlayComputerTurn();
}

}  // namespace tarvelo
