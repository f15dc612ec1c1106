#pragma once

#include "engine/silent_host.h"

#include <string>
#include <utility>
#include <vector>

namespace tarvelo {

// A host that writes down everything the engine tells the outside world.
class TRecordingHost : public TSilentHost {
 public:
  using TSilentHost::TSilentHost;

  struct TStatus {
    std::string Text;
    bool IsError = false;
  };
  std::vector<TStatus> StatusLines;
  std::vector<std::string> Sounds;
  std::vector<std::string> Boxes;  // information, warning and question texts
  std::vector<std::string> WhoseTurn;
  std::vector<THandResults> HandResults;
  std::vector<int> HandScores;
  std::vector<TGameOverInfo> Matches;
  std::vector<std::pair<TCard, TCard>> Animations;
  int ComputerTurns = 0;
  int Quits = 0;
  int AutoSaveDeletions = 0;
  bool UndoEnabled = false;
  bool EndHandVisible = false;
  bool EndHandEnabled = false;
  std::string RulesHint;

  const TStatus& LastStatus() const { return StatusLines.back(); }

  void ShowStatusText(const std::string& text, bool isError) override { StatusLines.push_back({text, isError}); }
  void SetEndHandButton(bool visible, bool enabled) override {
    EndHandVisible = visible;
    EndHandEnabled = enabled;
  }
  void SetUndoEnabled(bool enabled) override { UndoEnabled = enabled; }
  void SetRulesHint(const std::string& hint) override { RulesHint = hint; }
  void Information(const std::string& text) override { Boxes.push_back(text); }
  void Warning(const std::string& text) override { Boxes.push_back(text); }
  bool Question(const std::string& text) override {
    Boxes.push_back(text);
    return QuestionAnswer;
  }
  void ShowWhoseTurn(const std::string& text) override { WhoseTurn.push_back(text); }
  void ShowHandResults(const THandResults& results) override { HandResults.push_back(results); }
  void RecordHandScore(int difference) override { HandScores.push_back(difference); }
  void RecordMatch(const TGameOverInfo& info) override { Matches.push_back(info); }
  void DeleteAutoSave() override { ++AutoSaveDeletions; }
  void QuitApplication() override { ++Quits; }
  void PlaySound(std::string_view event) override { Sounds.emplace_back(event); }
  void PlayComputerTurn() override { ++ComputerTurns; }
  void AnimateCard(const TCard& from, const TCard& to) override { Animations.emplace_back(from, to); }
};

}  // namespace tarvelo
