#pragma once

#include "engine/card_area.h"

#include <string>

namespace tarvelo {

// A card's short name: rank 2-9, T, J, Q, K, A and suit S, C, D, H ("KH", "7D"); "JK" for a joker.
std::string CardName(const TCard& card);
// The names of an area's cards in area order, separated by spaces.
std::string CardNames(const TCardArea& area);

}  // namespace tarvelo
