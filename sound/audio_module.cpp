#include "sound/audio_module.h"

#include <QDir>
#include <QLibrary>

#include <cstdio>

namespace tarvelo {

namespace {
// Every call refused, as a device that is not there.
class TSilentAudio : public TAudioBackend {
 public:
  bool PlayEffect(const std::string&) override { return false; }
  bool EffectPlaying() override { return false; }
  void StopEffect() override {}
  bool PlayMusic(const std::string&) override { return false; }
  void StopMusic() override {}
  bool MusicPlaying() override { return false; }
  void SetMusicFinished(std::function<void()>) override {}
};

using TMakeAudio = TAudioBackend* (*)();
}  // namespace

std::string AudioModuleBeside(const std::string& binaryFolder) {
  return QDir::cleanPath(QString::fromStdString(binaryFolder) + "/../lib/tarvelo/libtarvelo-sdl-audio.so")
      .toStdString();
}

std::unique_ptr<TAudioBackend> LoadAudioModule(const std::string& path) {
  // The module stays loaded for the rest of the run: the device it made lives in its code.
  QLibrary module(QString::fromStdString(path));
  if (auto make = reinterpret_cast<TMakeAudio>(module.resolve("TarveloMakeAudio")))
    return std::unique_ptr<TAudioBackend>(make());
  std::fprintf(stderr, "tarvelo: no sound: %s\n", module.errorString().toLocal8Bit().constData());
  return std::make_unique<TSilentAudio>();
}

}  // namespace tarvelo
