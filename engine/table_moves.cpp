#include "engine/game.h"

namespace tarvelo {

void TGame::AnimateMove(const TCard& from, const TCard& to) {
  if (Rehearsing) return;
  const int w = Layout.CardWidth, h = Layout.CardHeight;
  Host.AnimateCard(from, to);
  Host.RepaintRect(from.X, from.Y, w, h);
  Host.RepaintRect(to.X, to.Y, w, h);
}

void TGame::RepaintPile() {
  if (Rehearsing) return;
  const TLayout& l = Layout;
  // The fan covers one card more than the pile holds, so that a card just
  // taken leaves nothing behind; below it lie the frame's edge and the counter.
  const int fan = Table.DiscardSpread ? StackStep * Table.DiscardPile.Count : 0;
  constexpr int counterRoom = 40;
  Host.RepaintRect(0, l.MidLine, l.CardWidth + 8, l.DiscardY - l.MidLine + l.CardHeight + fan + counterRoom);
}

void TGame::LayInColumn(TCardArea& area, TCard card) {
  const TCard from = card;
  card.FaceUp = 1;
  PlaceInColumn(area, true, false, card);
  AddCard(area, card);
  AnimateMove(from, card);
}

void TGame::PlaceOnPile(TCard card) {
  const TCard from = card;
  card.FaceUp = 1;
  card.X = Layout.LeftMargin;
  card.Y = Layout.DiscardY;
  AddCard(Table.DiscardPile, card);
  AnimateMove(from, card);
  RepaintPile();
}

void TGame::HandTurnToOpponent() {
  // Set before the computer moves, so that nothing of the player's turn can run
  // while the opponent is on turn; a peer's moves clear it again.
  Table.OpponentToMove = true;
  ShowPhase(PhaseOpponent);
  if (!Host.NetworkGameActive()) Host.PlayComputerTurn();
}

void TGame::SetPlayingRulesHint() {
  Host.SetRulesHint(" Changing the rules is only possible when starting a new game");
}

void TGame::HandIndicesShifted() { ++Table.HandShifts; }

bool TGame::PlayerOnTurn() const { return !Table.OpponentToMove && Table.Phase != PhaseHandOver; }

bool TGame::PlayerMelding() const { return PlayerOnTurn() && Table.HasDrawn; }

void TGame::ToggleOpponentCards() {
  TTableState& t = Table;
  t.OpponentCardsShown = !t.OpponentCardsShown;
  for (TCard& card : t.OpponentHand.Live()) card.FaceUp = card.FaceUp ? 0 : 1;
  t.CardOverlap = static_cast<std::uint8_t>(22 - t.CardOverlap);
  Host.RepaintRect(0, 0, Layout.ClientWidth, 5 + Layout.CardHeight);
}

}  // namespace tarvelo
