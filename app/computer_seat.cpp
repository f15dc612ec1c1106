#include "app/computer_seat.h"

namespace tarvelo {

void SeatComputer(TfmTvlMain& window, TComputerPlayer& computer) {
  // Each move is judged as the player's own would be: one the checks refuse is not made.
  computer.CheckLegality = true;
  computer.Settings = ReadComputerSettings(window);
  window.Hooks.ComputerTurn = [&window, &computer] {
    if (!window.Game.Table.GameInProgress) computer.Settings = ReadComputerSettings(window);
    computer.playComputerTurn();
  };
}

}  // namespace tarvelo
