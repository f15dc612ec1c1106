#pragma once

#include "engine/settings_access.h"

namespace tarvelo {

// Whole games in the window as fast as they go: the Expert at its calmest,
// no pauses, no card movement, no turn boxes.
inline void WriteQuickExpertSettings(TSettingsAccess& settings) {
  settings.WriteString("Settings\\Level", "Expert");
  settings.WriteInt("Settings\\Aggression", 0);
  settings.WriteInt("Settings\\Delay", 0);
  settings.WriteBool("Settings\\Card Movement", false);
  settings.WriteBool("Settings\\Show Turns", false);
}

}  // namespace tarvelo
