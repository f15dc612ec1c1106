#pragma once

#include "engine/table_display.h"

namespace tarvelo {

// A display that shows nothing, never pauses and answers questions with a
// fixed choice, on top of any interface that holds the display's role.
template <typename TDisplayRole>
class TSilentDisplayOf : public TDisplayRole {
 public:
  bool QuestionAnswer = true;
  bool PlayAnotherGame = true;

  void ShowStatusText(const std::string&, bool) override {}
  void SetEndHandButton(bool, bool) override {}
  void SetUndoEnabled(bool) override {}
  void SetRulesHint(const std::string&) override {}
  void SetBusy(bool) override {}
  void Information(const std::string&) override {}
  void Warning(const std::string&) override {}
  bool Question(const std::string&) override { return QuestionAnswer; }
  void ShowWhoseTurn(const std::string&) override {}
  void ShowHandResults(const THandResults&) override {}
  bool AskPlayAnotherGame(const TGameOverInfo&) override { return PlayAnotherGame; }
  void QuitApplication() override {}
  void PlaySound(std::string_view) override {}
  void Pause(int) override {}
  int ComputerMeldDelay() const override { return 0; }
  void AnimateCard(const TCard&, const TCard&) override {}
  bool AnimationBusy() const override { return false; }
  void GroupCardMoves(int) override {}
  void RepaintRect(int, int, int, int) override {}
  void Repaint() override {}
};

using TSilentDisplay = TSilentDisplayOf<TTableDisplay>;

}  // namespace tarvelo
