#include "ai/selfplay/turn_check.h"

#include "ai/tests/ai_fixture.h"

using namespace tarvelo;

struct TurnCheck : ComputerTest {};

TEST_F(TurnCheck, ALegalTurnHasNoFault) {
  Lay("opp: 5C 9D; oppmelds: KS KS KC KD KH 3H; hand: 7S 7D AH");
  const TTurnStart start = RecordTurnStart(game);
  EXPECT_TRUE(CheckFinishedTurn(game, start).empty());
}

TEST_F(TurnCheck, MeldsThePlayerCouldNotLeaveAreFound) {
  Lay("opp: 5C 9D; oppmelds: KS KS 9S 9H 9D; hand: 7S");
  const TTurnStart start = RecordTurnStart(game);
  const auto faults = CheckFinishedTurn(game, start);
  ASSERT_EQ(faults.size(), 1u);
  EXPECT_EQ(faults[0], "every melded rank must contain at least three cards");
}

TEST_F(TurnCheck, TheMinimumIsTheOneInForceWhenTheTurnBegan) {
  t.OpponentScore = 1400;
  Lay("opp: 5C 9D; oppmelds: KS KS KC 9S 9H 9D; hand: 7S");
  const TTurnStart start = RecordTurnStart(game);
  t.OpponentScore = 3100;  // the hand was scored before the check
  EXPECT_TRUE(CheckFinishedTurn(game, start).empty());
}

TEST_F(TurnCheck, AFirstMeldWithThePileMustReachTheRaisedMinimumWhenTheTopCardDoesNotCount) {
  Lay("opp: 5C 9D KH KS 5S 5S 5D; pile: 4D KD; hand: 7S");
  const TTurnStart start = RecordTurnStart(game);
  // The take as it ended: 50 points, where the king on top raised the minimum to 60.
  Lay("opp: 9D 4D; oppmelds: KD KH KS 5S 5S 5D 5C; hand: 7S");
  EXPECT_TRUE(CheckFinishedTurn(game, start).empty());
  game.Rules.TopCardCounts = false;
  const auto faults = CheckFinishedTurn(game, start);
  ASSERT_EQ(faults.size(), 1u);
  EXPECT_EQ(faults[0], "your first meld must be at least 60 points (currently 50 points)");
}

TEST_F(TurnCheck, ALostCardIsFound) {
  Lay("opp: 5C 9D; hand: 7S");
  const TTurnStart start = RecordTurnStart(game);
  PopTop(t.Stock);
  const auto faults = CheckFinishedTurn(game, start);
  ASSERT_FALSE(faults.empty());
  EXPECT_EQ(faults[0].rfind("cards: ", 0), 0u);
}
