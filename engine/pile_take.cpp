#include "engine/game.h"
#include "engine/seat_rules.h"

#include <algorithm>

namespace tarvelo {

bool TGame::IsPileFrozen(Seat seat) const {
  if (Table.PileFrozen) return true;
  // Under the initial freeze for both seats the pile stays frozen for a seat until it has melded.
  if (!Rules.InitialBlock || !Rules.InitialBlockForBoth) return false;
  return seat == Seat::Player ? MeldValue(false) == 0 : Table.OpponentMeldValue == 0;
}

bool TGame::PileTakeIsConditional(bool frozen, int columnBefore) const {
  return frozen || columnBefore < 1 || (Rules.NaturalPair && Rules.AddExistingMeld);
}

void TGame::TakePile() {
  TTableState& t = Table;
  const bool onlyForced = !tarvelo::MayTakePile(*this, Seat::Player, false);
  const bool frozen = IsPileFrozen();
  SetPlayingRulesHint();
  t.MayDraw = false;
  if (t.DiscardPile.Count > 12) Host.PlaySound("Take Huge Pile");
  HandIndicesShifted();

  // The top card goes into the melds first; the rest follows once it is legally melded.
  CountColumns();
  t.TopCardPending = true;
  TCard top = PopTop(t.DiscardPile);
  const TCard from = top;
  const int r = top.Rank;
  const int k = t.ColumnCounts[CountPlayerMelds + r];
  PlaceInColumn(t.PlayerMelds, true, t.PlayerCanastas.Kind[r] != NoCanasta, top);
  AddCard(t.PlayerMelds, top);
  t.PileTopCard = top;
  AnimateMove(from, top);
  RepaintPile();
  ReportMove(TMoveKind::TakePile, top);
  CheckCanasta(Seat::Player, top.Column);
  t.HasDrawn = true;

  if (onlyForced) {
    EndOfDraw();  // forced: only the top card is taken, the rest of the pile stays
  } else if (PileTakeIsConditional(frozen, k)) {
    ShowPhase(PhaseTakePile);
    t.PileTakeOpen = true;
    t.PileTakeRank = static_cast<std::uint8_t>(r);
    t.InitialMeldMinimum += TopCardRaise(Rules, top);
    t.PileTakeColumnBase = k;
    t.PileTakeHandBase = static_cast<int>(std::count_if(t.PlayerMelds.Live().begin(), t.PlayerMelds.Live().end(),
                                                        [r](const TCard& c) { return c.Rank == r; })) -
                         1;
    t.PileTakeNeedsHand = frozen || Rules.NaturalPair;
  } else {
    ReportMove(TMoveKind::TakePileRest);
    ShowPhase(PhaseMeld);
    t.PileFrozen = false;
    t.TopCardPending = false;
    t.PileTakeOpen = false;
    TakeRestOfPile();
  }
  SaveTurnSnapshot();
  PassDiscard();
  Host.Repaint();
}

void TGame::CompletePileTake() {
  TTableState& t = Table;
  CountColumns();
  if (!IsPileTakeComplete()) return;
  ShowPhase(PhaseMeld);
  t.PileFrozen = false;
  t.PileTakeOpen = false;
  t.TopCardPending = false;
  t.MayDraw = false;
  ReportMove(TMoveKind::TakePileRest);
  TakeRestOfPile();
  // The melds made for the take can no longer be taken back one by one.
  ClearUndo();
}

void TGame::TakeRestOfPile() {
  TTableState& t = Table;
  Host.GroupCardMoves(t.DiscardPile.Count);
  while (!t.DiscardPile.Empty()) {
    const TCard card = PopTop(t.DiscardPile);
    if (IsRedThree(card)) {
      LayInColumn(Table.PlayerMelds, card);
    } else {
      LayInColumn(Table.PlayerHand, card);
      AddCard(t.pickupMemory, card);  // the opponent saw it go into the hand
    }
    RepaintPile();
  }
  Host.GroupCardMoves(0);
}

// A click on the pile while a conditional take is open gives the pile back.
void TGame::GiveBackPile() {
  TTableState& t = Table;
  ShowPhase(PhaseDraw);
  t.InitialMeldMinimum -= TopCardRaise(Rules, t.PileTopCard);
  UndoTakePile();
  t.TopCardPending = false;
  t.PileTakeOpen = false;
  t.MayDraw = true;
}

}  // namespace tarvelo
