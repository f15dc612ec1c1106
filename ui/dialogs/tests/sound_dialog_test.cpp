#include "ui/dialogs/sound_dialog.h"

#include "engine/memory_settings.h"
#include "sound/testing/fake_audio.h"
#include "ui/testing/qt_test_app.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>

#include <deque>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

// The dialog with its choosers answering from a script instead of opening windows.
class TScriptedSound : public TfmSound {
 public:
  using TfmSound::TfmSound;
  std::deque<QString> soundFiles, musicFiles, folders;
  QString musicStartedIn;

 protected:
  std::optional<QString> ChooseSoundFile() override { return Next(soundFiles); }
  std::optional<QString> ChooseMusicFile(const QString& start) override {
    musicStartedIn = start;
    return Next(musicFiles);
  }
  std::optional<QString> ChooseMusicFolder(const QString&) override { return Next(folders); }

 private:
  static std::optional<QString> Next(std::deque<QString>& answers) {
    if (answers.empty()) return std::nullopt;
    QString a = answers.front();
    answers.pop_front();
    return a;
  }
};

class SoundDialogTest : public ::testing::Test {
 protected:
  QApplication& App = TestApp();  // before any widget
  QTemporaryDir Dir;
  TFakeAudio Audio;
  TMemorySettings Store;
  std::vector<std::pair<std::string, std::string>> Replaced;
  int Replacements = 0;
  TSoundSystem Sound{Audio, Dir.filePath("data").toStdString(), [](int) { return 0; }};
  TScriptedSound Dialog{Sound, Store, [this](const auto& values) {
                          Replaced = values;
                          ++Replacements;
                          return true;
                        }};

  template <class T>
  T* Find(const char* name) {
    T* widget = Dialog.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QStringList Shown() {
    QStringList files;
    for (int i = 0; i < Dialog.Sounds()->count(); ++i) files << Dialog.Sounds()->item(i)->text();
    return files;
  }
  void Press(int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(Dialog.Sounds(), &press);
  }
  void SelectEvent(const char* name) { Dialog.Events()->setCurrentRow(SoundEventIndex(name)); }
  std::vector<std::string>& Files(const char* name) { return Sound.SoundEvents[size_t(SoundEventIndex(name))]; }
};

TEST_F(SoundDialogTest, ShowsBothPagesWithTheirCaptionsAndTheFirstEventSelected) {
  EXPECT_EQ(Dialog.windowTitle(), "Tarvelo Sound");
  EXPECT_EQ(Dialog.size(), QSize(416, 292));
  ASSERT_EQ(Dialog.Pages()->count(), 2);
  EXPECT_EQ(Dialog.Pages()->tabText(0), "Sound");
  EXPECT_EQ(Dialog.Pages()->tabText(1), "Music");
  const std::pair<const char*, const char*> captions[] = {{"ckSound", "&Sound Enabled"},
                                                          {"btAdd", "&Add..."},
                                                          {"btPlay", "&Play"},
                                                          {"btRemove", "&Remove"},
                                                          {"btDefault", "&Default"},
                                                          {"ckMusic", "&Music Enabled"},
                                                          {"rbFolder", "&Jukebox Folder"},
                                                          {"rbFile", "&Single Music File"},
                                                          {"btOK", "OK"},
                                                          {"btCancel", "Cancel"},
                                                          {"btFile", "..."},
                                                          {"btFolder", "..."}};
  for (const auto& [name, caption] : captions)
    if (auto* b = Find<QAbstractButton>(name)) {
      EXPECT_EQ(b->text(), caption) << name;
    }
  EXPECT_EQ(Find<QGroupBox>("rgMusicType")->title(), "Music &Type");
  QStringList labels;
  for (QLabel* label : Dialog.findChildren<QLabel*>()) labels << label->text();
  EXPECT_TRUE(labels.contains("Tarvelo &Events"));
  EXPECT_TRUE(labels.contains("&Associated Sounds"));
  ASSERT_EQ(Dialog.Events()->count(), 15);
  EXPECT_EQ(Dialog.Events()->item(14)->text(), "End Turn (network games)");
  EXPECT_EQ(Dialog.Events()->currentRow(), 0);
  EXPECT_EQ(Shown(), QStringList{"shufl.wav"});
  EXPECT_EQ(Dialog.Sounds()->currentRow(), 0);
}

TEST_F(SoundDialogTest, AddStopsAtThreeAndRemovingTheMiddleLeavesTheFirstAndTheThird) {
  SelectEvent("Win Hand");
  auto* add = Find<QPushButton>("btAdd");
  Dialog.soundFiles = {"/s/two.wav", "/s/three.wav", "/s/four.wav"};
  Dialog.AddClicked();
  Press(Qt::Key_Insert);  // Insert adds as well
  // Files of the user's own show their names, the built-in ones too; the whole path is the tooltip.
  EXPECT_EQ(Shown(), (QStringList{"applause.wav", "two.wav", "three.wav"}));
  EXPECT_EQ(Dialog.Sounds()->item(1)->toolTip(), "/s/two.wav");
  EXPECT_TRUE(Dialog.Sounds()->item(0)->toolTip().isEmpty());
  EXPECT_FALSE(add->isEnabled());
  Dialog.AddClicked();
  EXPECT_EQ(Files("Win Hand").size(), 3u);  // in effect at once, and no fourth

  Dialog.Sounds()->setCurrentRow(1);
  Press(Qt::Key_Delete);  // Delete removes
  EXPECT_EQ(Files("Win Hand"), (std::vector<std::string>{"applause.wav", "/s/three.wav"}));
  EXPECT_TRUE(add->isEnabled());

  Find<QPushButton>("btDefault")->click();
  EXPECT_EQ(Files("Win Hand"), std::vector<std::string>{"applause.wav"});
  SelectEvent("Lose Hand");
  Find<QPushButton>("btDefault")->click();
  EXPECT_TRUE(Shown().isEmpty());
  EXPECT_FALSE(Find<QPushButton>("btRemove")->isEnabled());
  EXPECT_FALSE(Find<QPushButton>("btPlay")->isEnabled());
}

TEST_F(SoundDialogTest, CancelPutsBackTheTableAsItWasWhenTheDialogOpened) {
  const TSoundEvents opened = Sound.SoundEvents;
  Find<QPushButton>("btRemove")->click();
  Dialog.soundFiles = {"/s/new.wav"};
  SelectEvent("Exit");
  Dialog.AddClicked();
  ASSERT_NE(Sound.SoundEvents, opened);
  Find<QPushButton>("btCancel")->click();
  EXPECT_EQ(Sound.SoundEvents, opened);
  EXPECT_EQ(Replacements, 0);
  EXPECT_TRUE(Store.Values.empty());
}

TEST_F(SoundDialogTest, OkStoresEveryKeyAndStartsTheMusicAnew) {
  ASSERT_TRUE(QDir().mkpath(Dir.filePath("Songs")));
  QFile(Dir.filePath("Songs/Tune.MID")).open(QIODevice::WriteOnly);
  Find<QPushButton>("btRemove")->click();  // Deal: none
  SelectEvent("Exit");
  Dialog.soundFiles = {"/s/Bye.WAV"};
  Dialog.AddClicked();
  Find<QCheckBox>("ckSound")->setChecked(false);
  Find<QCheckBox>("ckMusic")->setChecked(true);
  Dialog.musicFiles = {Dir.filePath("Songs/Tune.MID")};
  Find<QPushButton>("btFile")->click();
  EXPECT_TRUE(Find<QRadioButton>("rbFile")->isChecked());
  EXPECT_EQ(Find<QLineEdit>("edFile")->text(), Dir.filePath("Songs/Tune.MID"));  // its case kept
  EXPECT_EQ(Dialog.musicStartedIn, QDir::cleanPath(Dir.filePath("data")));       // the bare default's folder
  Dialog.folders = {Dir.filePath("Songs") + "/"};
  Find<QPushButton>("btFolder")->click();
  EXPECT_TRUE(Find<QRadioButton>("rbFolder")->isChecked());
  Find<QRadioButton>("rbFile")->setChecked(true);

  Find<QPushButton>("btOK")->click();

  EXPECT_FALSE(Store.ReadBool("Settings\\Sound", true));
  EXPECT_TRUE(Store.ReadBool("Settings\\Music", false));
  EXPECT_EQ(Store.ReadInt("Settings\\Music Type", 1), 0);
  EXPECT_EQ(Store.ReadString("Music\\File", ""), Dir.filePath("Songs/Tune.MID").toStdString());
  EXPECT_EQ(Store.ReadString("Music\\Dir", ""), Dir.filePath("Songs").toStdString());
  EXPECT_EQ(Replacements, 1);
  ASSERT_GE(Replaced.size(), 3u);
  EXPECT_EQ(Replaced[0], (std::pair<std::string, std::string>{"Sound\\Deal1", "<none>"}));
  EXPECT_EQ(Replaced[1], (std::pair<std::string, std::string>{"Sound\\Exit1", "done.wav"}));
  EXPECT_EQ(Replaced[2], (std::pair<std::string, std::string>{"Sound\\Exit2", "/s/Bye.WAV"}));
  EXPECT_EQ(Audio.Pieces, std::vector<std::string>{Dir.filePath("Songs/Tune.MID").toStdString()});
  EXPECT_FALSE(Sound.SoundOn);
}

TEST_F(SoundDialogTest, PlayPlaysTheSelectedFileFromTheDataFolder) {
  QDir().mkpath(Dir.filePath("data"));
  QFile(Dir.filePath("data/shufl.wav")).open(QIODevice::WriteOnly);
  Sound.SoundOn = false;  // trying a sound works while sound is off
  Find<QPushButton>("btPlay")->click();
  EXPECT_EQ(Audio.Effects, std::vector<std::string>{Dir.filePath("data/shufl.wav").toStdString()});
}

TEST(SoundFiltersTest, TheChoosersShowFileNamesInEitherCase) {
  struct Case {
    const char* Filter;
    const char* Name;
  };
  for (const Case c : {Case{SoundFileFilter, "a.wav"}, Case{SoundFileFilter, "B.WAV"}, Case{MusicFileFilter, "c.mid"},
                       Case{MusicFileFilter, "D.MID"}}) {
    const QString first = QString(c.Filter).section(";;", 0, 0);
    const QStringList patterns = first.section('(', 1).chopped(1).split(' ');
    bool shown = false;
    for (const QString& p : patterns)
      shown = shown || QRegularExpression(QRegularExpression::wildcardToRegularExpression(p)).match(c.Name).hasMatch();
    EXPECT_TRUE(shown) << c.Name;
  }
}

}  // namespace
}  // namespace tarvelo
