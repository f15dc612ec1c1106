#pragma once

#include "engine/settings_access.h"
#include "sound/audio_backend.h"
#include "sound/music_playlist.h"
#include "sound/sound_events.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tarvelo {

// The music settings of the window.
struct TMusicSettings {
  bool MusicOn = false;
  int MusicType = 1;  // 0 the single file, 1 the folder's MIDI files in turn (stored: never renumber)
  std::string MusicFile = "ARCADIA.MID";
  std::string MusicFolder;  // empty: the program's data folder
};

// Milliseconds of a steady clock.
using TClock = std::function<std::int64_t()>;
std::int64_t SteadyMilliseconds();

// The window's sounds: the event table, the effect player and the background
// music on one audio backend. Files are chosen through the host's random source.
class TSoundSystem {
 public:
  // A piece that ends sooner than this after it started did not really play.
  static constexpr std::int64_t ShortestPieceMs = 1000;

  TSoundSystem(TAudioBackend& audio, std::string dataFolder, TRandomInt random, TClock clock = SteadyMilliseconds);

  bool SoundOn = true;
  TSoundEvents SoundEvents = BuiltInSoundEvents();
  TMusicSettings Music;
  TMusicPlaylist Jukebox;
  const std::string& DataFolder() const { return dataFolder_; }
  TAudioBackend& Audio() { return audio_; }

  // "Settings\Sound", the music settings and the event table, as at start.
  void LoadSettings(TSettingsAccess& store);
  // One of the event's files, when sound is on; "About" plays "about.wav".
  void PlaySound(std::string_view event);
  // The file at once, whether sound is on or not (the dialog's "&Play").
  void PlayFile(const std::string& name);
  // Starts or continues the music; also what follows the end of each piece.
  void NextMusic();
  // New music settings are in force: the playlist is read again and the music
  // starts anew (or stops).
  void RestartMusic();
  // The first steps of closing the window: the music stops for good, then the
  // "Exit" sound plays.
  void StartExit();
  // Music off and its player closed; a late end of a piece starts nothing.
  void StopMusicForGood();

 private:
  void MusicFinished();
  std::string MusicFolder() const;
  // The next piece to try, or nothing when there is none to play.
  std::optional<std::string> NextPiece();
  int PassLength() const;

  TAudioBackend& audio_;
  std::string dataFolder_;
  TRandomInt random_;
  TClock clock_;
  std::int64_t pieceStarted_ = 0;
  // Pieces in a row that did not play (missing, unreadable, over at once): a
  // whole pass of them stops the music until it is started anew.
  int failedInRow_ = 0;
};

}  // namespace tarvelo
