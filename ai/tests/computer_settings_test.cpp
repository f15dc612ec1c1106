#include "ai/computer_settings.h"

#include "engine/memory_settings.h"

#include <gtest/gtest.h>
#include <utility>

using namespace tarvelo;

TEST(ComputerSettings, LevelTextsMapAsStoredAndAnyOtherTextIsTheExpert) {
  EXPECT_EQ(LevelFromText("Beginner"), LevelBeginner);
  EXPECT_EQ(LevelFromText("Advanced"), LevelAdvanced);
  EXPECT_EQ(LevelFromText("Expert"), LevelExpert);
  EXPECT_EQ(LevelFromText("Master"), LevelMaster);
  EXPECT_EQ(LevelFromText("beginner"), LevelExpert);  // stored texts are compared exactly
  EXPECT_EQ(LevelFromText(""), LevelExpert);
  for (const int level : {LevelBeginner, LevelAdvanced, LevelExpert, LevelMaster})
    EXPECT_EQ(LevelFromText(LevelText(level)), level);
}

TEST(ComputerSettings, MeldingSliderAndDelayConvertBothWays) {
  EXPECT_EQ(MeldDelayFromSlider(0), 1500);
  EXPECT_EQ(MeldDelayFromSlider(8), 300);
  EXPECT_EQ(MeldDelayFromSlider(10), 0);
  EXPECT_EQ(SliderFromMeldDelay(300), 8);
  EXPECT_EQ(SliderFromMeldDelay(1500), 0);
  EXPECT_EQ(SliderFromMeldDelay(0), 10);
  EXPECT_EQ(SliderFromMeldDelay(200), 9);   // between two steps: the faster one
  EXPECT_EQ(SliderFromMeldDelay(-50), 10);  // stored values out of range stay on the slider
  EXPECT_EQ(SliderFromMeldDelay(99999), 0);
  for (int p = 0; p <= 10; ++p) EXPECT_EQ(SliderFromMeldDelay(MeldDelayFromSlider(p)), p);
}

TEST(ComputerSettings, ReadWithDefaultsAndAggressivenessKeptInRange) {
  TMemorySettings store;
  TComputerSettings s = ReadComputerSettings(store);
  EXPECT_EQ(s.computerLevel, LevelBeginner);
  EXPECT_EQ(s.aggressiveness, 50);
  store.WriteString("Settings\\Level", "Advanced");
  store.WriteInt("Settings\\Aggression", 250);
  s = ReadComputerSettings(store);
  EXPECT_EQ(s.computerLevel, LevelAdvanced);
  EXPECT_EQ(s.aggressiveness, 100);
  store.WriteString("settings\\level", "Grandmaster");  // names match without regard to case
  store.WriteString("Settings\\Aggression", "lots");
  s = ReadComputerSettings(store);
  EXPECT_EQ(s.computerLevel, LevelExpert);
  EXPECT_EQ(s.aggressiveness, 50);
}

TEST(ComputerSettings, TheMastersThinkingTimeIsReadWithinItsRange) {
  TMemorySettings store;
  EXPECT_EQ(ReadComputerSettings(store).MasterMilliseconds, 1000);
  for (const auto& [stored, read] : {std::pair{"300", 300}, {"0", 1}, {"-5", 1}, {"99999999", 10000}, {"soon", 1000}}) {
    store.WriteString("Settings\\Master Time", stored);
    EXPECT_EQ(ReadComputerSettings(store).MasterMilliseconds, read) << stored;
  }
}
