#include "sound/sound_settings.h"

#include "store/setting_keys.h"

namespace tarvelo {

void SaveSoundSettings(const TSoundSystem& sound, TSettingsAccess& store, const TReplaceSoundKey& replaceSoundKey) {
  WriteSetting(store, Setting::Sound, sound.SoundOn);
  WriteSetting(store, Setting::Music, sound.Music.MusicOn);
  WriteSetting(store, Setting::MusicType, sound.Music.MusicType == 0 ? 0 : 1);
  WriteSetting(store, Setting::MusicFile, sound.Music.MusicFile);
  WriteSetting(store, Setting::MusicDir, sound.Music.MusicFolder);
  replaceSoundKey(SoundSettingValues(sound.SoundEvents));
}

}  // namespace tarvelo
