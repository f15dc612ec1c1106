#pragma once

#include "engine/settings_access.h"

#include <string>
#include <string_view>

namespace tarvelo {

// Playing levels of the computer. The stored form is the text; the numbers are
// also those of the hall of fame's tables, whose 3 is the network game's
// (store/high_scores.h): never renumber, and no level is 3.
enum ComputerLevel : int {
  LevelBeginner = 0,
  LevelAdvanced = 1,
  LevelExpert = 2,
  LevelMaster = 4  // searches over the hidden cards
};

namespace ComputerKey {
constexpr std::string_view Level = "Settings\\Level";
constexpr std::string_view Aggression = "Settings\\Aggression";
constexpr std::string_view Delay = "Settings\\Delay";
constexpr std::string_view MasterTime = "Settings\\Master Time";
}  // namespace ComputerKey

constexpr int DefaultAggressiveness = 50;
constexpr int DefaultMeldDelay = 300;
constexpr int SlowestMeldDelay = 1500;           // the "Slow" end of the melding slider
constexpr int DefaultMasterMilliseconds = 1000;  // the Master's thinking time per decision
constexpr int LongestMasterMilliseconds = 10000;

// "Beginner", "Advanced" and "Master" are their levels; any other text, also an
// unreadable one, is the Expert.
int LevelFromText(const std::string& text);
// The stored text of a level; any number that is no level is the Expert's.
std::string LevelText(int level);

// The melding slider runs from 0 ("Slow", 1500 ms) to 10 ("Fast", no pause) in steps of 150 ms.
int MeldDelayFromSlider(int position);
int SliderFromMeldDelay(int delay);

// The pause after each card the computer lays is the host's: it reads ComputerKey::Delay.
struct TComputerSettings {
  int computerLevel = LevelBeginner;
  int aggressiveness = DefaultAggressiveness;  // percent, 0..100
  // The Master weighs each decision on this many deals of the hidden cards, or,
  // with none given, on as many as its thinking time allows.
  int MasterSamples = 0;
  int MasterMilliseconds = DefaultMasterMilliseconds;
};

// Reads the level, the aggressiveness and the Master's thinking time, each with
// its default; a value out of range is brought into it.
TComputerSettings ReadComputerSettings(TSettingsAccess& settings);

}  // namespace tarvelo
