#include "engine/seat_moves.h"

#include <algorithm>

namespace tarvelo {

TCardArea& TSeatMoves::Hand() const { return Player() ? game_.Table.PlayerHand : game_.Table.OpponentHand; }

int TSeatMoves::MeldCountOf(int column) const {
  return game_.Table.ColumnCounts[(Player() ? CountPlayerMelds : CountOpponentMelds) + column];
}

int TSeatMoves::FindInHand(int rank) const {
  return FindFirst(Hand(), [rank](const TCard& c) { return c.Rank == rank; });
}

void TSeatMoves::Pause() {
  // The computer's moves pause so that they can be followed; a peer's come at the pace it made them.
  if (!Player() && !game_.Rehearsing && !game_.Host.NetworkGameActive())
    game_.Host.Pause(game_.Host.ComputerMeldDelay());
}

void TSeatMoves::AddToHand(TCard card, bool animate) {
  TTableState& t = game_.Table;
  const TCard from = card;
  if (Player()) {
    card.FaceUp = 1;
    PlaceInColumn(t.PlayerHand, true, false, card);
  } else {
    int right = game_.Layout.LeftMargin - t.CardOverlap;
    for (const TCard& c : t.OpponentHand.Live()) right = std::max(right, c.X);
    card.X = right + t.CardOverlap;
    card.Y = 5;
    card.FaceUp = t.OpponentCardsShown ? 1 : 0;
  }
  AddCard(Hand(), card);
  if (animate) game_.AnimateMove(from, card);
}

TCard TSeatMoves::RemoveFromHand(int index) {
  TTableState& t = game_.Table;
  TCardArea& hand = Hand();
  if (index < 0 || index >= hand.Count)
    throw TRangeFault(Player() ? "Internal Failure removing card from player's hand"
                               : "Internal Failure removing card from computer's hand");
  if (Player()) return RemoveAt(hand, index, 1, false, hand.Cards[index].Rank);
  // The row closes up from the right.
  const TCard card = RemoveAt(hand, index, 0, true, 0);
  for (TCard& c : hand.Live())
    if (c.X > card.X) c.X -= t.CardOverlap;
  return card;
}

void TSeatMoves::CheckCanastaAfterMeld(int column) {
  game_.CountColumns();
  if (MeldCountOf(column) >= 7) game_.CheckCanasta(seat_, column);
}

TCard TSeatMoves::LayInRankColumn(const TCard& from) {
  TTableState& t = game_.Table;
  TCard card = from;
  card.FaceUp = 1;
  // A closed canasta is one pile: later cards go onto it.
  PlaceInColumn(Melds(), Player(), t.CanastasOf(seat_).Kind[card.Rank] != NoCanasta, card);
  AddCard(Melds(), card);
  if (!Player() && !IsRedThree(card)) t.OpponentMeldValue += card.Value;
  game_.AnimateMove(from, card);
  return card;
}

void TSeatMoves::MeldFromHand(int index) {
  const TCard card = LayInRankColumn(RemoveFromHand(index));
  Pause();
  CheckCanastaAfterMeld(card.Rank);
}

void TSeatMoves::MeldNaturals(int rank, int count) {
  for (; count > 0; --count) MeldFromHand(FindLast(Hand(), [rank](const TCard& c) { return c.Rank == rank; }));
}

void TSeatMoves::MeldWildcard(int column, int index) {
  TTableState& t = game_.Table;
  if (index < 0 || index >= Hand().Count || !IsWildcard(Hand().Cards[index])) {
    index = FindInHand(RankJoker);
    if (index < 0) index = FindInHand(RankTwo);
  }
  if (index < 0) {
    if (!game_.Rehearsing) game_.Host.Warning("Meld error: Wildcard not found.");
    return;
  }
  const TCard from = RemoveFromHand(index);
  TCard card = from;
  card.FaceUp = 1;
  TColumnAnchor& anchor = Melds().Columns[column];
  if (t.CanastasOf(seat_).Kind[column] == NoCanasta) anchor.Y += Player() ? StackStep : -StackStep;
  card.X = anchor.X;
  card.Y = anchor.Y;
  card.Column = static_cast<std::uint8_t>(column);
  AddCard(Melds(), card);
  if (!Player()) t.OpponentMeldValue += card.Value;
  game_.AnimateMove(from, card);
  Pause();
  CheckCanastaAfterMeld(column);
}

void TSeatMoves::DrawFromStock() {
  TTableState& t = game_.Table;
  // A draw a peer began is finished here: the cards it drew count.
  const int begun = t.StockDraws;
  t.StockDraws = 0;
  for (int drawn = begun; drawn < game_.Rules.NumberOfCards && !t.Stock.Empty(); ++drawn) {
    const TCard card = PopTop(t.Stock);
    if (t.Stock.Empty()) game_.SetStockExhausted(true);
    AddToHand(card, true);
    if (IsRedThree(card) && game_.Rules.DrawExtra) --drawn;  // a red three is replaced while the stock lasts
  }
}

TCard TSeatMoves::TakePileTop(bool thaw) {
  TTableState& t = game_.Table;
  if (thaw) {
    t.PileFrozen = false;
    game_.RepaintPile();
    Pause();
  }
  const TCard top = PopTop(t.DiscardPile);
  AddToHand(top, true);
  game_.RepaintPile();
  return top;
}

void TSeatMoves::TakeRestOfPile() {
  TTableState& t = game_.Table;
  if (!game_.Rehearsing) game_.Host.GroupCardMoves(t.DiscardPile.Count);
  while (!t.DiscardPile.Empty()) {
    AddToHand(PopTop(t.DiscardPile), true);
    game_.RepaintPile();
  }
  t.PileFrozen = false;
  game_.RepaintPile();
  if (!game_.Rehearsing) game_.Host.GroupCardMoves(0);
}

TCard TSeatMoves::TakeRedThreeFromMelds(int index) {
  const TCard card = RemoveAt(Melds(), index, Player() ? 1 : -1, false, RankThree);
  if (!Player()) {
    // The column stacks upward from the meld line: repaint all of it.
    const TLayout& l = game_.Layout;
    game_.Host.RepaintRect(l.ColumnX(RankThree), 0, l.CardWidth, l.OpponentMeldY + l.CardHeight);
  }
  return card;
}

void TSeatMoves::Discard(const TCard& from) {
  game_.PlaceOnPile(from);
  if (!IsWildcard(from) && !IsRedThree(from)) return;
  game_.Table.PileFrozen = true;
  game_.RepaintPile();
}

void TSeatMoves::RepaintTurnEnd() {
  const TLayout& l = game_.Layout;
  game_.RepaintPile();
  game_.Host.RepaintRect(0, 0, l.ClientWidth, 5 + l.CardHeight);
}

void TSeatMoves::FinishTurn() {
  RepaintTurnEnd();
  EndTurn();
}

void TSeatMoves::EndTurn() {
  if (game_.CheckHandEnd()) return;  // scored; the next hand may already be under way
  HandTurnBack();
}

void TSeatMoves::HandTurnBack() {
  TTableState& t = game_.Table;
  if (Player()) {
    game_.HandTurnToOpponent();
    return;
  }
  t.OpponentMeldValueAtTurnStart = t.OpponentMeldValue;
  // The player's turn starts here, whoever held the other seat: a peer's turn
  // sets it as the computer's does (going out concealed is judged by it).
  t.PlayerMeldValueAtTurnStart = game_.MeldValue(false);
  t.OpponentTakeOpen = false;
  t.OpponentToMove = false;
  game_.ShowPhase(PhaseDraw);
  t.PendingPhase = PhaseOpponent;
}

}  // namespace tarvelo
