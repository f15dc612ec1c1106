#include "session/computer_seat.h"

#include "session/idle_queue.h"

namespace tarvelo {

TComputerSeat::TComputerSeat(TGame& game, TSettingsAccess& settings, TIdleQueue& queue)
    : settings_(settings), queue_(queue), computer_(game) {
  computer_.CheckLegality = true;
  computer_.Settings = ReadComputerSettings(settings_);
}

void TComputerSeat::PlayComputerTurn() {
  // Run from the event loop rather than inside the move that ended the
  // player's turn, so that hand after hand never nests deeper.
  queue_.Post([this, seated = std::weak_ptr<const bool>(seated_)] {
    if (!seated.expired()) PlayTurn();
  });
}

void TComputerSeat::PlayTurn() {
  const TComputerSettings stored = ReadComputerSettings(settings_);
  if (!computer_.Game.Table.GameInProgress) {
    computer_.Settings = stored;
  } else {
    // The Master's thinking time is no rule of the game: it counts from the next turn.
    computer_.Settings.MasterMilliseconds = stored.MasterMilliseconds;
  }
  computer_.playComputerTurn();
}

}  // namespace tarvelo
