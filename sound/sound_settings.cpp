#include "sound/sound_settings.h"

namespace tarvelo {

void SaveSoundSettings(const TSoundSystem& sound, TSettingsAccess& store, const TReplaceSoundKey& replaceSoundKey) {
  store.WriteBool("Settings\\Sound", sound.SoundOn);
  store.WriteBool("Settings\\Music", sound.Music.MusicOn);
  store.WriteInt("Settings\\Music Type", sound.Music.MusicType == 0 ? 0 : 1);
  store.WriteString("Music\\File", sound.Music.MusicFile);
  store.WriteString("Music\\Dir", sound.Music.MusicFolder);
  replaceSoundKey(SoundSettingValues(sound.SoundEvents));
}

}  // namespace tarvelo
