#pragma once

#include "engine/settings_access.h"

#include <string>
#include <string_view>

namespace tarvelo {

// Playing levels of the computer. The stored form is the text; the numbers are
// the in-memory form only.
enum ComputerLevel : int {
  LevelBeginner = 0,
  LevelAdvanced = 1,
  LevelExpert = 2,
  LevelNetwork = 3  // a peer holds the second seat: the computer does not play
};

namespace ComputerKey {
constexpr std::string_view Level = "Settings\\Level";
constexpr std::string_view Aggression = "Settings\\Aggression";
constexpr std::string_view Delay = "Settings\\Delay";
}  // namespace ComputerKey

constexpr int DefaultAggressiveness = 50;
constexpr int DefaultMeldDelay = 300;
constexpr int SlowestMeldDelay = 1500;  // the "Slow" end of the melding slider

// "Beginner" is 0 and "Advanced" 1; any other text, also an unreadable one, is the Expert.
int LevelFromText(const std::string& text);
// The stored text of a level; the network level is stored as nothing of its own.
std::string LevelText(int level);

// The melding slider runs from 0 ("Slow", 1500 ms) to 10 ("Fast", no pause) in steps of 150 ms.
int MeldDelayFromSlider(int position);
int SliderFromMeldDelay(int delay);

// The pause after each card the computer lays is the host's: it reads ComputerKey::Delay.
struct TComputerSettings {
  int computerLevel = LevelBeginner;
  int aggressiveness = DefaultAggressiveness;  // percent, 0..100
};

// Reads the level and the aggressiveness, each with its default; an aggressiveness
// out of range is brought into it.
TComputerSettings ReadComputerSettings(TSettingsAccess& settings);

}  // namespace tarvelo
