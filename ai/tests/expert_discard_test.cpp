#include "ai/tests/ai_fixture.h"

#include <string>

using namespace tarvelo;

namespace {
const std::string KingCanasta = "oppmelds: KS KS KC KC KD KD KH; ";
}  // namespace

struct ExpertDiscard : ComputerTest {
  // The player's hand grows to `cards` from the bottom of the stock.
  void PlayerHolds(int cards) { StockLeft(t.Stock.Count - (cards - t.PlayerHand.Count)); }
  // Whether the discard's next draw makes the joker the preferred wildcard.
  bool NextDrawPrefersTheJoker() const {
    TRandomSource twin = host.Random;
    return twin.Int(10) >= 8;
  }
  std::string Discard() { return Choice(computer.expertChooseDiscard()); }
  // A fresh hand: nothing shed yet and no blocking under way.
  void LayExpert(const std::string& table) {
    Lay(table.c_str(), LevelExpert);
    computer.shedRank = 0;
    computer.threeBlocking = false;
  }
};

TEST_F(ExpertDiscard, BlockingWithBlackThreesComesBeforeEverythingElse) {
  // Five wildcards against a frozen pile would otherwise go.
  Lay("opp: 9D 3C JK JK 2C 2D 2H; pile: 8H", LevelExpert);
  t.PileFrozen = true;
  computer.threeBlocking = true;
  EXPECT_EQ(Discard(), "3C");
  computer.threeBlocking = false;
  EXPECT_TRUE(IsWildcard(t.OpponentHand.At(computer.expertChooseDiscard())));

  // The red-three freeze would otherwise take the red three from the meld area.
  game.Rules.NumberOfCanastas = 2;
  game.Rules.ThreeBlock = true;
  Lay("oppmelds: 3H; opp: 4S 6D 3C 8D", LevelExpert);
  computer.threeBlocking = true;
  EXPECT_EQ(Discard(), "3C");
  EXPECT_EQ(Melds(), "3H");

  // And with the last card in hand.
  Lay("opp: 3S; pile: 8H", LevelExpert);
  computer.threeBlocking = true;
  EXPECT_EQ(Discard(), "3S");
}

TEST_F(ExpertDiscard, ASingleCardIsDiscardedWhateverItIs) {
  const char* tables[] = {
      "opp: JK; pile: 8H",
      "opp: 3S; pile: 8H",
      // The pile's kings would complete the player's canasta.
      "opp: KD; melds: KS KC KH; pile: KD KS KC",
      // An empty pile and a player with one card: the king is still the only card.
      "opp: KD; melds: KS KC KH; hand: 6D",
  };
  for (const char* table : tables) {
    SCOPED_TRACE(table);
    LayExpert(table);
    const std::string only = Hand();
    EXPECT_EQ(Discard(), only);
  }
  // The red-three freeze would otherwise take the red three from the meld area.
  game.Rules.NumberOfCanastas = 2;
  game.Rules.ThreeBlock = true;
  LayExpert("oppmelds: 3H; opp: 9D");
  EXPECT_EQ(Discard(), "9D");
  EXPECT_EQ(Melds(), "3H");
}

struct RedThreeCase {
  const char* why;
  int needed;
  bool threeBlock;
  const char* table;
  bool redThreeGoes;
};

TEST_F(ExpertDiscard, BeforeItsFirstMeldTheComputerFreezesThePileWithItsRedThree) {
  // Twelve cards before the draw, thirteen at the discard.
  const char* twelve = "oppmelds: 3H; opp: 4S 4C 6D 6H 7C 8D 9S TC JD QH KS AC; stock: 5D";
  const RedThreeCase cases[] = {
      {"two canastas needed, no meld, thirteen cards", 2, true, twelve, true},
      {"one canasta needed", 1, true, twelve, false},
      {"without the three-block rule", 2, false, twelve, false},
      {"fourteen cards", 2, true, "oppmelds: 3H; opp: 4S 4C 6D 6H 7C 8D 9S TC JD QH KS AC 5S; stock: 5D", false},
      {"after the first meld", 2, true,
       "oppmelds: 3H 9C 9D 9H 2S>9; opp: 4S 4C 6D 6H 7C 8D 9S TC JD QH KS AC; stock: 5D", false},
  };
  for (const RedThreeCase& c : cases) {
    SCOPED_TRACE(c.why);
    game.Rules.NumberOfCanastas = c.needed;
    game.Rules.ThreeBlock = c.threeBlock;
    LayExpert(c.table);
    const int handAfterDraw = t.OpponentHand.Count + 1;
    PlayWholeTurn();
    ASSERT_EQ(t.DiscardPile.Count, 1);
    EXPECT_EQ(IsRedThree(t.DiscardPile.Top()), c.redThreeGoes);
    EXPECT_EQ(t.PileFrozen, c.redThreeGoes);
    EXPECT_EQ(Melds().find("3H") != std::string::npos, !c.redThreeGoes);
    EXPECT_EQ(t.OpponentHand.Count, handAfterDraw - (c.redThreeGoes ? 0 : 1));
  }
}

TEST_F(ExpertDiscard, TheRedThreeComesFromTheMeldAreaNotFromTheHand) {
  game.Rules.NumberOfCanastas = 2;
  game.Rules.ThreeBlock = true;
  Lay("oppmelds: 3H 3D; opp: 4S 6D 8D", LevelExpert);
  EXPECT_EQ(computer.expertChooseDiscard(), TComputerPlayer::DiscardFromMelds);
  // Choosing moves nothing: the card leaves the meld area only as it is discarded.
  EXPECT_EQ(Melds(), "3H 3D");
  const TMove discard = computer.DiscardMove(TComputerPlayer::DiscardFromMelds);
  EXPECT_EQ(discard, (TMove{.Kind = TMoveKind::DiscardRedThree, .Card = 0}));
  ASSERT_TRUE(computer.Moves.Make(discard));
  EXPECT_EQ(CardName(t.DiscardPile.Top()), "3H");
  EXPECT_TRUE(t.PileFrozen);
  EXPECT_EQ(Melds(), "3D");
  EXPECT_EQ(Hand(), "4S 6D 8D");
  EXPECT_FALSE(t.OpponentToMove) << "the discard ends the computer's turn";
}

struct WildcardCase {
  const char* why;
  std::string table;
  bool frozen;
  bool wildcard;
};

TEST_F(ExpertDiscard, MoreThanFourWildcardsGoWhileThePileIsFrozenOrTheCanastaIsMissing) {
  const std::string five = "opp: JK JK 2C 2D 2H 5C 7D; pile: 8H";
  const WildcardCase cases[] = {
      {"five against a frozen pile", KingCanasta + five, true, true},
      {"five while short of the canasta", "oppmelds: 9S 9C 9D; " + five, false, true},
      {"five with the canasta made and the pile open", KingCanasta + five, false, false},
      {"four against a frozen pile", KingCanasta + "opp: JK 2C 2D 2H 5C 7D; pile: 8H", true, false},
  };
  for (const WildcardCase& c : cases) {
    SCOPED_TRACE(c.why);
    LayExpert(c.table);
    t.PileFrozen = c.frozen;
    const bool joker = NextDrawPrefersTheJoker();
    const int index = computer.expertChooseDiscard();
    ASSERT_GE(index, 0);
    if (c.wildcard) {
      EXPECT_EQ(Choice(index), joker ? "JK" : "2C");
    } else {
      EXPECT_FALSE(IsWildcard(t.OpponentHand.At(index))) << Choice(index);
    }
  }
}

TEST_F(ExpertDiscard, TheFreezingWildcardIsMostlyATwo) {
  Lay((KingCanasta + "opp: JK JK 2C 2D 2H 5C 7D; pile: 8H").c_str(), LevelExpert);
  t.PileFrozen = true;
  int twos = 0;
  const int draws = 200;
  for (int i = 0; i < draws; ++i) {
    const bool joker = NextDrawPrefersTheJoker();
    const std::string discard = Discard();
    ASSERT_EQ(discard, joker ? "JK" : "2C");
    twos += discard == "2C" ? 1 : 0;
  }
  // Eight draws in ten: 160 expected.
  EXPECT_GT(twos, 140);
  EXPECT_LT(twos, 180);
  // Without a joker a two goes whatever the draw.
  Lay((KingCanasta + "opp: 2S 2C 2D 2H 2S 5C 7D; pile: 8H").c_str(), LevelExpert);
  t.PileFrozen = true;
  for (int i = 0; i < 20; ++i) ASSERT_EQ(Discard(), "2S");
}

struct FeedCase {
  const char* why;
  std::string table;
  bool frozen;
  int playerHand;
  const char* discard;
};

TEST_F(ExpertDiscard, ARankThePileWouldCompleteForThePlayerIsNotThrownWhileASaferOneExists) {
  // The fives and nines are equally safe by the player's melds; the pile's
  // three fives would make the player's fives a canasta.
  const std::string table = "melds: 5S 5C 5D 9S 9C 9D; opp: 5C 9H; ";
  const FeedCase cases[] = {
      {"the pile holds three fives", KingCanasta + table + "pile: 5H 5H 5S 7C", false, 5, "9H"},
      {"the pile holds no five", KingCanasta + table + "pile: 7C", false, 5, "5C"},
      {"a frozen pile the player cannot take", KingCanasta + table + "pile: 5H 5H 5S 7C", true, 5, "5C"},
      {"the feeding single gives way to a pair", KingCanasta + "melds: 5S 5C 5D; opp: 5C 9H 9S; pile: 5H 5H 5S 7C",
       false, 5, "9H"},
      // Short of the canasta against a player with many cards, it does not look.
      {"no canasta and 26 cards on the player's side", "oppmelds: 8S 8C 8D; " + table + "pile: 5H 5H 5S 7C", false, 20,
       "5C"},
  };
  for (const FeedCase& c : cases) {
    SCOPED_TRACE(c.why);
    LayExpert(c.table);
    PlayerHolds(c.playerHand);
    t.PileFrozen = c.frozen;
    EXPECT_EQ(Discard(), c.discard);
  }
}

struct LastCardCase {
  const char* why;
  const char* table;
  const char* discard;
};

TEST_F(ExpertDiscard, AgainstAPlayersLastCardItKeepsBackARankThePlayerHasMelded) {
  const LastCardCase cases[] = {
      {"empty pile, one card: another rank goes", "melds: 9S 9S 9D; hand: 4H; opp: 9C QH QD", "QH"},
      {"the player holds two cards", "melds: 9S 9S 9D; hand: 4H 6D; opp: 9C QH QD", "9C"},
      {"the pile is not empty", "melds: 9S 9S 9D; hand: 4H; opp: 9C QH QD; pile: 7C", "9C"},
      {"no other rank of four or higher", "melds: 9S 9S 9D; hand: 4H; opp: 9C 3S", "9C"},
  };
  for (const LastCardCase& c : cases) {
    SCOPED_TRACE(c.why);
    LayExpert(KingCanasta + c.table);
    EXPECT_EQ(Discard(), c.discard);
  }
  // A blocking black three gives the player nothing to meld, whatever lies in its column of threes.
  LayExpert(KingCanasta + "melds: 3H 9S 9S 9D; hand: 4H; opp: 3S QH QD");
  computer.threeBlocking = true;
  EXPECT_EQ(Discard(), "3S");
}
