#include "engine/game.h"

namespace tarvelo {

bool TGame::DiscardCheck(const TCard& card) {
  if (IsWildcard(card) || (IsRedThree(card) && Rules.ThreeBlock)) Table.PileFrozen = true;
  return !IsRedThree(card) || Rules.ThreeBlock;
}

bool TGame::MayDiscard(const TCard& card) {
  TTableState& t = Table;
  // The melds are judged as they will be once the card has left the hand.
  --t.PlayerHand.Count;
  const bool valid = ValidateForDiscard();
  ++t.PlayerHand.Count;
  if (!valid) return false;
  // Discarding the last card is going out, and going out needs the canastas;
  // an empty hand would otherwise sit out the rest of the hand.
  if (t.PlayerHand.Count == 1 && t.PlayerCanastas.Count < Rules.NumberOfCanastas) {
    t.DiscardReason = Rules.NumberOfCanastas > 1 ? "you need two Canastas to go out" : "you need a Canasta to go out";
    return false;
  }
  return DiscardCheck(card);
}

void TGame::DiscardFromHand(int index) {
  TTableState& t = Table;
  if (!PlayerOnTurn() || index < 0 || index >= t.PlayerHand.Count) return;
  if (!t.HasDrawn) {
    ShowStatus(ErrorDiscardBeforeDraw);
    return;
  }
  // With the double right click option the same card must be clicked twice.
  if (index != t.DiscardClickCard) {
    t.DiscardClickCard = index;
    t.DiscardClicks = 0;
  } else if (t.DiscardClicks < RightClicks) {
    ++t.DiscardClicks;
  }
  if (t.DiscardClicks != RightClicks) return;
  ForgetDiscardClicks();
  if (!MayDiscard(t.PlayerHand.Cards[index])) {
    ShowStatus(ErrorDiscardNotPossible);
    return;
  }

  ClearUndo();
  ShowPhase(PhaseDraw);
  t.HasDrawn = false;
  t.MayDraw = true;
  const TCard& card = t.PlayerHand.Cards[index];
  Send("DISCARD", std::to_string(card.Id));
  const TCard discarded = RemoveAt(t.PlayerHand, index, 1, false, card.Rank);
  PlaceOnPile(discarded);
  RemoveById(t.pickupMemory, discarded.Id);
  if (CheckHandEnd()) return;
  HandTurnToOpponent();
}

void TGame::DiscardRedThree(int index) {
  TTableState& t = Table;
  if (!PlayerOnTurn() || !t.HasDrawn || !Rules.ThreeBlock) return;
  // Only a red three leaves the melds this way; black threes lie there only when going out.
  if (index < 0 || index >= t.PlayerMelds.Count || !IsRedThree(t.PlayerMelds.Cards[index])) return;
  if (!ValidateForDiscard()) {
    ShowStatus(ErrorDiscardNotPossible);
    return;
  }
  t.HasDrawn = false;
  ShowPhase(PhaseDraw);
  t.MayDraw = true;
  t.PileFrozen = true;
  const TCard card = RemoveAt(t.PlayerMelds, index, 1, false, RankThree);
  Send("DISCARDREDTHREE", std::to_string(card.Id));
  PlaceOnPile(card);
  ClearUndo();
  if (CheckHandEnd()) return;
  HandTurnToOpponent();
}

}  // namespace tarvelo
