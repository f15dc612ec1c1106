#pragma once

#include "engine/settings_access.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvelo {

// The fifteen sound events in their stored order (never renumber: the index is
// the row of the dialog's list and the names are the stored value names).
inline constexpr int SoundEventCount = 15;
inline constexpr int MaxSoundsPerEvent = 3;
inline constexpr std::string_view NoSoundText = "<none>";

// For each event the files it plays, at most three; a name without folder lies
// in the program's data folder.
using TSoundEvents = std::array<std::vector<std::string>, SoundEventCount>;

std::string_view SoundEventName(int index);
// The index of an event by its name; -1 for a name that is not one ("About").
int SoundEventIndex(std::string_view name);
// The files the program brings for an event ("Lose Hand" and "Lose Match" have none).
std::vector<std::string> BuiltInSounds(int index);
TSoundEvents BuiltInSoundEvents();

// Reads "Sound\<event>1".."3": a missing first value gives the built-in files,
// "<none>" no file, otherwise the values up to the first empty one.
TSoundEvents LoadSoundSettings(TSettingsAccess& store);
// What "Sound" holds for a table, in order: per event "Sound\<event>n" for
// n = 1..count, or "Sound\<event>1" = "<none>" for an event without files.
std::vector<std::pair<std::string, std::string>> SoundSettingValues(const TSoundEvents& events);

}  // namespace tarvelo
