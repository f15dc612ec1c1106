#include "engine/memory_settings.h"
#include "sound/testing/fake_audio.h"
#include "ui/testing/qt_test_app.h"
#include "ui/testing/table_window.h"
#include "ui/tvlmain.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

// A window whose sounds go to a fake device, with the built-in files it uses
// in a data folder of its own and the music on.
struct WindowSound : ::testing::Test {
  WindowSound() {
    TestApp();
    QDir().mkpath(Data());
    for (const char* name : {"ARCADIA.MID", "help.wav", "done.wav"})
      QFile(Data() + "/" + name).open(QIODevice::WriteOnly);
    settings.WriteBool("Settings\\Music", true);
    settings.WriteInt("Settings\\Music Type", 0);
  }
  QString Data() const { return dir.filePath("share"); }
  std::string InData(const char* name) const { return (Data() + "/" + name).toStdString(); }

  std::unique_ptr<TfmTvlMain> Start() {
    auto window = tables.Open(settings);
    window->UseSound(audio, Data().toStdString(), [](const auto&) { return true; });
    window->show();
    window->EndStartUp();
    return window;
  }

  QTemporaryDir dir;
  TMemorySettings settings;
  TFakeAudio audio;
  TTableWindows tables;
};

TEST_F(WindowSound, TheMenuItemTheEventsAndTheMusicArePluggedIn) {
  auto window = Start();
  EXPECT_TRUE(window->Action("Sound1")->isEnabled());
  EXPECT_EQ(audio.Pieces, std::vector<std::string>{InData("ARCADIA.MID")});
  window->Action("HelpTopics1")->trigger();
  EXPECT_EQ(audio.Effects.back(), InData("help.wav"));
}

TEST_F(WindowSound, ClosingStopsTheMusicPlaysExitAndEndsThoughTheSoundNeverStops) {
  auto window = Start();
  audio.EffectBusy = true;  // a device that never reports the end
  window->close();
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(audio.MusicOn);
  EXPECT_EQ(audio.Effects.back(), InData("done.wav"));
  EXPECT_GE(audio.EffectStops, 1);
  // A late end of the piece starts no music after the window closed.
  const size_t pieces = audio.Pieces.size();
  audio.MusicOn = true;
  audio.FinishPiece();
  EXPECT_EQ(audio.Pieces.size(), pieces);
}

}  // namespace
