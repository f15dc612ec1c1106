#include "engine/hit_test.h"
#include "engine/invariants.h"
#include "engine/tests/turn_fixture.h"

#include <gtest/gtest.h>

using namespace tarvelo;

TEST_F(TurnTest, HitTestFindsTheTargetsInOrderWithInclusiveEdges) {
  ToDraw("hand: KH KS KD JK; melds: 9S 9C 9D 3H; pile: 5D");
  const int x0 = l.LeftMargin, w = l.CardWidth, h = l.CardHeight;
  const int kx = l.ColumnX(RankKing), ky = l.PlayerHandY + StackStep;  // KH, KS, KD stack down from ky
  const int my = l.PlayerMeldY + StackStep;
  struct Case {
    int x, y;
    THit hit;
  };
  const Case cases[] = {
      {x0, l.StockY, {HitStock, -1}},
      {x0 + w, l.StockY + h, {HitStock, -1}},
      {x0 + w + 1, l.StockY, {HitNothing, -1}},
      {x0, l.StockY - 1, {HitNothing, -1}},
      {x0, l.DiscardY, {HitPile, -1}},
      {x0 + w, l.DiscardY + h, {HitPile, -1}},
      // A covered card answers over its 12-pixel strip, both edges included; the
      // first card in area order wins where strips meet.
      {kx, ky, {HitHandNatural, 0}},
      {kx + w, ky + StackStep, {HitHandNatural, 0}},
      {kx, ky + StackStep + 1, {HitHandNatural, 1}},
      {kx, ky + 2 * StackStep + h, {HitHandNatural, 2}},  // the last card shows its full height
      {kx, ky + 2 * StackStep + h + 1, {HitNothing, -1}},
      {l.ColumnX(RankJoker), ky + h, {HitHandWildcard, 3}},
      {l.ColumnX(RankNine) + w, my + 2 * StackStep + h, {HitMeld, 2}},
      {l.ColumnX(RankThree), my, {HitThree, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
    EXPECT_EQ(HitTest(t, l, c.x, c.y), c.hit);
  }
}

TEST_F(TurnTest, HitTestFindsNothingAfterTheHandAndNoStockOnceItIsExhausted) {
  builder.Build("hand: KH; pile: 5D").StockHolds(0).PlayerToDraw();
  EXPECT_EQ(HitTest(t, l, l.LeftMargin + 1, l.StockY + 1).Target, HitNothing);
  EXPECT_EQ(HitTest(t, l, l.LeftMargin + 1, l.DiscardY + 1).Target, HitPile);
  game.ShowPhase(PhaseHandOver);
  EXPECT_EQ(HitTest(t, l, l.LeftMargin + 1, l.DiscardY + 1).Target, HitNothing);
}

TEST_F(TurnTest, ADrawTakesTheTurnsCardsAndRedThreesAreReplaced) {
  struct Case {
    int cards;
    bool drawExtra;
    const char* stock;
    const char* hand;
    const char* threes;
    int drawn;
  };
  const Case cases[] = {
      {1, true, "9H 4C", "KS 9H", "", 1},
      {2, true, "9H 4C 8D", "KS 9H 4C", "", 2},
      {2, true, "9H 3D 4C 8D", "KS 9H 4C", "3D", 3},  // the red three does not count
      {2, false, "9H 3D 4C", "KS 9H", "3D", 2},       // without DrawExtra it does
      {1, true, "3H 3D 5S", "KS 5S", "3H 3D", 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stock);
    game.Rules.NumberOfCards = c.cards;
    game.Rules.DrawExtra = c.drawExtra;
    ToDraw((std::string("hand: KS; stock: ") + c.stock).c_str());
    const int stock = t.Stock.Count;
    Draw();
    EXPECT_EQ(NamesOf(t.PlayerHand), c.hand);
    EXPECT_EQ(NamesOf(t.PlayerMelds), c.threes);
    EXPECT_EQ(stock - t.Stock.Count, c.drawn);
    EXPECT_EQ(t.Phase, PhaseMeld);
    EXPECT_TRUE(t.HasDrawn);
    EXPECT_FALSE(t.MayDraw);
    EXPECT_EQ(t.StockDraws, 0);
  }
}

TEST_F(TurnTest, ASecondDrawIsRefused) {
  ToDraw("hand: KS; stock: 9H 4C");
  Draw();
  Draw();
  EXPECT_EQ(NamesOf(t.PlayerHand), "KS 9H");
  EXPECT_EQ(LastStatus(), "You have already drawn");
  EXPECT_TRUE(ErrorShown());
  EXPECT_EQ(t.LastError, ErrorAlreadyDrawn);
}

TEST_F(TurnTest, TheLastStockCardExhaustsTheStockAndShowsEndHand) {
  builder.Build("hand: KS 5D; stock: 9H").StockHolds(1).PlayerToDraw();
  Draw();
  EXPECT_EQ(NamesOf(t.PlayerHand), "KS 5D 9H");
  EXPECT_TRUE(t.StockExhausted);
  EXPECT_TRUE(host.EndHandVisible);
  EXPECT_FALSE(host.EndHandEnabled);  // usable only before the draw
  EXPECT_EQ(HitTest(t, l, l.LeftMargin + 1, l.StockY + 1).Target, HitNothing);
  EXPECT_EQ(CheckCardConservation(t), "");
}

TEST_F(TurnTest, ARedThreeLeavingOneCardInHandForcesThePass) {
  game.Rules.DrawExtra = false;
  ToDraw("hand: 9S; melds: AH AS AD; stock: 3H 5C");
  Draw();
  EXPECT_EQ(NamesOf(t.PlayerMelds), "AH AS AD 3H");
  ASSERT_EQ(host.Boxes.size(), 1u);
  EXPECT_EQ(host.Boxes[0],
            "You only have one card left, and not enough Canastas to go out.\r You have to pass the discard.");
  EXPECT_EQ(t.Phase, PhaseOpponent);
  EXPECT_TRUE(t.OpponentToMove);
  EXPECT_FALSE(t.HasDrawn);
  EXPECT_TRUE(t.MayDraw);
  EXPECT_EQ(host.ComputerTurns, 1);

  // The opponent's turn hands the turn back for the next draw.
  host.RunOpponentTurns(game);
  EXPECT_FALSE(t.OpponentToMove);
  EXPECT_EQ(t.Phase, PhaseDraw);
  EXPECT_EQ(t.PendingPhase, PhaseOpponent);
  Draw();
  EXPECT_EQ(t.PlayerHand.Count, 2);
}

TEST_F(TurnTest, EndHandIsRefusedWhileThePlayerIsForcedToTakeThePile) {
  builder.Build("hand: 5C 9D; melds: QH QS QD QC QH; pile: QS").StockHolds(0).PlayerToDraw();
  game.EndHand();
  ASSERT_EQ(host.Boxes.size(), 1u);
  EXPECT_EQ(host.Boxes[0],
            "You cannot end this hand now, because you must \n\rmeld the top card of the pile. (You are 'forced').");
  EXPECT_FALSE(t.EndHandRequested);
  EXPECT_TRUE(host.HandResults.empty());
}

TEST_F(TurnTest, EndHandScoresTheHandOnlyBeforeTheDraw) {
  host.Network = true;  // the peer is told; no deal waits on a computer turn
  builder.Build("hand: 5C 9D; melds: QH QS QD; pile: 4S").StockHolds(0).PlayerHasDrawn();
  game.EndHand();
  EXPECT_TRUE(host.HandResults.empty());
  builder.Build("hand: 5C 9D; melds: QH QS QD; pile: 4S").StockHolds(0).PlayerToDraw();
  game.EndHand();
  EXPECT_EQ(host.HandResults.size(), 1u);
  EXPECT_EQ(t.WhoWentOut, NobodyWentOut);
  ASSERT_FALSE(MoveKinds().empty());
  EXPECT_EQ(MoveKinds()[0], TMoveKind::EndHand);
}

// A whole hand from the deal, the player drawing and discarding and the stub
// opponent answering, until the stock runs out and the hand is scored.
TEST_F(TurnTest, AWholeHandIsPlayedThroughMoves) {
  PlayHandToItsEnd([&] { Draw(); }, [&](const char* name) { Discard(name); });
  ASSERT_EQ(host.HandResults.size(), 1u);
  EXPECT_EQ(CheckCardConservation(t), "");
  EXPECT_EQ(t.PlayerHand.Count, 15);  // the next hand is dealt
}
