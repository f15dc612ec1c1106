#include "engine/card_names.h"

namespace tarvelo {

std::string CardName(const TCard& card) {
  if (card.Id == JokerId) return "JK";
  const int rankIndex = (card.Id - 1) % 13, suit = (card.Id - 1) / 13;
  return std::string(1, "23456789TJQKA"[rankIndex]) + "SCDH"[suit];
}

std::string CardNames(const TCardArea& area) {
  std::string names;
  for (const TCard& c : area.Live()) names += (names.empty() ? "" : " ") + CardName(c);
  return names;
}

}  // namespace tarvelo
