#pragma once

#include "ai/selfplay/selfplay_options.h"

#include <ostream>

namespace tarvelo {

// The program's work for a command line read into options, without a lobby:
// the bench, or a match told on `out`. Its exit status.
int RunSelfPlay(TSelfPlayOptions options, std::ostream& out);

}  // namespace tarvelo
