#include "session/computer_seat.h"

#include "session/idle_queue.h"

namespace tarvelo {

TComputerSeat::TComputerSeat(TGame& game, TSettingsAccess& settings, TIdleQueue& queue)
    : settings_(settings), queue_(queue), computer_(game) {
  computer_.CheckLegality = true;
  computer_.Settings = ReadComputerSettings(settings_);
}

void TComputerSeat::TurnBegins() {
  // Run from the event loop rather than inside the move that ended the
  // player's turn, so that hand after hand never nests deeper.
  queue_.Post([this, seated = std::weak_ptr<const bool>(seated_)] {
    if (!seated.expired()) PlayTurn();
  });
}

void TComputerSeat::PlayTurn() {
  if (!computer_.Game.Table.GameInProgress) computer_.Settings = ReadComputerSettings(settings_);
  computer_.playComputerTurn();
}

}  // namespace tarvelo
