#include "ui/dialogs/customize_dialog.h"

#include "ui/dialogs/name_input.h"
#include "ui/dialogs/tests/statistics_dialogs_fixture.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>

using namespace tarvelo;

namespace {

template <class T>
T* Find(QWidget& dialog, const char* name) {
  T* widget = dialog.findChild<T*>(name);
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

QAbstractButton* Radio(QWidget& dialog, const char* group, int id) {
  return Find<QButtonGroup>(dialog, group)->button(id);
}

void Answer(QWidget* modal, QMessageBox::StandardButton button) {
  auto* box = qobject_cast<QMessageBox*>(modal);
  ASSERT_NE(box, nullptr);
  box->button(button)->click();
}

void Type(QWidget* modal, const QString& name) {
  auto* input = qobject_cast<TNameInput*>(modal);
  ASSERT_NE(input, nullptr);
  input->Edit()->setText(name);
  input->accept();
}

struct Customize : TStatisticsDialogTest {
  Customize() { TfmCustomize::LastPage = TfmCustomize::PageScreen; }
};

TEST_F(Customize, OkStoresEveryControlAsItsSetting) {
  QFile autoSave(Dir.filePath("autosave.tvl"));
  ASSERT_TRUE(autoSave.open(QIODevice::WriteOnly));
  autoSave.close();
  TCustomizeContext context;
  context.SizeIndex = 1;
  context.AutoSaveFile = autoSave.fileName();
  TfmCustomize dialog(Settings, Stats, context);
  EXPECT_TRUE(Radio(dialog, "rgSize", 1)->isChecked());
  dialog.SetTableColor(QColor(0x10, 0x20, 0x30));
  Radio(dialog, "rgSize", 2)->click();
  Radio(dialog, "rgLevel", 2)->click();
  Find<QSlider>(dialog, "tbAggressiveness")->setValue(70);
  Radio(dialog, "rgDiscarding", 1)->click();
  Find<QSlider>(dialog, "tbDelay")->setValue(4);
  Find<QCheckBox>(dialog, "ckAutoSave")->setChecked(false);
  Find<QCheckBox>(dialog, "ckStatusbar")->setChecked(false);
  Find<QCheckBox>(dialog, "ckNoAnimation")->setChecked(true);
  Find<QSlider>(dialog, "tbCardSpeed")->setValue(3);
  Find<QCheckBox>(dialog, "ckHighscores")->setChecked(false);
  Find<QCheckBox>(dialog, "ckTurns")->setChecked(false);
  Find<QCheckBox>(dialog, "ckSelectPlayer")->setChecked(false);
  Find<QPushButton>(dialog, "bnOK")->click();

  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.ChosenSizeIndex(), 2);
  EXPECT_EQ(Settings.ReadInt("Settings\\Background Color", 0), 0x302010);
  EXPECT_EQ(Settings.ReadString("Settings\\Level", ""), "Expert");
  EXPECT_EQ(Settings.ReadInt("Settings\\Aggression", 0), 70);
  EXPECT_EQ(Settings.ReadString("Settings\\Mouse Options", ""), "Double Right Click");
  EXPECT_EQ(Settings.ReadInt("Settings\\Delay", 0), 900);
  EXPECT_FALSE(Settings.ReadBool("Settings\\AutoSave", true));
  EXPECT_FALSE(autoSave.exists());
  EXPECT_FALSE(Settings.ReadBool("Settings\\Show Statusbar", true));
  EXPECT_FALSE(Settings.ReadBool("Settings\\Card Movement", true));
  EXPECT_EQ(Settings.ReadInt("Settings\\Card Speed", 0), 3);
  EXPECT_FALSE(Settings.ReadBool("Settings\\Show Highscores", true));
  EXPECT_FALSE(Settings.ReadBool("Settings\\Show Turns", true));
  EXPECT_FALSE(Settings.ReadBool("Settings\\Select Player on startup", true));
}

TEST_F(Customize, TheLevelIsLockedDuringAGameAndKeptDuringANetworkGame) {
  struct Case {
    bool inProgress, network, levelFree;
  } cases[] = {{false, false, true}, {true, false, false}, {false, true, false}};
  for (const Case& c : cases) {
    Settings.WriteString("Settings\\Level", "Expert");
    TCustomizeContext context;
    context.GameInProgress = c.inProgress;
    context.NetworkGame = c.network;
    TfmCustomize dialog(Settings, Stats, context, TfmCustomize::PageLevel);
    dialog.show();
    EXPECT_EQ(Radio(dialog, "rgLevel", 0)->isEnabled(), c.levelFree);
    EXPECT_EQ(Find<QLabel>(dialog, "lbLevelLocked")->isVisible(), !c.levelFree);
    EXPECT_EQ(Find<QGroupBox>(dialog, "gbAggressiveness")->isEnabled(), c.levelFree);
    EXPECT_FALSE(Find<QDoubleSpinBox>(dialog, "seMasterTime")->isEnabled()) << "the Expert does not think ahead";
    Radio(dialog, "rgLevel", 0)->setChecked(true);
    dialog.Confirm();
    EXPECT_EQ(Settings.ReadString("Settings\\Level", ""), c.network ? "Expert" : "Beginner");
  }
}

// The Master's thinking time is no rule the opponent agreed to: it can be changed
// while the level is locked, and it is stored at once.
TEST_F(Customize, TheMastersThinkingTimeCanBeChangedDuringAGame) {
  Settings.WriteString("Settings\\Level", "Master");
  TCustomizeContext context;
  context.GameInProgress = true;
  TfmCustomize dialog(Settings, Stats, context, TfmCustomize::PageLevel);
  dialog.show();
  EXPECT_FALSE(Radio(dialog, "rgLevel", 3)->isEnabled());
  auto* time = Find<QDoubleSpinBox>(dialog, "seMasterTime");
  ASSERT_TRUE(time->isEnabled());
  time->setValue(3.5);
  Shoot(dialog, "customize-master-time-during-a-game");
  dialog.Confirm();
  EXPECT_EQ(Settings.ReadInt("Settings\\Master Time", 0), 3500);
  EXPECT_EQ(Settings.ReadString("Settings\\Level", ""), "Master");
}

TEST_F(Customize, TheLevelGroupOffersEveryChoiceAndOnlyTheAggressiveOnesTakeTheSlider) {
  TfmCustomize dialog(Settings, Stats, {});
  auto* levels = Find<QButtonGroup>(dialog, "rgLevel");
  ASSERT_EQ(levels->buttons().size(), static_cast<int>(LevelChoices.size()));
  for (std::size_t id = 0; id < LevelChoices.size(); ++id) {
    levels->button(static_cast<int>(id))->click();
    EXPECT_EQ(levels->button(static_cast<int>(id))->text(), LevelChoices[id].Caption);
    EXPECT_EQ(Find<QGroupBox>(dialog, "gbAggressiveness")->isEnabled(), LevelChoices[id].UsesAggressiveness);
  }
}

TEST_F(Customize, TheMasterIsStoredByNameWithItsThinkingTimeInMilliseconds) {
  Settings.WriteInt("Settings\\Master Time", 1234);
  {
    TfmCustomize dialog(Settings, Stats, {}, TfmCustomize::PageLevel);
    auto* time = Find<QDoubleSpinBox>(dialog, "seMasterTime");
    EXPECT_DOUBLE_EQ(time->value(), 1.2);
    Radio(dialog, "rgLevel", 2)->click();
    EXPECT_FALSE(time->isEnabled());
    Radio(dialog, "rgLevel", 3)->click();
    EXPECT_TRUE(time->isEnabled());
    EXPECT_FALSE(Find<QGroupBox>(dialog, "gbAggressiveness")->isEnabled());
    dialog.Confirm();
    EXPECT_EQ(Settings.ReadString("Settings\\Level", ""), "Master");
    EXPECT_EQ(Settings.ReadInt("Settings\\Master Time", 0), 1234);  // untouched: not rounded away
    time->setValue(2.5);
    dialog.Confirm();
    EXPECT_EQ(Settings.ReadInt("Settings\\Master Time", 0), 2500);
  }
  // Read back as the Master; a text no choice has shows as the Expert the computer plays.
  const std::pair<const char*, int> stored[] = {{"Master", 3}, {"Grandmaster", 2}, {"Beginner", 0}};
  for (const auto& [text, id] : stored) {
    Settings.WriteString("Settings\\Level", text);
    TfmCustomize dialog(Settings, Stats, {}, TfmCustomize::PageLevel);
    EXPECT_TRUE(Radio(dialog, "rgLevel", id)->isChecked()) << text;
    if (id == 3) Shoot(dialog, "customize-level-master");
  }
}

TEST_F(Customize, OpensOnTheRequestedPageOrTheOneLastClosed) {
  {
    TfmCustomize dialog(Settings, Stats, {}, TfmCustomize::PageGeneral);
    EXPECT_EQ(dialog.Pages()->currentIndex(), TfmCustomize::PageGeneral);
    dialog.reject();
  }
  TfmCustomize again(Settings, Stats, {});
  EXPECT_EQ(again.Pages()->currentIndex(), TfmCustomize::PageGeneral);
  TfmCustomize players(Settings, Stats, {}, TfmCustomize::PagePlayers);
  EXPECT_EQ(players.Pages()->currentIndex(), TfmCustomize::PagePlayers);
}

TEST_F(Customize, ApplyStoresAppliesTheWindowAndWaitsForTheNextChange) {
  std::vector<int> applied;
  TCustomizeContext context;
  context.ApplyWindow = [&](int size) { applied.push_back(size); };
  TfmCustomize dialog(Settings, Stats, context);
  dialog.show();
  auto* apply = Find<QPushButton>(dialog, "bnApply");
  EXPECT_FALSE(apply->isEnabled());
  Radio(dialog, "rgSize", 1)->click();
  EXPECT_TRUE(apply->isEnabled());
  apply->click();
  EXPECT_EQ(applied, std::vector<int>{1});
  EXPECT_FALSE(apply->isEnabled());
  EXPECT_TRUE(dialog.isVisible());
}

TEST_F(Customize, DeletingAndCancellingLeavesTheProfilesWhole) {
  Stats.Profiles.List = {TPlayerProfile{"Ann"}, TPlayerProfile{"Bob"}};
  Stats.Profiles.List[1].WinRatio->Wins = 6;
  Stats.Profiles.CurrentPlayer = 1;
  {
    TfmCustomize dialog(Settings, Stats, {}, TfmCustomize::PagePlayers);
    dialog.Edits().Select(1);
    OnNextModal([](QWidget* box) {
      EXPECT_EQ(qobject_cast<QMessageBox*>(box)->text(), "Do you want to delete the player Bob?");
      Answer(box, QMessageBox::Yes);
    });
    dialog.DeletePlayer();
    EXPECT_EQ(Find<QListWidget>(dialog, "lbPlayers")->count(), 1);
    EXPECT_EQ(Find<QLabel>(dialog, "lbCurrent")->text(), "Ann");
    Find<QPushButton>(dialog, "bnCancel")->click();
  }
  ASSERT_EQ(Stats.Profiles.List.size(), 2u);
  EXPECT_EQ(Stats.Profiles.PlayerName(), "Bob");
  EXPECT_EQ(Stats.Profiles.List[1].WinRatio->Wins, 6);
}

TEST_F(Customize, NamesAreTakenAndShownAsTyped) {
  TfmCustomize dialog(Settings, Stats, {}, TfmCustomize::PagePlayers);
  OnNextModal([](QWidget* input) { Type(input, ""); });  // an empty name is a Cancel
  dialog.NewPlayer();
  EXPECT_EQ(Find<QListWidget>(dialog, "lbPlayers")->count(), 0);
  OnNextModal([](QWidget* input) {
    OnNextModal([](QWidget* box) {
      EXPECT_EQ(qobject_cast<QMessageBox*>(box)->text(), "Please do not use commas in the name.");
      Answer(box, QMessageBox::Ok);
    });
    Type(input, "A,B");
  });
  dialog.NewPlayer();
  EXPECT_EQ(Find<QListWidget>(dialog, "lbPlayers")->count(), 0);
  const QString odd = "%1 <b>Ann</b> & Co";
  OnNextModal([&](QWidget* input) { Type(input, odd); });
  dialog.NewPlayer();
  auto* current = Find<QLabel>(dialog, "lbCurrent");
  EXPECT_EQ(current->text(), odd);
  EXPECT_EQ(current->textFormat(), Qt::PlainText);
  EXPECT_EQ(Find<QListWidget>(dialog, "lbPlayers")->item(0)->text(), odd);
  Find<QPushButton>(dialog, "bnOK")->click();
  EXPECT_EQ(Stats.Profiles.PlayerName(), odd);
}

TEST_F(Customize, PickingANameEnablesTheButtonsForItAndRenameMakesItCurrent) {
  Stats.Profiles.List = {TPlayerProfile{"Ann"}, TPlayerProfile{"Bob"}};
  Stats.Profiles.CurrentPlayer = 0;
  TfmCustomize dialog(Settings, Stats, {}, TfmCustomize::PagePlayers);
  auto* setCurrent = Find<QPushButton>(dialog, "bnSetCurrent");
  EXPECT_FALSE(setCurrent->isEnabled());
  EXPECT_TRUE(Find<QCheckBox>(dialog, "ckSelectPlayer")->isEnabled());
  Find<QListWidget>(dialog, "lbPlayers")->setCurrentRow(1);
  EXPECT_TRUE(setCurrent->isEnabled());
  EXPECT_TRUE(Find<QPushButton>(dialog, "bnResetStats")->isEnabled());
  OnNextModal([](QWidget* input) {
    EXPECT_EQ(qobject_cast<TNameInput*>(input)->Name(), "Bob");
    Type(input, "Rob");
  });
  dialog.RenamePlayer();
  EXPECT_EQ(Find<QLabel>(dialog, "lbCurrent")->text(), "Rob");
  EXPECT_EQ(Find<QListWidget>(dialog, "lbPlayers")->currentRow(), 1);
  EXPECT_EQ(Stats.Profiles.List[1].Name, "Bob");  // until OK
  Find<QPushButton>(dialog, "bnOK")->click();
  EXPECT_EQ(Stats.Profiles.PlayerName(), "Rob");
  EXPECT_EQ(ReadProfiles(Store).List[0].Name, "Rob");
}

TEST_F(Customize, TheNameInputTakesAtMost255Characters) {
  TNameInput input("New Player", "Enter the name of the new player:", QString(300, u'z'));
  EXPECT_EQ(input.Name().size(), 255);
}

TEST_F(Customize, PicturesOfTheFourPages) {
  Stats.Profiles.List = {TPlayerProfile{"Ann"}, TPlayerProfile{"Bob"}};
  Stats.Profiles.CurrentPlayer = 0;
  const char* names[] = {"customize-screen", "customize-players", "customize-level", "customize-general"};
  for (int page = 0; page < 4; ++page) {
    TfmCustomize dialog(Settings, Stats, {}, page);
    Shoot(dialog, names[page]);
  }
}

}  // namespace
