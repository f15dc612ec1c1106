#include "sound/sdl_audio.h"

#include <QFileInfo>
#include <QMetaObject>

#include <SDL.h>
#include <SDL_mixer.h>

namespace tarvelo {

std::atomic<TSdlAudio*> TSdlAudio::instance_{nullptr};

namespace {
constexpr int EffectChannel = 0;
}

TSdlAudio::TSdlAudio(const std::string& soundFont, QObject* parent) : QObject(parent) {
  // Without this SDL catches SIGINT and SIGTERM and turns them into a quit
  // event that a Qt program never reads: the program would not end.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
  Mix_Init(MIX_INIT_MID);
  if (QFileInfo::exists(QString::fromStdString(soundFont))) Mix_SetSoundFonts(soundFont.c_str());
  if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return;
  }
  Mix_AllocateChannels(1);
  open_ = true;
  instance_ = this;
  Mix_HookMusicFinished(&TSdlAudio::MusicHook);
}

TSdlAudio::~TSdlAudio() {
  if (!open_) return;
  Mix_HookMusicFinished(nullptr);
  instance_ = nullptr;
  piece_ = 0;
  Mix_HaltMusic();
  Mix_HaltChannel(EffectChannel);
  if (music_) Mix_FreeMusic(music_);
  if (effect_) Mix_FreeChunk(effect_);
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool TSdlAudio::PlayEffect(const std::string& path) {
  if (!open_) return false;
  StopEffect();
  effect_ = Mix_LoadWAV(path.c_str());
  return effect_ && Mix_PlayChannel(EffectChannel, effect_, 0) == EffectChannel;
}

bool TSdlAudio::EffectPlaying() { return open_ && Mix_Playing(EffectChannel) != 0; }

void TSdlAudio::StopEffect() {
  if (!open_) return;
  Mix_HaltChannel(EffectChannel);
  if (effect_) Mix_FreeChunk(effect_);
  effect_ = nullptr;
}

bool TSdlAudio::PlayMusic(const std::string& path) {
  if (!open_) return false;
  StopMusic();
  music_ = Mix_LoadMUS(path.c_str());
  if (!music_) return false;
  // Numbered before it starts: a piece over at once still posts its own number.
  piece_ = ++lastPiece_;
  if (Mix_PlayMusic(music_, 0) == 0) return true;
  piece_ = 0;
  return false;
}

void TSdlAudio::StopMusic() {
  if (!open_) return;
  // SDL reports a halted piece as finished: with no piece numbered, the
  // report is dropped instead of starting the next piece a second time.
  piece_ = 0;
  Mix_HaltMusic();
  if (music_) Mix_FreeMusic(music_);
  music_ = nullptr;
}

bool TSdlAudio::MusicPlaying() { return open_ && Mix_PlayingMusic() != 0; }

void TSdlAudio::MusicHook() {
  TSdlAudio* self = instance_;
  if (!self) return;
  const int piece = self->piece_;
  if (piece == 0) return;
  QMetaObject::invokeMethod(
      self, [self, piece] { self->PieceEnded(piece); }, Qt::QueuedConnection);
}

void TSdlAudio::PieceEnded(int piece) {
  // A report that arrives after the piece was stopped or replaced is stale.
  if (piece != piece_) return;
  piece_ = 0;
  if (finished_) finished_();
}

}  // namespace tarvelo
