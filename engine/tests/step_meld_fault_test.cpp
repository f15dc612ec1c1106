#include "engine/meld_checks.h"
#include "engine/table_mirror.h"
#include "engine/testing/recording_host.h"
#include "engine/testing/table_builder.h"

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {
// A table laid by the builder with the opponent to move: "opp" is its hand, "oppmelds" its melds.
struct StepMeldFaults : ::testing::Test {
  TRecordingHost host;
  TGame game{host};
  TTableBuilder builder{game};

  void Lay(const char* table) {
    builder.Build(table);
    game.Table.OpponentToMove = true;
  }
};

struct FaultCase {
  const char* table;
  int minimum;
  const char* fault;
};

}  // namespace

TEST_F(StepMeldFaults, TheOpponentsStepsAreJudgedAsAFinishedTurn) {
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
    EXPECT_EQ(StepMeldFault(game, Seat::Opponent, c.minimum), c.fault);
  }
}

TEST_F(StepMeldFaults, ACanastaReleasesTheMinimumOnlyWithTheBonusRule) {
  Lay("opp: 5D 6D; oppmelds: 4S 4S 4C 4C 4D 4D 4H");
  EXPECT_EQ(StepMeldFault(game, Seat::Opponent, 50),
            "your first meld must be at least 50 points (currently 35 points)");
  game.Rules.BonusCounts = true;
  EXPECT_EQ(StepMeldFault(game, Seat::Opponent, 50), "");
}

TEST_F(StepMeldFaults, APileTakeMustLayTheTopCardWithTwoNaturalsWhenItIsConditional) {
  TPileTakeDemand demand;
  demand.Rank = RankKing;
  demand.Conditional = true;
  demand.NeedsHand = true;
  Lay("opp: 5D; oppmelds: KS KC JK>K");
  EXPECT_EQ(PileTakeFault(game, Seat::Opponent, demand), "you have not melded the top card correctly");
  demand.NeedsHand = false;
  EXPECT_EQ(PileTakeFault(game, Seat::Opponent, demand), "");
  demand.ColumnBase = 1;
  EXPECT_EQ(PileTakeFault(game, Seat::Opponent, demand), "you have not melded the top card correctly");
  demand.Conditional = false;
  EXPECT_EQ(PileTakeFault(game, Seat::Opponent, demand), "");
}

TEST_F(StepMeldFaults, EitherSeatGetsTheSameTextForTheSameMelds) {
  const char* tables[] = {
      "opp: 5D 6D; oppmelds: KS KS KC 9D 9S",       "opp: 5D 6D; oppmelds: KS KS KC JK>K JK>K 2C>K 2D>K",
      "opp: 5D 6D; oppmelds: KS KS KC 3S 3S 3C",    "opp: 5D 6D; oppmelds: KS KS KC 2S 2D 2C",
      "opp: ; oppmelds: KS KS KC KD KD KH",         "opp: 5D; oppmelds: 4S 4S 4C 4C 4D 4D 4H 3S 3S 3C",
      "opp: 5D 6D; oppmelds: KS KS KC 9D 9S 9H 3D",
  };
  for (const char* table : tables) {
    SCOPED_TRACE(table);
    Lay(table);
    const std::string opponentFault = StepMeldFault(game, Seat::Opponent, 90);
    TPileTakeDemand demand;
    demand.Rank = RankKing;
    demand.Conditional = true;
    demand.NeedsHand = true;
    const std::string opponentTake = PileTakeFault(game, Seat::Opponent, demand);
    TurnTableAround(game);
    EXPECT_EQ(StepMeldFault(game, Seat::Player, 90), opponentFault);
    EXPECT_EQ(PileTakeFault(game, Seat::Player, demand), opponentTake);
  }
}
