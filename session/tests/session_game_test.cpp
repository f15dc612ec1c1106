#include "engine/invariants.h"
#include "session/testing/never_melding_player.h"
#include "session/tests/session_fixture.h"

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {
struct SessionGame : ::testing::Test, SessionFixture {
  SessionGame() : SessionFixture(Records()) {}
  TSessionHooks Records() {
    TSessionHooks hooks;
    hooks.RecordHandScore = [this](int difference) { handScores.push_back(difference); };
    hooks.RecordMatch = [this](const TGameOverInfo& info) {
      gameOver = true;
      final = info;
    };
    return hooks;
  }
  std::vector<int> handScores;
  bool gameOver = false;
  TGameOverInfo final;
};
}  // namespace

TEST_F(SessionGame, AWholeGameAgainstTheExpertWithoutAScreen) {
  display.PlayAnotherGame = false;
  session->ApplyLayout(ComputeLayout(0, WindowSizes[0].Width));
  session->ResetAnchors();
  session->SeatComputer();
  session->DealFirstHand();
  const TTableState& t = session->Game().Table;
  int playerTurns = 0;
  for (int spins = 0; !gameOver && spins < 200000; ++spins) {
    QCoreApplication::processEvents();
    ASSERT_EQ(CheckCardConservation(t), "");
    if (session->EventsWaiting() > 0 || t.OpponentToMove || t.Phase != PhaseDraw) continue;
    PlayerDrawsAndDiscards(*session);
    ++playerTurns;
  }
  ASSERT_TRUE(gameOver) << "after " << playerTurns << " turns of the player";
  // A player who never melds cannot reach the end score: the Expert got there.
  EXPECT_GT(final.OpponentScore, 4999);
  EXPECT_FALSE(final.PlayerWon);
  EXPECT_EQ(display.HandResults.size(), handScores.size());
  EXPECT_FALSE(handScores.empty());
  EXPECT_EQ(display.Quits, 1) << "another game was declined";
  EXPECT_TRUE(display.Boxes.empty());
}
