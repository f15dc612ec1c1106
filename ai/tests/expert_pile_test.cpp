#include "ai/tests/ai_fixture.h"

#include <sstream>

using namespace tarvelo;

using ExpertPile = ComputerTest;

namespace {

// The first `count` of these cards, for a pile or a hand whose make-up does not matter.
std::string Fillers(int count) {
  static const char* names[] = {"4C", "4D", "4H", "4S", "8C", "8D", "8H", "8S", "9C", "9D", "9H",
                                "9S", "TC", "TD", "TH", "TS", "4C", "4D", "4H", "4S", "8C", "8D"};
  std::ostringstream out;
  for (int i = 0; i < count; ++i) out << names[i] << ' ';
  return out.str();
}

}  // namespace

// --- Loose cards

struct LooseCase {
  const char* table;
  int loose;
  bool ready;
};

TEST_F(ExpertPile, LooseCardsCountAPairWithoutAWildcardAsTwoAndThreeBlackThreesAsNone) {
  const LooseCase cases[] = {
      {"opp: KH KS JK 5D", 1, true},                // the joker makes the pair a meld
      {"opp: KH KS 5D", 3, false},                  // no wildcard: both kings are loose
      {"opp: KH KS QH QS JK 5D", 3, false},         // one wildcard for two pairs
      {"opp: JK 2C KH KD KC 5D", 1, true},          // spare wildcards go anywhere
      {"opp: KD 5C; oppmelds: KH KS KC", 1, true},  // a king goes on the meld
      {"opp: KH KS KD 5D 6C", 2, false},
      {"opp: 3S 3C 3S KH KD KC 5D", 1, true},  // three black threes go out together
      {"opp: 3S 3C KH KD KC 5D", 3, false},    // two do not
  };
  for (const LooseCase& c : cases) {
    SCOPED_TRACE(c.table);
    Lay(c.table, LevelExpert);
    const TLooseCards l = computer.looseCards();
    EXPECT_EQ(l.Loose, c.loose);
    EXPECT_EQ(l.ReadyToGoOut, c.ready);
  }
}

// --- The first-meld estimate

struct PlanCase {
  bool naturalPair;
  int score;  // 0 → 50, 1500 → 90, 3000 → 120
  int topRank;
  const char* hand;
  int plan;
  int wildcards;
  const char* why;
};

TEST_F(ExpertPile, TheFirstMeldPlanWithFewerWildcardsWinsAndATieGoesToTheTriples) {
  const PlanCase cases[] = {
      {false, 0, 0, "KH KS KD QH QS JK 5C", 1, 1, "joker on the kings or on the queens: one each"},
      {false, 1500, 0, "KH KS KD AH AS JK 2C 2D 5C", 2, 1, "the aces with the joker beat two wildcards on the kings"},
      {false, 0, 0, "KH KS KD JK 5C", 1, 1, "a wildcard on the triple"},
      {true, 0, 0, "KH KS KD JK 5C", 1, 1, "the pair rule leaves a triple of the hand its wildcard"},
      {true, 0, 0, "KH KS KD QH QS JK 5C", 1, 1, "the pair rule leaves either meld of the hand its joker"},
      {true, 1500, 0, "QH QS JH JS 2C 5C", 0, 1, "short: the pairs' wildcards still count"},
      {false, 1500, 0, "4H 4S 4D 2C 2D 2H 2S 5C", 0, 3, "no more than three wildcards on a triple"},
      {false, 0, RankKing, "KH KS JK 5C", 1, 1, "the top card's pair takes the joker"},
      {true, 0, RankKing, "KH KS JK 5C", 0, 0, "under the pair rule the top card with one natural takes none"},
  };
  game.Rules.NumberOfCanastas = 2;  // no wildcard budget
  for (const PlanCase& c : cases) {
    SCOPED_TRACE(c.why);
    game.Rules.NaturalPair = c.naturalPair;
    t.OpponentScore = c.score;
    Lay((std::string("opp: ") + c.hand).c_str(), LevelExpert);
    const TExpertEstimate e = computer.initialMeldEstimate(c.topRank, false, false);
    EXPECT_EQ(computer.wildcardPlan, c.plan);
    EXPECT_EQ(e.wildcardsUsed, c.wildcards);
    EXPECT_EQ(e.Reachable, c.plan != 0);
  }
}

TEST_F(ExpertPile, ALooseFirstMeldEstimateMayFallFivePointsShortAndAStrictOneMayNot) {
  // With one canasta to go and a canasta in prospect the room test passes; no wildcards, no budget.
  struct Case {
    const char* hand;
    bool strict, loose;
  } cases[] = {
      {"KH KS KD 5C 5D 5S 7H", false, true},       // 45 of 50
      {"KH KS KD KC 5C 7H", false, false},         // 40 of 50
      {"KH KS KD 5C 5D 5S 6C 6D 6S", true, true},  // 60
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hand);
    Lay((std::string("opp: ") + c.hand).c_str(), LevelExpert);
    EXPECT_EQ(computer.initialMeldEstimate(0, true, true).Reachable, c.strict);
    EXPECT_EQ(computer.initialMeldEstimate(0, false, false).Reachable, c.loose);
  }
}

TEST_F(ExpertPile, ALooseFirstMeldEstimateAcceptsWhateverAStrictOneAccepts) {
  // The triples make 45: the joker goes onto the kings in both plans' tie, and
  // against a small pile the one-canasta budget refuses it, loose or strict.
  Lay("opp: KH KS KD 5C 5D 5S QH QS JK", LevelExpert);
  const TExpertEstimate loose = computer.initialMeldEstimate(0, false, false);
  EXPECT_EQ(computer.wildcardPlan, 1);
  EXPECT_EQ(loose.wildcardsUsed, 1);
  EXPECT_FALSE(loose.Reachable);
  const TExpertEstimate strict = computer.initialMeldEstimate(0, true, true);
  EXPECT_EQ(computer.wildcardPlan, 1);
  EXPECT_EQ(strict.wildcardsUsed, 1);
  EXPECT_FALSE(strict.Reachable);

  // Across the budget's limits a strict yes is always a loose yes.
  int strictYes = 0;
  for (const int score : {0, 1500, 3000}) {
    for (int pile = 0; pile <= 20; pile += 4) {
      for (const char* hand : {"AH AS JK KH KS JK 5C 6D 7H 8S 9C TD JH QS", "QH QS JK 5C 6C 7D 8D 9H TH JH JS 2C",
                               "KH KS KD 5C 5D 5S QH QS JK 6D 7D 8D"}) {
        t.OpponentScore = score;
        Lay((std::string("opp: ") + hand + "; pile: " + Fillers(pile)).c_str(), LevelExpert);
        for (const bool prospect : {false, true}) {
          if (computer.initialMeldEstimate(0, prospect, true).Reachable) {
            ++strictYes;
            SCOPED_TRACE(std::string(hand) + " pile " + std::to_string(pile) + " score " + std::to_string(score));
            EXPECT_TRUE(computer.initialMeldEstimate(0, false, false).Reachable);
          }
        }
      }
    }
  }
  EXPECT_GE(strictYes, 10);
}

TEST_F(ExpertPile, AStrictFirstMeldEstimateLeavesRoomToGoOnAfterTheMeld) {
  // The aces reach 50 with three of the twelve cards.
  struct Case {
    int needed, pile;
    bool prospect, reachable;
  } cases[] = {
      {1, 2, false, false}, {1, 3, false, true}, {1, 2, true, true},   // 12 + 3 - 9 - 3 >= 3
      {2, 5, false, false}, {2, 6, false, true}, {2, 5, true, false},  // 12 + 6 - 9 - 6 >= 3
      // (a canasta in prospect makes room only when one canasta ends the hand)
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.needed) + " canastas, pile " + std::to_string(c.pile));
    game.Rules.NumberOfCanastas = c.needed;
    Lay(("opp: AH AS AD 5C 6D 7H 8S 9C TD JH QS KC; pile: " + Fillers(c.pile)).c_str(), LevelExpert);
    EXPECT_EQ(computer.initialMeldEstimate(0, c.prospect, true).Reachable, c.reachable);
    EXPECT_TRUE(computer.initialMeldEstimate(0, c.prospect, false).Reachable);
  }
}

struct BudgetCase {
  int score;
  const char* hand;  // wildcards it needs: one, or two for the last two hands
  int pile;
  const char* pileWildcard;  // "" or a wildcard under the pile
  int needed;
  bool reachable;
};

TEST_F(ExpertPile, WithOneCanastaToGoTheFirstMeldsWildcardsComeFromABudgetThatGrowsWithThePile) {
  const BudgetCase cases[] = {
      {0, "QH QS JK 5C", 14, "", 1, false},
      {0, "QH QS JK 5C", 15, "", 1, true},
      {0, "QH QS JK 5C", 3, "2C", 1, true},  // the pile brings its own wildcard
      {0, "QH QS JK 5C", 3, "", 2, true},    // no budget with two canastas to go
      {0, "6H 6S 5H 5S 2C 2D 7C", 19, "", 1, false},
      {0, "6H 6S 5H 5S 2C 2D 7C", 20, "", 1, true},
      {1500, "AH AS JK 5C", 6, "", 1, false},
      {1500, "AH AS JK 5C", 7, "", 1, true},
      {3000, "AH AS KH KS JK JK 5C", 10, "", 1, false},
      {3000, "AH AS KH KS JK JK 5C", 11, "", 1, true},
  };
  for (const BudgetCase& c : cases) {
    SCOPED_TRACE(std::string(c.hand) + " pile " + std::to_string(c.pile) + " " + c.pileWildcard);
    game.Rules.NumberOfCanastas = c.needed;
    t.OpponentScore = c.score;
    const int fill = c.pile - (c.pileWildcard[0] ? 1 : 0);
    Lay((std::string("opp: ") + c.hand + "; pile: " + c.pileWildcard + " " + Fillers(fill)).c_str(), LevelExpert);
    ASSERT_EQ(t.DiscardPile.Count, c.pile);
    EXPECT_EQ(computer.initialMeldEstimate(0, false, false).Reachable, c.reachable);
  }
}

// --- The pile decision

namespace {
// The computer has melded kings; with the pile's queens and its wildcards the queens make a canasta.
constexpr const char* QueensForACanasta = "opp: QH QS 5D 6D JK 2C 2D; oppmelds: KH KS KD KC; pile: 9C QD QC";
// The queens on top fight the player for a pile the computer has no canasta in sight with.
constexpr const char* ContestedQueens = "opp: QH QS 5D 6D 8H 9H TH JH 4C 7C AD AC; oppmelds: KH KS KD; pile: 9C 7D QC";
}  // namespace

struct EarlyCase {
  int needed;
  bool canastaRequired, threeBlocking;
  int stock;  // 0: as laid
  bool take;
  const char* why;
};

TEST_F(ExpertPile, EarlyInAOneCanastaHandThePileIsTakenOnlyWhenContestedOrForBlocking) {
  const EarlyCase cases[] = {
      {1, false, false, 67, true, "the queens' canasta"},
      {1, false, false, 68, false, "too early for one canasta"},
      {1, true, false, 67, true, "the canasta hunt"},
      {1, true, false, 68, false, "too early for the hunt"},
      {2, false, false, 0, true, "two canastas to go: no stock limit"},
      {1, false, true, 68, true, "blocking takes with three queens"},
  };
  for (const EarlyCase& c : cases) {
    SCOPED_TRACE(c.why);
    game.Rules.NumberOfCanastas = c.needed;
    game.Rules.CanastaRequired = c.canastaRequired;
    Lay(QueensForACanasta, LevelExpert);
    if (c.stock > 0) StockLeft(c.stock);
    computer.threeBlocking = c.threeBlocking;
    computer.aggressiveTurn = false;
    {
      const THandProbe top(computer, t.DiscardPile.Top());
      ASSERT_FALSE(computer.pileContested());
    }
    EXPECT_EQ(computer.expertPileDecision(), c.take);
  }
}

struct ContestedCase {
  const char* pile;
  int stock;  // 0: as laid
  bool take;
};

TEST_F(ExpertPile, AContestedPileIsTakenWhenBigEnoughOrHoldingAWildcardWhateverTheStock) {
  const ContestedCase cases[] = {
      {"9C 7D QC", 70, true},
      {"9C 7D QC", 71, false},
      {"9C QC", 70, false},
      {"9C 2D QC", 0, true},  // a wildcard in the pile: taken with 90 cards in the stock
  };
  for (const ContestedCase& c : cases) {
    SCOPED_TRACE(std::string(c.pile) + " stock " + std::to_string(c.stock));
    std::string table = ContestedQueens;
    table = table.substr(0, table.find("pile:")) + "pile: " + c.pile;
    Lay(table.c_str(), LevelExpert);
    if (c.stock > 0) StockLeft(c.stock);
    {
      const THandProbe top(computer, t.DiscardPile.Top());
      ASSERT_TRUE(computer.pileContested());
    }
    EXPECT_EQ(computer.expertPileDecision(), c.take);
  }
}

TEST_F(ExpertPile, NoPileIsContestedWhileThePlayerHoldsTheMajority) {
  for (const char* table : {ContestedQueens, "opp: QH QS 5D; oppmelds: KH KS KD; pile: 9C 2D QC"}) {
    SCOPED_TRACE(table);
    Lay(table, LevelExpert);
    computer.opponentHoldsMajority = false;
    ASSERT_TRUE(computer.pileContested());
    computer.opponentHoldsMajority = true;
    EXPECT_FALSE(computer.pileContested());
  }
}

struct HuntCase {
  const char* hand;
  int pile;
  double draw;
  bool take;
  bool drawn;
};

TEST_F(ExpertPile, TheCanastaHuntNeverTakesAPileOfFiveOrFewerByChance) {
  // Two canastas to go: no stock limit. The kings lack two wildcards for a canasta.
  const char* noCanasta = "QH QS 5D 6D 8H 9H JK";
  const HuntCase cases[] = {
      {noCanasta, 5, 0.999, false, true},  // 25 / 25
      {noCanasta, 6, 0.999, true, true},   // 25 / 36 = 0.694
      {noCanasta, 6, 0.69, false, true},
      {noCanasta, 10, 0.26, true, true},
      {noCanasta, 10, 0.24, false, true},
      {"QH QS 5D 6D JK 2C 2H", 5, 0.001, true, false},  // the kings qualify: no chance needed
  };
  game.Rules.NumberOfCanastas = 2;
  game.Rules.CanastaRequired = true;
  const char* under[] = {"4C", "7C", "9C", "TC", "AS", "4D", "7S", "TS", "JC"};
  for (const HuntCase& c : cases) {
    SCOPED_TRACE(std::string(c.hand) + " pile " + std::to_string(c.pile) + " draw " + std::to_string(c.draw));
    std::string pile;
    for (int i = 0; i + 1 < c.pile; ++i) pile += std::string(under[i]) + " ";
    Lay((std::string("opp: ") + c.hand + "; oppmelds: KH KS KD KC; pile: " + pile + "QC").c_str(), LevelExpert);
    ASSERT_EQ(t.DiscardPile.Count, c.pile);
    host.Reals = {c.draw};
    EXPECT_EQ(computer.expertPileDecision(), c.take);
    EXPECT_EQ(host.Reals.empty(), c.drawn);
  }
}

TEST_F(ExpertPile, AKingOnTopRaisesTheFirstMeldTargetWhenTheTopCardDoesNotCount) {
  // Three kings with the top card and four fours make exactly 50; the pile is big
  // enough and the stock low enough for three of the top card's rank.
  const char* table = "opp: KH KS 4C 4D 4S 4H 7D 8D 9C TC JC; pile: 5C 6C 7C 9D TD JD QD KD";
  for (const bool topCounts : {true, false}) {
    SCOPED_TRACE(topCounts ? "top card counts" : "top card does not count");
    game.Rules.TopCardCounts = topCounts;
    Lay(table, LevelExpert);
    StockLeft(50);
    EXPECT_EQ(computer.expertPileDecision(), topCounts);
    EXPECT_EQ(computer.initialMeldTarget, topCounts ? 50 : 60);
  }
  // Also when the pile cannot be taken at all.
  game.Rules.TopCardCounts = false;
  Lay("opp: 5D 6D 9H; pile: 9C KD", LevelExpert);
  EXPECT_FALSE(computer.expertPileDecision());
  EXPECT_EQ(computer.initialMeldTarget, 60);
}

TEST_F(ExpertPile, TheLookAheadLeavesTheHandAndThePileAsTheyWere) {
  struct Case {
    const char* table;
    bool canastaRequired, threeBlocking;
    bool take;
  } cases[] = {
      {QueensForACanasta, false, false, false},  // the queens' canasta, too early
      {QueensForACanasta, true, false, false},   // the hunt, too early
      {QueensForACanasta, false, true, true},    // blocking
      {ContestedQueens, false, false, false},
      // Not melded, 26 cards with the top against the player's 6 and a pile that would give the
      // player a canasta: a spare two is better thrown to freeze the pile than the pile taken.
      {"opp: QH QS AH AS AD KH KS KD 2C 5C 5D 6C 6D 7C 7D 8C 8D 9C 9D TC TD JC JD 4C 4D; "
       "melds: QD QD QH QC 2S>Q 2S>Q; pile: 9H 2H QC",
       false, false, false},
      {"opp: QH QS AH AS AD KH KS KD TH 5C 5D 6C 6D 7C 7D 8C 8D 9C 9D TC TD JC JD 4C 4D; "
       "melds: QD QD QH QC 2S>Q 2S>Q; pile: 9H 2H QC",
       false, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.table);
    game.Rules.CanastaRequired = c.canastaRequired;
    Lay(c.table, LevelExpert);
    computer.threeBlocking = c.threeBlocking;
    const std::string hand = Hand(), pile = Pile();
    const int count = t.OpponentHand.Count;
    EXPECT_EQ(computer.expertPileDecision(), c.take);
    EXPECT_EQ(Hand(), hand);
    EXPECT_EQ(t.OpponentHand.Count, count);
    EXPECT_EQ(Pile(), pile);
  }
}

// --- The turn's set-up

TEST_F(ExpertPile, AOneCardPileEndsThreeBlockingWithoutTwoBlackThreesAndForgetsTheShedRank) {
  struct Case {
    const char* table;
    bool blocking;
    int shedRank;
  } cases[] = {
      {"opp: 3S 3C 5D; pile: 9C", true, 0},
      {"opp: 3S 5D 6D; pile: 9C", false, 0},
      {"opp: 3S 3H 5D; pile: 9C", false, 0},            // a red three blocks nothing
      {"opp: 3S 5D 6D; pile: 9C 8D", true, RankSeven},  // an older pile changes nothing
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.table);
    Lay(c.table, LevelExpert);
    computer.threeBlocking = true;
    computer.shedRank = RankSeven;
    computer.ExpertSetUp();
    EXPECT_EQ(computer.threeBlocking, c.blocking);
    EXPECT_EQ(computer.shedRank, c.shedRank);
  }
}

TEST_F(ExpertPile, ThePlayerHoldsTheMajorityLateInTheHandBeforeTheComputerHasMelded) {
  // The player holds whatever the stock, the pile of two and the computer do not.
  struct Case {
    int stock, computerHand;
    const char* more;
    bool majority;
    const char* why;
  } cases[] = {
      {59, 18, "", true, "61 unseen: 29 of 29"},
      {59, 19, "", false, "61 unseen: 28 of 29"},
      {60, 18, "", false, "62 unseen"},
      {58, 19, "", true, "60 unseen: 29 of 8 + 21"},
      {58, 20, "", false, "60 unseen: 28"},
      {59, 18, "; melds: 7C 7C 7S", true, "the player's melds count"},
      {59, 15, "; oppmelds: KH KS KD", false, "the computer has melded"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    static const char* names[] = {"4C", "4D", "5C", "5D", "6C", "6D", "7D", "7H", "8C", "8H",
                                  "9D", "9H", "TC", "TD", "JC", "JD", "QC", "QD", "AC", "AD"};
    std::string table = "opp:";
    for (int i = 0; i < c.computerHand; ++i) table += std::string(" ") + names[i];
    table += std::string("; pile: 9C 8D") + c.more;
    Lay(table.c_str(), LevelExpert);
    StockLeft(c.stock);
    computer.ExpertSetUp();
    EXPECT_EQ(computer.opponentHoldsMajority, c.majority);
  }
}

TEST_F(ExpertPile, TheTurnIsMoreOftenAggressiveAsTheStockRunsDown) {
  // Aggressive when the aggressiveness's threshold exceeds a draw from 0 .. stock - 1.
  struct Case {
    int aggressiveness, stock, threshold;
  } cases[] = {{0, 0, 10}, {100, 0, 70}, {0, 11, 10}, {50, 41, 40}, {100, 71, 70}, {100, 80, 70}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.aggressiveness) + "% with " + std::to_string(c.stock) + " in the stock");
    Lay("opp: 5D 6D 9H; pile: 9C KD", LevelExpert);
    StockLeft(c.stock);
    computer.Settings.aggressiveness = c.aggressiveness;
    for (int turn = 0; turn < 40; ++turn) {
      TRandomSource peek = host.Random;
      const int draw = c.stock > 0 ? peek.Int(c.stock) : 0;
      computer.ExpertSetUp();
      EXPECT_EQ(computer.aggressiveTurn, draw < c.threshold) << "draw " << draw;
    }
  }
}
