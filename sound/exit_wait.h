#pragma once

#include "sound/audio_backend.h"
#include "sound/sound_system.h"

#include <cstdint>

namespace tarvelo {

// The longest the window waits at exit for the "Exit" sound to end.
inline constexpr std::int64_t ExitWaitLimitMs = 3000;

// Waits, processing events, while the effect plays but never past the limit
// (a device that never reports the end cannot keep the program open); then
// closes the effect player.
void FinishEffect(TAudioBackend& audio, const TClock& clock, std::int64_t limitMs = ExitWaitLimitMs);

}  // namespace tarvelo
