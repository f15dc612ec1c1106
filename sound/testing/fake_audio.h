#pragma once

#include "sound/audio_backend.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace tarvelo {

// An audio backend that records what it was asked to play. Files named in
// Refused do not play; a test ends a piece with FinishPiece.
class TFakeAudio : public TAudioBackend {
 public:
  std::vector<std::string> Effects, Pieces;
  std::set<std::string> Refused;
  bool EffectBusy = false;  // what EffectPlaying reports
  bool MusicOn = false;
  int EffectStops = 0, MusicStops = 0;

  bool PlayEffect(const std::string& path) override {
    if (Refused.count(path)) return false;
    Effects.push_back(path);
    return true;
  }
  bool EffectPlaying() override { return EffectBusy; }
  void StopEffect() override { ++EffectStops; }
  bool PlayMusic(const std::string& path) override {
    if (Refused.count(path)) return false;
    Pieces.push_back(path);
    MusicOn = true;
    return true;
  }
  void StopMusic() override {
    ++MusicStops;
    MusicOn = false;
  }
  bool MusicPlaying() override { return MusicOn; }
  void SetMusicFinished(std::function<void()> finished) override { finished_ = std::move(finished); }

  // The piece that plays, if any, has come to its end.
  void FinishPiece() {
    if (!MusicOn) return;
    MusicOn = false;
    if (finished_) finished_();
  }

 private:
  std::function<void()> finished_;
};

}  // namespace tarvelo
