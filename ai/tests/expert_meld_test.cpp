#include "ai/tests/ai_fixture.h"

#include <string>

using namespace tarvelo;

namespace {
const std::string KingCanasta = "oppmelds: KS KS KC KC KD KD KH; ";
const std::string KingAndQueenCanastas = "oppmelds: KS KS KC KC KD KD KH QS QS QC QC QD QD QH; ";
const std::string PlayerFourCanasta = "melds: 4S 4S 4C 4C 4D 4D 4H; ";
}  // namespace

struct ExpertMeld : ComputerTest {
  // The player's hand grows to `cards` from the bottom of the stock.
  void PlayerHolds(int cards) { StockLeft(t.Stock.Count - (cards - t.PlayerHand.Count)); }
};

struct NaturalCanastaCase {
  const char* why;
  int score;  // the computer's score, which sets the first meld's target
  const char* table;
  int kings;  // the computer's king meld afterwards
};

TEST_F(ExpertMeld, SevenNaturalsGoDownAsACanastaWhenTheyReachTheTargetOnTheirOwn) {
  const NaturalCanastaCase cases[] = {
      {"seven kings make 70 of a target of 50", 0, "opp: KS KS KC KC KD KD KH 5C 9D", 7},
      {"a target of 90 holds them back", 1500, "opp: KS KS KC KC KD KD KH 5C 9D", 0},
      {"after the first meld any target is met", 1500, "oppmelds: 9S 9C 9D; opp: KS KS KC KC KD KD KH 5C", 7},
      {"a meld that holds a wildcard is not made natural", 0, "oppmelds: KS KC JK>K; opp: KS KC KD KD KH 5C", 3},
  };
  for (const NaturalCanastaCase& c : cases) {
    SCOPED_TRACE(c.why);
    t.OpponentScore = c.score;
    Lay(c.table, LevelExpert);
    computer.layNaturalCanastas();
    EXPECT_EQ(MeldSize(RankKing), c.kings);
    EXPECT_EQ(t.OpponentCanastas.Kind[RankKing], c.kings == 7 ? NaturalCanasta : NoCanasta);
  }
  // Seven fives (35) reach only the lowest target.
  for (const int score : {-100, 0}) {
    SCOPED_TRACE(score);
    t.OpponentScore = score;
    Lay("opp: 5S 5S 5C 5C 5D 5D 5H 9D", LevelExpert);
    computer.layNaturalCanastas();
    EXPECT_EQ(MeldSize(RankFive), score < 0 ? 7 : 0);
  }
}

struct GoOutCase {
  const char* why;
  bool aggressive;
  int needed;
  std::string table;  // the computer's cards and the player's melds
  int playerHand;     // cards in the player's hand
  bool frozen;
  int playerScore;
  int computerScore;
  bool out;
};

TEST_F(ExpertMeld, ItGoesOutOnlyWhenTheTableSaysSoAndItPays) {
  // Fives and one black three: ready to go out, yet the aggressive simulation
  // refuses a lone black three without a single beside it.
  const std::string ready = KingCanasta + "opp: 5C 5D 5S 3S; ";
  const std::string readyTwo = KingAndQueenCanastas + "opp: 5C 5D 5S 3S; ";
  const std::string sevenTwo = KingAndQueenCanastas + "opp: 5C 5D 5S 6C 6D 6S 3S; ";
  const GoOutCase cases[] = {
      {"35 cards in the player's hand", false, 1, ready, 35, false, 0, 0, true},
      {"29 in the player's hand and 6 melded", false, 1, ready + "melds: 6H 6H 6C 7H 7H 7C", 29, false, 0, 0, true},
      {"34 on the player's side, 11 of its own", false, 1, ready + "melds: 6H 6H 6C 7H 7H 7C", 28, false, 0, 0, false},
      {"a frozen pile: only its four hand cards count", false, 1, ready, 10, true, 0, 0, true},
      {"an open pile: its meld area counts too", false, 1, ready, 10, false, 0, 0, false},
      {"the player is ahead and above 5000", false, 1, ready, 35, false, 6000, 0, false},
      {"above 5000 but behind the computer", false, 1, ready, 35, false, 6000, 6500, true},
      {"seven of its own are too many for a calm turn", false, 2, sevenTwo, 10, true, 0, 0, false},
      // The player about to go out: the endgame building goes out without asking whether it pays.
      {"the player has its canasta and three cards", false, 1, ready + PlayerFourCanasta, 3, false, 6000, 0, true},
      // An aggressive turn looks further.
      {"aggressive: one canasta needed, 11 of its own", true, 1, ready, 10, false, 0, 0, true},
      {"aggressive, but the player is ahead and above 5000", true, 1, ready, 10, false, 6000, 0, false},
      {"aggressive: the player has no canasta, 18 of its own", true, 2, readyTwo, 10, false, 0, 0, false},
      {"aggressive: the player has one of two canastas", true, 2, readyTwo + PlayerFourCanasta, 10, false, 0, 0, true},
      {"aggressive: seven of its own with a frozen pile", true, 2, sevenTwo, 10, true, 0, 0, true},
  };
  for (const GoOutCase& c : cases) {
    SCOPED_TRACE(c.why);
    game.Rules.NumberOfCanastas = c.needed;
    t.PlayerScore = c.playerScore;
    t.OpponentScore = c.computerScore;
    Lay(c.table.c_str(), LevelExpert);
    PlayerHolds(c.playerHand);
    ASSERT_EQ(t.PlayerHand.Count, c.playerHand);
    ASSERT_GE(t.Stock.Count, 60);  // no endgame hurry from the stock
    t.PileFrozen = c.frozen;
    computer.aggressiveTurn = c.aggressive;
    computer.opponentHoldsMajority = false;
    const std::string before = Hand();
    computer.expertMeldStep();
    EXPECT_EQ(Hand(), c.out ? "3S" : before);
    EXPECT_EQ(MeldSize(RankFive), c.out ? 3 : 0);
  }
}

TEST_F(ExpertMeld, InTheEndgameItLaysItsNaturalsButKeepsCardsThatCannotGoOut) {
  // The player has its canasta and four cards: the Expert lays what it can and
  // goes out only when every card left finds a meld.
  struct Case {
    const char* opp;
    const char* handAfter;
    int eights;
    int threes;
  };
  const Case cases[] = {
      {"5C 5D 5S 8C 9D", "8C 9D", 0, 0},     // two unmatched cards
      {"5C 5D 5S 8C 8D", "8C 8D", 0, 0},     // a pair without a wildcard
      {"5C 5D 5S 8C 8D JK", "", 3, 0},       // the pair takes the joker: out by melding
      {"5C 5D 5S 3S 3C 3S 9D", "9D", 0, 3},  // three black threes go down beside the last card
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.opp);
    Lay((KingCanasta + PlayerFourCanasta + "hand: 6H 6D 7H 7D; opp: " + c.opp).c_str(), LevelExpert);
    computer.aggressiveTurn = false;
    computer.expertMeldStep();
    EXPECT_EQ(MeldSize(RankFive), 3);
    EXPECT_EQ(Hand(), c.handAfter);
    EXPECT_EQ(MeldSize(RankEight), c.eights);
    EXPECT_EQ(MeldSize(RankThree), c.threes);
  }
}

struct NaturalsCase {
  const char* why;
  std::string table;
  bool keepTwo;
  const char* handAfter;
};

TEST_F(ExpertMeld, LayingNaturalsKeepsTwoCardsWhenAskedAndMoreWhileShortOfCanastas) {
  const NaturalsCase cases[] = {
      {"the queens would leave one card", KingCanasta + "opp: AS AD AH QS QD QH", true, "QS QD QH"},
      {"the nines would leave none", KingCanasta + "oppmelds: 9S 9H 9S; opp: AS AD AH 9C 9D", true, "9C 9D"},
      {"the aces would leave one card", KingCanasta + "oppmelds: 9S 9H 9S; opp: AS AD AH 9C", true, "AS AD AH"},
      {"without keeping two the hand empties", KingCanasta + "oppmelds: 9S 9H 9S; opp: AS AD AH 9C 9D", false, ""},
      {"short of the canasta eight cards stay", "oppmelds: 9S 9H 9S; opp: AS AD AH QS QD QH 9C 9D 5C 6C", true,
       "AS AD AH QS QD QH 5C 6C"},
  };
  for (const NaturalsCase& c : cases) {
    SCOPED_TRACE(c.why);
    Lay(c.table.c_str(), LevelExpert);
    computer.layNaturals(c.keepTwo);
    EXPECT_EQ(Hand(), c.handAfter);
    if (c.keepTwo) {
      EXPECT_GE(t.OpponentHand.Count, 2);
    }
  }
}

struct BuildCase {
  const char* why;
  const char* opp;
  bool aggressive;
  int needed;
  const char* playerMelds;
  int jacks;  // the jack meld afterwards
};

TEST_F(ExpertMeld, CanastasNeedingWildcardsAreCompletedOnlyForAReason) {
  const BuildCase cases[] = {
      {"a canasta needing no wildcard is always completed", "JS JC JD JH 5C 9D 7H 8S", false, 1, "", 7},
      {"no reason: the jacks wait for their wildcard", "JS JC JD JK 5C 9D 7H 8S", false, 1, "", 3},
      {"five wildcards are not yet a reason", "JS JC JD JK 5C 9D 7H 8S JK 2C 2D 2H", false, 1, "", 3},
      {"an aggressive turn", "JS JC JD JK 5C 9D 7H 8S", true, 1, "", 7},
      {"short of the two canastas needed", "JS JC JD JK 5C 9D 7H 8S", false, 2, "", 7},
      {"fewer canastas than the player", "JS JC JD JK 5C 9D 7H 8S", false, 1,
       "4S 4S 4C 4C 4D 4D 4H 6S 6S 6C 6C 6D 6D 6H", 7},
      {"six wildcards", "JS JC JD JK 5C 9D 7H 8S JK 2C 2D 2H 2S", false, 1, "", 7},
      {"ready to go out", "JS JC JD JK 5C", false, 1, "", 7},
  };
  for (const BuildCase& c : cases) {
    SCOPED_TRACE(c.why);
    game.Rules.NumberOfCanastas = c.needed;
    Lay((KingCanasta + "oppmelds: JS JC JD; opp: " + c.opp + "; melds: " + c.playerMelds).c_str(), LevelExpert);
    computer.aggressiveTurn = c.aggressive;
    const int wildcards = computer.Tally.WildcardsInHand();
    computer.buildCanastas();
    EXPECT_EQ(MeldSize(RankJack), c.jacks);
    EXPECT_EQ(t.OpponentCanastas.Kind[RankJack] != NoCanasta, c.jacks == 7);
    computer.recountTallies();
    // A mixed canasta takes exactly the one wildcard it lacks.
    const bool mixed = c.jacks == 7 && std::string(c.opp).find("JH") == std::string::npos;
    EXPECT_EQ(computer.Tally.WildcardsInHand(), wildcards - (mixed ? 1 : 0));
  }
}

TEST_F(ExpertMeld, ACanastaAlreadyMadeIsNotCountedAgainWhenGoingOutIsWeighed) {
  // Two canastas to go out: the kings are one, the sixes would take all three
  // wildcards and leave the nines without one. Counting the kings twice would
  // send the Expert building the sixes towards a going out it cannot make.
  game.Rules.NumberOfCanastas = 2;
  Lay((KingCanasta + "opp: 6C 6D 6S 6H JK JK 2C 9H 9D").c_str(), LevelExpert);
  computer.aggressiveTurn = true;
  const std::string before = Hand();
  computer.tryGoOutAggressively();
  EXPECT_EQ(Hand(), before);
  EXPECT_EQ(MeldSize(RankSix), 0);
}

TEST_F(ExpertMeld, AFirstMeldTakesNoMoreWildcardsThanItHasNaturals) {
  // Short of a target of 120, the three fives could take four twos; three is the most a legal meld holds.
  t.OpponentScore = 3000;
  Lay("oppmelds: 5S 5D 5C; opp: 2C 2C 2D 2D 9C", LevelExpert);
  computer.initialMeldTarget = 120;
  computer.wildcardPlan = 0;
  computer.completeInitialMeld();
  EXPECT_EQ(MeldSize(RankFive), 6);
  EXPECT_EQ(Hand(), "2D 9C");
}
