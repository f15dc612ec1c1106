#include "engine/column_fit.h"
#include "engine/game.h"
#include "engine/moves.h"

#include <algorithm>
#include <optional>

namespace tarvelo {

namespace {
bool Inside(int x, int y, int left, int top, int width, int height) {
  return x >= left && x <= left + width && y >= top && y <= top + height;
}

// The first card of an area under the point, where it is drawn: a card shows
// its full height only when it is the last of its column; the others show a
// strip, 12 pixels high unless the column closed up above the table's bottom.
template <typename ColumnOfCard>
int CardAt(const TCardArea& area, int baseY, int x, int y, const TLayout& layout, ColumnOfCard columnOf) {
  for (int i = 0; i < area.Count; ++i) {
    const TCard& card = area.Cards[i];
    const int column = columnOf(card);
    const TColumnFit fit = FitColumn(area, column, baseY, layout);
    const bool lastOfColumn = card.Y == area.Columns[column].Y;
    if (Inside(x, y, card.X, fit.DrawnY(card.Y), layout.CardWidth, lastOfColumn ? layout.CardHeight : fit.Step))
      return i;
  }
  return -1;
}
}  // namespace

THit TGame::HitTest(int x, int y) {
  const TTableState& t = Table;
  const TLayout& l = Layout;
  if (t.Phase == PhaseHandOver) return {};
  THit hit;
  if (!t.StockExhausted && Inside(x, y, l.LeftMargin, l.StockY, l.CardWidth, l.CardHeight)) {
    hit = {HitStock, -1};
  } else if (Inside(x, y, l.LeftMargin, l.DiscardY, l.CardWidth, l.CardHeight)) {
    hit = {HitPile, -1};
  } else if (const int i = CardAt(t.PlayerHand, l.PlayerHandY, x, y, l, [](const TCard& c) { return c.Rank; });
             i >= 0) {
    hit = {IsWildcard(t.PlayerHand.Cards[i]) ? HitHandWildcard : HitHandNatural, i};
  } else if (const int m = CardAt(t.PlayerMelds, l.PlayerMeldY, x, y, l, [](const TCard& c) { return int(c.Column); });
             m >= 0) {
    hit = {t.PlayerMelds.Cards[m].Column == RankThree ? HitThree : HitMeld, m};
  }
  return hit;
}

void TGame::PlayerClick(MouseButton button, int x, int y, ShiftState shift) {
  if (Table.OpponentToMove) return;
  if (button == MouseButton::Left && Table.DiscardSpread) {
    Table.DiscardSpread = false;
    Host.Repaint();  // the fanned pile closes up
  }
  const THit hit = HitTest(x, y);
  // The first click on the stock, the pile or a natural of the hand starts the game.
  if (hit.Target == HitStock || hit.Target == HitPile || hit.Target == HitHandNatural) Table.GameInProgress = true;
  if (button == MouseButton::Left) {
    if (const std::optional<TMove> move = LeftClickMove(hit, shift)) TryMove(*this, Seat::Player, *move);
    return;
  }
  if (hit.Target == HitHandNatural || hit.Target == HitHandWildcard) {
    if (DiscardClickCounted(hit.Index)) TryMove(*this, Seat::Player, {.Kind = TMoveKind::Discard, .Card = hit.Index});
  } else if (hit.Target == HitThree) {
    TryMove(*this, Seat::Player, {.Kind = TMoveKind::DiscardRedThree, .Card = hit.Index});
  }
}

std::optional<TMove> TGame::LeftClickMove(const THit& hit, ShiftState shift) {
  const TTableState& t = Table;
  switch (hit.Target) {
    case HitStock:
      return TMove{.Kind = TMoveKind::Draw};
    case HitPile:
      return TMove{.Kind = t.PileTakeOpen && !t.MayDraw ? TMoveKind::GiveBackPile : TMoveKind::TakePile};
    case HitHandNatural:
      return TMove{.Kind = TMoveKind::Meld, .Card = hit.Index, .Count = NaturalsToLay(hit.Index, shift)};
    case HitMeld:
      return WildcardToMeldMove(hit.Index, shift);
    case HitHandWildcard:
      return WildcardCanastaMove(shift);
    default:
      return std::nullopt;
  }
}

// Ctrl fills the meld to three, Shift lays every card of the rank; without the
// canastas to go out a card stays for the discard.
int TGame::NaturalsToLay(int index, ShiftState shift) const {
  const TTableState& t = Table;
  if (!shift.Shift && !shift.Ctrl) return 1;
  const TColumnCounts n = CountedColumns(t);
  const int r = t.PlayerHand.Cards[index].Rank;
  const int inMeld = n[CountPlayerMelds + r], inHand = n[CountPlayerHand + r];
  int count = shift.Ctrl ? 3 - inMeld : inHand;
  if (count < 1) return 0;
  count = std::min(count, inHand);
  if (count == t.PlayerHand.Count && t.PlayerCanastas.Count < Rules.NumberOfCanastas) --count;
  return count;
}

// A click on a meld adds a wildcard to it; with Shift it fills the meld to a
// canasta, if the hand holds the wildcards for it.
std::optional<TMove> TGame::WildcardToMeldMove(int index, ShiftState shift) const {
  const TTableState& t = Table;
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
std::optional<TMove> TGame::WildcardCanastaMove(ShiftState shift) const {
  const int laid = CountedColumns(Table)[CountPlayerMelds + RankTwo];
  const int count = shift.Shift ? 7 - laid : shift.Ctrl ? 3 - laid : 1;
  return TMove{.Kind = TMoveKind::MeldWildcard, .Column = RankTwo, .Count = count};
}

// With the double right click option the same card must be clicked twice.
bool TGame::DiscardClickCounted(int index) {
  TTableState& t = Table;
  if (!t.HasDrawn) return true;  // refused with its reason
  if (index != t.DiscardClickCard) {
    t.DiscardClickCard = index;
    t.DiscardClicks = 0;
  } else if (t.DiscardClicks < RightClicks) {
    ++t.DiscardClicks;
  }
  if (t.DiscardClicks != RightClicks) return false;
  ForgetDiscardClicks();
  return true;
}

bool TGame::PlayerOnTurn() const { return !Table.OpponentToMove && Table.Phase != PhaseHandOver; }

bool TGame::PlayerMelding() const { return PlayerOnTurn() && Table.HasDrawn; }

}  // namespace tarvelo
