#include "ui/dialogs/hiscores_dialog.h"
#include "ui/dialogs/match_history_dialog.h"
#include "ui/dialogs/select_player_dialog.h"
#include "ui/dialogs/tests/statistics_dialogs_fixture.h"
#include "ui/dialogs/win_ratio_dialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>

using namespace tarvelo;

namespace {

using HallOfFame = TStatisticsDialogTest;

TEST_F(HallOfFame, ShowsTheNewEntryInBoldAndEmptyRanksAsEmpty) {
  Stats.Prompts.AskName = [](THighScoreSet, const QString&) { return QString("<b>Ann</b>"); };
  Stats.HandEnded(500);
  const int rank = Stats.RecordHighScore(SetHand, 300);  // the name asked at this hand end is kept
  ASSERT_EQ(rank, 2);
  TfmHighscores dialog(Stats, 0, SetHand, rank);
  QTableWidget* table = dialog.Table();
  EXPECT_EQ(table->item(1, 1)->text(), "<b>Ann</b>");
  EXPECT_EQ(table->item(1, 3)->text(), "300");
  EXPECT_TRUE(table->item(1, 1)->font().bold());
  EXPECT_FALSE(table->item(0, 1)->font().bold());
  EXPECT_EQ(table->item(2, 1)->text(), "< Empty >");
  EXPECT_EQ(table->item(9, 0)->text(), "10");
  Shoot(dialog, "hall-of-fame");
  // Another table shows with normal fonts, also when the first comes back.
  dialog.findChild<QButtonGroup*>()->button(1)->click();
  dialog.findChild<QButtonGroup*>()->button(0)->click();
  EXPECT_FALSE(table->item(1, 1)->font().bold());
}

TEST_F(HallOfFame, ClearAsksAndEmptiesTheLevelsTableOfThatSet) {
  Stats.ComputerLevel = [] { return 2; };
  Stats.HandEnded(700);
  Stats.RecordHighScore(SetMatch, 900);
  TfmHighscores dialog(Stats, 2, SetHand);
  for (auto answer : {QMessageBox::No, QMessageBox::Yes}) {
    OnNextModal([answer](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->text(), "Are you sure you want to clear all highscores for the Expert level?");
      box->button(answer)->click();
    });
    dialog.findChild<QPushButton*>("bnClear")->click();
    EXPECT_EQ(dialog.Table()->item(0, 3)->text(), answer == QMessageBox::Yes ? "" : "700");
  }
  EXPECT_TRUE(Stats.HighScores.Table(SetHand, 2)[0].Empty());
  EXPECT_EQ(Stats.HighScores.Table(SetMatch, 2)[0].Score, 900);
}

TEST_F(HallOfFame, TheMasterHasItsOwnTablesBetweenTheExpertAndTheNetwork) {
  Stats.ComputerLevel = [] { return MasterHighScoreLevel; };
  Stats.HandEnded(650);
  Stats.ComputerLevel = [] { return 2; };
  Stats.HandEnded(100);
  TfmHighscores dialog(Stats, MasterHighScoreLevel, SetHand, 1);
  const QList<QAbstractButton*> levels = dialog.findChild<QGroupBox*>("rgLevel")->findChild<QButtonGroup*>()->buttons();
  QStringList captions;
  for (QAbstractButton* button : levels) captions << button->text();
  EXPECT_EQ(captions, QStringList({"&Beginner", "&Advanced", "&Expert", "Ma&ster", "&Network"}));
  EXPECT_TRUE(levels[3]->isChecked());
  EXPECT_EQ(dialog.Table()->item(0, 3)->text(), "650");
  Shoot(dialog, "hall-of-fame-master");
  levels[2]->click();
  EXPECT_EQ(dialog.Table()->item(0, 3)->text(), "100");
  levels[3]->click();
  OnNextModal([](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "Are you sure you want to clear all highscores for the Master level?");
    box->button(QMessageBox::Yes)->click();
  });
  dialog.findChild<QPushButton*>("bnClear")->click();
  EXPECT_TRUE(Stats.HighScores.Table(SetHand, MasterHighScoreLevel)[0].Empty());
  EXPECT_EQ(Stats.HighScores.Table(SetHand, 2)[0].Score, 100);
  EXPECT_FALSE(Store.KeyExists("Master"));
}

using WinRatioDialog = TStatisticsDialogTest;

TEST_F(WinRatioDialog, ListsPlayersSortedAndShowsTheRatio) {
  Stats.Profiles.List = {TPlayerProfile{"Zoe"}, TPlayerProfile{"Ann"}, TPlayerProfile{"Moe & <i>Co"}};
  *Stats.Profiles.List[0].WinRatio = {3, 1};
  *Stats.Profiles.List[1].WinRatio = {1, 2};
  Stats.Profiles.CurrentPlayer = 0;
  TfmWinRatio dialog(Stats);
  auto* players = dialog.findChild<QComboBox*>("cbPlayer");
  EXPECT_EQ(players->itemText(0), "Ann");
  EXPECT_EQ(players->itemText(1), "Moe & <i>Co");
  EXPECT_EQ(players->currentText(), "Zoe");
  EXPECT_EQ(dialog.findChild<QLabel*>("lbRatio")->text(), "75%");
  Shoot(dialog, "win-ratio");
  players->setCurrentIndex(0);
  EXPECT_EQ(dialog.findChild<QLabel*>("lbRatio")->text(), "33%");
  OnNextModal([](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    EXPECT_EQ(box->text(), "Do you want to reset the win ratio statistics for player Ann?");
    box->button(QMessageBox::Yes)->click();
  });
  dialog.findChild<QPushButton*>("bnReset")->click();
  EXPECT_EQ(dialog.findChild<QLabel*>("lbRatio")->text(), "?");
  EXPECT_EQ(ReadProfiles(Store).List[1].Name, "Ann");  // written: Zoe, the current one, comes first
  EXPECT_EQ(ReadProfiles(Store).List[1].WinRatio->Wins, 0);
}

TEST_F(WinRatioDialog, TheMatchHistoryListsEveryLineNewestFirst) {
  Stats.MatchEnded(5100, 300, "Computer");
  TfmMatchHistory dialog(Stats.MatchHistory());
  auto* list = dialog.findChild<QListWidget*>("lbHistory");
  ASSERT_EQ(list->count(), 100);
  EXPECT_TRUE(list->item(0)->text().endsWith(": Player - Computer: 5100 - 300, winner: Player"));
  EXPECT_EQ(list->item(1)->text(), "");
  Shoot(dialog, "match-history");
}

TEST_F(WinRatioDialog, TheChooserAtStartAppearsOnlyForTwoOrMoreProfilesWhenAsked) {
  struct Case {
    int profiles;
    bool asked, shown;
  } cases[] = {{1, true, false}, {2, false, false}, {2, true, true}, {0, true, false}};
  for (const Case& c : cases) {
    TPlayerProfiles profiles;
    for (int i = 0; i < c.profiles; ++i) profiles.List.push_back(TPlayerProfile{QString("P%1").arg(i)});
    profiles.CurrentPlayer = c.profiles > 0 ? 0 : -1;
    if (c.shown)
      OnNextModal([](QWidget* modal) {
        modal->findChild<QListWidget*>("lbPlayers")->setCurrentRow(1);
        modal->findChild<QPushButton*>("bnOK")->click();
      });
    EXPECT_EQ(SelectPlayerAtStart(profiles, c.asked), c.shown);
    EXPECT_EQ(profiles.CurrentPlayer, c.shown ? 1 : profiles.CurrentPlayer);
  }
  TPlayerProfiles two;
  two.List = {TPlayerProfile{"Ann"}, TPlayerProfile{"Bob"}};
  two.CurrentPlayer = 0;
  TfmSelectPlayer chooser(two);
  Shoot(chooser, "select-player");
}

}  // namespace
