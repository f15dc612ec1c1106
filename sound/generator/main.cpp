// Writes the built-in sound effects (WAV) and music (MIDI) into a folder.
// Usage: tarvelo-soundgen <folder>
#include "sound/generator/midi_file.h"
#include "sound/generator/sound_effects.h"
#include "sound/generator/tunes.h"
#include "sound/generator/wav_file.h"

#include <cstdio>
#include <string>

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  for (const tarvelo::TEffectFile& effect : tarvelo::BuiltInEffects()) {
    if (!tarvelo::WriteWav(folder + "/" + effect.Name, effect.Sound)) {
      std::fprintf(stderr, "cannot write %s/%s\n", folder.c_str(), effect.Name.c_str());
      return 1;
    }
  }
  for (const tarvelo::TPieceFile& piece : tarvelo::BuiltInPieces()) {
    if (!tarvelo::WriteMidi(folder + "/" + piece.Name, piece.Piece)) {
      std::fprintf(stderr, "cannot write %s/%s\n", folder.c_str(), piece.Name.c_str());
      return 1;
    }
  }
  return 0;
}
