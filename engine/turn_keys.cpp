#include "engine/game.h"

namespace tarvelo {

namespace {
// The column a key names in the keyboard phases: "2".."9", "0" for ten, J, Q, K, A,
// and W for the wildcards; -1 for any other key.
int ColumnOfKey(int key) {
  if (key >= '2' && key <= '9') return key - '1';
  switch (key) {
    case '0':
      return RankTen;
    case 'J':
      return RankJack;
    case 'Q':
      return RankQueen;
    case 'K':
      return RankKing;
    case 'A':
      return RankAce;
    case 'W':
      return RankJoker;
    default:
      return -1;
  }
}

bool IsKeyPhase(int phase) { return phase == PhaseKeyMeld || phase == PhaseKeyDiscard || phase == PhaseKeyWildcard; }
}  // namespace

void TGame::PlayerKey(int key, ShiftState shift) {
  if (key >= 'a' && key <= 'z') key -= 'a' - 'A';
  if (key == KeyF11) {
    if (shift.Ctrl) ToggleOpponentCards();
    return;
  }
  // Keys act only on the player's own turn, like clicks: a phase shown during the
  // opponent's turn or after the hand would let clicks through that must not count.
  if (!PlayerOnTurn()) return;
  const TLayout& l = Layout;
  switch (key) {
    case KeyEscape:
      // Back to the phase the turn is in; after the draw that is the meld phase.
      ShowPhase(!Table.HasDrawn ? PhaseDraw : Table.PileTakeOpen ? PhaseTakePile : PhaseMeld);
      return;
    case KeyF6:
      PlayerClick(MouseButton::Left, l.LeftMargin + 1, l.StockY + 1, shift);
      return;
    case KeyF7:
      PlayerClick(MouseButton::Left, l.LeftMargin + 1, l.DiscardY + 1, shift);
      return;
    case KeyF8:
      ShowPhase(PhaseKeyMeld);
      return;
    case KeyF9:
      ShowPhase(PhaseKeyWildcard);
      return;
    case KeyF10:
      ShowPhase(PhaseKeyDiscard);
      return;
    default:
      break;
  }
  if (IsKeyPhase(Table.Phase)) RunKeyPhaseClick(key, shift);
}

// A key of a keyboard phase is a click on the first card of the column it names:
// in the hand to meld or discard, in the melds to add a wildcard.
void TGame::RunKeyPhaseClick(int key, ShiftState shift) {
  const int column = ColumnOfKey(key);
  if (column < 0) return;
  const int phase = Table.Phase;
  const int x = Layout.ColumnX(column);
  if (phase == PhaseKeyMeld)
    PlayerClick(MouseButton::Left, x, Layout.PlayerHandY + StackStep, shift);
  else if (phase == PhaseKeyDiscard)
    PlayerClick(MouseButton::Right, x, Layout.PlayerHandY + StackStep, shift);
  else
    PlayerClick(MouseButton::Left, x, Layout.PlayerMeldY + StackStep, shift);
  // The keyboard phase stays while the player goes on melding; a refusal keeps its
  // error, and a discard, a pass or the end of the hand has moved the turn on.
  if (Table.LastError == StatusPhase && PlayerMelding()) ShowPhase(phase);
}

void TGame::ToggleOpponentCards() {
  TTableState& t = Table;
  t.OpponentCardsShown = !t.OpponentCardsShown;
  for (TCard& card : t.OpponentHand.Live()) card.FaceUp = card.FaceUp ? 0 : 1;
  t.CardOverlap = static_cast<std::uint8_t>(22 - t.CardOverlap);
  Host.RepaintRect(0, 0, Layout.ClientWidth, 5 + Layout.CardHeight);
}

}  // namespace tarvelo
