#pragma once

#include "ai/selfplay/selfplay_options.h"
#include "ai/selfplay/selfplay_report.h"

#include <string>

namespace tarvelo {

// Whole games between two sessions without windows, each logged in to the
// lobby at options.Lobby, their moves travelling through it as between two
// programs: the first side plays options.Match.Levels[SidePlayer], the second
// the other level, each in its own player's seat. Once every message of each
// side has reached the other, the two tables are compared and every card
// counted; each message's time from its send to its application is measured.
// options.Pairs matches play at once; each plays options.Match.Games games.
// Sets error and gives what was played when the lobby cannot be reached.
TMatchResults PlayNetworkMatch(const TSelfPlayOptions& options, TNetworkFigures& figures, std::string& error);

}  // namespace tarvelo
