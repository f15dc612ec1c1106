#include "ai/meld_legality.h"
#include "ai/tests/ai_fixture.h"

using namespace tarvelo;

using Legality = ComputerTest;

struct FaultCase {
  const char* table;
  int minimum;
  const char* fault;
};

TEST_F(Legality, TheComputersMeldsAreJudgedAsThePlayersFinishedTurn) {
  const FaultCase cases[] = {
      {"opp: 5D 6D; oppmelds: KS KS KC 9D 9S", 50, "every melded rank must contain at least three cards"},
      {"opp: 5D 6D; oppmelds: KS KS KC 9D 9S 9H", 90,
       "your first meld must be at least 90 points (currently 60 points)"},
      {"opp: 5D 6D; oppmelds: KS KS KC JK>K JK>K 2C>K 2D>K", 50, "there are too many wildcards within one rank"},
      {"opp: 5D 6D; oppmelds: KS KS KC 3S 3S 3C", 15, "the Black Threes have not been melded correctly"},
      {"opp: 5D 6D; oppmelds: KS KS KC 2S 2D 2C", 15, "wildcards must be melded as a canasta"},
      {"opp: ; oppmelds: KS KS KC KD KD KH", 50, "the hand was emptied without the canastas to go out"},
      {"opp: 5D 6D; oppmelds: KS KS KC 9D 9S 9H 3D", 50, ""},
      {"opp: 5D 6D; oppmelds: 3D", 50, ""},
      // Going out, the minimum does not hold and three black threes may lie on the table.
      {"opp: 5D; oppmelds: 4S 4S 4C 4C 4D 4D 4H 3S 3S 3C", 120, ""},
      {"opp: 5D 6D; oppmelds: 4S 4S 4C 4C 4D 4D 4H 3S 3S 3C", 15, "the Black Threes have not been melded correctly"},
  };
  for (const FaultCase& c : cases) {
    SCOPED_TRACE(c.table);
    Lay(c.table);
    EXPECT_EQ(ComputerMeldFault(game, c.minimum), c.fault);
  }
}

TEST_F(Legality, ACanastaReleasesTheMinimumOnlyWithTheBonusRule) {
  Lay("opp: 5D 6D; oppmelds: 4S 4S 4C 4C 4D 4D 4H");
  EXPECT_EQ(ComputerMeldFault(game, 50), "your first meld must be at least 50 points (currently 35 points)");
  game.Rules.BonusCounts = true;
  EXPECT_EQ(ComputerMeldFault(game, 50), "");
}

TEST_F(Legality, APileTakeMustLayTheTopCardWithTwoNaturalsWhenItIsConditional) {
  TPileTakeDemand demand;
  demand.rank = RankKing;
  demand.conditional = true;
  demand.needsHand = true;
  Lay("opp: 5D; oppmelds: KS KC JK>K");
  EXPECT_EQ(PileTakeFault(game, demand), "you have not melded the top card correctly");
  demand.needsHand = false;
  EXPECT_EQ(PileTakeFault(game, demand), "");
  demand.columnBase = 1;
  EXPECT_EQ(PileTakeFault(game, demand), "you have not melded the top card correctly");
  demand.conditional = false;
  EXPECT_EQ(PileTakeFault(game, demand), "");
}

namespace {
// A pile take that the Beginner's rules prescribe and the player's checks refuse:
// against 125 points the first meld uses the whole hand without a canasta.
constexpr const char* EmptyingTake = "opp: 9S 7C 7C TH TD 7D 9D TS 5D 5H 2H 7S 9C 7D 2C; pile: 7H";
}  // namespace

TEST_F(Legality, AStepThatBreaksTheRulesIsNotMadeAndTheTurnGoesOnWithoutIt) {
  game.Rules.TopCardCounts = false;
  game.Rules.NaturalPair = false;
  t.OpponentScore = 3000;
  Lay(EmptyingTake);
  computer.CheckLegality = true;
  std::vector<std::string> skipped;
  computer.MoveSkipped = [&](const std::string& what) { skipped.push_back(what); };
  computer.playComputerTurn();
  ASSERT_EQ(skipped.size(), 1u);
  EXPECT_EQ(skipped[0], "taking the pile: the hand was emptied without the canastas to go out");
  // The pile stayed; the computer drew instead, melded what it could and discarded.
  EXPECT_EQ(t.DiscardPile.Count, 2);
  EXPECT_EQ(CardName(t.DiscardPile.Cards[0]), "7H");
  EXPECT_FALSE(t.OpponentHand.Empty());
  EXPECT_EQ(ComputerMeldFault(game, 125), "");
  // The refused take was tried out unseen: the pile's top card was never shown moving.
  for (const auto& [from, to] : host.Animations) EXPECT_NE(CardName(from), "7H");
}

TEST_F(Legality, WithoutTheChecksTheStepIsMadeAsPrescribed) {
  game.Rules.TopCardCounts = false;
  game.Rules.NaturalPair = false;
  t.OpponentScore = 3000;
  Lay(EmptyingTake);
  computer.playComputerTurn();
  EXPECT_EQ(Hand(), "");
  EXPECT_EQ(ComputerMeldFault(game, 125), "the hand was emptied without the canastas to go out");
}
