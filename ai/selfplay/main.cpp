// tarvelo-selfplay in a build without Qt: whole games between two computer
// levels on one table, without a window and without a lobby.
#include "ai/selfplay/selfplay_options.h"
#include "ai/selfplay/selfplay_run.h"

#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
  using namespace tarvelo;
  TSelfPlayOptions options;
  if (!ReadSelfPlayOptions(argc, argv, options, std::cerr)) return 2;
  if (!options.Lobby.empty()) {
    std::cerr << "tarvelo-selfplay: this build has no network: --lobby needs the build with Qt\n";
    return 2;
  }
  return RunSelfPlay(options, std::cout);
}
