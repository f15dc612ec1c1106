#pragma once

#include "ai/selfplay/selfplay_options.h"

#include <ostream>

namespace tarvelo {

// Reads the command line (argv after the program's name); on anything it does
// not understand it tells why and the usage on `err` and gives false.
bool ReadSelfPlayOptions(int argc, char* argv[], TSelfPlayOptions& options, std::ostream& err);

// The program's work for a command line read into options, without a lobby:
// the bench, or a match told on `out`. Its exit status.
int RunSelfPlay(TSelfPlayOptions options, std::ostream& out);

}  // namespace tarvelo
