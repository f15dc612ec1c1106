#include "sound/generator/tunes.h"

#include <algorithm>
#include <sstream>

namespace tarvelo {

namespace {

int SemitoneOf(char letter) {
  switch (letter) {
    case 'C':
      return 0;
    case 'D':
      return 2;
    case 'E':
      return 4;
    case 'F':
      return 5;
    case 'G':
      return 7;
    case 'A':
      return 9;
    case 'B':
      return 11;
    default:
      return -1;
  }
}

// The chord's notes above its root: major, minor or dominant seventh.
std::vector<int> ChordKeys(const std::string& chord, int octaveBase) {
  if (chord.empty() || SemitoneOf(chord[0]) < 0) return {};
  size_t at = 1;
  int root = SemitoneOf(chord[0]);
  if (at < chord.size() && (chord[at] == '#' || chord[at] == 'b')) root += chord[at++] == '#' ? 1 : -1;
  const bool minor = at < chord.size() && chord[at] == 'm';
  const bool seventh = chord.find('7') != std::string::npos;
  const int base = octaveBase + root;
  std::vector<int> keys = {base, base + (minor ? 3 : 4), base + 7};
  if (seventh) keys.push_back(base + 10);
  return keys;
}

// A piece: a melody over its accompaniment, played `times` times.
TPiece Song(int bpm, int beatsPerBar, const std::string& melody, const std::string& chords, int melodyProgram,
            int accompanimentProgram, int times) {
  TPiece piece;
  piece.BeatsPerMinute = bpm;
  piece.BeatsPerBar = beatsPerBar;
  TPart tune{0, melodyProgram, 110, {}};
  TPart accompaniment = Accompaniment(chords, beatsPerBar, 1, accompanimentProgram);
  const std::vector<TNote> once = ParseMelody(melody);
  const std::vector<TNote> chordsOnce = accompaniment.Notes;
  const double length =
      static_cast<double>(beatsPerBar) * static_cast<double>(std::count(chords.begin(), chords.end(), ' ') + 1);
  accompaniment.Notes.clear();
  for (int t = 0; t < times; ++t) {
    for (TNote n : once) {
      n.Start += t * length;
      tune.Notes.push_back(n);
    }
    for (TNote n : chordsOnce) {
      n.Start += t * length;
      accompaniment.Notes.push_back(n);
    }
  }
  piece.Parts = {tune, accompaniment};
  return piece;
}

}  // namespace

int KeyOfName(const std::string& name) {
  if (name.size() < 2 || SemitoneOf(name[0]) < 0) return -1;
  int key = SemitoneOf(name[0]);
  size_t at = 1;
  if (name[at] == '#' || name[at] == 'b') key += name[at++] == '#' ? 1 : -1;
  if (at + 1 != name.size() || name[at] < '0' || name[at] > '9') return -1;
  return key + 12 * (name[at] - '0' + 1);
}

std::vector<TNote> ParseMelody(const std::string& text, double start) {
  std::vector<TNote> notes;
  std::istringstream words(text);
  std::string word;
  double at = start;
  while (words >> word) {
    const size_t slash = word.find('/');
    if (slash == std::string::npos) continue;
    const double beats = std::stod(word.substr(slash + 1));
    const int key = KeyOfName(word.substr(0, slash));
    // Slightly detached notes, with a little accent on the beat.
    const bool onBeat = at == static_cast<double>(static_cast<long>(at));
    if (key >= 0) notes.push_back({at, beats * 0.92, key, onBeat ? 92 : 80});
    at += beats;
  }
  return notes;
}

TPart Accompaniment(const std::string& chords, int beatsPerBar, int channel, int program) {
  TPart part{channel, program, 80, {}};
  std::istringstream words(chords);
  std::string chord;
  double bar = 0;
  while (words >> chord) {
    const std::vector<int> low = ChordKeys(chord, 36);  // the bass around C2..B2
    const std::vector<int> mid = ChordKeys(chord, 48);  // the chord around C3..B3
    if (!low.empty()) {
      part.Notes.push_back({bar, static_cast<double>(beatsPerBar) - 0.1, low[0], 78});
      // Broken chord in eighths after the bass: third, fifth, octave, fifth...
      const int pattern[] = {mid[1], mid[2], mid[0] + 12, mid[2]};
      for (int i = 2; i < beatsPerBar * 2; ++i) part.Notes.push_back({bar + i * 0.5, 0.45, pattern[(i - 2) % 4], 58});
    }
    bar += beatsPerBar;
  }
  return part;
}

std::vector<TPieceFile> BuiltInPieces() {
  // General MIDI programs (0-based): 0 piano, 24 nylon guitar, 46 harp, 68 oboe,
  // 71 clarinet, 73 flute, 40 violin.
  // One bar a line; the chords give one chord a bar.
  const std::string arcadiaTune =
      "C5/1 A4/.5 C5/.5 F5/1.5 E5/.5 D5/1 C5/1 A4/1 G4/1 "
      "F4/1 A4/.5 C5/.5 D5/1.5 C5/.5 C5/3 R/1 "
      "A4/1 Bb4/.5 C5/.5 D5/1 F5/1 E5/1 D5/.5 C5/.5 D5/2 "
      "C5/1 A4/.5 G4/.5 F4/1.5 G4/.5 A4/3 R/1 "
      "F5/1.5 E5/.5 D5/1 C5/1 Bb4/1 A4/.5 Bb4/.5 C5/2 "
      "D5/1 C5/.5 Bb4/.5 A4/1 G4/1 A4/2 C5/2 "
      "F5/1 E5/.5 D5/.5 C5/1 A4/1 Bb4/1 G4/1 E4/2 "
      "F4/1 G4/.5 A4/.5 G4/1.5 F4/.5 F4/3 R/1";
  const std::string arcadiaChords = "F Dm F C Bb C F F Dm Bb Gm F F C7 C7 F";
  const std::string odeTune =
      "E5/1 E5/1 F5/1 G5/1 G5/1 F5/1 E5/1 D5/1 C5/1 C5/1 D5/1 E5/1 E5/1.5 D5/.5 D5/2 "
      "E5/1 E5/1 F5/1 G5/1 G5/1 F5/1 E5/1 D5/1 C5/1 C5/1 D5/1 E5/1 D5/1.5 C5/.5 C5/2 "
      "D5/1 D5/1 E5/1 C5/1 D5/1 E5/.5 F5/.5 E5/1 C5/1 D5/1 E5/.5 F5/.5 E5/1 D5/1 C5/1 D5/1 G4/2 "
      "E5/1 E5/1 F5/1 G5/1 G5/1 F5/1 E5/1 D5/1 C5/1 C5/1 D5/1 E5/1 D5/1.5 C5/.5 C5/2";
  const std::string odeChords = "C G C G C G C C G G G G C G C C";
  const std::string minuetTune =
      "D5/1 G4/.5 A4/.5 B4/.5 C5/.5 D5/1 G4/1 G4/1 E5/1 C5/.5 D5/.5 E5/.5 F#5/.5 G5/1 G4/1 G4/1 "
      "C5/1 D5/.5 C5/.5 B4/.5 A4/.5 B4/1 C5/.5 B4/.5 A4/.5 G4/.5 F#4/1 G4/.5 A4/.5 B4/.5 G4/.5 A4/3 "
      "D5/1 G4/.5 A4/.5 B4/.5 C5/.5 D5/1 G4/1 G4/1 E5/1 C5/.5 D5/.5 E5/.5 F#5/.5 G5/1 G4/1 G4/1 "
      "C5/1 D5/.5 C5/.5 B4/.5 A4/.5 B4/1 C5/.5 B4/.5 A4/.5 G4/.5 A4/1 B4/.5 A4/.5 G4/.5 F#4/.5 G4/3";
  const std::string minuetChords = "G G C G C G D D G G C G C G D7 G";
  const std::string greensleevesTune =
      "R/2 A4/1 C5/2 D5/1 E5/1.5 F5/.5 E5/1 D5/2 B4/1 G4/1.5 A4/.5 B4/1 C5/2 A4/1 A4/1.5 G#4/.5 A4/1 "
      "B4/2 G#4/1 E4/2 A4/1 C5/2 D5/1 E5/1.5 F5/.5 E5/1 D5/2 B4/1 G4/1.5 A4/.5 B4/1 "
      "C5/1.5 B4/.5 A4/1 G#4/1.5 F#4/.5 G#4/1 A4/3 A4/2 R/1 "
      "G5/3 G5/1.5 F#5/.5 E5/1 D5/2 B4/1 G4/1.5 A4/.5 B4/1 C5/2 A4/1 A4/1.5 G#4/.5 A4/1 B4/2 G#4/1 E4/3 "
      "G5/3 G5/1.5 F#5/.5 E5/1 D5/2 B4/1 G4/1.5 A4/.5 B4/1 C5/1.5 B4/.5 A4/1 G#4/1.5 F#4/.5 G#4/1 A4/3 A4/2";
  const std::string greensleevesChords =
      "Am Am C G G Am Am E E Am C G G Am E Am Am C C G G Am Am E E C C G G Am E Am Am";
  return {
      {"ARCADIA.MID", Song(96, 4, arcadiaTune, arcadiaChords, 73, 46, 2)},
      {"odetojoy.mid", Song(112, 4, odeTune, odeChords, 71, 0, 2)},
      {"minuet.mid", Song(120, 3, minuetTune, minuetChords, 40, 24, 2)},
      {"grnsleev.mid", Song(100, 3, greensleevesTune, greensleevesChords, 68, 24, 2)},
  };
}

}  // namespace tarvelo
