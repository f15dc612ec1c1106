#include "engine/game.h"

#include <algorithm>

namespace tarvelo {

namespace {
int WildcardsIn(const TColumnCounts& counts) {
  return counts[CountPlayerHand + RankJoker] + counts[CountPlayerHand + RankTwo];
}
}  // namespace

bool TGame::ReadyToMeld() {
  if (!PlayerOnTurn()) return false;
  if (!Table.HasDrawn) ShowStatus(ErrorMeldBeforeDraw);
  return Table.HasDrawn;
}

void TGame::LayHandCardIntoMelds(int handIndex) {
  TTableState& t = Table;
  const TCard from = t.PlayerHand.At(handIndex);
  TCard card = RemoveAt(t.PlayerHand, handIndex, 1, false, from.Rank);
  PlaceInColumn(t.PlayerMelds, true, t.PlayerCanastas.Kind[card.Rank] != NoCanasta, card);
  AddCard(t.PlayerMelds, card);
  Send("MELD", std::to_string(card.Id));
  RemoveById(t.pickupMemory, card.Id);
  PushUndo(card);
  ForgetDiscardClicks();
  AnimateMove(from, card);
}

void TGame::MeldNatural(int index, ShiftState shift) {
  TTableState& t = Table;
  if (index < 0 || index >= t.PlayerHand.Count || !ReadyToMeld()) return;
  if (t.Phase != PhaseTakePile) ShowPhase(PhaseMeld);
  const TCard card = t.PlayerHand.Cards[index];
  const int r = card.Rank;

  if (shift.Shift || shift.Ctrl) {
    CountColumns();
    const int inMeld = t.ColumnCounts[CountPlayerMelds + r];
    const int inHand = t.ColumnCounts[CountPlayerHand + r];
    // Ctrl fills the meld to three, Shift lays every card of the rank.
    int n = shift.Ctrl ? 3 - inMeld : inHand;
    if (n < 1) return;
    n = std::min(n, inHand);
    // Without the canastas to go out a card must stay for the discard.
    if (n == t.PlayerHand.Count && t.PlayerCanastas.Count < Rules.NumberOfCanastas) --n;
    if (n < 1) return;
    for (int laid = 0; laid < n; ++laid) {
      const int next = FindFirst(t.PlayerHand, [r](const TCard& c) { return c.Rank == r; });
      if (next < 0) break;
      LayHandCardIntoMelds(next);
      CheckCanasta(Seat::Player, r);
    }
  } else {
    UpdateMayMeldBlackThrees();
    if (IsBlackThree(card) && !t.MayMeldBlackThrees) {
      ShowStatus(ErrorBlackThreesLast);
      return;
    }
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

void TGame::AddWildcard(int column) {
  TTableState& t = Table;
  if (column < 0 || column >= ColumnCount) return;
  CountColumns();
  int index = FindFirst(t.PlayerHand, [](const TCard& c) { return c.Rank == RankJoker; });
  if (index < 0) index = FindFirst(t.PlayerHand, [](const TCard& c) { return c.Rank == RankTwo; });
  if (index < 0) return;
  const TCard from = t.PlayerHand.Cards[index];
  TCard card = RemoveAt(t.PlayerHand, index, 1, false, from.Rank);
  TColumnAnchor& anchor = t.PlayerMelds.Columns[column];
  card.X = anchor.X;
  card.Column = static_cast<std::uint8_t>(column);
  if (t.PlayerCanastas.Kind[column] == NoCanasta) anchor.Y += StackStep;
  card.Y = anchor.Y;
  AddCard(t.PlayerMelds, card);
  Send("MELDWILDCARD", std::to_string(card.Id) + static_cast<char>(0xFE) + std::to_string(column));
  RemoveById(t.pickupMemory, card.Id);
  PushUndo(card);
  ForgetDiscardClicks();
  AnimateMove(from, card);
  CheckCanasta(Seat::Player, column);
  CompletePileTake();
  if (!t.PlayerHand.Empty() || !ValidateForDiscard() || t.TopCardPending)
    PassDiscard();
  else
    CheckHandEnd();  // the wildcard was the last card
}

void TGame::AddWildcards(int column, int count) {
  for (int i = 0; i < count && PlayerMelding(); ++i) AddWildcard(column);
}

void TGame::WildcardToMeld(int index, ShiftState shift) {
  TTableState& t = Table;
  if (index < 0 || index >= t.PlayerMelds.Count || !ReadyToMeld()) return;
  const int c = t.PlayerMelds.Cards[index].Column;
  CountColumns();
  const int size = t.ColumnCounts[CountPlayerMelds + c];
  if (shift.Shift) {
    // Fill the meld up to a canasta, if the hand holds the wildcards for it.
    if (size >= 4 && size <= 6 && size + WildcardsIn(t.ColumnCounts) >= 7) AddWildcards(c, 7 - size);
    return;
  }
  // A last card may only go onto the table when it completes a canasta.
  if (t.PlayerHand.Count < 2 && t.PlayerCanastas.Count < Rules.NumberOfCanastas && size != 6) return;
  AddWildcard(c);
}

void TGame::BuildWildcardCanasta(ShiftState shift) {
  TTableState& t = Table;
  if (!ReadyToMeld()) return;
  if (!Rules.WildcardCanasta) {
    ShowStatus(ErrorWildcardCanastaNotAllowed);
    return;
  }
  CountColumns();
  const int laid = t.ColumnCounts[CountPlayerMelds + RankTwo];
  if (WildcardsIn(t.ColumnCounts) + laid < 7) {
    ShowStatus(ErrorWildcardCanastaShort);
    return;
  }
  const int n = shift.Shift ? 7 - laid : shift.Ctrl ? 3 - laid : 1;
  if (n >= 1) AddWildcards(RankTwo, n);
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
