#include "ai/computer_settings.h"

#include <algorithm>

namespace tarvelo {

int LevelFromText(const std::string& text) {
  if (text == "Beginner") return LevelBeginner;
  if (text == "Advanced") return LevelAdvanced;
  if (text == "Master") return LevelMaster;
  return LevelExpert;
}

std::string LevelText(int level) {
  switch (level) {
    case LevelBeginner:
      return "Beginner";
    case LevelAdvanced:
      return "Advanced";
    case LevelMaster:
      return "Master";
    default:
      return "Expert";
  }
}

int MeldDelayFromSlider(int position) { return SlowestMeldDelay - 150 * std::clamp(position, 0, 10); }

int SliderFromMeldDelay(int delay) { return std::clamp(10 - delay / 150, 0, 10); }

TComputerSettings ReadComputerSettings(TSettingsAccess& settings) {
  TComputerSettings values;
  values.computerLevel = LevelFromText(settings.ReadString(ComputerKey::Level, "Beginner"));
  values.aggressiveness = std::clamp(settings.ReadInt(ComputerKey::Aggression, DefaultAggressiveness), 0, 100);
  values.MasterMilliseconds =
      std::clamp(settings.ReadInt(ComputerKey::MasterTime, DefaultMasterMilliseconds), 1, LongestMasterMilliseconds);
  return values;
}

}  // namespace tarvelo
