// Whole games in the window with two player profiles: the win ratio, the match
// history and the hall of fame as the program keeps them, read back at a restart.
#include "app/tests/quick_expert_settings.h"
#include "session/testing/never_melding_player.h"
#include "store/match_history.h"
#include "store/registry_enhanced.h"
#include "store/store_settings.h"
#include "ui/dialogs/customize_dialog.h"
#include "ui/dialogs/hiscores_dialog.h"
#include "ui/player_records.h"
#include "ui/testing/qt_test_app.h"
#include "ui/testing/table_window.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

struct ProfilesInWindow : ::testing::Test {
  ProfilesInWindow() {
    TestApp();
    WriteQuickExpertSettings(settings);
    TPlayerProfiles profiles;
    profiles.List = {TPlayerProfile{"Ann"}, TPlayerProfile{"Bob"}};
    profiles.CurrentPlayer = 0;
    WriteProfiles(store, profiles);
    records = std::make_unique<TPlayerRecords>(store, settings);
    records->Statistics.Now = [] { return QDateTime(QDate(2026, 3, 14), QTime(15, 9)); };
  }

  // A window as main() makes it, played until the game is over.
  TGameOverInfo PlayAGame() {
    TSessionHooks sessionHooks;
    records->AddTo(sessionHooks);
    TGameOverInfo final;
    bool over = false;
    auto record = sessionHooks.RecordMatch;
    sessionHooks.RecordMatch = [&](const TGameOverInfo& info) {
      over = true;
      final = info;
      record(info);
    };
    const auto window = tables.Open(settings, {}, {}, sessionHooks);
    records->Attach(*window);
    records->Statistics.NetworkGame = networkGame;
    window->Session().SeatComputer();
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      if (auto* fame = qobject_cast<TfmHighscores*>(dialog)) NoteBoldRow(*fame);
      over ? dialog->reject() : dialog->accept();
    });
    closer.start(5);
    window->show();
    window->EndStartUp();
    for (int spins = 0; !over && spins < 200000; ++spins) {
      QApplication::processEvents();
      const TTableState& t = window->Game().Table;
      if (!t.OpponentToMove && t.Phase == PhaseDraw) PlayerDrawsAndDiscards(window->Session());
    }
    EXPECT_TRUE(over);
    return final;
  }

  void NoteBoldRow(TfmHighscores& fame) {
    for (int row = 0; row < HighScoreRanks; ++row)
      if (fame.Table()->item(row, 1)->font().bold())
        boldRows.emplace_back(row + 1, fame.Table()->item(row, 1)->text(), fame.Table()->item(row, 3)->text());
  }

  // Makes Bob current through the window's command that opens the "Players" page.
  void ChooseBob(TfmTvlMain& window) {
    QTimer::singleShot(0, [] {
      auto* dialog = qobject_cast<TfmCustomize*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      EXPECT_EQ(dialog->Pages()->currentIndex(), TfmCustomize::PagePlayers);
      dialog->Edits().Select(1);
      dialog->SetCurrentPlayer();
      dialog->findChild<QPushButton*>("bnOK")->click();
    });
    TCommandEvent command(0);
    QApplication::sendEvent(&window, &command);
  }

  QTemporaryDir dir;
  TRegistryEnhanced store{dir.filePath("Tarvelo.conf"), QString()};
  TStoreSettings settings{store};
  std::unique_ptr<TPlayerRecords> records;
  TNetworkGameQuery networkGame;
  std::vector<std::tuple<int, QString, QString>> boldRows;  // rank, name, score
  TTableWindows tables;
};

TEST_F(ProfilesInWindow, TwoProfilesPlayWholeGamesAndTheirRecordsSurviveARestart) {
  const TGameOverInfo first = PlayAGame();
  EXPECT_FALSE(first.PlayerWon);
  EXPECT_TRUE(boldRows.empty());  // a player who never melds enters no hand of his own

  {
    TTableWindows windows;
    TSessionHooks sessionHooks;
    records->AddTo(sessionHooks);
    const auto window = windows.Open(settings, {}, {}, sessionHooks);
    EXPECT_EQ(window->ProposedFileName(), "Ann.tvl");
    records->Attach(*window);
    ChooseBob(*window);
    EXPECT_EQ(window->ProposedFileName(), "Bob.tvl");
  }
  // The second game stands for a network game through the one query the
  // records ask: every lost hand enters the opponent with its margin.
  networkGame = [] { return std::optional<QString>("Zed"); };
  const TGameOverInfo second = PlayAGame();

  TStatistics& stats = records->Statistics;
  EXPECT_EQ(stats.Profiles.List[0].WinRatio->Losses, 1);
  EXPECT_EQ(stats.Profiles.List[0].WinRatio->Wins, 0);
  EXPECT_EQ(stats.Profiles.List[1].WinRatio->Losses, 1);
  EXPECT_EQ(stats.Profiles.List[1].WinRatio->Wins, 0);
  const QString when = QLocale().toString(QDateTime(QDate(2026, 3, 14), QTime(15, 9)), QLocale::ShortFormat);
  const QStringList history = ReadMatchHistory(store);
  EXPECT_EQ(history[0], QString("%1: Bob - Computer: %2 - %3, winner: Computer")
                            .arg(when)
                            .arg(second.PlayerScore)
                            .arg(second.OpponentScore));
  EXPECT_EQ(history[1], QString("%1: Ann - Computer: %2 - %3, winner: Computer")
                            .arg(when)
                            .arg(first.PlayerScore)
                            .arg(first.OpponentScore));

  ASSERT_FALSE(boldRows.empty());
  const auto& [rank, name, score] = boldRows.front();
  EXPECT_EQ(rank, 1);  // the first hand of an empty table
  EXPECT_EQ(name, "Zed");
  const THighScoreEntry& entry = stats.HighScores.Table(SetHand, NetworkHighScoreLevel)[rank - 1];
  EXPECT_EQ(entry.Name, "Zed");
  EXPECT_EQ(stats.HighScores.Table(SetMatch, NetworkHighScoreLevel)[0].Score,
            second.OpponentScore - second.PlayerScore);

  // A restart reads everything back: Bob, the current player, comes first.
  const QString copy = dir.filePath("restarted.conf");
  ASSERT_TRUE(QFile::copy(store.UserFile(), copy));
  TRegistryEnhanced restartedStore(copy, QString());
  TStoreSettings restartedSettings(restartedStore);
  TPlayerRecords restarted(restartedStore, restartedSettings);
  const TPlayerProfiles& profiles = restarted.Statistics.Profiles;
  ASSERT_EQ(profiles.List.size(), 2u);
  EXPECT_EQ(profiles.PlayerName(), "Bob");
  EXPECT_EQ(profiles.List[1].Name, "Ann");
  EXPECT_EQ(profiles.List[1].WinRatio->Losses, 1);
  EXPECT_EQ(restarted.Statistics.MatchHistory(), history);
  EXPECT_EQ(restarted.Statistics.HighScores.Table(SetHand, NetworkHighScoreLevel),
            stats.HighScores.Table(SetHand, NetworkHighScoreLevel));
  EXPECT_EQ(restartedSettings.ReadInt("Settings\\Aggression", -1), 0);
}

}  // namespace
