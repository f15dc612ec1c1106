#include "engine/testing/stub_opponent.h"

namespace tarvelo {

namespace {
void AddToHand(TGame& game, TCard card) {
  TTableState& t = game.Table;
  card.X = game.Layout.LeftMargin + t.CardOverlap * t.OpponentHand.Count;
  card.Y = 5;
  card.FaceUp = t.OpponentCardsShown ? 1 : 0;
  AddCard(t.OpponentHand, card);
}

// Takes a card out of the row; the cards right of it close the gap.
TCard RemoveFromHand(TGame& game, int index) {
  TTableState& t = game.Table;
  const TCard card = RemoveAt(t.OpponentHand, index, 0, true, 0);
  for (TCard& c : t.OpponentHand.Live())
    if (c.X > card.X) c.X -= t.CardOverlap;
  return card;
}

void Draw(TGame& game) {
  TTableState& t = game.Table;
  for (int drawn = 0; drawn < game.Rules.NumberOfCards && !t.Stock.Empty(); ++drawn) {
    const TCard card = PopTop(t.Stock);
    if (t.Stock.Empty()) game.SetStockExhausted(true);
    AddToHand(game, card);
    if (IsRedThree(card) && game.Rules.DrawExtra) --drawn;  // replaced by another card
  }
}

void LayDownRedThrees(TGame& game) {
  TTableState& t = game.Table;
  for (int i = FindFirst(t.OpponentHand, IsRedThree); i >= 0; i = FindFirst(t.OpponentHand, IsRedThree)) {
    TCard card = RemoveFromHand(game, i);
    card.FaceUp = 1;
    PlaceInColumn(t.OpponentMelds, false, false, card);
    AddCard(t.OpponentMelds, card);
  }
}

void Discard(TGame& game) {
  TTableState& t = game.Table;
  if (t.OpponentHand.Count < 2 && t.OpponentCanastas.Count < game.Rules.NumberOfCanastas) {
    game.Host.Information("The computer passes the discard.");
    return;
  }
  if (t.OpponentHand.Empty()) return;
  TCard card = RemoveFromHand(game, game.Host.RandomInt(t.OpponentHand.Count));
  card.FaceUp = 1;
  card.X = game.Layout.LeftMargin;
  card.Y = game.Layout.DiscardY;
  AddCard(t.DiscardPile, card);
  if (IsWildcard(card) || IsRedThree(card)) t.PileFrozen = true;
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
  Draw(game);
  t.PendingPhase = PhaseMeld;
  LayDownRedThrees(game);
  Discard(game);
  game.Host.Repaint();
  if (game.CheckHandEnd()) return;  // the next hand has been dealt and has its own first turn
  t.OpponentMeldValueAtTurnStart = t.OpponentMeldValue;
  t.OpponentToMove = false;
  game.ShowPhase(PhaseDraw);
  t.PendingPhase = PhaseOpponent;
}

}  // namespace tarvelo
