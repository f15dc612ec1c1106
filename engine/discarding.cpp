#include "engine/game.h"

namespace tarvelo {

void TGame::FreezeForDiscard(const TCard& card) {
  if (IsWildcard(card) || (IsRedThree(card) && Rules.ThreeBlock)) Table.PileFrozen = true;
}

void TGame::DiscardFromHand(int index) {
  TTableState& t = Table;
  FreezeForDiscard(t.PlayerHand.Cards[index]);
  ClearUndo();
  ShowPhase(PhaseDraw);
  t.HasDrawn = false;
  t.MayDraw = true;
  const TCard& card = t.PlayerHand.Cards[index];
  ReportMove(TMoveKind::Discard, card);
  const TCard discarded = RemoveAt(t.PlayerHand, index, 1, false, card.Rank);
  PlaceOnPile(discarded);
  RemoveById(t.pickupMemory, discarded.Id);
  if (CheckHandEnd()) return;
  HandTurnToOpponent();
}

void TGame::DiscardRedThree(int index) {
  TTableState& t = Table;
  t.HasDrawn = false;
  ShowPhase(PhaseDraw);
  t.MayDraw = true;
  t.PileFrozen = true;
  const TCard card = RemoveAt(t.PlayerMelds, index, 1, false, RankThree);
  ReportMove(TMoveKind::DiscardRedThree, card);
  PlaceOnPile(card);
  ClearUndo();
  if (CheckHandEnd()) return;
  HandTurnToOpponent();
}

}  // namespace tarvelo
