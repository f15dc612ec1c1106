// Whole games between two sessions through a real lobby: the moves of each
// side reach the other and both tables hold the same cards throughout.
#include "net/selfplay/network_match.h"

#include "lobby/testing/irc_network.h"
#include "lobby/testing/lobby_fixture.h"
#include "lobby/testing/raw_player.h"

#include <gtest/gtest.h>

using namespace tarvelo;

TEST(NetworkMatch, WholeGamesThroughTheLobbyKeepBothTablesAlike) {
  LobbyTestApp();
  TIrcNetwork network;
  TARVELO_START_LOBBY(network);
  TSelfPlayOptions options;
  options.Match.Levels = {LevelExpert, LevelBeginner};
  options.Match.Games = 2;
  options.Pairs = 2;
  options.Lobby = "127.0.0.1:" + std::to_string(network.Port());
  TNetworkFigures figures;
  std::string error;
  const TMatchResults results = PlayNetworkMatch(options, figures, error);
  EXPECT_EQ(error, "");
  EXPECT_EQ(results.Abandoned, 0);
  EXPECT_EQ(results.Games, 4) << "two games of each pair";
  EXPECT_EQ(results.Wins[SidePlayer] + results.Wins[SideOpponent] + results.Draws, 4);
  EXPECT_GT(results.Hands, 4);
  EXPECT_EQ(figures.MirrorFaults, 0) << figures.FirstMirrorFault;
  EXPECT_GT(figures.LatencyMs.size(), 200u) << "every message measured";
}
