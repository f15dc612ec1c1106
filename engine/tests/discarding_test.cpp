#include "engine/invariants.h"
#include "engine/tests/turn_fixture.h"

#include <gtest/gtest.h>

using namespace tarvelo;

TEST_F(TurnTest, ADiscardPassesTheTurn) {
  host.Network = true;
  Drawn("hand: KH 9C 4D QC; melds: QH QS QD AS AD AC");
  Meld("QC");  // nothing to take back after the discard
  t.pickupMemory = t.PlayerHand;
  Discard("9C");
  EXPECT_EQ(NameOf(t.DiscardPile.Top()), "9C");
  EXPECT_EQ(t.DiscardPile.Top().X, l.LeftMargin);
  EXPECT_EQ(t.DiscardPile.Top().Y, l.DiscardY);
  EXPECT_EQ(t.DiscardPile.Top().FaceUp, 1);
  EXPECT_EQ(t.pickupMemory.Count, t.PlayerHand.Count);
  EXPECT_EQ(t.Phase, PhaseOpponent);
  EXPECT_EQ(LastStatus(), "It's Opponent's turn");
  EXPECT_TRUE(t.OpponentToMove);  // no click of the player counts during the peer's turn
  EXPECT_FALSE(t.HasDrawn);
  EXPECT_TRUE(t.MayDraw);
  EXPECT_FALSE(host.UndoEnabled);
  EXPECT_TRUE(game.UndoStack.empty());
  EXPECT_EQ(LastMove().Kind, TMoveKind::Discard);
  EXPECT_EQ(NameOf(LastMove().Card), "9C");
  EXPECT_FALSE(t.PileFrozen);
  // Undo changes nothing while the other seat moves.
  game.UndoMeld();
  EXPECT_EQ(NamesOf(t.PlayerMelds), "QH QS QD AS AD AC QC");
}

TEST_F(TurnTest, DiscardingIsRefusedBeforeTheDrawAndWithIllegalMelds) {
  ToDraw("hand: KH 9C 4D");
  Discard("9C");
  EXPECT_EQ(LastStatus(),
            "You cannot discard before drawing; please draw first by clicking on the stock or the discard pile");
  Drawn("hand: KH 9C 4D; melds: QH QS");
  const TTableState before = t;
  Discard("9C");
  EXPECT_EQ(LastStatus(), "Discarding is not possible now: every melded rank must contain at least three cards");
  EXPECT_TRUE(ErrorShown());
  EXPECT_EQ(NamesOf(t.PlayerHand), NamesOf(before.PlayerHand));
  EXPECT_EQ(t.HasDrawn, before.HasDrawn);
  EXPECT_EQ(t.Phase, before.Phase);
  EXPECT_EQ(host.ComputerTurns, 0);
}

TEST_F(TurnTest, DiscardingAWildcardFreezesThePile) {
  const std::pair<const char*, bool> cases[] = {{"JK", true}, {"2S", true}, {"3S", false}, {"9C", false}};
  for (const auto& [card, freezes] : cases) {
    SCOPED_TRACE(card);
    Drawn((std::string("hand: KH 4D ") + card).c_str());
    t.PileFrozen = false;
    Discard(card);
    EXPECT_EQ(NameOf(t.DiscardPile.Top()), card);
    EXPECT_EQ(t.PileFrozen, freezes);
  }
}

TEST_F(TurnTest, DiscardingTheLastCardWithTheCanastasGoesOut) {
  Drawn("hand: 9C; melds: 8H 8S 8D 8C 8H 8S 8D");
  Discard("9C");
  ASSERT_EQ(host.HandResults.size(), 1u);
  EXPECT_EQ(t.WhoWentOut, PlayerWentOut);
  EXPECT_EQ(CheckCardConservation(t), "");
}

TEST_F(TurnTest, TheLastCardIsNotDiscardedWithoutTheCanastasToGoOut) {
  // Melds below the minimum are let through only for going out, and going out needs a canasta.
  Drawn("hand: 9C; melds: 8H 8S 8D");
  Discard("9C");
  EXPECT_EQ(LastStatus(), "Discarding is not possible now: you need a Canasta to go out");
  EXPECT_EQ(NamesOf(t.PlayerHand), "9C");
  EXPECT_TRUE(host.HandResults.empty());
  game.Rules.NumberOfCanastas = 2;
  Drawn("hand: 9C; melds: 8H 8S 8D 8C 8H 8S 8D");
  Discard("9C");
  EXPECT_EQ(LastStatus(), "Discarding is not possible now: you need two Canastas to go out");
}

TEST_F(TurnTest, ARedThreeLeavesTheMeldsOnlyUnderTheFreezingRule) {
  host.Network = true;
  Drawn("hand: KH 9C; melds: 3H AH AS AD");
  const int redThree = 0;
  DiscardRedThree(redThree);
  EXPECT_EQ(t.PlayerMelds.Count, 4);
  EXPECT_TRUE(t.DiscardPile.Empty());
  game.Rules.ThreeBlock = true;
  DiscardRedThree(redThree);
  EXPECT_EQ(NameOf(t.DiscardPile.Top()), "3H");
  EXPECT_TRUE(t.PileFrozen);
  EXPECT_EQ(t.Phase, PhaseOpponent);
  EXPECT_TRUE(t.OpponentToMove);
  EXPECT_EQ(LastMove().Kind, TMoveKind::DiscardRedThree);
  EXPECT_EQ(NameOf(LastMove().Card), "3H");
}

TEST_F(TurnTest, ARedThreeIsNotDiscardedFromIllegalMelds) {
  game.Rules.ThreeBlock = true;
  Drawn("hand: KH 9C; melds: 3H QH QS");
  DiscardRedThree(0);
  EXPECT_EQ(LastStatus(), "Discarding is not possible now: every melded rank must contain at least three cards");
  EXPECT_EQ(t.PlayerMelds.Count, 3);
}
