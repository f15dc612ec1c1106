#pragma once

#include "engine/card.h"

#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

namespace tarvelo {

constexpr int MaxCards = 108;
constexpr int StackStep = 12;  // pixels between stacked cards of a column

// A broken invariant of the card areas: a program fault, reported and never carried out.
class TRangeFault : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

struct TColumnAnchor {
  std::int32_t X = 0;
  std::int32_t Y = 0;  // top of the most recently placed card of the column
  bool operator==(const TColumnAnchor&) const = default;
};

// Every pile, hand and meld area: slots 0..Count-1 are occupied, the last is on top.
struct TCardArea {
  std::array<TCard, MaxCards> Cards{};
  std::uint8_t Count = 0;
  std::array<TColumnAnchor, ColumnCount> Columns{};

  std::span<const TCard> Live() const { return {Cards.data(), Count}; }
  std::span<TCard> Live() { return {Cards.data(), Count}; }
  const TCard& At(int index) const;
  TCard& At(int index);
  const TCard& Top() const { return At(Count - 1); }
  bool Empty() const { return Count == 0; }
};

void AddCard(TCardArea& area, const TCard& card);
TCard PopTop(TCardArea& area);
// Takes out slot `index`. Unless keepStack (a closed canasta), the column closes up:
// its anchor and the cards stacked beyond the removed one move back by 12 pixels.
// direction is +1 for areas stacked downward, -1 for upward.
TCard RemoveAt(TCardArea& area, int index, int direction, bool keepStack, int column);
// Removes the first card with this id, if any; returns the new count.
int RemoveById(TCardArea& area, CardId id);
// Puts the card at its rank column's anchor, advancing the anchor unless keepAnchor.
void PlaceInColumn(TCardArea& area, bool downward, bool keepAnchor, TCard& card);

// Index of the first / last live card matching a predicate, or -1.
template <typename Pred>
int FindFirst(const TCardArea& area, Pred pred) {
  for (int i = 0; i < area.Count; ++i)
    if (pred(area.Cards[i])) return i;
  return -1;
}
template <typename Pred>
int FindLast(const TCardArea& area, Pred pred) {
  for (int i = area.Count - 1; i >= 0; --i)
    if (pred(area.Cards[i])) return i;
  return -1;
}

}  // namespace tarvelo
