#include "ai/tests/ai_fixture.h"

using namespace tarvelo;

using Beginner = ComputerTest;

namespace {
constexpr const char* KingCanasta = "oppmelds: KS KS KC KC KD KD KH";
}

struct PileCase {
  std::string table;
  bool take;
  const char* why;
};

TEST_F(Beginner, WithTheCanastaNeededItTakesForAPairOrForAMeldAndABiggerPile) {
  const std::string canasta = std::string(KingCanasta) + "; ";
  const PileCase cases[] = {
      {canasta + "opp: QH QS 5D 6C; pile: 9C QD", true, "two naturals besides the top card"},
      {canasta + "opp: QH 5D 6C 7C; oppmelds: QS QC QC; pile: 9C 8D QD", true, "a meld and three cards"},
      {canasta + "opp: QH 5D 6C 7C; oppmelds: QS QC QC; pile: 8D QD", false, "a meld and two cards"},
      {canasta + "opp: QH 5D 6C 7C JK; pile: 8D 9D QD", false, "one natural and a wildcard"},
  };
  for (const PileCase& c : cases) {
    SCOPED_TRACE(c.why);
    Lay(c.table.c_str());
    const std::string hand = Hand();
    EXPECT_EQ(computer.beginnerPileDecision(), c.take);
    EXPECT_EQ(Hand(), hand);  // the top card was only tried in the hand
  }
}

TEST_F(Beginner, ShortOfCanastasItTakesOnlyWhenARankCouldBecomeOne) {
  // Melded already, with a natural pair of kings: the pile's kings make the difference.
  Lay("opp: KH KS JK 2C 5D 6D 7D; oppmelds: 8S 8S 8D; pile: KC KH 9C KD");
  EXPECT_TRUE(computer.beginnerPileDecision());
  Lay("opp: KH KS JK 5D 6D 7D 9H; oppmelds: 8S 8S 8D; pile: KC 9C KD");
  EXPECT_FALSE(computer.beginnerPileDecision());  // four kings and one wildcard make no canasta
  game.Rules.CanastaRequired = true;
  Lay("opp: KH KS JK 2C 5D 6D 7D; oppmelds: 8S 8S 8D; pile: KC KH 9C KD");
  EXPECT_TRUE(computer.beginnerPileDecision());
}

TEST_F(Beginner, WithoutAMeldThePileMustAlsoBringTheFirstMeldWithinReach) {
  // 3 kings (30 points) and a joker reach 50; a card remains.
  Lay("opp: KH KS JK 2C 5D 6D 7D 9H; pile: KC KH KD");
  EXPECT_TRUE(computer.beginnerPileDecision());
  // Against a minimum of 90, three fives (15) would need four twos, but a triple carries three at most.
  t.OpponentScore = 1500;
  Lay("opp: 5H 5S 2D 2C 2H 2S 6D 7D 9H; pile: 5C 5D");
  EXPECT_FALSE(computer.beginnerPileDecision());
  t.OpponentScore = 0;
  Lay("opp: 5H 5S 2D 2C 2H 2S 6D 7D 9H; pile: 5C 5D");
  EXPECT_TRUE(computer.beginnerPileDecision());
  // Against 120, four kings need three wildcards: with a one-card pile nothing would remain.
  t.OpponentScore = 3000;
  Lay("opp: KH KS KC JK 2C 2D; pile: KD");
  EXPECT_FALSE(computer.beginnerPileDecision());
  Lay("opp: KH KS KC JK 2C 2D; pile: 5S KD");
  EXPECT_TRUE(computer.beginnerPileDecision());
}

TEST_F(Beginner, TheTopCardsPointsRaiseTheTargetWhenTheyDoNotCount) {
  game.Rules.TopCardCounts = false;
  Lay("opp: KH KS 5D 6C; pile: 9C QD");
  computer.beginnerPileDecision();
  EXPECT_EQ(computer.initialMeldTarget, 60);
}

TEST_F(Beginner, TheFirstMeldIsLaidFromTriplesUntilTheTargetWithACardLeft) {
  Lay("opp: KH KS KD 9C 9D 9S 5C; stock: 4H");
  EXPECT_TRUE(computer.beginnerInitialMeldEstimate().Reachable);
  PlayWholeTurn();
  EXPECT_EQ(Melds(), "KH KS KD 9C 9D 9S");
  EXPECT_EQ(t.OpponentMeldValue, 60);
  EXPECT_EQ(Hand(), "5C");
  EXPECT_EQ(CardName(t.DiscardPile.Top()), "4H");
}

TEST_F(Beginner, AFirstMeldThatWouldUseTheWholeHandIsNotMade) {
  Lay("opp: KH KS KD 9C 9D 9S");
  EXPECT_FALSE(computer.beginnerInitialMeldEstimate().Reachable);
}

TEST_F(Beginner, APairOfTheHandIsPaddedWithAWildcardWhateverThePairRule) {
  // The pair rule is about taking the pile: melding from the hand is not bound by it.
  for (const bool naturalPair : {false, true}) {
    SCOPED_TRACE(naturalPair ? "pair rule" : "no pair rule");
    game.Rules.NaturalPair = naturalPair;
    Lay("opp: AH AS JK 5C 7D 8D 9S; stock: 4H");
    const TMeldEstimate estimate = computer.beginnerInitialMeldEstimate();
    EXPECT_TRUE(estimate.Reachable);
    EXPECT_EQ(estimate.PairsPadded, 1);
    PlayWholeTurn();
    EXPECT_EQ(Melds(), "AH AS JK");
  }
}

TEST_F(Beginner, TakingThePileLaysTheTopCardsRankAndCompletesTheFirstMeld) {
  Lay("opp: KH KS JK 2C 9C 9D 9S 5C; pile: KC KH 8C KD");
  t.PileFrozen = true;
  PlayWholeTurn();
  EXPECT_EQ(Melds().substr(0, 17), "KH KS KD 9C 9D 9S");
  EXPECT_NE(Hand().find("8C"), std::string::npos);  // the rest of the pile came into the hand
  EXPECT_EQ(t.DiscardPile.Count, 1);
  EXPECT_FALSE(t.PileFrozen);
}

TEST_F(Beginner, WildcardsCountedForTheFirstMeldGoOntoItsMelds) {
  // Three kings (30) need a joker for 50: the pile decision counts it, and the first meld gets it.
  Lay("opp: KH KS JK 2C 5D 6D 7D 9H; pile: KC KH KD");
  PlayWholeTurn();
  EXPECT_EQ(Melds().substr(0, 11), "KH KS KD JK");
  EXPECT_EQ(t.OpponentCanastas.Count, 1);  // and the kings from the pile with the two make a canasta
}

TEST_F(Beginner, GoingOutWithSpareWildcardsKeepsOneToDiscard) {
  Lay("opp: JK 2C; hand: 4H 4D; stock: 2D; pile: 5D; oppmelds: KS KS KC KC KD KD KH");
  PlayWholeTurn();
  ASSERT_EQ(host.HandResults.size(), 1u);
  const TTableState& end = host.AtHandEnd;
  EXPECT_EQ(CardName(end.DiscardPile.Top()), "2D");
  EXPECT_TRUE(end.PileFrozen);
  EXPECT_EQ(end.WhoWentOut, OpponentWentOut);
}

TEST_F(Beginner, GoingOutWithNoSpareWildcardAndNoLooseCardMeldsTheWholeHand) {
  Lay("opp: QH 2C; hand: 4H 4D; stock: QS; pile: 5D; oppmelds: KS KS KC KC KD KD KH");
  PlayWholeTurn();
  ASSERT_EQ(host.HandResults.size(), 1u);
  EXPECT_EQ(CardNames(host.AtHandEnd.DiscardPile), "5D");
  EXPECT_EQ(CardNames(host.AtHandEnd.OpponentHand), "");
}

TEST_F(Beginner, LayingNaturalsKeepsOneCardBackWhenARankUsesTheBudgetUp) {
  Lay("opp: 9C 9D 9S; oppmelds: 4S 4S 4C 4C 4D 4D 4H 9H 9H 2S>9");
  computer.beginnerLayNaturals();
  EXPECT_EQ(t.OpponentHand.Count, 1);
  EXPECT_EQ(MeldSize(RankNine), 5);
  // Keeping one back would leave a new meld of two: the rank stays in the hand.
  Lay("opp: 9C 9D 9S; oppmelds: 4S 4S 4C 4C 4D 4D 4H");
  computer.beginnerLayNaturals();
  EXPECT_EQ(Hand(), "9C 9D 9S");
}

TEST_F(Beginner, ARankThePlayerHasSixOfIsNeverDiscarded) {
  Lay("opp: 5C 9D 9S JH JC; melds: 5H 5H 5D 5D 5S 5S");
  EXPECT_EQ(Choice(computer.beginnerChooseDiscard()), "9D");
  Lay("opp: 5C 9D JH; melds: 5H 5H 5D 5D 5S 5S 2S>5");  // a canasta may be fed
  EXPECT_EQ(Choice(computer.beginnerChooseDiscard()), "9D");
}

TEST_F(Beginner, AgainstAFiveCardMeldOfAHeldRankItFreezesThePile) {
  Lay("opp: 5C JK 9D 3S; melds: 5H 5H 5D 5D 5S; oppmelds: 8S 8S 8D");
  EXPECT_EQ(Choice(computer.beginnerChooseDiscard()), "3S");
  Lay("opp: 5C JK 9D 2D; melds: 5H 5H 5D 5D 5S; oppmelds: 8S 8S 8D");
  EXPECT_EQ(Choice(computer.beginnerChooseDiscard()), "2D");
  Lay("opp: 5C JK 9D; melds: 5H 5H 5D 5D 5S; oppmelds: 8S 8S 8D");
  EXPECT_EQ(Choice(computer.beginnerChooseDiscard()), "JK");
  t.PileFrozen = true;  // a frozen pile needs no freezing
  EXPECT_EQ(Choice(computer.beginnerChooseDiscard()), "9D");
}

TEST_F(Beginner, SinglesGoFirstAndWithoutOneABlackThree) {
  Lay("opp: KD 9D 9S 4C 3C");
  EXPECT_EQ(Choice(computer.beginnerChooseDiscard()), "4C");
  Lay("opp: 9D 9S 3C");
  EXPECT_EQ(Choice(computer.beginnerChooseDiscard()), "3C");
  Lay("opp: 9D 3C");  // the black three beside one single card
  EXPECT_EQ(Choice(computer.beginnerChooseDiscard()), "3C");
}

TEST_F(Beginner, AnEmptyHandHasNothingToDiscardAndTheGameGoesOn) {
  Lay("opp: ");
  EXPECT_EQ(computer.beginnerChooseDiscard(), -1);
  ASSERT_EQ(host.Boxes.size(), 1u);
  EXPECT_EQ(host.Boxes[0], "No card left to discard.");
  EXPECT_EQ(host.Quits, 0);
}
