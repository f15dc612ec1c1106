// A peer's moves, one step at a time as the other side made them on its own
// player's seat.
#include "engine/seat_moves.h"

namespace tarvelo {

bool TSeatMoves::DrawOneCard() {
  TTableState& t = game_.Table;
  const TCard card = PopTop(t.Stock);
  if (t.Stock.Empty()) game_.SetStockExhausted(true);
  AddToHand(card, true);
  // A red three drawn is laid out at once and, under DrawExtra, does not count
  // as a card of the draw while the stock lasts.
  if (IsRedThree(card)) MeldFromHand(Hand().Count - 1);
  if (!IsRedThree(card) || !game_.Rules.DrawExtra || t.Stock.Empty()) ++t.StockDraws;
  return t.StockDraws >= game_.Rules.NumberOfCards || t.Stock.Empty();
}

TCard TSeatMoves::LayPileTopInMelds() {
  const TCard card = LayInRankColumn(PopTop(game_.Table.DiscardPile));
  game_.RepaintPile();
  CheckCanastaAfterMeld(card.Rank);
  return card;
}

void TSeatMoves::TakeRestOfPileLayingRedThrees() {
  TTableState& t = game_.Table;
  if (!game_.Rehearsing) game_.Host.GroupCardMoves(t.DiscardPile.Count);
  while (!t.DiscardPile.Empty()) {
    const TCard card = PopTop(t.DiscardPile);
    AddToHand(card, true);
    if (IsRedThree(card)) MeldFromHand(Hand().Count - 1);
    game_.RepaintPile();
  }
  t.PileFrozen = false;
  game_.RepaintPile();
  if (!game_.Rehearsing) game_.Host.GroupCardMoves(0);
}

void TSeatMoves::TakeBackFromMelds(int index) {
  const TCard card = game_.TakeCardFromMelds(seat_, index);
  if (!Player() && !IsRedThree(card)) game_.Table.OpponentMeldValue -= card.Value;
  AddToHand(card, true);
}

}  // namespace tarvelo
