#pragma once

#include "sound/generator/wav_file.h"

#include <cstdint>
#include <string>

namespace tarvelo {

// A small, seeded noise source: the same files on every build.
class TNoise {
 public:
  explicit TNoise(std::uint32_t seed) : state_(seed ? seed : 1) {}
  float Next();   // uniform in -1..1
  double Real();  // uniform in 0..1
 private:
  std::uint32_t state_;
};

double KeyFrequency(int midiKey);
TSamples Silence(double seconds, int rate = 22050);
// Makes the sound at least `seconds` long.
void Extend(TSamples& sound, double seconds);
// A struck bell-like tone: a few partials that die away.
void AddBell(TSamples& sound, double at, double frequency, double length, double amplitude);
// A burst of noise with a quick attack and an exponential decay; `brightness`
// 0..1 from dull (low-passed) to bright (high-passed).
void AddNoiseBurst(TSamples& sound, double at, double length, double amplitude, double brightness, TNoise& noise);
void Mix(TSamples& into, const TSamples& from, double at, double gain);
// Scales to the given peak (0..1).
void Normalize(TSamples& sound, double peak);
// Short fades at both ends, so that no click starts or ends a sound.
void FadeEdges(TSamples& sound, double inSeconds, double outSeconds);
// Cuts near-silence at both ends.
void TrimSilence(TSamples& sound, float threshold = 0.01f);

}  // namespace tarvelo
