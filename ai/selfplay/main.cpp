// tarvelo-selfplay in a build without Qt: whole games between two computer
// levels on one table, without a window and without a lobby.
#include "ai/selfplay/selfplay_options.h"
#include "ai/selfplay/selfplay_run.h"

#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
  using namespace tarvelo;
  TSelfPlayOptions options;
  try {
    options = ParseSelfPlayOptions(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::invalid_argument& error) {
    std::cerr << "tarvelo-selfplay: " << error.what() << "\n\n" << SelfPlayUsage();
    return 2;
  }
  if (!options.Lobby.empty()) {
    std::cerr << "tarvelo-selfplay: this build has no network: --lobby needs the build with Qt\n";
    return 2;
  }
  return RunSelfPlay(options, std::cout);
}
