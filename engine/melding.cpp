#include "engine/game.h"

#include <algorithm>

namespace tarvelo {

namespace {
int WildcardsIn(const TColumnCounts& counts) {
  return counts[CountPlayerHand + RankJoker] + counts[CountPlayerHand + RankTwo];
}
}  // namespace

void TGame::LayHandCardIntoMelds(int handIndex) {
  TTableState& t = Table;
  const TCard from = t.PlayerHand.At(handIndex);
  TCard card = RemoveAt(t.PlayerHand, handIndex, 1, false, from.Rank);
  PlaceInColumn(t.PlayerMelds, true, t.PlayerCanastas.Kind[card.Rank] != NoCanasta, card);
  AddCard(t.PlayerMelds, card);
  ReportMove(TMoveKind::Meld, card);
  RemoveById(t.pickupMemory, card.Id);
  PushUndo(card);
  HandIndicesShifted();
  AnimateMove(from, card);
}

void TGame::MeldNaturals(int index, int count) {
  TTableState& t = Table;
  if (t.Phase != PhaseTakePile) ShowPhase(PhaseMeld);
  const int r = t.PlayerHand.Cards[index].Rank;
  if (count > 1) {
    for (int laid = 0; laid < count; ++laid) {
      const int next = FindFirst(t.PlayerHand, [r](const TCard& c) { return c.Rank == r; });
      if (next < 0) break;
      LayHandCardIntoMelds(next);
      CheckCanasta(Seat::Player, r);
    }
  } else {
    UpdateMayMeldBlackThrees();
    LayHandCardIntoMelds(index);
    CheckCanasta(Seat::Player, r);
  }
  const bool autoWildcard = AutoWildcardDue(r);
  if (autoWildcard) AddWildcard(r);
  if (PlayerMelding()) AfterMeld(autoWildcard);
}

// A natural meld that has just become a pair, with no more of its rank in hand, gets
// a wildcard as its third card when the player can spare one.
bool TGame::AutoWildcardDue(int rank) {
  const TTableState& t = Table;
  CountColumns();
  const TColumnCounts& n = t.ColumnCounts;
  if (n[CountPlayerHand + rank] > 0 || WildcardsIn(n) == 0) return false;
  const int pair = rank == RankThree
                       ? static_cast<int>(std::count_if(t.PlayerMelds.Live().begin(), t.PlayerMelds.Live().end(),
                                                        [](const TCard& c) { return IsBlackThree(c); }))
                       : n[CountPlayerMelds + rank];
  if (pair != 2) return false;
  return t.PlayerHand.Count > 1 || t.PlayerCanastas.Count >= Rules.NumberOfCanastas ||
         (t.TopCardPending && !t.DiscardPile.Empty());
}

void TGame::AddWildcard(int column, int index) {
  TTableState& t = Table;
  if (column < 0 || column >= ColumnCount) return;
  CountColumns();
  if (index < 0 || index >= t.PlayerHand.Count || !IsWildcard(t.PlayerHand.Cards[index])) {
    index = FindFirst(t.PlayerHand, [](const TCard& c) { return c.Rank == RankJoker; });
    if (index < 0) index = FindFirst(t.PlayerHand, [](const TCard& c) { return c.Rank == RankTwo; });
  }
  if (index < 0) return;
  const TCard from = t.PlayerHand.Cards[index];
  TCard card = RemoveAt(t.PlayerHand, index, 1, false, from.Rank);
  TColumnAnchor& anchor = t.PlayerMelds.Columns[column];
  card.X = anchor.X;
  card.Column = static_cast<std::uint8_t>(column);
  if (t.PlayerCanastas.Kind[column] == NoCanasta) anchor.Y += StackStep;
  card.Y = anchor.Y;
  AddCard(t.PlayerMelds, card);
  ReportMove(TMoveKind::MeldWildcard, card, column);
  RemoveById(t.pickupMemory, card.Id);
  PushUndo(card);
  HandIndicesShifted();
  AnimateMove(from, card);
  CheckCanasta(Seat::Player, column);
  CompletePileTake();
  if (!t.PlayerHand.Empty() || !ValidateForDiscard() || t.TopCardPending)
    PassDiscard();
  else
    CheckHandEnd();  // the wildcard was the last card
}

void TGame::AddWildcards(int column, int count, int firstIndex) {
  // A named wildcard goes first; the others are a joker, else a two.
  for (int i = 0; i < count && PlayerMelding(); ++i) AddWildcard(column, i == 0 ? firstIndex : -1);
}

void TGame::AfterMeld(bool autoWildcardAdded) {
  TTableState& t = Table;
  CompletePileTake();
  if (t.PlayerHand.Empty() && !t.TopCardPending && ValidateForDiscard())
    CheckHandEnd();  // out by melding
  else if (!autoWildcardAdded)
    PassDiscard();  // the automatic wildcard has made this check already
}

}  // namespace tarvelo
