#include "ai/tests/ai_fixture.h"

using namespace tarvelo;

using Advanced = ComputerTest;

namespace {
constexpr const char* KingCanasta = "oppmelds: KS KS KC KC KD KD KH";
}

TEST_F(Advanced, ASmallPileIsTakenOnlyWithANaturalPairBesidesTheTopCard) {
  // Four cards: 16 / 16 covers every draw, so only the pair counts.
  Lay("opp: QH 5D 6D 8D 9H JC; oppmelds: QS QC QC; pile: 7C 8S 9S QD", LevelAdvanced);
  host.Reals = {0.99};
  EXPECT_FALSE(computer.advancedPileDecision());
  Lay("opp: QH QS 5D 6D 8D 9H JC; oppmelds: QC QC QD; pile: 7C 8S 9S QD", LevelAdvanced);
  host.Reals = {0.99};
  EXPECT_TRUE(computer.advancedPileDecision());
}

TEST_F(Advanced, ALargerPileIsTakenForAMeldWithAChanceThatGrowsWithThePile) {
  // Eight cards: 16 / 64 = 0.25.
  const char* table = "opp: QH 5D 6D 8D 9H JC; oppmelds: QS QC QC; pile: 7C 8S 9S 4H 4D 5S 6H QD";
  Lay(table, LevelAdvanced);
  host.Reals = {0.2};
  EXPECT_FALSE(computer.advancedPileDecision());
  Lay(table, LevelAdvanced);
  host.Reals = {0.3};
  EXPECT_TRUE(computer.advancedPileDecision());
}

TEST_F(Advanced, ARankThePileCanMakeACanastaIsTakenWhateverTheDraw) {
  Lay("opp: QH 5D 6D JK 2C 9H JC; oppmelds: QS QC QC; pile: 7C QH 9S QD", LevelAdvanced);
  host.Reals = {0.01};
  EXPECT_TRUE(computer.advancedPileDecision());
}

TEST_F(Advanced, TheCanastaHuntTakesAQualifyingRankOrAPileWithAChance) {
  game.Rules.CanastaRequired = true;
  Lay("opp: QH QS 5D 6D JK 2C 2D 9H JC; oppmelds: 8S 8C 8C; pile: 7C QH 9S QD", LevelAdvanced);
  EXPECT_TRUE(computer.advancedPileDecision());
  // No rank near a canasta: a pile of five is taken when 25 / 25 < U, which never happens.
  const char* noRank = "opp: QH QS 5D 6D 9H JC 4C; oppmelds: 8S 8C 8C; pile: 7C 5H 9S 4D QD";
  Lay(noRank, LevelAdvanced);
  host.Reals = {0.999};
  EXPECT_FALSE(computer.advancedPileDecision());
  // Ten cards: taken when 0.25 < U.
  const char* ten = "opp: QH QS 5D 6D 9H JC 4C; oppmelds: 8S 8C 8C; pile: 7C 5H 9S 4D 6S 6C 7H 7S TD QD";
  Lay(ten, LevelAdvanced);
  host.Reals = {0.3};
  EXPECT_TRUE(computer.advancedPileDecision());
  Lay(ten, LevelAdvanced);
  host.Reals = {0.2};
  EXPECT_FALSE(computer.advancedPileDecision());
}

TEST_F(Advanced, TheTopCardsPointsRaiseTheTargetForTheWholeTurn) {
  game.Rules.TopCardCounts = false;
  Lay("opp: 5D 6D; pile: 9C KD", LevelAdvanced);
  EXPECT_FALSE(computer.advancedPileDecision());
  EXPECT_EQ(computer.initialMeldTarget, 60);
}

TEST_F(Advanced, PaddedPairsInTheFirstMeldAreLimitedByTheTarget) {
  game.Rules.NaturalPair = false;
  // The kings (30) and the aces with the joker (90) reach 50 or 90, with one padded pair.
  const char* onePair = "opp: AH AS JK KD KC KH 5C 6D 7D 8H 9S 4H TC QD";
  Lay(onePair, LevelAdvanced);
  TMeldEstimate e = computer.advancedInitialMeldEstimate();
  EXPECT_EQ(e.PairsPadded, 1);
  EXPECT_FALSE(e.Reachable);  // below 90 no pair may be padded
  t.OpponentScore = 1500;
  Lay(onePair, LevelAdvanced);
  EXPECT_TRUE(computer.advancedInitialMeldEstimate().Reachable);
  game.Rules.NaturalPair = true;
  EXPECT_TRUE(computer.advancedInitialMeldEstimate().Reachable);  // the pair rule is about the pile's top card
}

TEST_F(Advanced, UnderThePairRuleAPairOfTheHandIsPaddedButNeverThePilesTopCard) {
  ASSERT_TRUE(game.Rules.NaturalPair);
  t.OpponentScore = 1500;  // 90: only the aces padded with the joker reach it
  Lay("opp: AH AS JK KD KC KH 5C 6D 7D 8H 9S 4H TC QD; stock: 6S", LevelAdvanced);
  PlayWholeTurn();
  EXPECT_EQ(MeldSize(RankAce), 3);  // the aces with the joker reach 90 alone
  EXPECT_EQ(Hand().find("JK"), std::string::npos);

  // With the pile's ace in the hand, the single natural ace is no pair of the hand.
  const char* topAce = "opp: AH JK KD KC KH 5C 6D 7D 8H 9S 4H TC QD JH; pile: AS";
  for (const bool naturalPair : {true, false}) {
    SCOPED_TRACE(naturalPair ? "pair rule" : "no pair rule");
    game.Rules.NaturalPair = naturalPair;
    Lay(topAce, LevelAdvanced);
    const THandProbe probe(computer, t.DiscardPile.Top());
    EXPECT_EQ(computer.advancedInitialMeldEstimate().Reachable, !naturalPair);
  }
}

TEST_F(Advanced, WeighingThePileItsRestCountsAmongTheCardsKeptInTheHand) {
  // Kings and queens make 60 with six cards of eight: too few kept, unless the pile comes too.
  const char* small = "opp: KD KC QH QS QD 5C 6D; pile: KS";
  const char* big = "opp: KD KC QH QS QD 5C 6D; pile: 4C 7H 8S 9C TD JH 6S KS";
  for (const char* table : {small, big}) {
    SCOPED_TRACE(table);
    Lay(table, LevelAdvanced);
    host.Reals = {0.99};
    EXPECT_EQ(computer.advancedPileDecision(), table == big);
  }
}

TEST_F(Advanced, TheFirstMeldMustLeaveSevenCardsInTheHand) {
  Lay("opp: KD KC KH 9C 9D 9S 5C 6D 7D 8H 9H 4H", LevelAdvanced);
  EXPECT_FALSE(computer.advancedInitialMeldEstimate().Reachable);  // 3 used of 12: fine; 6 needed of 12: not
  Lay("opp: KD KC KH QC QD QS 5C 6D 7D 8H 9H 4H JH", LevelAdvanced);
  EXPECT_TRUE(computer.advancedInitialMeldEstimate().Reachable);
}

TEST_F(Advanced, ACanastaFromTheHandIsTheLowestRankThatReachesTheTarget) {
  Lay("opp: AH AS AD AC KH KS KD KC JK 2C 2D 5D", LevelAdvanced);
  EXPECT_EQ(computer.canastaFromHand(), RankKing);
  t.OpponentScore = 3000;  // 120: four kings (40) and three wildcards (50 + 20 + 20) do not reach it
  Lay("opp: AH AS AD AC KH KS KD KC JK 2C 2D 5D", LevelAdvanced);
  EXPECT_EQ(computer.canastaFromHand(), RankAce);
}

TEST_F(Advanced, TakingThePileForACanastaFromTheHandLaysItWhole) {
  Lay("opp: KH KS KD KC KH 2C 2D 5C 6C 7D 8D 9D JD QH; pile: 4H KS", LevelAdvanced);
  PlayWholeTurn();
  EXPECT_EQ(t.OpponentCanastas.Count, 1);
  EXPECT_EQ(t.OpponentCanastas.Kind[RankKing], MixedCanasta);
  EXPECT_EQ(MeldSize(RankKing), 7);
}

TEST_F(Advanced, BuildingACanastaUsesAtMostThreeWildcardsAndKeepsACard) {
  Lay("opp: QC QD 2C JK 5D; oppmelds: QH QS QD", LevelAdvanced);
  computer.advancedBuildCanastas();
  EXPECT_EQ(MeldSize(RankQueen), 7);
  EXPECT_EQ(Hand(), "5D");
  Lay("opp: QC QD 2C JK; oppmelds: QH QS QD", LevelAdvanced);
  computer.advancedBuildCanastas();
  EXPECT_EQ(MeldSize(RankQueen), 3);  // it would use the whole hand
  Lay("opp: 2C JK 2D 2H 5D 6D; oppmelds: QH QS QD", LevelAdvanced);
  computer.advancedBuildCanastas();
  EXPECT_EQ(MeldSize(RankQueen), 3);  // three wildcards at most
}

struct GoOutCase {
  int playerHand;
  double draw;
  bool out;
  const char* why;
};

TEST_F(Advanced, WithTheCanastaNeededItGoesOutByTheDraw) {
  const GoOutCase cases[] = {
      {10, 0.99, false, "16 / 101 below the draw"},
      {10, 0.1, true, "16 / 101 above the draw"},
      {3, 0.99, true, "16 / 10 above any draw"},
  };
  for (const GoOutCase& c : cases) {
    SCOPED_TRACE(c.why);
    std::string table = std::string(KingCanasta) + "; opp: 5C 5D 5S JK; stock: 8H; hand:";
    const char* cards[] = {"4H", "4D", "6H", "6D", "7H", "7D", "8C", "8D", "9C", "9H"};
    for (int i = 0; i < c.playerHand; ++i) table += std::string(" ") + cards[i];
    host.HandResults.clear();
    Lay(table.c_str(), LevelAdvanced);
    host.Reals = {c.draw};
    PlayWholeTurn();
    EXPECT_EQ(host.HandResults.size(), c.out ? 1u : 0u);
  }
}

TEST_F(Advanced, AgainstAFullTableOrWithTwoCardsLeftItAlwaysGoesOut) {
  // The player's hand and melds hold more than 30 cards.
  Lay("oppmelds: KS KS KC KC KD KD KH; opp: 5C 5D 5S JK; stock: 8H; "
      "hand: 4H 4D 6H 6D 7H 7D 8C 8D 9C 9H TC TD TH TS JC JD JH JS QC QD QH QS AC AD AH AS 6S 6C 7S 7C 5H",
      LevelAdvanced);
  host.Reals = {0.999};
  PlayWholeTurn();
  EXPECT_EQ(host.HandResults.size(), 1u);
  host.HandResults.clear();
  Lay("oppmelds: KS KS KC KC KD KD KH 9S 9S 9C; opp: 9D; stock: 8H; hand: 4H 4D 6H 6D 7H 7D 8C 8D 9C 9H",
      LevelAdvanced);
  host.Reals = {0.999};
  PlayWholeTurn();
  EXPECT_EQ(host.HandResults.size(), 1u);
}

TEST_F(Advanced, TheDiscardChoiceFollowsThePileSize) {
  Lay("opp: 9D", LevelAdvanced);
  EXPECT_EQ(Choice(computer.advancedChooseDiscard()), "9D");
  // Mostly wildcards with the pile frozen: a two before a joker.
  Lay("opp: JK 2C 2D 9D 9S; pile: 5D", LevelAdvanced);
  t.PileFrozen = true;
  EXPECT_EQ(Choice(computer.advancedChooseDiscard()), "2C");
  // A big pile: a black three first, then a single the player has not melded.
  const char* big = "pile: 4C 5C 6C 7C 8C 9C; melds: 5H 5H 5D";
  Lay((std::string("opp: 5S 9D 9S KC KD JH 3S; ") + big).c_str(), LevelAdvanced);
  EXPECT_EQ(Choice(computer.advancedChooseDiscard()), "3S");
  Lay((std::string("opp: 5S 9D 9S KC KD JH; ") + big).c_str(), LevelAdvanced);
  EXPECT_EQ(Choice(computer.advancedChooseDiscard()), "JH");
}

TEST_F(Advanced, OnASmallPileItNeverOffersARankThePlayerHasSixOf) {
  Lay("opp: 5S 9D 9S; melds: 5H 5H 5D 5D 5C 5C; pile: 4D", LevelAdvanced);
  host.Reals = {0.1};  // ascending from the fours
  EXPECT_EQ(Choice(computer.advancedChooseDiscard()), "9D");
  Lay("opp: 5S 9D JS; melds: 5H 5H 5D; pile: 4D", LevelAdvanced);
  host.Reals = {0.9};  // descending from the aces
  EXPECT_EQ(Choice(computer.advancedChooseDiscard()), "JS");
  Lay("opp: 5S 9D JS; melds: 5H 5H 5D; pile: 4D", LevelAdvanced);
  host.Reals = {0.1};
  EXPECT_EQ(Choice(computer.advancedChooseDiscard()), "5S");
}
