#include "engine/game.h"
#include "engine/moves.h"

#include <algorithm>

namespace tarvelo {

void TGame::PushUndo(const TCard& card) {
  UndoStack.push_back({card});
  Host.SetUndoEnabled(true);
}

void TGame::ReopenCanasta(Seat seat, int column) {
  TCanastaInfo& canastas = Table.CanastasOf(seat);
  --canastas.Count;
  canastas.Kind[column] = NoCanasta;
  canastas.Naturals[column] = 0;
  // The player's columns stack downward from the meld line, the opponent's upward.
  const int step = seat == Seat::Player ? StackStep : -StackStep;
  int y = (seat == Seat::Player ? Layout.PlayerMeldY : Layout.OpponentMeldY) + step;
  TCardArea& melds = Table.MeldsOf(seat);
  for (TCard& card : melds.Live()) {
    if (card.Column != column) continue;
    card.Y = y;
    y += step;
  }
  melds.Columns[column].Y = y - step;  // the anchor marks the last card
}

bool TGame::IsCanastaColumn(Seat seat, int column) const {
  int n = 0, naturals = 0;
  for (const TCard& card : Table.MeldsOf(seat).Live()) {
    if (card.Column != column) continue;
    ++n;
    if (!IsWildcard(card)) ++naturals;
  }
  return n >= 7 && (naturals >= 4 || column == RankTwo);
}

TCard TGame::TakeCardFromMelds(Seat seat, int index) {
  TCardArea& melds = Table.MeldsOf(seat);
  const int column = melds.At(index).Column;
  const bool closed = Table.CanastasOf(seat).Kind[column] != NoCanasta;
  const TCard card = RemoveAt(melds, index, seat == Seat::Player ? 1 : -1, closed, column);
  // A canasta of seven falls apart without this card, and so does a bigger one
  // that is left with three naturals; any other stays closed.
  if (closed && !IsCanastaColumn(seat, column)) ReopenCanasta(seat, column);
  CheckCanasta(seat, column);
  Host.Repaint();
  return card;
}

void TGame::UndoMeld() { TryMove(*this, Seat::Player, {.Kind = TMoveKind::TakeBack}); }

void TGame::TakeBackLastMeld() {
  TTableState& t = Table;
  const TUndoRecord record = UndoStack.back();
  UndoStack.pop_back();
  const int column = record.Card.Column;
  // The newest card of that identity in that column: with two packs an id can be melded twice.
  const int index = FindLast(t.PlayerMelds, [&](const TCard& c) {
    return c.Id == record.Card.Id && c.Deck == record.Card.Deck && c.Column == column;
  });
  if (index >= 0) {
    const TCard card = TakeCardFromMelds(Seat::Player, index);
    AddCard(t.pickupMemory, card);  // the opponent has seen it
    LayInColumn(Table.PlayerHand, card);
  }
  if (UndoStack.empty()) Host.SetUndoEnabled(false);
  if (index >= 0) ReportMove(TMoveKind::TakeBack, record.Card, column);
}

void TGame::UndoAll() {
  while (!UndoStack.empty()) {
    const size_t before = UndoStack.size();
    UndoMeld();
    if (UndoStack.size() == before) return;  // held back, e.g. by a running animation
  }
}

void TGame::UndoTakePile() {
  TTableState& t = Table;
  t.TopCardPending = false;
  t.PileTakeOpen = false;
  t.HasDrawn = false;
  // Back to the table just after the top card was laid into the melds.
  RestoreTurnSnapshot();
  ClearUndo();  // the melds made since the take are gone with it
  HandIndicesShifted();
  const TCard& top = t.PileTopCard;
  // Found by identity: a column the top card closed into a canasta no longer shows
  // it where it was laid.
  const int index = FindLast(t.PlayerMelds, [&](const TCard& c) { return c.Id == top.Id && c.Deck == top.Deck; });
  if (index < 0) {
    Host.Warning("An error occurred while undoing taking the discard pile. A new hand will be dealt.");
    DealHand(false);
    return;
  }
  PlaceOnPile(TakeCardFromMelds(Seat::Player, index));
  t.PlayerScore -= 50;  // giving back a taken pile costs 50 points
  Host.Repaint();
  ReportMove(TMoveKind::GiveBackPile, top);
}

}  // namespace tarvelo
