#pragma once

#include "ai/computer_player.h"
#include "ui/tvlmain.h"

namespace tarvelo {

// The computer holds the second seat of the window's local games. The stored
// level and aggressiveness come into force between games; during a game the
// ones it started with stay.
void SeatComputer(TfmTvlMain& window, TComputerPlayer& computer);

}  // namespace tarvelo
