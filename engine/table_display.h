#pragma once

#include "engine/card.h"
#include "engine/scoring_types.h"

#include <string>
#include <string_view>

namespace tarvelo {

// What the table shows the player: the status line, the buttons and menu items
// the rules switch, the boxes and results, pauses, card movement and sound.
class TTableDisplay {
 public:
  virtual ~TTableDisplay() = default;

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
  // The whose-turn notice; the display shows it only when that display option is on
  // and the table or chat window is active.
  virtual void ShowWhoseTurn(const std::string& text) = 0;

  // End of hand and game: the results dialogs and the question of another game.
  virtual void ShowHandResults(const THandResults& results) = 0;
  virtual bool AskPlayAnotherGame(const TGameOverInfo& info) = 0;
  virtual void QuitApplication() = 0;

  virtual void PlaySound(std::string_view event) = 0;

  // Pauses that keep the table painted but ignore input; card animation; repaints.
  virtual void Pause(int milliseconds) = 0;
  virtual int ComputerMeldDelay() const = 0;  // "Settings\Delay"
  virtual void AnimateCard(const TCard& from, const TCard& to) = 0;
  virtual bool AnimationBusy() const = 0;
  // The next `cards` card moves are one move of the game (the rest of the pile
  // taken): together they take no longer than about a dozen single moves.
  // 0 ends the group.
  virtual void GroupCardMoves(int cards) = 0;
  virtual void RepaintRect(int x, int y, int width, int height) = 0;
  virtual void Repaint() = 0;
};

}  // namespace tarvelo
