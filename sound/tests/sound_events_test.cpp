#include "sound/sound_events.h"

#include "engine/memory_settings.h"

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

using TFiles = std::vector<std::string>;

TEST(SoundEventsTest, EachEventReadsItsStoredFilesNoneOrItsBuiltIns) {
  struct Case {
    const char* Event;
    std::vector<std::pair<std::string, std::string>> Stored;
    TFiles Expected;
  };
  const Case cases[] = {
      {"Deal", {}, {"shufl.wav"}},
      {"Lose Hand", {}, {}},
      {"Deal", {{"Sound\\Deal1", "<none>"}}, {}},
      {"Deal", {{"Sound\\Deal1", "a.wav"}, {"Sound\\Deal2", "/x/b.wav"}}, {"a.wav", "/x/b.wav"}},
      // Reading stops at the first empty value.
      {"Exit", {{"Sound\\Exit1", "a.wav"}, {"Sound\\Exit3", "c.wav"}}, {"a.wav"}},
      {"Win Hand",
       {{"Sound\\Win Hand1", "1.wav"}, {"Sound\\Win Hand2", "2.wav"}, {"Sound\\Win Hand3", "3.wav"}},
       {"1.wav", "2.wav", "3.wav"}},
      {"End Turn (network games)", {}, {"yourturn.wav"}},
  };
  for (const Case& c : cases) {
    TMemorySettings store;
    for (const auto& [path, value] : c.Stored) store.WriteString(path, value);
    const TSoundEvents events = LoadSoundSettings(store);
    EXPECT_EQ(events[static_cast<size_t>(SoundEventIndex(c.Event))], c.Expected) << c.Event;
  }
}

TEST(SoundEventsTest, AStoredTableReadsBackTheSameAfterARestart) {
  TSoundEvents events = BuiltInSoundEvents();
  events[0] = {};                                    // Deal silenced
  events[6] = {"lose.wav"};                          // Lose Hand given one
  events[13] = {"a.wav", "/home/u/b.wav", "c.wav"};  // Win Hand three
  TMemorySettings store;
  for (const auto& [path, value] : SoundSettingValues(events)) store.WriteString(path, value);

  EXPECT_EQ(store.ReadString("Sound\\Deal1", ""), "<none>");
  EXPECT_EQ(store.ReadString("Sound\\Lose Match1", ""), "<none>");
  EXPECT_EQ(LoadSoundSettings(store), events);
}

TEST(SoundEventsTest, NamesAndIndicesFollowTheStoredOrder) {
  EXPECT_EQ(SoundEventName(0), "Deal");
  EXPECT_EQ(SoundEventName(14), "End Turn (network games)");
  EXPECT_EQ(SoundEventIndex("Natural Canasta"), 9);
  EXPECT_EQ(SoundEventIndex("About"), -1);
  EXPECT_EQ(SoundEventName(15), "");
}

}  // namespace
