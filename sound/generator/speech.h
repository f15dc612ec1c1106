#pragma once

#include "sound/generator/wav_file.h"

#include <optional>
#include <string>

namespace tarvelo {

// The text spoken by espeak-ng, trimmed; nothing when espeak-ng is missing or fails.
std::optional<TSamples> Speak(const std::string& text);

}  // namespace tarvelo
