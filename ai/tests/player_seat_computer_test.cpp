// A computer level in the player's seat makes its turns as the player's own
// moves: whole games end without a turn refused and with every card kept.
#include "ai/selfplay/player_seat_computer.h"

#include "engine/invariants.h"
#include "engine/testing/recording_observer.h"

#include <gtest/gtest.h>

using namespace tarvelo;

TEST(PlayerSeatComputer, WholeGamesArePlayedAsThePlayersOwnMoves) {
  for (const int level : {LevelBeginner, LevelAdvanced, LevelExpert, LevelMaster}) {
    SCOPED_TRACE(level);
    TSelfPlayHost host;
    host.Random.Seed(static_cast<std::uint32_t>(level + 3));
    TGame game(host);
    TRecordingObserver reports;
    game.SetObserver(&reports);
    TComputerPlayer opponent(game);
    opponent.Settings.computerLevel = LevelAdvanced;
    TPlayerSeatComputer player({.computerLevel = level, .MasterSamples = 2});
    game.ChooseFirstDrawer();
    game.DealHand(true);
    int refused = 0, turns = 0;
    for (; !host.GameOver && turns < 3000; ++turns) {
      if (host.TurnPending) {
        host.TurnPending = false;
        opponent.playComputerTurn();
      } else {
        refused += player.PlayTurn(game) ? 0 : 1;
      }
      ASSERT_EQ(CheckCardConservation(game.Table), "") << "turn " << turns;
    }
    EXPECT_TRUE(host.GameOver) << "the game ends";
    EXPECT_EQ(refused, 0) << "every turn made as the computer played it";
    const std::vector<TMoveKind> kinds = reports.MoveKinds();
    for (const TMoveKind kind : {TMoveKind::Draw, TMoveKind::Meld, TMoveKind::Discard})
      EXPECT_NE(std::find(kinds.begin(), kinds.end(), kind), kinds.end()) << "the player's own moves are reported";
  }
}
