// Until the table window exists, the program deals one hand and prints the table.
#include <chrono>
#include <iostream>

#include "game.h"
#include "silent_host.h"

namespace {
std::string Name(const tarvelo::TCard& c) {
  if (c.Id == tarvelo::JokerId) return "JK";
  const int index = (c.Id - 1) % 13;
  const int suit = (c.Id - 1) / 13;
  return std::string(1, "23456789TJQKA"[index]) + "SCDH"[suit];
}

void Print(const char* title, const tarvelo::TCardArea& area) {
  std::cout << title << " (" << int(area.Count) << "):";
  for (const tarvelo::TCard& c : area.Live()) std::cout << ' ' << Name(c);
  std::cout << '\n';
}
}  // namespace

int main() {
  const auto seed = static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  tarvelo::TSilentHost host(seed);
  tarvelo::TGame game(host);
  game.LoadRules();
  game.ChooseFirstDrawer();
  game.DealHand(true);
  const tarvelo::TTableState& t = game.Table;
  Print("Your hand", t.PlayerHand);
  Print("Your melds", t.PlayerMelds);
  Print("Computer's melds", t.OpponentMelds);
  Print("Discard pile", t.DiscardPile);
  std::cout << "Stock: " << int(t.Stock.Count) << " cards\n"
            << "Pile frozen: " << (t.PileFrozen ? "yes" : "no") << '\n'
            << "Status: " << game.PhaseText(t.Phase) << '\n';
}
