#pragma once

#include "engine/memory_settings.h"
#include "sound/sound_system.h"
#include "sound/testing/fake_audio.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tarvelo {

// One application object for the whole test program: queued calls and
// processEvents need it.
inline QCoreApplication& SoundTestApp() {
  static int argc = 1;
  static char name[] = "sound-tests";
  static char* argv[] = {name, nullptr};
  static QCoreApplication* app = new QCoreApplication(argc, argv);
  return *app;
}

// The sounds of a window on a fake backend, with a data folder and a music
// folder of their own, a scripted random source and a clock the test moves.
class TSoundTest : public ::testing::Test {
 protected:
  QTemporaryDir Dir;
  TFakeAudio Audio;
  TMemorySettings Store;
  std::vector<int> RandomAsked;  // the n of every draw
  std::vector<int> Draws;        // the answers, in turn; 0 once they run out
  std::int64_t Now = 100000;
  TSoundSystem Sound{Audio, DataFolder(), [this](int n) { return Draw(n); }, [this] { return Now; }};

  std::string DataFolder() const { return Dir.filePath("data").toStdString(); }
  std::string MusicFolder() const { return Dir.filePath("music").toStdString(); }
  std::string InData(const std::string& name) const { return DataFolder() + "/" + name; }
  std::string InMusic(const std::string& name) const { return MusicFolder() + "/" + name; }

  static void MakeFile(const std::string& path) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(QString::fromStdString(path)).path()));
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
  }

  int Draw(int n) {
    RandomAsked.push_back(n);
    if (Draws.empty()) return 0;
    const int d = Draws.front();
    Draws.erase(Draws.begin());
    return d % n;
  }

  // Jukebox mode on the music folder, music on.
  void UseJukebox() {
    Sound.Music.MusicOn = true;
    Sound.Music.MusicType = 1;
    Sound.Music.MusicFolder = MusicFolder();
  }
  // The piece that plays ends after it has played a while.
  void PlayOut() {
    Now += 60000;
    Audio.FinishPiece();
  }
};

}  // namespace tarvelo
