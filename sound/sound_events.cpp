#include "sound/sound_events.h"

#include "store/setting_keys.h"

namespace tarvelo {

namespace {

// The built-in files by event, in the order of the event names.
constexpr std::array<std::string_view, SoundEventCount> kBuiltIn = {
    "shufl.wav",   "done.wav",    "help.wav", "manuel.wav",   "nowwhat.wav",  "exelnt.wav",  "", "", "mixed.wav",
    "natural.wav", "welcome.wav", "yeah.wav", "wonderfl.wav", "applause.wav", "yourturn.wav"};

std::string ValuePath(int event, int n) { return "Sound\\" + std::string(SoundEventName(event)) + std::to_string(n); }

}  // namespace

static_assert(kSoundEventNames.size() == SoundEventCount);

std::string_view SoundEventName(int index) {
  return index >= 0 && index < SoundEventCount ? kSoundEventNames[static_cast<size_t>(index)] : std::string_view();
}

int SoundEventIndex(std::string_view name) {
  for (int i = 0; i < SoundEventCount; ++i)
    if (kSoundEventNames[static_cast<size_t>(i)] == name) return i;
  return -1;
}

std::vector<std::string> BuiltInSounds(int index) {
  const std::string_view file = index >= 0 && index < SoundEventCount ? kBuiltIn[static_cast<size_t>(index)] : "";
  if (file.empty()) return {};
  return {std::string(file)};
}

TSoundEvents BuiltInSoundEvents() {
  TSoundEvents events;
  for (int e = 0; e < SoundEventCount; ++e) events[static_cast<size_t>(e)] = BuiltInSounds(e);
  return events;
}

TSoundEvents LoadSoundSettings(TSettingsAccess& store) {
  TSoundEvents events;
  for (int e = 0; e < SoundEventCount; ++e) {
    std::vector<std::string>& files = events[static_cast<size_t>(e)];
    const std::string first = store.ReadString(ValuePath(e, 1), "");
    if (first.empty()) {
      files = BuiltInSounds(e);
      continue;
    }
    if (first == NoSoundText) continue;
    files.push_back(first);
    for (int n = 2; n <= MaxSoundsPerEvent; ++n) {
      const std::string next = store.ReadString(ValuePath(e, n), "");
      if (next.empty()) break;
      files.push_back(next);
    }
  }
  return events;
}

std::vector<std::pair<std::string, std::string>> SoundSettingValues(const TSoundEvents& events) {
  std::vector<std::pair<std::string, std::string>> values;
  for (int e = 0; e < SoundEventCount; ++e) {
    const std::vector<std::string>& files = events[static_cast<size_t>(e)];
    if (files.empty()) values.emplace_back(ValuePath(e, 1), std::string(NoSoundText));
    const int count = std::min(static_cast<int>(files.size()), MaxSoundsPerEvent);
    for (int n = 1; n <= count; ++n) values.emplace_back(ValuePath(e, n), files[static_cast<size_t>(n - 1)]);
  }
  return values;
}

}  // namespace tarvelo
