#pragma once

#include "engine/settings_access.h"
#include "sound/sound_settings.h"
#include "sound/sound_system.h"

#include <QDialog>

#include <optional>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace tarvelo {

// "Tarvelo Sound": the sound of each event and the background music. Add,
// Remove and Default change the event table in effect at once; "OK" stores
// everything and starts the music anew, "Cancel" puts the table back as it was
// when the dialog opened.
class TfmSound : public QDialog {
  Q_OBJECT
 public:
  TfmSound(TSoundSystem& sound, TSettingsAccess& store, TReplaceSoundKey replaceSoundKey, QWidget* parent = nullptr);

  QTabWidget* Pages() const { return pages_; }
  QListWidget* Events() const { return lbEvents_; }
  QListWidget* Sounds() const { return lbSounds_; }

  void AddClicked();
  void RemoveClicked();
  void DefaultClicked();
  void PlayClicked();
  void MusicFileClicked();
  void MusicFolderClicked();

 protected:
  // The three choosers; nothing when the user cancels.
  virtual std::optional<QString> ChooseSoundFile();
  virtual std::optional<QString> ChooseMusicFile(const QString& startFolder);
  virtual std::optional<QString> ChooseMusicFolder(const QString& startFolder);
  bool eventFilter(QObject* watched, QEvent* event) override;
  void accept() override;
  void reject() override;

 private:
  QWidget* BuildSoundPage();
  QWidget* BuildMusicPage();
  std::vector<std::string>& EventFiles();
  void ShowFiles(int select = 0);
  void UpdateButtons();

  TSoundSystem& sound_;
  TSettingsAccess& store_;
  TReplaceSoundKey replaceSoundKey_;
  TSoundEvents openedWith_;
  QTabWidget* pages_ = nullptr;
  QCheckBox* ckSound_ = nullptr;
  QCheckBox* ckMusic_ = nullptr;
  QListWidget* lbEvents_ = nullptr;
  QListWidget* lbSounds_ = nullptr;
  QPushButton *btAdd_ = nullptr, *btPlay_ = nullptr, *btRemove_ = nullptr, *btDefault_ = nullptr;
  QRadioButton *rbFolder_ = nullptr, *rbFile_ = nullptr;
  QLineEdit *edFile_ = nullptr, *edFolder_ = nullptr;
};

// The chooser filters: each pattern in both cases, as Linux names are case-sensitive.
inline constexpr const char* SoundFileFilter = "Sound Files (*.wav *.WAV);;All Files (*)";
inline constexpr const char* MusicFileFilter = "Music Files (*.mid *.MID);;All Files (*)";

}  // namespace tarvelo
