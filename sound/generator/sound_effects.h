#pragma once

#include "sound/generator/wav_file.h"

#include <string>
#include <vector>

namespace tarvelo {

struct TEffectFile {
  std::string Name;
  TSamples Sound;
};

// The built-in effects: synthesised cues, the shuffle and the applause from
// shaped noise, and spoken clips (a chime alone when no voice is available).
std::vector<TEffectFile> BuiltInEffects();

}  // namespace tarvelo
