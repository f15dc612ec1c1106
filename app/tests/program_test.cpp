// Whole programs as main() builds them, each over store locations of its own.
#include "app/program.h"

#include "app/tests/program_fixture.h"
#include "app/tests/quick_expert_settings.h"
#include "engine/testing/table_builder.h"
#include "lobby/window/lobby_window.h"
#include "sound/testing/fake_audio.h"
#include "store/player_profiles.h"
#include "store/saved_game_file.h"
#include "ui/dialogs/select_player_dialog.h"
#include "ui/testing/qt_test_app.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

TEST_F(Programs, TwoProgramsKeepTheirOwnSettingsAndSavedGames) {
  QTemporaryDir homeA, homeB;
  {
    auto a = Make(homeA);
    auto b = Make(homeB);
    Start(*a);
    Start(*b);
    a->Settings().WriteInt("Settings\\Background Color", 0x123456);
    EXPECT_EQ(b->Settings().ReadInt("Settings\\Background Color", 0x008000), 0x008000);
    // A's game in progress is kept at A's exit; B has none to keep.
    TGame& game = a->Session().MutableGame();
    TTableBuilder(game).Build("hand: 7H 7S 4D; melds: KH KS KD 9C 9S 9D; pile: 8C").PlayerHasDrawn();
    game.Table.GameInProgress = true;
    a->Window().close();
    b->Window().close();
  }
  const QString autoSave = QString(AutoSaveFileName);
  EXPECT_TRUE(QFileInfo::exists(QDir(LocationsIn(homeA).DataFolder).filePath(autoSave)));
  EXPECT_FALSE(QFileInfo::exists(QDir(LocationsIn(homeB).DataFolder).filePath(autoSave)));

  // Started again, each reads its own store: A its colour and its game, B a deal.
  auto a = Make(homeA);
  auto b = Make(homeB);
  EXPECT_EQ(a->Settings().ReadInt("Settings\\Background Color", 0x008000), 0x123456);
  EXPECT_EQ(b->Settings().ReadInt("Settings\\Background Color", 0x008000), 0x008000);
  Start(*a);
  Start(*b);
  EXPECT_EQ(FirstGame(*a).PlayerHand.Count, 3);
  EXPECT_EQ(FirstGame(*b).PlayerHand.Count, 15);
}

TEST_F(Programs, TheWindowComesFirstAndThePlayerIsChosenBeforeTheFirstHand) {
  QTemporaryDir home;
  {
    TdmMain store(LocationsIn(home));
    TPlayerProfiles profiles;
    profiles.List = {TPlayerProfile{"Ann"}, TPlayerProfile{"Bob"}};
    profiles.CurrentPlayer = 0;
    ASSERT_TRUE(WriteProfiles(store.rfMain, profiles));
  }
  auto program = Make(home);
  int choosers = 0;
  OnModal = [&](QWidget* modal) {
    if (!qobject_cast<TfmSelectPlayer*>(modal)) return;
    ++choosers;
    EXPECT_TRUE(program->Window().isVisible());
    EXPECT_FALSE(program->Window().tmSplash.isActive()) << "the first hand waits for the choice";
    EXPECT_EQ(program->Session().Game().Table.PlayerHand.Count, 0);
  };
  EXPECT_EQ(program->Records(), nullptr);
  EXPECT_FALSE(program->Window().Action("Hiscores1")->isEnabled());
  EXPECT_FALSE(program->Window().Action("Sound1")->isEnabled());
  Start(*program);
  EXPECT_EQ(choosers, 1);
  EXPECT_TRUE(program->Window().tmSplash.isActive());
  for (const char* item : {"Hiscores1", "WinRatio1", "MatchHistory1", "Customize1", "Sound1", "Load1", "Save1"})
    EXPECT_TRUE(program->Window().Action(item)->isEnabled()) << item;
  EXPECT_EQ(program->Session().PlayerName(), "Ann");
  EXPECT_EQ(FirstGame(*program).PlayerHand.Count, 15);

  // Without the setting, nobody is asked.
  program.reset();
  {
    auto again = Make(home);
    again->Settings().WriteBool("Settings\\Select Player on startup", false);
    Start(*again);
  }
  EXPECT_EQ(choosers, 1);
}

// The lobby link at start opens the lobby before the first hand; F5 at any time.
TEST_F(Programs, ALobbyLinkOpensTheLobbyBeforeTheFirstHand) {
  QTemporaryDir home;
  std::vector<int> handsAtLobby;
  OnModal = [&](QWidget* modal) {
    if (qobject_cast<TfmLobbyGS*>(modal)) handsAtLobby.push_back(program_->Session().Game().Table.PlayerHand.Count);
  };
  program_ = Make(home, {"tarvelo:127.0.0.1"});
  Start(*program_);
  EXPECT_TRUE(handsAtLobby.empty());
  EXPECT_EQ(FirstGame(*program_).PlayerHand.Count, 15);
  EXPECT_EQ(handsAtLobby, std::vector<int>({0}));
  QAction* item = program_->Window().Action("Lobby1");
  EXPECT_EQ(item->shortcut(), QKeySequence(Qt::Key_F5));
  item->trigger();
  ASSERT_EQ(handsAtLobby.size(), 2u);
  program_.reset();

  QTemporaryDir plainHome;
  program_ = Make(plainHome);
  Start(*program_);
  FirstGame(*program_);
  EXPECT_EQ(handsAtLobby.size(), 2u) << "no lobby link, no lobby";
}

}  // namespace
