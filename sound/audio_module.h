#pragma once

#include "sound/audio_backend.h"

#include <memory>
#include <string>

namespace tarvelo {

// Where the audio module lies beside a binary of the program: its lib/tarvelo
// folder, as the data files lie in its share/tarvelo folder.
std::string AudioModuleBeside(const std::string& binaryFolder);

// The sound device that the module at path makes. A module that cannot be
// loaded gives a silent device, and its reason goes to standard error once:
// the game plays on without sound.
std::unique_ptr<TAudioBackend> LoadAudioModule(const std::string& path);

}  // namespace tarvelo
