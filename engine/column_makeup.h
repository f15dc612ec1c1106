#pragma once

#include "engine/card_area.h"

#include <array>

namespace tarvelo {

// The naturals and wildcards of one meld column.
struct TColumnMakeup {
  int Naturals = 0;
  int Wildcards = 0;
  int Size() const { return Naturals + Wildcards; }
};

// Every column of a meld area.
inline std::array<TColumnMakeup, ColumnCount> MakeupOf(const TCardArea& melds) {
  std::array<TColumnMakeup, ColumnCount> columns{};
  for (const TCard& c : melds.Live()) {
    TColumnMakeup& column = columns[c.Column];
    (IsWildcard(c) ? column.Wildcards : column.Naturals)++;
  }
  return columns;
}

}  // namespace tarvelo
