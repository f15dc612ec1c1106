#include "sound/sound_system.h"

#include "sound/sound_files.h"
#include "store/setting_keys.h"

#include <chrono>
#include <optional>

namespace tarvelo {

std::int64_t SteadyMilliseconds() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

TSoundSystem::TSoundSystem(TAudioBackend& audio, std::string dataFolder, TRandomInt random, TClock clock)
    : audio_(audio), dataFolder_(std::move(dataFolder)), random_(std::move(random)), clock_(std::move(clock)) {
  audio_.SetMusicFinished([this] { MusicFinished(); });
}

void TSoundSystem::LoadSettings(TSettingsAccess& store) {
  SoundOn = ReadSetting(store, Setting::Sound);
  Music.MusicOn = ReadSetting(store, Setting::Music);
  Music.MusicType = ReadSetting(store, Setting::MusicType) == 0 ? 0 : 1;
  Music.MusicFile = ReadSetting(store, Setting::MusicFile);
  std::string folder = store.ReadString(Setting::MusicDir.Path, dataFolder_);
  while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
  Music.MusicFolder = folder;
  SoundEvents = LoadSoundSettings(store);
}

void TSoundSystem::PlaySound(std::string_view event) {
  if (!SoundOn) return;
  if (event == "About") {
    PlayFile("about.wav");
    return;
  }
  const int index = SoundEventIndex(event);
  if (index < 0) return;
  const std::vector<std::string>& files = SoundEvents[static_cast<size_t>(index)];
  if (files.empty()) return;
  // One file needs no draw: the game's random sequence moves only for a real choice.
  const int pick = files.size() == 1 ? 0 : random_(static_cast<int>(files.size()));
  PlayFile(files[static_cast<size_t>(pick)]);
}

void TSoundSystem::PlayFile(const std::string& name) {
  const std::string path = ResolveSoundFile(name, dataFolder_);
  if (IsPlayableFile(path)) audio_.PlayEffect(path);
}

std::string TSoundSystem::MusicFolder() const { return Music.MusicFolder.empty() ? dataFolder_ : Music.MusicFolder; }

int TSoundSystem::PassLength() const { return Music.MusicType == 0 ? 1 : std::max(1, Jukebox.PassLength()); }

std::optional<std::string> TSoundSystem::NextPiece() {
  if (Music.MusicType == 0) return ResolveSoundFile(Music.MusicFile, dataFolder_);
  return Jukebox.Next(MusicFolder(), random_);
}

void TSoundSystem::NextMusic() {
  audio_.StopMusic();
  if (!Music.MusicOn) return;
  // A loop, not a call of itself: each failed piece counts, and a whole pass
  // of them ends the attempt in silence.
  while (failedInRow_ < PassLength()) {
    const std::optional<std::string> piece = NextPiece();
    if (!piece) return;  // a folder without MIDI files gives no music
    if (IsPlayableFile(*piece) && audio_.PlayMusic(*piece)) {
      pieceStarted_ = clock_();
      return;
    }
    ++failedInRow_;
  }
}

void TSoundSystem::MusicFinished() {
  if (clock_() - pieceStarted_ < ShortestPieceMs)
    ++failedInRow_;
  else
    failedInRow_ = 0;
  NextMusic();
}

void TSoundSystem::RestartMusic() {
  Jukebox.PlaylistPos = -1;
  failedInRow_ = 0;
  NextMusic();
}

void TSoundSystem::StopMusicForGood() {
  Music.MusicOn = false;
  audio_.StopMusic();
}

void TSoundSystem::StartExit() {
  StopMusicForGood();
  PlaySound("Exit");
}

}  // namespace tarvelo
