#include "ai/tests/ai_fixture.h"

using namespace tarvelo;

using Primitives = ComputerTest;

TEST_F(Primitives, MeldingNaturalsStartsWithTheLastCardAndPadsAPairWithAWildcard) {
  Lay("opp: 2C 9H JK 9S 5D 9D");
  computer.meldNaturals(RankNine, 2);
  EXPECT_EQ(Melds(), "9D 9S JK");  // the last nine first, then the joker before the two
  EXPECT_EQ(Hand(), "2C 9H 5D");
  EXPECT_EQ(t.OpponentMeldValue, 70);
  Lay("opp: 2C 9H JK 9S 5D 9D");
  computer.meldNaturals(RankNine, 0);
  EXPECT_EQ(Melds(), "9D 9S 9H");
}

TEST_F(Primitives, APairWithoutAWildcardToPadItReportsTheMeldError) {
  Lay("opp: 9H 9S 5D");
  computer.meldNaturals(RankNine, 0);
  EXPECT_EQ(Melds(), "9S 9H");
  ASSERT_EQ(host.Boxes.size(), 1u);
  EXPECT_EQ(host.Boxes[0], "Meld error: Wildcard not found.");
}

TEST_F(Primitives, MeldingAWholeRankKeepsACardForTheDiscardWhileShortOfCanastas) {
  Lay("opp: 9H 9S 9D 9C");
  computer.meldNaturals(RankNine, 0);
  EXPECT_EQ(Hand(), "9H");
  Lay("opp: 9H 9S 9D 9C; oppmelds: 5S 5S 5D 5D 5C 5C 5H");
  computer.meldNaturals(RankNine, 0);
  EXPECT_EQ(Hand(), "");  // with the canasta it needs, the computer may meld out
}

TEST_F(Primitives, FindInHandGivesTheFirstCardOfARank) {
  Lay("opp: 7S KD 7H");
  EXPECT_EQ(computer.findInHand(RankSeven), 0);
  EXPECT_EQ(computer.findInHand(RankKing), 1);
  EXPECT_EQ(computer.findInHand(RankAce), -1);
}

TEST_F(Primitives, TalliesCountOnlyWhatATableCanShow) {
  Lay("opp: 7S 7H JK; oppmelds: 9S 9D 9C 2S>9; melds: KS KD KH JK>K; pile: 7C 9H; hand: AS AS AH");
  AddCard(t.pickupMemory, TTableBuilder::Card("QS"));
  TRankTally n = CountRanks(game);
  EXPECT_EQ(n.ownHand[RankSeven], 2);
  EXPECT_EQ(n.WildcardsInHand(), 1);
  EXPECT_EQ(n.ownMeld[RankNine], 4);  // the two counts in the nines' column
  EXPECT_EQ(n.ownMeldNatural[RankNine], 3);
  EXPECT_EQ(n.ownMeldNatural[RankTwo], 1);
  EXPECT_EQ(n.oppMeld[RankKing], 4);
  EXPECT_EQ(n.oppMeldNatural[RankJoker], 1);
  EXPECT_EQ(n.discardCount[RankNine], 1);
  EXPECT_EQ(n.oppTaken[RankQueen], 1);
  EXPECT_EQ(n.oppTaken[RankAce], 0);
  // The player's hand is not looked at.
  TCard& hidden = t.PlayerHand.Cards[0];
  hidden = TTableBuilder::Card("JS");
  n = CountRanks(game);
  EXPECT_EQ(n.oppTaken[RankJack] + n.oppMeld[RankJack] + n.oppMeldNatural[RankJack], 0);
}

struct TakeCase {
  const char* table;
  bool frozen;
  bool expected;
  const char* why;
};

TEST_F(Primitives, TheComputerMayTakeThePileAsThePlayerMay) {
  const TakeCase cases[] = {
      {"opp: KH KS 5D; pile: 7C KD", false, true, "a natural pair"},
      {"opp: KH KS 5D; pile: 7C KD", true, true, "a natural pair, frozen"},
      {"opp: KH JK 5D; pile: 7C KD", true, false, "frozen without a pair"},
      {"opp: KH JK 5D; pile: 7C KD", false, false, "a single and a wildcard with a natural pair required"},
      {"opp: KH 5D 6D; oppmelds: KS KS KC; pile: 7C KD", false, true, "onto a meld"},
      {"opp: KH 5D 6D; oppmelds: KS KS KC; pile: 7C KD", true, false, "onto a meld, frozen"},
      {"opp: KH KD 5D; pile: 7C 2D", false, false, "a two on top"},
      {"opp: 3S 3C 5D; pile: 7C 3D", false, false, "a three on top"},
      {"opp: KH; oppmelds: KS KS KC; pile: KD", false, false, "one card each"},
      {"opp: KH KS; pile: KD", false, false, "a new meld leaving nothing to go on with"},
      {"opp: KH KS; pile: 5C KD", false, true, "a new meld with cards to go on with"},
  };
  for (const TakeCase& c : cases) {
    SCOPED_TRACE(c.why);
    Lay(c.table);
    t.PileFrozen = c.frozen;
    EXPECT_EQ(computer.canTakeDiscardPile(), c.expected);
  }
}

TEST_F(Primitives, TakingRulesFollowTheRuleSwitches) {
  game.Rules.NaturalPair = false;
  game.Rules.InitialBlock = false;  // the pile open to a seat that has not melded
  Lay("opp: KH JK 5D; pile: 7C KD");
  t.PileFrozen = false;
  EXPECT_TRUE(computer.canTakeDiscardPile());
  game.Rules.AddExistingMeld = true;
  Lay("opp: 5D 6D 8D; oppmelds: KS KS KC; pile: 7C KD");
  EXPECT_FALSE(computer.canTakeDiscardPile());
  game.Rules.AddExistingMeld = false;
  game.Rules.AddToCanasta = false;
  Lay("opp: KH KS 5D; oppmelds: KS KC KC KD KH JK>K JK>K; pile: 7C KD");
  EXPECT_FALSE(computer.canTakeDiscardPile());
  game.Rules.AddToCanasta = true;
  EXPECT_TRUE(computer.canTakeDiscardPile());
}

TEST_F(Primitives, WithTheStockExhaustedATopCardThatFitsAMeldMayBeTaken) {
  game.Rules.AddExistingMeld = true;
  Lay("opp: 5D 6D 8D; oppmelds: KS KS KC; pile: 7C KD");
  StockLeft(0);
  EXPECT_TRUE(computer.canTakeDiscardPile());
  EXPECT_FALSE(computer.MayTakeWholePile());
}
