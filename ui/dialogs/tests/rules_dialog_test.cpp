#include "ui/dialogs/rules_dialog.h"

#include "engine/game.h"
#include "engine/rule_changes.h"
#include "engine/testing/recording_host.h"
#include "ui/testing/qt_test_app.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <functional>
#include <gtest/gtest.h>

using namespace tarvelo;

namespace {
struct RulesDialog : ::testing::Test {
  RulesDialog() { TestApp(); }
  TRecordingHost host;
  TGame game{host};
  // What the session does with the rules of OK.
  TfmRules::TApplyRules apply = [this](const TRuleSettings& rules) {
    StoreRules(host, rules);
    ApplyRuleChange(game, rules);
  };

  template <typename T>
  static T* Find(QWidget& dialog, const char* name) {
    T* child = dialog.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  static QCheckBox* Check(QWidget& d, const char* name) { return Find<QCheckBox>(d, name); }
};
}  // namespace

TEST_F(RulesDialog, DependentOptionsAreEnabledOnlyUnderTheirParent) {
  TfmRules dialog(game, apply);
  QCheckBox* initFreeze = Check(dialog, "ckInitFreeze");
  QCheckBox* initBlock = Check(dialog, "ckInitBlock");
  QCheckBox* naturalPair = Check(dialog, "ckNaturalPair");
  QCheckBox* addExisting = Check(dialog, "ckAddExisting");
  EXPECT_TRUE(initBlock->isEnabled());
  EXPECT_TRUE(addExisting->isEnabled());
  initFreeze->setChecked(false);
  EXPECT_FALSE(initBlock->isEnabled());
  EXPECT_TRUE(initBlock->isChecked());  // the check mark stays
  naturalPair->setChecked(false);
  EXPECT_FALSE(addExisting->isEnabled());
  naturalPair->setChecked(true);
  EXPECT_TRUE(addExisting->isEnabled());
}

TEST_F(RulesDialog, RequiredCaptionFollowsTheNumberOfCanastas) {
  TfmRules dialog(game, apply);
  QCheckBox* required = Check(dialog, "ckRequired");
  EXPECT_EQ(required->text(), "At least one Canasta required for positive score");
  Find<QButtonGroup>(dialog, "rgGoOut")->button(1)->click();
  EXPECT_EQ(required->text(), "At least two Canastas required for positive score");
}

TEST_F(RulesDialog, HoylePresetSetsTheControlsButNotTheRecordUntilOk) {
  TfmRules dialog(game, apply);
  Find<QPushButton>(dialog, "bnHoyle")->click();
  EXPECT_EQ(dialog.ControlRules(), HoyleRules());
  EXPECT_FALSE(Check(dialog, "ckAddExisting")->isChecked());
  EXPECT_EQ(Find<QButtonGroup>(dialog, "rgGoOut")->checkedId(), 1);
  EXPECT_EQ(Find<QButtonGroup>(dialog, "rgDrawn")->checkedId(), 1);
  EXPECT_EQ(game.Rules, TRuleSettings{});
  Find<QPushButton>(dialog, "bnOK")->click();
  EXPECT_EQ(game.Rules, HoyleRules());
  EXPECT_EQ(LoadRules(host), HoyleRules());  // stored under their keys
}

TEST_F(RulesDialog, InitialFreezeChangeFreezesThePileAtOnce) {
  game.Table.PileFrozen = true;
  TfmRules dialog(game, apply);
  Check(dialog, "ckInitFreeze")->setChecked(false);
  Find<QPushButton>(dialog, "bnOK")->click();
  EXPECT_FALSE(game.Rules.InitialBlock);
  EXPECT_FALSE(game.Table.PileFrozen);
  EXPECT_EQ(host.Settings.at("settings\\initial block"), "0");
  EXPECT_EQ(host.Settings.at("settings\\initial block for both"), "1");  // written though disabled
}

TEST_F(RulesDialog, CancelChangesNothing) {
  TfmRules dialog(game, apply);
  Check(dialog, "ckBonus")->setChecked(true);
  Find<QPushButton>(dialog, "bnCancel")->click();
  EXPECT_EQ(game.Rules, TRuleSettings{});
  EXPECT_TRUE(host.Settings.empty());
}

TEST_F(RulesDialog, GameInProgressLocksEveryControlButOk) {
  game.Table.GameInProgress = true;
  game.Table.PileFrozen = true;
  TfmRules dialog(game, apply);
  EXPECT_FALSE(Find<QLabel>(dialog, "lbWarning")->isHidden());
  for (QCheckBox* box : dialog.findChildren<QCheckBox*>())
    EXPECT_FALSE(box->isEnabled()) << box->objectName().toStdString();
  for (QRadioButton* radio : dialog.findChildren<QRadioButton*>()) EXPECT_FALSE(radio->isEnabled());
  EXPECT_FALSE(Find<QPushButton>(dialog, "bnHoyle")->isEnabled());
  EXPECT_TRUE(Find<QPushButton>(dialog, "bnOK")->isEnabled());
  Find<QPushButton>(dialog, "bnOK")->click();
  EXPECT_EQ(game.Rules, TRuleSettings{});
  EXPECT_TRUE(game.Table.PileFrozen);

  game.Table.GameInProgress = false;
  TfmRules unlocked(game, apply);
  EXPECT_TRUE(Find<QLabel>(unlocked, "lbWarning")->isHidden());
}

TEST_F(RulesDialog, OpensOnTheRequestedOrTheLastPage) {
  {
    TfmRules dialog(game, apply, TfmRules::PageCanastas);
    EXPECT_EQ(dialog.findChild<QTabWidget*>()->currentIndex(), TfmRules::PageCanastas);
    dialog.findChild<QTabWidget*>()->setCurrentIndex(TfmRules::PageRedThrees);
  }
  TfmRules again(game, apply);
  EXPECT_EQ(again.findChild<QTabWidget*>()->currentIndex(), TfmRules::PageRedThrees);
}

// The dialog keeps one size whichever page is shown and whichever caption the
// "required" option has, and opens at that size with one or two canastas to go out.
TEST_F(RulesDialog, SizeStaysWhilePagesAndCaptionsChange) {
  QSize first;
  for (const int canastas : {1, 2}) {
    game.Rules.NumberOfCanastas = canastas;
    TfmRules dialog(game, apply, TfmRules::PageDiscardPile);
    dialog.show();
    QApplication::processEvents();
    if (first.isEmpty()) first = dialog.size();
    EXPECT_EQ(dialog.size(), first) << canastas << " canastas";
    auto* pages = dialog.findChild<QTabWidget*>();
    QButtonGroup* goOut = Find<QButtonGroup>(dialog, "rgGoOut");
    const std::function<void()> steps[] = {
        [&] { pages->setCurrentIndex(TfmRules::PageRedThrees); },
        [&] { pages->setCurrentIndex(TfmRules::PageCanastas); },
        [&] { goOut->button(1)->click(); },
        [&] { goOut->button(0)->click(); },
        [&] { Find<QPushButton>(dialog, "bnHoyle")->click(); },
        [&] { pages->setCurrentIndex(TfmRules::PageOther); },
    };
    for (std::size_t step = 0; step < std::size(steps); ++step) {
      steps[step]();
      QApplication::processEvents();
      EXPECT_EQ(dialog.size(), first) << canastas << " canastas, step " << step;
    }
  }
}
