#include "ai/tests/ai_fixture.h"

using namespace tarvelo;

using GoingOut = ComputerTest;

namespace {
const std::string KingCanasta = "oppmelds: KS KS KC KC KD KD KH; ";
}

TEST_F(GoingOut, PairsGetAWildcardAndTheSpareOnesFillTheMelds) {
  Lay((KingCanasta + "opp: 8D 8C JK 2C 2D 9S; oppmelds: 6S 6S 6C").c_str(), LevelAdvanced);
  computer.finishGoingOut();
  // The eights with the joker; the twos go on the sixes (room 3) before anything else.
  EXPECT_EQ(Hand(), "9S");
  EXPECT_EQ(MeldSize(RankEight), 3);
  EXPECT_EQ(MeldSize(RankSix), 5);
}

TEST_F(GoingOut, NothingIsLaidWithTwoLooseCardsOrAPairWithoutAWildcard) {
  for (const char* hand : {"opp: 8D 9C JK", "opp: 8D 8C 9C"}) {
    SCOPED_TRACE(hand);
    Lay((KingCanasta + hand).c_str(), LevelAdvanced);
    const std::string before = Hand();
    computer.finishGoingOut();
    EXPECT_EQ(Hand(), before);
  }
}

TEST_F(GoingOut, ThreeBlackThreesAreLaidAsAMeldBesideTheLastCard) {
  Lay((KingCanasta + "opp: 3S 3C 3S 8D").c_str(), LevelAdvanced);
  computer.finishGoingOut();
  EXPECT_EQ(Hand(), "8D");
  EXPECT_EQ(MeldSize(RankThree), 3);
}

TEST_F(GoingOut, BlackThreesStayInTheHandWhileOtherCardsRemain) {
  // Of four spare wildcards the eights take one; a full mixed canasta takes none: three stay.
  Lay("oppmelds: KS KS KC KC JK>K 2S>K 2S>K; opp: 3S 3C 3S 8D 8C JK JK 2C 2D 2H", LevelAdvanced);
  computer.finishGoingOut();
  EXPECT_EQ(MeldSize(RankThree), 0);
  EXPECT_EQ(computer.findInHand(RankThree), 0);
}

TEST_F(GoingOut, LeftoverWildcardsGoOnlyOnACanastaThatCanTakeThem) {
  // A natural canasta takes the leftovers; a mixed one with as many wildcards as naturals cannot.
  Lay((KingCanasta + "opp: JK 2C 9D").c_str(), LevelAdvanced);
  computer.finishGoingOut();
  EXPECT_EQ(MeldSize(RankKing), 9);
  EXPECT_EQ(Hand(), "9D");
  Lay("oppmelds: KS KS KC KC JK>K JK>K 2S>K 2D>K; opp: JK 2C 9D", LevelAdvanced);
  computer.finishGoingOut();
  EXPECT_EQ(MeldSize(RankKing), 8);
  EXPECT_EQ(Hand(), "JK 2C 9D");
}

TEST_F(GoingOut, LayingNaturalsKeepsToItsBudget) {
  // Ranks with a meld or three in hand, from the aces down, while the budget lasts.
  Lay("opp: AS AD AH QS QD QH 9S 9D 9H 5S; oppmelds: 5D 5C 5H", LevelAdvanced);
  computer.LayNaturalsWithin(7);
  EXPECT_EQ(Hand(), "9S 9D 9H");  // the nines would overrun the budget; the five still fits
  Lay("opp: AS AD AH QS 5S; oppmelds: 5D 5C 5H", LevelAdvanced);
  computer.LayNaturalsWithin(-1);
  EXPECT_EQ(Hand(), "AS AD AH QS 5S");
}

TEST_F(GoingOut, TheAdvancedKeepsSixCardsBackWhileShortOfCanastas) {
  // The player has the canasta it needs and few cards: the Advanced lays what its budget allows.
  Lay("melds: 4S 4S 4C 4C 4D 4D 4H; hand: 6H 6D; opp: AS AD AH QS QD QH 9S 8D 7C JC; oppmelds: 5D 5C 5H; "
      "stock: 6S",
      LevelAdvanced);
  PlayWholeTurn();
  EXPECT_EQ(MeldSize(RankAce), 3);
  EXPECT_EQ(MeldSize(RankQueen), 0);   // 11 cards after the draw: five may go, and the queens would overrun
  EXPECT_EQ(t.OpponentHand.Count, 7);  // after the discard
}
