#include "engine/game.h"

#include <array>

namespace tarvelo {

namespace {
// A whole deal string: who draws first, then every stock slot exactly once.
bool IsWholeDeal(const std::string& dealString) {
  if (dealString.size() != 1 + MaxCards || (dealString[0] != '0' && dealString[0] != '1')) return false;
  std::array<bool, MaxCards> used{};
  for (size_t i = 1; i < dealString.size(); ++i) {
    const int slot = static_cast<unsigned char>(dealString[i]) - 32;
    if (slot < 0 || slot >= MaxCards || used[slot]) return false;
    used[slot] = true;
  }
  return true;
}
}  // namespace

bool TGame::DealFromString(const std::string& dealString) {
  if (!IsWholeDeal(dealString)) return false;
  // The first character is the dealer's own first draw, seen here from the other seat.
  Table.PlayerDrawsFirst = dealString[0] != '1';
  BeginHand("Deal", true);
  FillStock(dealString);
  LastDealString = dealString;
  DealFromStock(Seat::Player, true);
  return true;
}

}  // namespace tarvelo
