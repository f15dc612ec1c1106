#include "engine/table_placement.h"

namespace tarvelo {

TLayout LayoutForSize(const TLayout& current, int sizeIndex) {
  const int frame = current.ClientWidth - WindowSizes[current.SizeIndex].Width;
  return ComputeLayout(sizeIndex, WindowSizes[sizeIndex].Width + frame);
}

void FindMeldColumns(TTableState& table, const TLayout& layout) {
  for (TCardArea* melds : {&table.PlayerMelds, &table.OpponentMelds, &table.UndoPlayerMelds})
    for (TCard& card : melds->Live()) card.Column = static_cast<std::uint8_t>(layout.ColumnOf(card.X));
}

void PutTableInPlace(TGame& game, const TTableState& table, int sizeIndex) {
  const TLayout current = game.Layout;
  const std::uint32_t handShifts = game.Table.HandShifts;
  game.Table = table;
  if (sizeIndex != current.SizeIndex) game.Layout = LayoutForSize(current, sizeIndex);
  FindMeldColumns(game.Table, game.Layout);
  if (sizeIndex != current.SizeIndex) game.ApplyLayout(current);
  TTableState& t = game.Table;
  // What the opponent saw and what was right-clicked belong to the game that left the table.
  t.pickupMemory = {};
  t.HandShifts = handShifts + 1;
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
