#pragma once

#include "engine/silent_display.h"

#include <functional>
#include <string>
#include <vector>

namespace tarvelo {

// A display without a screen that writes down what the session shows; a
// pause or an animation runs OnHold, as the window's own event loop would.
class TRecordingDisplay : public TSilentDisplay {
 public:
  std::vector<std::string> Boxes;  // information, warning and question texts
  std::vector<THandResults> HandResults;
  int BusyStarts = 0, BusyEnds = 0;
  int Quits = 0;
  std::function<void()> OnHold;
  std::function<void(bool busy)> OnBusy;

  void SetBusy(bool busy) override {
    ++(busy ? BusyStarts : BusyEnds);
    if (OnBusy) OnBusy(busy);
  }
  void Information(const std::string& text) override { Boxes.push_back(text); }
  void Warning(const std::string& text) override { Boxes.push_back(text); }
  bool Question(const std::string& text) override {
    Boxes.push_back(text);
    return QuestionAnswer;
  }
  void ShowHandResults(const THandResults& results) override { HandResults.push_back(results); }
  void QuitApplication() override { ++Quits; }
  void Pause(int) override { Hold(); }
  void AnimateCard(const TCard&, const TCard&) override { Hold(); }

 private:
  void Hold() {
    if (OnHold) OnHold();
  }
};

}  // namespace tarvelo
