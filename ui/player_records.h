#pragma once

#include "session/session.h"
#include "store/statistics.h"
#include "ui/tvlmain.h"

namespace tarvelo {

class TRegistryEnhanced;

// The player profiles and the statistics in the program: the session's
// records, the "&Game" menu's statistics dialogs, the customise dialog and the
// chooser at start. Its session hooks are filled, and it is attached to the
// window, whose menu items and customise requests it answers.
class TPlayerRecords {
 public:
  TPlayerRecords(TRegistryEnhanced& store, TSettingsAccess& settings);

  TStatistics Statistics;

  void AddTo(TSessionHooks& hooks);
  // The window's statistics items and customise requests come here, dialogs
  // open over it, sounds go to it, and the level in play is the session's.
  void Attach(TfmTvlMain& window);

  // The chooser at start-up (more than one profile, and the setting on).
  bool SelectPlayerAtStart(QWidget* parent = nullptr);
  void ShowHiscores();
  void ShowWinRatio();
  void ShowMatchHistory();
  // page: a page of the dialog, or -1 for the one it was last closed on.
  void Customize(int page);

 private:
  TSettingsAccess& settings_;
  TfmTvlMain* window_ = nullptr;
};

}  // namespace tarvelo
