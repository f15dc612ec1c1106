#include "engine/invariants.h"

#include <array>

namespace tarvelo {

std::string CheckCardConservation(const TTableState& t) {
  const std::array<std::pair<const char*, const TCardArea*>, 6> areas = {{
      {"stock", &t.Stock},
      {"discard pile", &t.DiscardPile},
      {"opponent's hand", &t.OpponentHand},
      {"player's hand", &t.PlayerHand},
      {"opponent's melds", &t.OpponentMelds},
      {"player's melds", &t.PlayerMelds},
  }};
  std::array<std::array<int, 2>, JokerId + 1> seen{};  // [id][deck]
  int total = 0;
  for (const auto& [name, area] : areas) {
    if (area->Count > MaxCards) return std::string(name) + " holds more than 108 cards";
    for (const TCard& c : area->Live()) {
      if (!IsValidCardId(c.Id) || c.Deck > 1)
        return std::string(name) + " holds a card with id " + std::to_string(c.Id) + " of pack " +
               std::to_string(c.Deck);
      if (c.Rank != RankOf(c.Id) || c.Value != ValueOf(c.Id))
        return std::string(name) + " holds card " + std::to_string(c.Id) + " with a wrong rank or value";
      ++seen[c.Id][c.Deck];
      ++total;
    }
  }
  if (total != MaxCards) return "the live areas hold " + std::to_string(total) + " cards instead of 108";
  for (int id = 1; id <= JokerId; ++id)
    for (int deck = 0; deck < 2; ++deck) {
      const int expected = id == JokerId ? 2 : 1;
      if (seen[id][deck] != expected)
        return "card " + std::to_string(id) + " of pack " + std::to_string(deck) + " is there " +
               std::to_string(seen[id][deck]) + " times";
    }
  return "";
}

}  // namespace tarvelo
