#pragma once

#include "store/player_profiles.h"

#include <QDialog>

class QListWidget;

namespace tarvelo {

// "Select Player": the chooser at start, preset to the current profile.
class TfmSelectPlayer : public QDialog {
  Q_OBJECT
 public:
  explicit TfmSelectPlayer(const TPlayerProfiles& profiles, QWidget* parent = nullptr);
  int Selected() const;  // the index of the chosen profile, or -1

 private:
  QListWidget* lbPlayers_;
};

// Shown when more than one profile exists and the setting asks for it; OK
// makes the chosen profile current. True when it was shown.
bool SelectPlayerAtStart(TPlayerProfiles& profiles, bool askAtStart, QWidget* parent = nullptr);

}  // namespace tarvelo
