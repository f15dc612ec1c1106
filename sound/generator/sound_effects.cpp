#include "sound/generator/sound_effects.h"

#include "sound/generator/speech.h"
#include "sound/generator/synth.h"

#include <cmath>

namespace tarvelo {

namespace {

constexpr double Peak = 0.8;  // about -2 dBFS: loud enough, never clipped

// Bells struck one after another, `gap` seconds apart.
TSamples Chime(std::initializer_list<int> keys, double gap, double ring, double amplitude) {
  TSamples s = Silence(0);
  double at = 0;
  for (int key : keys) {
    AddBell(s, at, KeyFrequency(key), ring, amplitude);
    at += gap;
  }
  return s;
}

TSamples Finished(TSamples s) {
  Normalize(s, Peak);
  FadeEdges(s, 0.003, 0.08);
  return s;
}

// A chime, then the words over its ringing.
TSamples Announce(std::initializer_list<int> keys, double gap, const std::string& words) {
  TSamples s = Chime(keys, gap, 0.9, 0.25);
  if (const auto voice = Speak(words)) {
    TSamples v = *voice;
    Normalize(v, 1.0);
    Mix(s, v, gap * static_cast<double>(keys.size()) * 0.6 + 0.05, 1.0);
  }
  return Finished(s);
}

TSamples Shuffle() {
  TNoise noise(1234);
  TSamples s = Silence(0);
  // The riffle: card flicks that come faster as the halves fall together.
  double at = 0.02, gap = 0.034;
  for (int i = 0; i < 26; ++i) {
    AddNoiseBurst(s, at, 0.014, 0.5 + 0.3 * noise.Real(), 0.75, noise);
    at += gap;
    gap *= 0.985;
  }
  // The bridge and the squaring of the pack.
  AddNoiseBurst(s, at + 0.05, 0.18, 0.35, 0.2, noise);
  AddNoiseBurst(s, at + 0.32, 0.05, 0.7, 0.15, noise);
  AddNoiseBurst(s, at + 0.44, 0.05, 0.6, 0.15, noise);
  return Finished(s);
}

TSamples Applause() {
  TNoise noise(4321);
  const double length = 1.8;
  TSamples s = Silence(length);
  // Many hands: claps come thickly at once and thin out towards the end.
  for (double t = 0; t < length - 0.05;) {
    const double density = t < 0.15 ? 60 + 600 * t : 150 * std::exp(-(std::max(0.0, t - 0.9)) * 2.5);
    t += -std::log(1.0 - noise.Real() * 0.999) / density;
    AddNoiseBurst(s, t, 0.012 + 0.012 * noise.Real(), 0.3 + 0.7 * noise.Real(), 0.35 + 0.3 * noise.Real(), noise);
  }
  s.Values.resize(static_cast<size_t>(length * s.Rate));
  Normalize(s, Peak);
  FadeEdges(s, 0.02, 0.5);
  return s;
}

}  // namespace

std::vector<TEffectFile> BuiltInEffects() {
  // Keys: 72 = C5, 76 = E5, 79 = G5, 84 = C6.
  return {
      {"shufl.wav", Shuffle()},
      {"applause.wav", Applause()},
      {"done.wav", Announce({79, 76, 72}, 0.12, "Goodbye!")},
      {"help.wav", Announce({76, 79}, 0.1, "Need some help?")},
      {"manuel.wav", Announce({76, 79}, 0.1, "Let's look in the manual.")},
      {"nowwhat.wav", Announce({79, 76}, 0.1, "Now what?")},
      {"exelnt.wav", Announce({72, 76, 79, 84}, 0.07, "Excellent!")},
      {"mixed.wav", Announce({72, 76, 79}, 0.08, "Mixed canasta!")},
      {"natural.wav", Announce({72, 76, 79, 84}, 0.08, "Natural canasta!")},
      {"welcome.wav", Announce({72, 79, 84}, 0.1, "Welcome to Tarvelo!")},
      {"yeah.wav", Announce({79, 84}, 0.06, "Yeah!")},
      {"wonderfl.wav", Announce({72, 76, 79, 84, 88}, 0.06, "Wonderful!")},
      {"yourturn.wav", Announce({76, 72}, 0.16, "Your turn.")},
      {"about.wav", Finished(Chime({72, 76, 79, 84, 88}, 0.11, 1.0, 0.3))},
  };
}

}  // namespace tarvelo
