#include "engine/game.h"
#include "engine/moves.h"

#include <algorithm>

namespace tarvelo {

void TGame::PushUndo(const TCard& card) {
  UndoStack.push_back({card});
  Host.SetUndoEnabled(true);
}

void TGame::ReopenCanasta(int column) {
  TTableState& t = Table;
  --t.PlayerCanastas.Count;
  t.PlayerCanastas.Kind[column] = NoCanasta;
  t.PlayerCanastas.Naturals[column] = 0;
  int y = Layout.PlayerMeldY + StackStep;
  for (TCard& card : t.PlayerMelds.Live()) {
    if (card.Column != column) continue;
    card.Y = y;
    y += StackStep;
  }
  t.PlayerMelds.Columns[column].Y = y - StackStep;  // the anchor marks the last card
}

bool TGame::IsCanastaColumn(int column) const {
  int n = 0, naturals = 0;
  for (const TCard& card : Table.PlayerMelds.Live()) {
    if (card.Column != column) continue;
    ++n;
    if (!IsWildcard(card)) ++naturals;
  }
  return n >= 7 && (naturals >= 4 || column == RankTwo);
}

TCard TGame::TakeCardFromMelds(int index) {
  TTableState& t = Table;
  const int column = t.PlayerMelds.At(index).Column;
  const bool closed = t.PlayerCanastas.Kind[column] != NoCanasta;
  const TCard card = RemoveAt(t.PlayerMelds, index, 1, closed, column);
  // A canasta of seven falls apart without this card, and so does a bigger one
  // that is left with three naturals; any other stays closed.
  if (closed && !IsCanastaColumn(column)) ReopenCanasta(column);
  CheckCanasta(Seat::Player, column);
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
    const TCard card = TakeCardFromMelds(index);
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
  PlaceOnPile(TakeCardFromMelds(index));
  t.PlayerScore -= 50;  // giving back a taken pile costs 50 points
  Host.Repaint();
  ReportMove(TMoveKind::GiveBackPile, top);
}

}  // namespace tarvelo
