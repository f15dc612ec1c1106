// Writes saved games of random play at every window size into a folder: the
// fuzzer's starting corpus. Usage: saved_game_seeds <folder>
#include "store/tests/saved_game_fixture.h"

#include <fstream>
#include <iostream>
#include <string>

using namespace tarvelo;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: saved_game_seeds <folder>\n";
    return 2;
  }
  int written = 0;
  for (int size = 0; size < WindowSizeCount; ++size) {
    TPlayHost host(size + 1);
    TGame game(host);
    game.Layout = ComputeLayout(size);
    game.ResetAnchors();
    game.DealHand(false);
    TRandomTurns turns(game, host, size + 11);
    // A fresh deal, then tables further into play.
    for (int step = 0; step <= 400; ++step) {
      if (step % 100 == 0) {
        std::ofstream out(std::string(argv[1]) + "/seed-" + std::to_string(size) + "-" + std::to_string(step) + ".tvl",
                          std::ios::binary);
        out << WriteSavedGame(game.Table, size, [&] { return host.RandomInt(1000); });
        if (!out) {
          std::cerr << "cannot write into " << argv[1] << "\n";
          return 1;
        }
        ++written;
      }
      turns.Act();
    }
  }
  std::cout << written << " saved games written\n";
  return 0;
}
