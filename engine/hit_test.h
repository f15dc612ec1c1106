#pragma once

#include "engine/game_state.h"
#include "engine/layout.h"

namespace tarvelo {

// What a point of the table is: the result of HitTest. Values are the click targets.
enum HitTarget {
  HitNothing = 0,
  HitStock = 1,
  HitPile = 2,
  HitHandNatural = 3,
  HitMeld = 4,   // a card of PlayerMelds outside the threes
  HitThree = 5,  // a card of column 2 of PlayerMelds
  HitHandWildcard = 6
};
struct THit {
  int Target = HitNothing;
  int Index = -1;  // the card's index in its area
  bool operator==(const THit&) const = default;
};

// The place or the card of the player's side under a point, as the table is
// drawn: the stock (while it lasts), the pile, a card of the hand or of the
// player's melds. Nothing once the hand is over. Geometry only: it reads where
// the cards lie and changes nothing.
THit HitTest(const TTableState& table, const TLayout& layout, int x, int y);

}  // namespace tarvelo
