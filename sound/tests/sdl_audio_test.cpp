#include "sound/sdl_audio.h"

#include "sound/audio_module.h"
#include "sound/generator/midi_file.h"
#include "sound/sound_files.h"
#include "sound/testing/sound_fixture.h"

#include <QElapsedTimer>
#include <QThread>

#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>

using namespace tarvelo;

namespace {

// Processes events until `done` holds or the seconds have passed.
template <class TDone>
void RunEventsUntil(TDone done, int seconds) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < seconds * 1000) {
    QCoreApplication::processEvents();
    QThread::msleep(5);
  }
}

// The real backend on SDL's dummy driver: plays to no device.
class SdlAudioTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SoundTestApp();
    DataFolder = ProgramDataFolder();
    setenv("SDL_AUDIODRIVER", "dummy", 1);
  }
  QTemporaryDir Dir;
  std::string DataFolder;

  // A piece of one short note.
  std::string ShortPiece() {
    TPiece piece;
    piece.BeatsPerMinute = 240;
    piece.Parts = {TPart{0, 0, 100, {TNote{0, 0.25, 60, 90}}}};
    const std::string path = Dir.filePath("short.mid").toStdString();
    EXPECT_TRUE(WriteMidi(path, piece));
    return path;
  }
};

TEST_F(SdlAudioTest, SigintAndSigtermStillEndTheProgram) {
  TSdlAudio audio;
  ASSERT_TRUE(audio.IsOpen());
  for (int signal : {SIGINT, SIGTERM}) {
    struct sigaction action {};
    ASSERT_EQ(sigaction(signal, nullptr, &action), 0);
    EXPECT_EQ(action.sa_handler, SIG_DFL) << signal;
  }
}

TEST_F(SdlAudioTest, TheEndOfAPieceIsReportedOnceOnTheWindowsThread) {
  TSdlAudio audio;
  ASSERT_TRUE(audio.IsOpen());
  int ends = 0;
  bool onThisThread = true;
  audio.SetMusicFinished([&] {
    ++ends;
    onThisThread = onThisThread && QThread::currentThread() == QCoreApplication::instance()->thread();
  });
  ASSERT_TRUE(audio.PlayMusic(ShortPiece()));
  RunEventsUntil([&] { return ends > 0; }, 10);
  RunEventsUntil([] { return false; }, 1);  // a second report would come now
  EXPECT_EQ(ends, 1);
  EXPECT_TRUE(onThisThread);
}

TEST_F(SdlAudioTest, AStoppedPieceIsNotReportedAsEnded) {
  TSdlAudio audio;
  ASSERT_TRUE(audio.IsOpen());
  int ends = 0;
  audio.SetMusicFinished([&] { ++ends; });
  ASSERT_TRUE(audio.PlayMusic(DataFolder + "/ARCADIA.MID"));
  EXPECT_TRUE(audio.MusicPlaying());
  audio.StopMusic();
  ASSERT_TRUE(audio.PlayMusic(DataFolder + "/minuet.mid"));  // replaced: the first is not reported either
  audio.StopMusic();
  RunEventsUntil([] { return false; }, 1);
  EXPECT_EQ(ends, 0);
  EXPECT_FALSE(audio.MusicPlaying());
}

TEST_F(SdlAudioTest, FilesThatDoNotPlayAreRefusedQuietly) {
  TSdlAudio audio;
  ASSERT_TRUE(audio.IsOpen());
  const std::string garbage = Dir.filePath("garbage.mid").toStdString();
  std::ofstream(garbage) << "not a piece";
  // SDL takes a MIDI file of garbage as a piece that ends at once; the jukebox counts it as failed.
  EXPECT_FALSE(audio.PlayEffect(garbage));
  for (const std::string& path : {Dir.path().toStdString(), Dir.filePath("missing.wav").toStdString()}) {
    EXPECT_FALSE(audio.PlayMusic(path)) << path;
    EXPECT_FALSE(audio.PlayEffect(path)) << path;
  }
  EXPECT_TRUE(audio.PlayEffect(DataFolder + "/yeah.wav"));
  EXPECT_TRUE(audio.EffectPlaying());
}

TEST_F(SdlAudioTest, WithoutAnAudioDeviceEverythingIsSilent) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  TSdlAudio audio;
  EXPECT_FALSE(audio.IsOpen());
  TSoundSystem sound(audio, DataFolder, [](int) { return 0; });
  sound.Music.MusicOn = true;
  sound.PlaySound("Win Hand");
  sound.NextMusic();
  sound.StartExit();
  EXPECT_FALSE(audio.EffectPlaying());
  EXPECT_FALSE(audio.MusicPlaying());
}

// The program's device comes from the module beside it; without the module the
// game goes on silent instead of failing.
TEST_F(SdlAudioTest, TheDeviceComesFromItsModuleAndWithoutItTheGameIsSilent) {
  const std::string effect = DataFolder + "/yeah.wav";
  {
    auto device = LoadAudioModule(AudioModuleBeside(QCoreApplication::applicationDirPath().toStdString()));
    EXPECT_TRUE(device->PlayEffect(effect));
    EXPECT_TRUE(device->EffectPlaying());
  }
  auto none = LoadAudioModule(Dir.filePath("libmissing.so").toStdString());
  EXPECT_FALSE(none->PlayEffect(effect));
  EXPECT_FALSE(none->EffectPlaying());
}

// SDL's disk driver writes what would be heard into a file: the proof that
// sound is really produced, not only asked for.
class DiskAudioTest : public SdlAudioTest {
 protected:
  void SetUp() override {
    SdlAudioTest::SetUp();
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", Output.c_str(), 1);
  }
  std::string Output = Dir.filePath("heard.raw").toStdString();

  // The loudest sample written (signed 16-bit, as the backend opens the device).
  int Peak() {
    std::ifstream file(Output, std::ios::binary);
    int peak = 0;
    std::int16_t sample;
    while (file.read(reinterpret_cast<char*>(&sample), sizeof sample)) peak = std::max(peak, std::abs(int{sample}));
    return peak;
  }
};

TEST_F(DiskAudioTest, AnEventSoundIsHeard) {
  {
    TSdlAudio audio;
    ASSERT_TRUE(audio.IsOpen());
    TSoundSystem sound(audio, DataFolder, [](int) { return 0; });
    sound.PlaySound("Win Hand");
    ASSERT_TRUE(audio.EffectPlaying());
    RunEventsUntil([&] { return !audio.EffectPlaying(); }, 5);
  }
  EXPECT_GT(Peak(), 8000);
}

TEST_F(DiskAudioTest, APieceOfMusicIsHeard) {
  {
    TSdlAudio audio;
    ASSERT_TRUE(audio.IsOpen());
    TSoundSystem sound(audio, DataFolder, [](int) { return 0; });
    sound.Music.MusicOn = true;
    sound.Music.MusicType = 0;
    sound.NextMusic();
    ASSERT_TRUE(audio.MusicPlaying());
    RunEventsUntil([] { return false; }, 2);
  }
  EXPECT_GT(Peak(), 1000);
}

TEST_F(DiskAudioTest, WithSoundOffNothingIsHeard) {
  {
    TSdlAudio audio;
    ASSERT_TRUE(audio.IsOpen());
    TSoundSystem sound(audio, DataFolder, [](int) { return 0; });
    sound.SoundOn = false;
    sound.PlaySound("Win Hand");
    sound.NextMusic();  // music is off by default
    RunEventsUntil([] { return false; }, 1);
  }
  std::ifstream file(Output, std::ios::binary | std::ios::ate);
  EXPECT_GT(file.tellg(), 0);  // the device ran
  EXPECT_EQ(Peak(), 0);
}

}  // namespace
