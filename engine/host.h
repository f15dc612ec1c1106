#pragma once

#include "engine/card.h"
#include "engine/scoring_types.h"
#include "engine/settings_access.h"

#include <string>
#include <string_view>

namespace tarvelo {

// Everything the engine and the computer player need from the world outside the
// rules: the window implements it, tests record it, the self-play tool silences it.
class TableHost : public TSettingsAccess {
 public:
  virtual ~TableHost() = default;

  // Status line: a phase text, or an error (red, bold, with a beep and the blinking light).
  virtual void ShowStatusText(const std::string& text, bool isError) = 0;
  // The End Hand button: shown while the stock is exhausted, usable only when enabled.
  virtual void SetEndHandButton(bool visible, bool enabled) = 0;
  virtual void SetUndoEnabled(bool enabled) = 0;  // "&Undo Meld" and "Undo &All"
  virtual void SetRulesHint(const std::string& hint) = 0;
  virtual void SetBusy(bool busy) = 0;  // busy cursor

  // Modal boxes with the program's own texts.
  virtual void Information(const std::string& text) = 0;
  virtual void Warning(const std::string& text) = 0;
  virtual bool Question(const std::string& text) = 0;  // Yes / No
  // The whose-turn notice; the host shows it only when that display option is on
  // and the table or chat window is active.
  virtual void ShowWhoseTurn(const std::string& text) = 0;

  // End of hand and game: the results dialogs and the statistics.
  virtual void ShowHandResults(const THandResults& results) = 0;
  virtual void RecordHandScore(int difference) = 0;
  virtual void RecordMatch(const TGameOverInfo& info) = 0;  // high score, history, win ratio
  virtual bool AskPlayAnotherGame(const TGameOverInfo& info) = 0;
  virtual void DeleteAutoSave() = 0;
  virtual void QuitApplication() = 0;

  virtual void PlaySound(std::string_view event) = 0;

  // The other seat: the computer, or a peer in a network game.
  virtual bool NetworkGameActive() const = 0;
  virtual std::string PeerName() const = 0;
  virtual std::string PlayerName() const = 0;  // the current profile's name, or "Player"
  virtual void SendToPeer(std::string_view token, const std::string& payload) = 0;
  virtual void PostNetworkDispatch() = 0;  // handle peer messages that arrived meanwhile
  // False on the side of a network game that waits for the peer's deal.
  virtual bool LocalSideDeals() const = 0;
  // Starts the computer's turn; the host may run it at once or post it.
  virtual void PlayComputerTurn() = 0;

  // Pauses that keep the table painted but ignore input; card animation; repaints.
  virtual void Pause(int milliseconds) = 0;
  virtual int ComputerMeldDelay() const = 0;  // "Settings\Delay"
  virtual void AnimateCard(const TCard& from, const TCard& to) = 0;
  virtual bool AnimationBusy() const = 0;
  virtual void RepaintRect(int x, int y, int width, int height) = 0;
  virtual void Repaint() = 0;

  // Stored settings: the reads and writes of TSettingsAccess.

  // The process-wide random source: an integer in 0..n-1, a real in [0, 1).
  virtual int RandomInt(int n) = 0;
  virtual double RandomReal() = 0;
};

}  // namespace tarvelo
