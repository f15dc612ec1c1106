#include "engine/table_mirror.h"

namespace tarvelo {

namespace {
// Lays melds out again column by column in area order; a closed canasta is one pile.
void LayOutMelds(TGame& game, const TCardArea& from, TCardArea& to, Seat seat) {
  const bool player = seat == Seat::Player;
  const TCanastaInfo& canastas = game.Table.CanastasOf(seat);
  const int closedY = player ? game.Layout.PlayerMeldY + StackStep : game.Layout.OpponentMeldY - StackStep;
  to.Count = 0;
  for (TCard card : from.Live()) {
    const int column = card.Column;
    TColumnAnchor& anchor = to.Columns[column];
    if (canastas.Kind[column] != NoCanasta)
      anchor.Y = closedY;
    else
      anchor.Y += player ? StackStep : -StackStep;
    card.X = anchor.X;
    card.Y = anchor.Y;
    card.FaceUp = 1;
    AddCard(to, card);
  }
}

void LayOutPlayerHand(TCardArea& hand, const TCardArea& cards) {
  hand.Count = 0;
  for (TCard card : cards.Live()) {
    card.FaceUp = 1;
    PlaceInColumn(hand, true, false, card);
    AddCard(hand, card);
  }
}

void LayOutOpponentHand(TGame& game, TCardArea& hand, const TCardArea& cards) {
  const TTableState& t = game.Table;
  hand.Count = 0;
  for (TCard card : cards.Live()) {
    card.X = game.Layout.LeftMargin + t.CardOverlap * hand.Count;
    card.Y = 5;
    card.FaceUp = t.OpponentCardsShown ? 1 : 0;
    AddCard(hand, card);
  }
}
}  // namespace

void TurnTableAround(TGame& game) {
  TTableState& t = game.Table;
  const TCardArea playerHand = t.PlayerHand, opponentHand = t.OpponentHand;
  const TCardArea playerMelds = t.PlayerMelds, opponentMelds = t.OpponentMelds;
  const int playerMeldValue = game.MeldValueOf(Seat::Player, true);
  std::swap(t.PlayerCanastas, t.OpponentCanastas);
  std::swap(t.PlayerScore, t.OpponentScore);
  // Who draws first in the next hand stays with the seat, not with the place at the table.
  t.PlayerDrawsFirst = !t.PlayerDrawsFirst;

  game.ResetAnchors();
  LayOutPlayerHand(t.PlayerHand, opponentHand);
  LayOutOpponentHand(game, t.OpponentHand, playerHand);
  LayOutMelds(game, opponentMelds, t.PlayerMelds, Seat::Player);
  LayOutMelds(game, playerMelds, t.OpponentMelds, Seat::Opponent);

  t.OpponentMeldValue = playerMeldValue;
  t.InitialMeldMinimum = TGame::InitialMeldFor(t.PlayerScore);
  t.TopCardPending = false;
  t.OpponentTakeOpen = false;
  t.PileTakeOpen = false;
  t.HasDrawn = false;
  t.MayDraw = true;
  t.StockDraws = 0;
  t.MayMeldBlackThrees = false;
  t.PlayerMeldValueAtTurnStart = game.MeldValue(false);
  t.OpponentMeldValueAtTurnStart = t.OpponentMeldValue;
  game.ClearUndo();
  game.SaveTurnSnapshot();
  t.OpponentToMove = true;
  game.ShowPhase(PhaseOpponent);
}

}  // namespace tarvelo
