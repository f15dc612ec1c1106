#include "ai/tests/ai_fixture.h"
#include "engine/meld_checks.h"

using namespace tarvelo;

using Legality = ComputerTest;

namespace {
// A canasta with wildcards that the Expert's building prescribes and the checks
// refuse: against 120 points it would be the first meld, and too small.
constexpr const char* ShortFirstMeld =
    "opp: 8D 9H 2S 9S 4H 2C 4C 8D 4D 2C 4D 8C 9S 8S JC 9D; oppmelds: 3D 3H; pile: 4C";

// A pile take after which the Beginner would lay its last card, a wildcard,
// onto a meld it does not complete, short of a canasta: against 125 points
// the first meld uses the whole hand.
constexpr const char* EmptyingTake = "opp: 9S 7C 7C TH TD 7D 9D TS 5D 5H 2H 7S 9C 7D 2C; pile: 7H; hand: 4C 6C";
}  // namespace

TEST_F(Legality, AStepThatBreaksTheRulesIsNotMadeAndTheTurnGoesOnWithoutIt) {
  t.OpponentScore = 3000;
  Lay(ShortFirstMeld, LevelExpert);
  const std::string hand = Hand();
  computer.CheckLegality = true;
  std::vector<std::string> skipped;
  computer.MoveSkipped = [&](const std::string& what) { skipped.push_back(what); };
  computer.buildCanastas();
  ASSERT_FALSE(skipped.empty());
  EXPECT_EQ(skipped[0], "a canasta with wildcards: your first meld must be at least 120 points (currently 100 points)");
  EXPECT_EQ(Hand(), hand);
  EXPECT_EQ(CardNames(t.OpponentMelds), "3D 3H");
  // The refused steps were tried out unseen: no card was shown moving.
  EXPECT_TRUE(host.Animations.empty());
}

TEST_F(Legality, WithoutTheChecksTheStepIsMadeAsPrescribed) {
  t.OpponentScore = 3000;
  Lay(ShortFirstMeld, LevelExpert);
  computer.buildCanastas();
  EXPECT_EQ(StepMeldFault(game, Seat::Opponent, 120).rfind("your first meld must be at least 120 points", 0), 0u);
}

// The rules judge each of the computer's moves, whether or not its steps are
// tried out first: the wildcard that would empty its hand is not laid, and the
// last wildcard goes where it completes a canasta, so that the computer goes out.
TEST_F(Legality, TheRulesRefuseTheMoveThatWouldEmptyTheHandWithoutACanasta) {
  for (const bool checks : {true, false}) {
    SCOPED_TRACE(checks ? "with the checks" : "without the checks");
    game.Rules.TopCardCounts = false;
    game.Rules.NaturalPair = false;
    t.OpponentScore = 3000;
    host.HandResults.clear();
    Lay(EmptyingTake);
    computer.CheckLegality = checks;
    std::vector<std::string> skipped;
    computer.MoveSkipped = [&](const std::string& what) { skipped.push_back(what); };
    PlayWholeTurn();
    ASSERT_FALSE(skipped.empty());
    for (const std::string& what : skipped)
      EXPECT_EQ(what, "refused meld a wildcard: the last card goes onto the table only to complete a canasta");
    // The hand was scored with the computer's finish bonus: it went out.
    ASSERT_EQ(host.HandResults.size(), 1u);
    EXPECT_GT(host.HandResults[0].Opponent.Rows[RowFinishBonus].Value, 0);
    EXPECT_EQ(host.HandResults[0].Opponent.Rows[RowCardsInHand].Value, 0);
  }
}
