#pragma once

#include "sound/generator/midi_file.h"

#include <string>
#include <vector>

namespace tarvelo {

struct TPieceFile {
  std::string Name;
  TPiece Piece;
};

// A melody written as "E5/1 D5/.5 R/1": pitch (or R, a rest) and beats.
std::vector<TNote> ParseMelody(const std::string& text, double start = 0);
// The key number of a note name ("C4" = 60, "F#5", "Bb3"); -1 when it is none.
int KeyOfName(const std::string& name);
// A part that accompanies one chord per bar ("C G Am D7"): the bass on the
// first beat and the chord broken over the others.
TPart Accompaniment(const std::string& chords, int beatsPerBar, int channel, int program);

// The built-in music: our own settings of tunes in the public domain, and a
// piece of our own ("ARCADIA.MID", the default single file).
std::vector<TPieceFile> BuiltInPieces();

}  // namespace tarvelo
