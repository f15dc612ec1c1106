#include "ai/tests/ai_fixture.h"

using namespace tarvelo;

using ComputerTurn = ComputerTest;

TEST_F(ComputerTurn, TheTurnDrawsMeldsDiscardsAndHandsTheTurnBack) {
  Lay("opp: 4S 6H 9D JC KS; melds: 8S 8H 8D; stock: 7C; pile: 5D");
  t.OpponentMeldValueAtTurnStart = -1;
  const int stock = t.Stock.Count;
  PlayWholeTurn();
  EXPECT_EQ(t.Stock.Count, stock - 1);
  EXPECT_EQ(t.OpponentHand.Count, 5);
  EXPECT_EQ(t.DiscardPile.Count, 2);
  EXPECT_FALSE(t.OpponentToMove);
  EXPECT_EQ(t.Phase, PhaseDraw);
  EXPECT_EQ(t.PendingPhase, PhaseOpponent);
  EXPECT_EQ(t.PlayerMeldValueAtTurnStart, 30);
  EXPECT_EQ(t.OpponentMeldValueAtTurnStart, 0);
  EXPECT_EQ(host.StatusLines.back().Text, game.PhaseText(PhaseDraw));
  EXPECT_EQ(host.Boxes.size(), 0u);
  EXPECT_EQ(host.BusyDepth, 0);
}

TEST_F(ComputerTurn, ARedThreeDrawnIsReplacedAndLaidDownInTheMeldStep) {
  game.Rules.NumberOfCards = 2;
  Lay("opp: 4S 6H 9D JC KS; stock: 3H 7C 8C 9H");
  PlayWholeTurn();
  EXPECT_EQ(Melds(), "3H");
  EXPECT_EQ(t.OpponentHand.Count, 5 + 2 - 1);  // two cards drawn besides the red three, one discarded
  EXPECT_EQ(CardName(t.Stock.Top()), "9H");
  game.Rules.DrawExtra = false;
  Lay("opp: 4S 6H 9D JC KS; stock: 3H 7C 8C");
  PlayWholeTurn();
  EXPECT_EQ(CardName(t.Stock.Top()), "8C");
}

TEST_F(ComputerTurn, AStockThatRunsOutStopsTheDrawing) {
  game.Rules.NumberOfCards = 2;
  Lay("opp: 4S 6H 9D JC KS; stock: 7C 8C");
  StockLeft(1);
  PlayWholeTurn();
  EXPECT_TRUE(t.Stock.Empty());
  EXPECT_TRUE(t.StockExhausted);
  EXPECT_EQ(t.OpponentHand.Count, 5);
}

TEST_F(ComputerTurn, WithOneCardAndTooFewCanastasTheComputerPasses) {
  Lay("opp: ; stock: 7C");
  PlayWholeTurn();
  ASSERT_EQ(host.Boxes.size(), 1u);
  EXPECT_EQ(host.Boxes[0], "The computer passes the discard.");
  EXPECT_EQ(Hand(), "7C");
  EXPECT_EQ(t.DiscardPile.Count, 0);
  EXPECT_FALSE(t.OpponentToMove);
}

TEST_F(ComputerTurn, ADiscardTheRulesRefuseIsNotMadeAndTheTurnEndsAllTheSame) {
  // Melds short of the first meld's minimum, as no earlier turn could have left them.
  Lay("opp: 4S 6H 9D JC; oppmelds: KS KS KC; stock: 7C; pile: 5D");
  std::vector<std::string> skipped;
  computer.MoveSkipped = [&](const std::string& what) { skipped.push_back(what); };
  PlayWholeTurn();
  ASSERT_EQ(skipped.size(), 1u);
  EXPECT_EQ(skipped[0].rfind("refused discard: your first meld must be at least 50 points", 0), 0u) << skipped[0];
  EXPECT_EQ(CardNames(t.DiscardPile), "5D");
  EXPECT_EQ(t.OpponentHand.Count, 5);
  EXPECT_FALSE(t.OpponentToMove);
  EXPECT_EQ(t.Phase, PhaseDraw);
  EXPECT_EQ(host.BusyDepth, 0);
}

TEST_F(ComputerTurn, WithOneCardAndTheCanastaNeededTheComputerDiscardsAndGoesOut) {
  Lay("opp: ; oppmelds: KS KS KC KC KD KD KH; hand: 4H 4D; stock: 7C; pile: 5D");
  PlayWholeTurn();
  ASSERT_EQ(host.HandResults.size(), 1u);
  EXPECT_EQ(CardNames(host.AtHandEnd.DiscardPile), "5D 7C");
  EXPECT_EQ(host.AtHandEnd.WhoWentOut, OpponentWentOut);
  EXPECT_EQ(host.Boxes.size(), 0u);
}

TEST_F(ComputerTurn, ADiscardedWildcardFreezesThePileAndABlackThreeDoesNot) {
  Lay("opp: 2C; stock: JK; pile: 5D");
  PlayWholeTurn();
  EXPECT_EQ(CardName(t.DiscardPile.Top()), "2C");
  EXPECT_TRUE(t.PileFrozen);
  Lay("opp: 3S; stock: 3C; pile: 5D");
  PlayWholeTurn();
  EXPECT_EQ(CardName(t.DiscardPile.Top()), "3S");
  EXPECT_FALSE(t.PileFrozen);
}

TEST_F(ComputerTurn, WithTheStockExhaustedATopCardThatFitsIsTakenAloneAndLaid) {
  for (const int level : {LevelBeginner, LevelAdvanced}) {
    SCOPED_TRACE(level);
    Lay("opp: 5D 6D 9C JH; oppmelds: KS KS KC AS AH AD; pile: 7C 4S KD", level);
    StockLeft(0);
    PlayWholeTurn();
    EXPECT_EQ(MeldSize(RankKing), 4);
    EXPECT_EQ(t.DiscardPile.Count, 3);  // 7C 4S and the discard
    EXPECT_EQ(CardNames(t.DiscardPile).substr(0, 5), "7C 4S");
    EXPECT_TRUE(host.HandResults.empty());
  }
}

TEST_F(ComputerTurn, WithTheStockExhaustedAndNothingToTakeTheHandEnds) {
  for (const int level : {LevelBeginner, LevelAdvanced}) {
    SCOPED_TRACE(level);
    host.HandResults.clear();
    Lay("opp: 5D 6D 9C JH; oppmelds: KS KS KC; pile: 7C 4S", level);
    StockLeft(0);
    PlayWholeTurn();
    ASSERT_EQ(host.HandResults.size(), 1u);
    EXPECT_TRUE(host.AtHandEnd.EndHandRequested);
    EXPECT_EQ(CardNames(host.AtHandEnd.OpponentHand), "5D 6D 9C JH");  // no meld, no discard
    EXPECT_EQ(host.AtHandEnd.WhoWentOut, NobodyWentOut);
  }
}

TEST_F(ComputerTurn, ANumberThatIsNoLevelPlaysAWholeTurnAsTheLevelsDo) {
  // Whoever sits in the computer's seat moves: a turn that does nothing would
  // leave the player waiting for ever. 3 is the hall of fame's network table, no level.
  const int levels[] = {LevelBeginner, LevelAdvanced, LevelExpert, 3, -1, 5};
  for (const int level : levels) {
    SCOPED_TRACE(level);
    Lay("opp: 4S 6H 9D; stock: 7C", level);
    PlayWholeTurn();
    EXPECT_EQ(t.OpponentHand.Count, 3);
    EXPECT_EQ(t.DiscardPile.Count, 1);
    EXPECT_FALSE(t.OpponentToMove);
  }
}

TEST_F(ComputerTurn, EveryPauseLastsTheHostsMeldingDelay) {
  host.Delay = 1500;
  Lay("opp: KH KS 9C 9D 9S 5C; stock: KD");
  PlayWholeTurn();
  EXPECT_EQ(MeldSize(RankKing), 3);
  ASSERT_FALSE(host.Pauses.empty());
  for (const int pause : host.Pauses) EXPECT_EQ(pause, 1500);
}

TEST_F(ComputerTurn, ThreeBlockingIsForgottenWhenANewHandIsDealt) {
  Lay("opp: 4S 6H 9D JC; stock: 7C 8C 9H");
  game.LastDealString = "first hand";
  computer.threeBlocking = true;
  computer.shedRank = RankNine;
  PlayWholeTurn();
  EXPECT_FALSE(computer.threeBlocking);
  EXPECT_EQ(computer.shedRank, 0);
  computer.threeBlocking = true;
  t.OpponentToMove = true;
  PlayWholeTurn();
  EXPECT_TRUE(computer.threeBlocking);
  game.LastDealString = "second hand";
  t.OpponentToMove = true;
  PlayWholeTurn();
  EXPECT_FALSE(computer.threeBlocking);
}

namespace {
// A host on which a card cannot be moved: every animation breaks an invariant.
class TBrokenHost : public TScriptedHost {
 public:
  void AnimateCard(const TCard&, const TCard&) override { throw TRangeFault("a card went astray"); }
};
}  // namespace

TEST(ComputerTurnFault, ABrokenInvariantStopsTheTurnAndGivesThePlayerTheTurnBack) {
  TBrokenHost host;
  TGame game(host);
  TTableBuilder(game).Build("opp: 4S 6H 9D; stock: 7C");
  game.Table.OpponentToMove = true;
  game.ShowPhase(PhaseOpponent);
  TComputerPlayer computer(game);
  computer.playComputerTurn();
  ASSERT_EQ(host.Boxes.size(), 1u);
  EXPECT_EQ(host.Boxes[0], "a card went astray");
  EXPECT_FALSE(game.Table.OpponentToMove);
  EXPECT_EQ(game.Table.Phase, PhaseDraw);
  EXPECT_EQ(host.BusyDepth, 0);
}

// A turn taken over from a peer that had drawn goes on from its melds, at every level.
TEST_F(ComputerTurn, ATurnTakenOverAfterItsDrawIsNotDrawnAgain) {
  for (const int level : {LevelBeginner, LevelAdvanced, LevelExpert, LevelMaster}) {
    SCOPED_TRACE(level);
    Lay("opp: 4S 6H 9D JC KS 8C; melds: 8S 8H 8D; stock: 7C; pile: 5D", level);
    t.PendingPhase = PhaseMeld;
    const int stock = t.Stock.Count, pile = t.DiscardPile.Count;
    computer.playComputerTurn();
    EXPECT_EQ(t.Stock.Count, stock);
    EXPECT_EQ(t.DiscardPile.Count, pile + 1);
    EXPECT_EQ(t.OpponentHand.Count, 5);
    EXPECT_FALSE(t.OpponentToMove);
  }
}
