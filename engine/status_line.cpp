#include "engine/game.h"

#include <array>

namespace tarvelo {

namespace {
const std::array<const char*, PhaseCount> PhaseTexts = {
    "Draw a card by clicking on the stock or the discard pile",
    "Meld a card by clicking it, discard a card by right-clicking it",
    "Meld by clicking a card, discard by right-clicking it twice",
    "Meld by clicking left, undo taking discard pile by clicking it",
    "Draw a second card from the stock",
    "Select a card to meld by typing one of the characters 2 thru 9, 0 (for 10), J, Q, K, A or W for a "
    "wildcard",
    "Select a card to discard by typing one of the characters 2 thru 9, 0 (for 10), J, Q, K, A or W for "
    "a wildcard",
    "Select a card to add a wildcard to by typing one of the characters 2 thru 9, 0 (for 10), J, Q, K or "
    "A",
    "It's the computer's turn",
    "Please wait for the next hand to be dealt",
};

// Error texts by TStatusError; ErrorDiscardNotPossible is followed by the reason of the failed meld check.
const std::array<const char*, StatusErrorCount> ErrorTexts = {
    "",
    "You cannot meld before drawing; please draw first by clicking on the stock or the discard pile",
    "You cannot discard before drawing; please draw first by clicking on the stock or the discard pile",
    "You have already drawn",
    "Discarding is not possible now: ",
    "Taking the discard pile is not possible now because you cannot meld the top card",
    "Black Threes can only be melded as the last cards when going out",
    "You need at least seven wildcards to create a wildcard Canasta",
    "Wildcard Canastas are not allowed with the current rules",
    "You cannot take a pile with one card if you only have one card in hand",
};
}  // namespace

std::string TGame::PhaseText(int phase) const {
  if (phase == PhaseDraw && Table.StockExhausted) return "Stock exhausted; take discard pile or end hand";
  if (phase == PhaseOpponent && Host.NetworkGameActive()) return "It's " + Host.PeerName() + "'s turn";
  if (phase < 0 || phase >= PhaseCount) return "";
  return PhaseTexts[phase];
}

std::string TGame::ErrorText(int error) const {
  if (error <= 0 || error >= static_cast<int>(ErrorTexts.size())) return "";
  std::string text = ErrorTexts[error];
  if (error == ErrorDiscardNotPossible) text += Table.DiscardReason;
  return text;
}

void TGame::ShowPhase(int phase) {
  if (phase < 0 || phase >= PhaseCount) return;
  // Phases 1 and 2 are one phase, worded for the discard option in force.
  if (phase == PhaseMeld && RightClicks == 1)
    phase = PhaseMeldDouble;
  else if (phase == PhaseMeldDouble && RightClicks == 0)
    phase = PhaseMeld;
  Table.Phase = static_cast<std::uint8_t>(phase);
  ShowStatus(StatusPhase);
  Host.SetEndHandButton(Table.StockExhausted, phase == PhaseDraw);
}

void TGame::ShowStatus(int error) {
  if (error < 0 || error >= StatusErrorCount) return;
  Table.LastError = static_cast<std::uint8_t>(error);
  if (error == StatusPhase)
    Host.ShowStatusText(PhaseText(Table.Phase), false);
  else
    Host.ShowStatusText(ErrorText(error), true);
}

void TGame::SetStockExhausted(bool exhausted) {
  Table.StockExhausted = exhausted;
  Host.SetEndHandButton(exhausted, Table.Phase == PhaseDraw);
}

}  // namespace tarvelo
