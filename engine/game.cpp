#include "engine/game.h"

namespace tarvelo {

TGame::TGame(TableHost& host) : Host(host) { ResetAnchors(); }

void TGame::Report(const TGameReport& report) {
  if (observer_ && !Rehearsing) observer_->Reported(report);
}

void TGame::ReportMove(TMoveKind kind, const TCard& card, int column) {
  Report(TMoveReport{Seat::Player, kind, card, column});
}

TColumnCounts CountedColumns(const TTableState& t) {
  TColumnCounts counts{};
  for (const TCard& c : t.PlayerMelds.Live()) ++counts[CountPlayerMelds + c.Column];
  for (const TCard& c : t.PlayerHand.Live()) ++counts[CountPlayerHand + c.Rank];
  for (const TCard& c : t.OpponentHand.Live()) ++counts[CountOpponentHand + c.Rank];
  for (const TCard& c : t.OpponentMelds.Live()) ++counts[CountOpponentMelds + c.Column];
  return counts;
}

void TGame::CountColumns() { Table.ColumnCounts = CountedColumns(Table); }

int TGame::MeldValueOf(Seat seat, bool allColumns) const {
  const TCardArea& melds = Table.MeldsOf(seat);
  std::array<int, ColumnCount> perColumn{};
  for (const TCard& c : melds.Live()) ++perColumn[c.Column];
  int value = 0;
  for (const TCard& c : melds.Live())
    if (allColumns || perColumn[c.Column] >= 3) value += c.Value;
  return value;
}

void TGame::ResetAnchors() {
  for (int c = 0; c < ColumnCount; ++c) {
    const int x = Layout.ColumnX(c);
    Table.PlayerHand.Columns[c] = {x, Layout.PlayerHandY};
    Table.PlayerMelds.Columns[c] = {x, Layout.PlayerMeldY};
    Table.OpponentMelds.Columns[c] = {x, Layout.OpponentMeldY};
  }
}

namespace {
// Keeps every card and anchor of an area in its column and at the same distance
// from the area's base line.
void Relayout(TCardArea& area, const TLayout& from, const TLayout& to, int fromBase, int toBase) {
  auto moveX = [&](int x) { return from.ColumnOf(x) * to.ColumnStep + to.LeftMargin; };
  for (TCard& c : area.Live()) {
    c.X = moveX(c.X);
    c.Y += toBase - fromBase;
  }
  for (int c = 0; c < ColumnCount; ++c) {
    area.Columns[c].X = to.ColumnX(c);
    area.Columns[c].Y += toBase - fromBase;
  }
}

void PlaceAll(TCardArea& area, int x, int y) {
  for (TCard& c : area.Live()) {
    c.X = x;
    c.Y = y;
  }
}
}  // namespace

void TGame::ApplyLayout(const TLayout& to) {
  const TLayout from = Layout;
  Relayout(Table.PlayerHand, from, to, from.PlayerHandY, to.PlayerHandY);
  Relayout(Table.PlayerMelds, from, to, from.PlayerMeldY, to.PlayerMeldY);
  Relayout(Table.OpponentMelds, from, to, from.OpponentMeldY, to.OpponentMeldY);
  // The snapshot copies move too, so that a restored turn lands on the new table.
  Relayout(Table.UndoPlayerHand, from, to, from.PlayerHandY, to.PlayerHandY);
  Relayout(Table.UndoPlayerMelds, from, to, from.PlayerMeldY, to.PlayerMeldY);
  PlaceAll(Table.Stock, to.LeftMargin, to.StockY);
  PlaceAll(Table.DiscardPile, to.LeftMargin, to.DiscardY);
  PlaceAll(Table.UndoDiscardPile, to.LeftMargin, to.DiscardY);
  Layout = to;
}

}  // namespace tarvelo
