#pragma once

#include <functional>
#include <string>

namespace tarvelo {

// The two players of the window: one channel for sound effects (WAV) and the
// music stream (MIDI). Every failure of the device is reported only as false:
// the caller stays silent. Everything is called on the window's thread, and
// the end-of-piece notification arrives there too.
class TAudioBackend {
 public:
  virtual ~TAudioBackend() = default;

  // Stops what the effect channel plays and plays the file; false when it cannot.
  virtual bool PlayEffect(const std::string& path) = 0;
  virtual bool EffectPlaying() = 0;
  virtual void StopEffect() = 0;

  // Stops the piece that plays and starts the file once; false when it cannot.
  virtual bool PlayMusic(const std::string& path) = 0;
  // Stops the piece without an end-of-piece notification.
  virtual void StopMusic() = 0;
  virtual bool MusicPlaying() = 0;
  // Called once when a piece has played to its end (not when it was stopped).
  virtual void SetMusicFinished(std::function<void()> finished) = 0;
};

}  // namespace tarvelo
