#include "sound/exit_wait.h"
#include "ui/dialogs/sound_dialog.h"
#include "ui/tvlmain.h"

namespace tarvelo {

void TfmTvlMain::UseSound(TAudioBackend& audio, const std::string& dataFolder, TReplaceSoundKey replaceSoundKey) {
  // Files are chosen with the game's own random source.
  sound_ = std::make_unique<TSoundSystem>(audio, dataFolder, [this](int n) { return session_.RandomInt(n); });
  replaceSoundKey_ = std::move(replaceSoundKey);
  sound_->LoadSettings(settings_);
  Hooks.Sound = [this](std::string_view event) { sound_->PlaySound(event); };
  ConnectAction("Sound1", [this] { EditSound(); });
  sound_->NextMusic();
}

void TfmTvlMain::EditSound() {
  TfmSound dialog(*sound_, settings_, replaceSoundKey_, this);
  dialog.exec();
}

void TfmTvlMain::StartExitSound() {
  if (sound_) sound_->StopMusicForGood();
  // A program that the game ends after a fault leaves without a word.
  if (!quitting_) PlaySound("Exit");
}

void TfmTvlMain::FinishExitSound() {
  if (sound_ && sound_->SoundOn) FinishEffect(sound_->Audio(), SteadyMilliseconds);
}

}  // namespace tarvelo
