#include "session/input_translation.h"

#include "engine/game.h"

#include <algorithm>

namespace tarvelo {

namespace {
// Ctrl fills the meld to three, Shift lays every card of the rank; without the
// canastas to go out a card stays for the discard.
int NaturalsToLay(const TGame& game, int index, ShiftState shift) {
  const TTableState& t = game.Table;
  if (!shift.Shift && !shift.Ctrl) return 1;
  const TColumnCounts n = CountedColumns(t);
  const int r = t.PlayerHand.Cards[index].Rank;
  const int inMeld = n[CountPlayerMelds + r], inHand = n[CountPlayerHand + r];
  int count = shift.Ctrl ? 3 - inMeld : inHand;
  if (count < 1) return 0;
  count = std::min(count, inHand);
  if (count == t.PlayerHand.Count && t.PlayerCanastas.Count < game.Rules.NumberOfCanastas) --count;
  return count;
}

// A click on a meld adds a wildcard to it; with Shift it fills the meld to a
// canasta, if the hand holds the wildcards for it.
std::optional<TMove> WildcardToMeldMove(const TGame& game, int index, ShiftState shift) {
  const TTableState& t = game.Table;
  if (index < 0 || index >= t.PlayerMelds.Count) return std::nullopt;
  const int column = t.PlayerMelds.Cards[index].Column;
  const TColumnCounts n = CountedColumns(t);
  const int size = n[CountPlayerMelds + column];
  const int wild = n[CountPlayerHand + RankJoker] + n[CountPlayerHand + RankTwo];
  int count = 1;
  if (shift.Shift) count = size >= 4 && size <= 6 && size + wild >= 7 ? 7 - size : 0;
  return TMove{.Kind = TMoveKind::MeldWildcard, .Column = column, .Count = count};
}

// A click on a wildcard of the hand starts or adds to the wildcard canasta:
// one card, with Ctrl up to three, with Shift up to seven.
TMove WildcardCanastaMove(const TGame& game, ShiftState shift) {
  const int laid = CountedColumns(game.Table)[CountPlayerMelds + RankTwo];
  const int count = shift.Shift ? 7 - laid : shift.Ctrl ? 3 - laid : 1;
  return TMove{.Kind = TMoveKind::MeldWildcard, .Column = RankTwo, .Count = count};
}

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

std::optional<TMove> LeftClickMove(const TGame& game, const THit& hit, ShiftState shift) {
  const TTableState& t = game.Table;
  switch (hit.Target) {
    case HitStock:
      return TMove{.Kind = TMoveKind::Draw};
    case HitPile:
      return TMove{.Kind = t.PileTakeOpen && !t.MayDraw ? TMoveKind::GiveBackPile : TMoveKind::TakePile};
    case HitHandNatural:
      return TMove{.Kind = TMoveKind::Meld, .Card = hit.Index, .Count = NaturalsToLay(game, hit.Index, shift)};
    case HitMeld:
      return WildcardToMeldMove(game, hit.Index, shift);
    case HitHandWildcard:
      return WildcardCanastaMove(game, shift);
    default:
      return std::nullopt;
  }
}

void TInputTranslation::Click(MouseButton button, int x, int y, ShiftState shift) {
  ClickOn(button, HitTest(game_.Table, game_.Layout, x, y), shift);
}

void TInputTranslation::ClickOn(MouseButton button, const THit& hit, ShiftState shift) {
  TTableState& t = game_.Table;
  if (t.OpponentToMove) return;
  if (button == MouseButton::Left && t.DiscardSpread) {
    t.DiscardSpread = false;
    game_.Host.Repaint();  // the fanned pile closes up
  }
  // The first click on the stock, the pile or a natural of the hand starts the game.
  if (hit.Target == HitStock || hit.Target == HitPile || hit.Target == HitHandNatural) t.GameInProgress = true;
  if (button == MouseButton::Left) {
    if (const std::optional<TMove> move = LeftClickMove(game_, hit, shift)) TryMove(game_, Seat::Player, *move);
    return;
  }
  if (hit.Target == HitHandNatural || hit.Target == HitHandWildcard) {
    if (DiscardClickCounted(hit.Index)) TryMove(game_, Seat::Player, {.Kind = TMoveKind::Discard, .Card = hit.Index});
  } else if (hit.Target == HitThree) {
    TryMove(game_, Seat::Player, {.Kind = TMoveKind::DiscardRedThree, .Card = hit.Index});
  }
}

void TInputTranslation::Key(int key, ShiftState shift) {
  if (key >= 'a' && key <= 'z') key -= 'a' - 'A';
  if (key == KeyF11) {
    if (shift.Ctrl) game_.ToggleOpponentCards();
    return;
  }
  // Keys act only on the player's own turn, like clicks: a phase shown during the
  // opponent's turn or after the hand would let clicks through that must not count.
  if (!game_.PlayerOnTurn()) return;
  const TTableState& t = game_.Table;
  switch (key) {
    case KeyEscape:
      // Back to the phase the turn is in; after the draw that is the meld phase.
      game_.ShowPhase(!t.HasDrawn ? PhaseDraw : t.PileTakeOpen ? PhaseTakePile : PhaseMeld);
      return;
    case KeyF6:
      // The stock's click; an exhausted stock is no longer there to click.
      ClickOn(MouseButton::Left, t.StockExhausted ? THit{} : THit{HitStock, -1}, shift);
      return;
    case KeyF7:
      ClickOn(MouseButton::Left, {HitPile, -1}, shift);
      return;
    case KeyF8:
      game_.ShowPhase(PhaseKeyMeld);
      return;
    case KeyF9:
      game_.ShowPhase(PhaseKeyWildcard);
      return;
    case KeyF10:
      game_.ShowPhase(PhaseKeyDiscard);
      return;
    default:
      break;
  }
  if (IsKeyPhase(t.Phase)) KeyPhaseKey(key, shift);
}

// A key of a keyboard phase is the click on the head of the column it names,
// where the column's first card lies: in the hand to meld or discard, in the
// melds to add a wildcard. The head is found as a click's point is, so the key
// answers as that click does wherever cards meet: the melds' wildcard column
// is always empty and the pile lies at its head, so W there is the pile's click.
void TInputTranslation::KeyPhaseKey(int key, ShiftState shift) {
  const int column = ColumnOfKey(key);
  if (column < 0) return;
  const TLayout& l = game_.Layout;
  const int phase = game_.Table.Phase;
  const int headY = (phase == PhaseKeyWildcard ? l.PlayerMeldY : l.PlayerHandY) + StackStep;
  const THit head = HitTest(game_.Table, l, l.ColumnX(column), headY);
  ClickOn(phase == PhaseKeyDiscard ? MouseButton::Right : MouseButton::Left, head, shift);
  // The keyboard phase stays while the player goes on melding; a refusal keeps its
  // error, and a discard, a pass or the end of the hand has moved the turn on.
  if (game_.Table.LastError == StatusPhase && game_.PlayerMelding()) game_.ShowPhase(phase);
}

// With the double right click option the same card must be clicked twice.
bool TInputTranslation::DiscardClickCounted(int index) {
  const TTableState& t = game_.Table;
  if (!t.HasDrawn) return true;  // refused with its reason
  if (handShifts_ != t.HandShifts) {
    ForgetDiscardClicks();
    handShifts_ = t.HandShifts;
  }
  if (index != discardClickCard_) {
    discardClickCard_ = index;
    discardClicks_ = 0;
  } else if (discardClicks_ < game_.RightClicks) {
    ++discardClicks_;
  }
  if (discardClicks_ != game_.RightClicks) return false;
  ForgetDiscardClicks();
  return true;
}

void TInputTranslation::ForgetDiscardClicks() {
  discardClickCard_ = -1;
  discardClicks_ = 0;
}

}  // namespace tarvelo
