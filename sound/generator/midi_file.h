#pragma once

#include <string>
#include <vector>

namespace tarvelo {

// One note of a piece, in beats from the start.
struct TNote {
  double Start = 0;
  double Length = 1;
  int Pitch = 60;  // MIDI key number, 60 = middle C
  int Velocity = 80;
};

// One instrument's part on a MIDI channel.
struct TPart {
  int Channel = 0;
  int Program = 0;  // General MIDI instrument, 0-based
  int Volume = 100;
  std::vector<TNote> Notes;
};

struct TPiece {
  int BeatsPerMinute = 100;
  int BeatsPerBar = 4;
  std::vector<TPart> Parts;
};

// A Standard MIDI File of format 1: a tempo track, then one track per part.
std::string MidiFileBytes(const TPiece& piece);
bool WriteMidi(const std::string& path, const TPiece& piece);

}  // namespace tarvelo
