#include "engine/hit_test.h"

#include "engine/column_fit.h"

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

THit HitTest(const TTableState& t, const TLayout& l, int x, int y) {
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

}  // namespace tarvelo
