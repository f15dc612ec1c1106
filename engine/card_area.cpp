#include "engine/card_area.h"

namespace tarvelo {

namespace {
void CheckIndex(const TCardArea& area, int index, const char* what) {
  if (index < 0 || index >= area.Count)
    throw TRangeFault(std::string(what) + ": card index " + std::to_string(index) + " outside an area of " +
                      std::to_string(area.Count) + " cards");
}
}  // namespace

const TCard& TCardArea::At(int index) const {
  CheckIndex(*this, index, "reading a card");
  return Cards[index];
}

TCard& TCardArea::At(int index) {
  CheckIndex(*this, index, "reading a card");
  return Cards[index];
}

void AddCard(TCardArea& area, const TCard& card) {
  if (area.Count >= MaxCards) throw TRangeFault("adding a card: the area already holds 108 cards");
  area.Cards[area.Count++] = card;
}

TCard PopTop(TCardArea& area) {
  if (area.Count == 0) throw TRangeFault("taking the top card of an empty area");
  return area.Cards[--area.Count];
}

TCard RemoveAt(TCardArea& area, int index, int direction, bool keepStack, int column) {
  CheckIndex(area, index, "removing a card");
  if (!keepStack && (column < 0 || column >= ColumnCount))
    throw TRangeFault("removing a card: column " + std::to_string(column) + " does not exist");
  const TCard removed = area.Cards[index];
  for (int i = index; i + 1 < area.Count; ++i) area.Cards[i] = area.Cards[i + 1];
  --area.Count;
  if (keepStack) return removed;
  area.Columns[column].Y -= StackStep * direction;
  for (TCard& card : area.Live()) {
    const bool beyond = direction > 0 ? card.Y > removed.Y : card.Y < removed.Y;
    if (card.X == removed.X && beyond) card.Y -= StackStep * direction;
  }
  return removed;
}

int RemoveById(TCardArea& area, CardId id) {
  const int index = FindFirst(area, [id](const TCard& c) { return c.Id == id; });
  if (index >= 0) RemoveAt(area, index, 0, true, 0);
  return area.Count;
}

void PlaceInColumn(TCardArea& area, bool downward, bool keepAnchor, TCard& card) {
  if (card.Rank >= ColumnCount) throw TRangeFault("placing a card of unknown rank");
  TColumnAnchor& anchor = area.Columns[card.Rank];
  card.X = anchor.X;
  card.Column = card.Rank;
  if (!keepAnchor) anchor.Y += downward ? StackStep : -StackStep;
  card.Y = anchor.Y;
}

}  // namespace tarvelo
