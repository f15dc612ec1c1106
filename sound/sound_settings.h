#pragma once

#include "engine/settings_access.h"
#include "sound/sound_system.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tarvelo {

// Deletes the store's subkey "Sound" and writes the given values in one step.
using TReplaceSoundKey = std::function<bool(const std::vector<std::pair<std::string, std::string>>& values)>;

// What the sound dialog's OK stores: the sound and music switches, the music
// type ("Settings\Music Type": 0 single file, 1 folder), file and folder, and
// the whole event table as the subkey "Sound" numbered from 1.
void SaveSoundSettings(const TSoundSystem& sound, TSettingsAccess& store, const TReplaceSoundKey& replaceSoundKey);

}  // namespace tarvelo
