#include "sound/exit_wait.h"
#include "sound/sound_files.h"
#include "sound/testing/sound_fixture.h"

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

using PlaySoundTest = TSoundTest;

TEST_F(PlaySoundTest, OneOfTheEventsFilesIsDrawnFromTheHostsRandomSource) {
  for (const char* name : {"one.wav", "two.wav", "three.wav"}) MakeFile(InData(name));
  Sound.SoundEvents[13] = {"one.wav", "two.wav", "three.wav"};
  Draws = {2, 0, 1};
  for (int i = 0; i < 3; ++i) Sound.PlaySound("Win Hand");
  EXPECT_EQ(RandomAsked, (std::vector<int>{3, 3, 3}));
  EXPECT_EQ(Audio.Effects, (std::vector<std::string>{InData("three.wav"), InData("one.wav"), InData("two.wav")}));
}

TEST_F(PlaySoundTest, WhatIsPlayedAndWhatStaysSilent) {
  const std::string elsewhere = Dir.filePath("elsewhere/Mixed.WAV").toStdString();
  MakeFile(elsewhere);
  MakeFile(InData("shufl.wav"));
  MakeFile(InData("about.wav"));
  MakeFile(InData("Yeah.wav"));
  struct Case {
    const char* Event;
    bool SoundOn;
    std::vector<std::string> Files;  // the event's files, when it has an entry
    std::string Played;              // empty: silence
  };
  const Case cases[] = {
      {"Deal", true, {"shufl.wav"}, InData("shufl.wav")},
      {"Deal", false, {"shufl.wav"}, ""},
      {"Mixed Canasta", true, {elsewhere}, elsewhere},             // a path is kept as it is
      {"Take Huge Pile", true, {"Yeah.wav"}, InData("Yeah.wav")},  // the name's case is kept
      {"Take Huge Pile", true, {"yeah.wav"}, ""},                  // another file on Linux: missing, silent
      {"Lose Hand", true, {}, ""},
      {"Exit", true, {"missing.wav"}, ""},
      {"About", true, {}, InData("about.wav")},
      {"About", false, {}, ""},
      {"No Such Event", true, {}, ""},
  };
  for (const Case& c : cases) {
    Audio.Effects.clear();
    Sound.SoundOn = c.SoundOn;
    if (const int index = SoundEventIndex(c.Event); index >= 0) Sound.SoundEvents[static_cast<size_t>(index)] = c.Files;
    Sound.PlaySound(c.Event);
    const std::vector<std::string> expected =
        c.Played.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.Played};
    EXPECT_EQ(Audio.Effects, expected) << c.Event;
  }
  // A single file needs no draw from the game's random source.
  EXPECT_TRUE(RandomAsked.empty());
}

TEST_F(PlaySoundTest, LoadingTheSettingsGivesSoundMusicAndTheEventTable) {
  Store.WriteBool("Settings\\Sound", false);
  Store.WriteBool("Settings\\Music", true);
  Store.WriteInt("Settings\\Music Type", 0);
  Store.WriteString("Music\\File", "/home/u/Songs/My Tune.MID");
  Store.WriteString("Music\\Dir", "/home/u/Songs/");
  Store.WriteString("Sound\\Deal1", "<none>");
  Sound.LoadSettings(Store);
  EXPECT_FALSE(Sound.SoundOn);
  EXPECT_TRUE(Sound.Music.MusicOn);
  EXPECT_EQ(Sound.Music.MusicType, 0);
  EXPECT_EQ(Sound.Music.MusicFile, "/home/u/Songs/My Tune.MID");
  EXPECT_EQ(Sound.Music.MusicFolder, "/home/u/Songs");
  EXPECT_TRUE(Sound.SoundEvents[0].empty());
  EXPECT_EQ(Sound.SoundEvents[1], std::vector<std::string>{"done.wav"});

  TMemorySettings fresh;
  Sound.LoadSettings(fresh);
  EXPECT_TRUE(Sound.SoundOn);
  EXPECT_FALSE(Sound.Music.MusicOn);
  EXPECT_EQ(Sound.Music.MusicType, 1);
  EXPECT_EQ(Sound.Music.MusicFile, "ARCADIA.MID");
  EXPECT_EQ(Sound.Music.MusicFolder, DataFolder());
}

TEST_F(PlaySoundTest, AtExitTheMusicStopsForGoodAndTheExitSoundPlays) {
  MakeFile(InData("done.wav"));
  MakeFile(InMusic("a.mid"));
  UseJukebox();
  Sound.NextMusic();
  ASSERT_TRUE(Audio.MusicOn);
  Sound.StartExit();
  EXPECT_FALSE(Audio.MusicOn);
  EXPECT_EQ(Audio.Effects, std::vector<std::string>{InData("done.wav")});
  // An end reported late starts nothing.
  const size_t pieces = Audio.Pieces.size();
  PlayOut();
  EXPECT_EQ(Audio.Pieces.size(), pieces);
}

TEST_F(PlaySoundTest, TheExitWaitEndsWithTheSoundOrAtItsLimit) {
  struct Case {
    bool NeverEnds;
    std::int64_t Expected;  // milliseconds waited on the fake clock
  };
  for (const Case c : {Case{false, 0}, Case{true, ExitWaitLimitMs}}) {
    Audio.EffectBusy = c.NeverEnds;
    Audio.EffectStops = 0;
    std::int64_t clock = 0;
    // Each look at the clock is 100 ms later: a device that never reports the end.
    FinishEffect(Audio, [&clock] { return clock += 100; });
    EXPECT_EQ(Audio.EffectStops, 1);
    EXPECT_EQ(clock - 100, c.Expected) << c.NeverEnds;  // the first look is the start
  }
}

TEST(SoundFilesTest, FilesAreFoundInShareBesideTheBinarysFolder) {
  EXPECT_EQ(DataFolderBeside("/usr/local/bin"), "/usr/local/share/tarvelo");
  EXPECT_EQ(DataFolderBeside("/home/u/tarvelo/build/bin"), "/home/u/tarvelo/build/share/tarvelo");
  EXPECT_EQ(ResolveSoundFile("Yeah.WAV", "/opt/t/share/tarvelo"), "/opt/t/share/tarvelo/Yeah.WAV");
  EXPECT_EQ(ResolveSoundFile("/home/u/My Sounds/a.wav", "/opt"), "/home/u/My Sounds/a.wav");
}

TEST(SoundFilesTest, TheBuildTreeHoldsEveryBuiltInFile) {
  SoundTestApp();
  const std::string folder = ProgramDataFolder();
  for (int e = 0; e < SoundEventCount; ++e)
    for (const std::string& file : BuiltInSounds(e)) EXPECT_TRUE(IsPlayableFile(folder + "/" + file)) << file;
  EXPECT_TRUE(IsPlayableFile(folder + "/about.wav"));
  EXPECT_TRUE(IsPlayableFile(folder + "/ARCADIA.MID"));
  EXPECT_GE(MidiFilesIn(folder).size(), 3u);
}

}  // namespace
