#include "sound/generator/synth.h"

#include <algorithm>
#include <cmath>

namespace tarvelo {

namespace {
constexpr double Pi = 3.14159265358979323846;
}

float TNoise::Next() { return static_cast<float>(Real() * 2.0 - 1.0); }

double TNoise::Real() {
  // xorshift32
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return (state_ >> 8) / 16777216.0;
}

double KeyFrequency(int midiKey) { return 440.0 * std::pow(2.0, (midiKey - 69) / 12.0); }

TSamples Silence(double seconds, int rate) {
  TSamples s;
  s.Rate = rate;
  s.Values.assign(static_cast<size_t>(std::max(0.0, seconds) * rate), 0.0f);
  return s;
}

void Extend(TSamples& sound, double seconds) {
  const auto n = static_cast<size_t>(seconds * sound.Rate);
  if (sound.Values.size() < n) sound.Values.resize(n, 0.0f);
}

void AddBell(TSamples& sound, double at, double frequency, double length, double amplitude) {
  Extend(sound, at + length);
  const size_t start = static_cast<size_t>(at * sound.Rate);
  const size_t count = static_cast<size_t>(length * sound.Rate);
  const double partials[][2] = {{1.0, 1.0}, {2.0, 0.35}, {3.0, 0.12}, {4.2, 0.05}};
  for (size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / sound.Rate;
    const double attack = std::min(1.0, t / 0.004);
    const double release = std::min(1.0, (length - t) / 0.03);
    double v = 0;
    for (const auto& p : partials) v += p[1] * std::exp(-t * 3.5 * p[0]) * std::sin(2 * Pi * frequency * p[0] * t);
    sound.Values[start + i] += static_cast<float>(amplitude * attack * release * v);
  }
}

void AddNoiseBurst(TSamples& sound, double at, double length, double amplitude, double brightness, TNoise& noise) {
  Extend(sound, at + length);
  const size_t start = static_cast<size_t>(at * sound.Rate);
  const size_t count = static_cast<size_t>(length * sound.Rate);
  float low = 0, previous = 0;
  const float smooth = static_cast<float>(0.15 + 0.5 * (1.0 - brightness));
  for (size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / sound.Rate;
    const float white = noise.Next();
    low += (white - low) * (1.0f - smooth);
    // Bright bursts keep the difference of the low-passed noise (a high-pass).
    const float shaped = static_cast<float>(brightness * (low - previous) * 2.0 + (1.0 - brightness) * low);
    previous = low;
    const double envelope = std::min(1.0, t / 0.0015) * std::exp(-t * 5.0 / length);
    sound.Values[start + i] += static_cast<float>(amplitude * envelope * shaped);
  }
}

void Mix(TSamples& into, const TSamples& from, double at, double gain) {
  Extend(into, at + from.Seconds());
  const size_t start = static_cast<size_t>(at * into.Rate);
  for (size_t i = 0; i < from.Values.size(); ++i) into.Values[start + i] += static_cast<float>(gain * from.Values[i]);
}

void Normalize(TSamples& sound, double peak) {
  float top = 0;
  for (float v : sound.Values) top = std::max(top, std::abs(v));
  if (top <= 0) return;
  const float scale = static_cast<float>(peak / top);
  for (float& v : sound.Values) v *= scale;
}

void FadeEdges(TSamples& sound, double inSeconds, double outSeconds) {
  const size_t n = sound.Values.size();
  const size_t in = std::min(n, static_cast<size_t>(inSeconds * sound.Rate));
  const size_t out = std::min(n, static_cast<size_t>(outSeconds * sound.Rate));
  for (size_t i = 0; i < in; ++i) sound.Values[i] *= static_cast<float>(i) / static_cast<float>(in);
  for (size_t i = 0; i < out; ++i) sound.Values[n - 1 - i] *= static_cast<float>(i) / static_cast<float>(out);
}

void TrimSilence(TSamples& sound, float threshold) {
  auto loud = [threshold](float v) { return std::abs(v) >= threshold; };
  const auto first = std::find_if(sound.Values.begin(), sound.Values.end(), loud);
  const auto last = std::find_if(sound.Values.rbegin(), sound.Values.rend(), loud).base();
  if (first >= last) {
    sound.Values.clear();
    return;
  }
  sound.Values = std::vector<float>(first, last);
}

}  // namespace tarvelo
