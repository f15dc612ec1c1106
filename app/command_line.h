#pragma once

#include "session/game_life_cycle.h"

#include <QString>
#include <QStringList>

namespace tarvelo {

// What the program was started with, read once at start-up.
struct TCommandLine {
  TStartGame Start;             // the auto-save, a saved game, or a deal
  bool LobbyAutoLogin = false;  // "/ip:" anywhere: the lobby opens and logs in before the first hand
  QString LobbyAddress;         // what follows "/ip:" (or the link's "tarvelo:")
};

// The arguments after the program's name. Without any, the auto-save is
// loaded; a first argument naming a ".tvl" file (and not "/setup" or a lobby
// argument) is loaded instead; any other start is dealt. A "tarvelo:" link (as
// the desktop hands it to its handler) is taken as the "/ip:" argument with
// the link's address.
TCommandLine ParseCommandLine(const QStringList& arguments);

}  // namespace tarvelo
