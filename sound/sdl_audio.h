#pragma once

#include "sound/audio_backend.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <string>

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

namespace tarvelo {

// The General MIDI soundfont that Debian ships; the music stream plays MIDI
// through FluidSynth with it.
inline constexpr const char* DefaultSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// The audio backend on SDL2_mixer: channel 0 for effects, the music stream for
// MIDI. Without a device (or with SDL's dummy driver) it opens nothing and
// every call is silent. SDL's signal handlers are kept off, so SIGINT and
// SIGTERM still end the program. One instance at a time.
class TSdlAudio : public QObject, public TAudioBackend {
  Q_OBJECT
 public:
  explicit TSdlAudio(const std::string& soundFont = DefaultSoundFont, QObject* parent = nullptr);
  ~TSdlAudio() override;

  bool IsOpen() const { return open_; }

  bool PlayEffect(const std::string& path) override;
  bool EffectPlaying() override;
  void StopEffect() override;
  bool PlayMusic(const std::string& path) override;
  void StopMusic() override;
  bool MusicPlaying() override;
  void SetMusicFinished(std::function<void()> finished) override { finished_ = std::move(finished); }

 private:
  // SDL's music hook: it runs on the audio thread (or inside a halt), so it
  // only posts the piece that ended to this object's thread.
  static void MusicHook();
  void PieceEnded(int piece);

  bool open_ = false;
  Mix_Chunk* effect_ = nullptr;
  Mix_Music* music_ = nullptr;
  // The piece that plays; 0 while none does, so that a halt posts nothing
  // that is taken for an end.
  std::atomic<int> piece_{0};
  int lastPiece_ = 0;
  std::function<void()> finished_;
  static std::atomic<TSdlAudio*> instance_;
};

}  // namespace tarvelo
