#include "engine/invariants.h"
#include "engine/tests/turn_fixture.h"

#include <gtest/gtest.h>

using namespace tarvelo;

TEST_F(TurnTest, UndoingTheSeventhCardReopensTheCanasta) {
  host.Network = true;
  Drawn("hand: 9H 9S 4C 5C; melds: 9D 9C 9D 9C JK>9");
  Meld("9H");
  Meld("9S");
  ASSERT_EQ(t.PlayerCanastas.Count, 1);
  game.UndoMeld();
  EXPECT_EQ(t.PlayerCanastas.Count, 0);
  EXPECT_EQ(t.PlayerCanastas.Kind[RankNine], NoCanasta);
  EXPECT_EQ(MeldColumnSize(RankNine), 6);
  int y = l.PlayerMeldY;
  for (const TCard& c : t.PlayerMelds.Live()) EXPECT_EQ(c.Y, y += StackStep);
  EXPECT_EQ(t.PlayerMelds.Columns[RankNine].Y, y);
  EXPECT_EQ(game.ScoreSeat(Seat::Player).Rows[RowCanastas].Value, 0);
  EXPECT_EQ(NamesOf(t.PlayerHand), "4C 5C 9S");
  EXPECT_TRUE(host.UndoEnabled);  // the first nine is still on the stack
  const TMoveReport takenBack = LastMove();
  EXPECT_EQ(takenBack.Kind, TMoveKind::TakeBack);
  EXPECT_EQ(NameOf(takenBack.Card), "9S");
  EXPECT_EQ(takenBack.Column, RankNine);
}

TEST_F(TurnTest, UndoingACardOfABiggerCanastaKeepsItClosed) {
  Drawn("hand: 9H 4C 5C; melds: 9D 9C 9D 9C JK>9 9S 9S");
  ASSERT_EQ(t.PlayerCanastas.Count, 1);
  Meld("9H");
  game.UndoMeld();
  EXPECT_EQ(t.PlayerCanastas.Count, 1);
  for (const TCard& c : t.PlayerMelds.Live()) EXPECT_EQ(c.Y, l.PlayerMeldY + StackStep);
  EXPECT_EQ(t.PlayerMelds.Columns[RankNine].Y, l.PlayerMeldY + StackStep);
}

TEST_F(TurnTest, AnUndoneWildcardGoesBackToItsOwnColumnOfTheHand) {
  Drawn("hand: JK 4C 5C; melds: 8H 8S 8D");
  AddWildcards(RankEight);
  ASSERT_EQ(MeldColumnSize(RankEight), 4);
  game.UndoMeld();
  EXPECT_EQ(MeldColumnSize(RankEight), 3);
  const int joker = FindFirst(t.PlayerHand, [](const TCard& c) { return c.Id == JokerId; });
  ASSERT_GE(joker, 0);
  EXPECT_EQ(t.PlayerHand.Cards[joker].X, l.ColumnX(RankJoker));
}

TEST_F(TurnTest, UndoAllTakesBackEveryMeldOfTheTurn) {
  Drawn("hand: QH QS QD JK 4C 5C");
  Meld("QH");
  Meld("QS");
  Meld("QD");
  AddWildcards(RankQueen);
  ASSERT_EQ(MeldColumnSize(RankQueen), 4);
  game.UndoAll();
  EXPECT_TRUE(t.PlayerMelds.Empty());
  EXPECT_EQ(t.PlayerHand.Count, 6);
  EXPECT_FALSE(host.UndoEnabled);
  EXPECT_EQ(t.pickupMemory.Count, 4);  // the opponent saw them all
  EXPECT_EQ(CheckCardConservation(t), "");
  // Nothing is left to undo.
  game.UndoMeld();
  EXPECT_EQ(t.PlayerHand.Count, 6);
}

TEST_F(TurnTest, UndoFindsTheColumnAfterTheWindowChangedSize) {
  Drawn("hand: QH QS QD 4C");
  Meld("QH", 3);
  ASSERT_EQ(MeldColumnSize(RankQueen), 3);
  game.ApplyLayout(ComputeLayout(3));
  game.UndoAll();
  EXPECT_TRUE(t.PlayerMelds.Empty());
  for (const TCard& c : t.PlayerHand.Live()) EXPECT_EQ(c.X, l.ColumnX(c.Rank));
}

TEST_F(TurnTest, AnUndoWaitsForARunningAnimation) {
  struct TBusyHost : TDeferredTurns<TRecordingHost> {
    bool AnimationBusy() const override { return true; }
  } busy;
  TGame g(busy);
  TTableBuilder(g).Build("hand: QH QS QD 4C").PlayerHasDrawn();
  TryMove(g, Seat::Player, {.Kind = TMoveKind::Meld, .Card = 0, .Count = 3});
  g.UndoAll();  // returns rather than waiting forever
  EXPECT_EQ(g.UndoStack.size(), 3u);
}

TEST_F(TurnTest, AColumnReachingFourNaturalsAtEightCardsIsCountedAndUndoneAgain) {
  Drawn("hand: 9H 4C 5C; melds: 9D 9C 9D JK>9 JK>9 2S>9 2H>9");
  ASSERT_EQ(t.PlayerCanastas.Count, 0);
  Meld("9H");
  EXPECT_EQ(t.PlayerCanastas.Count, 1);
  EXPECT_EQ(t.PlayerCanastas.Kind[RankNine], MixedCanasta);
  // Without the fourth natural the eight cards are no canasta.
  game.UndoMeld();
  EXPECT_EQ(t.PlayerCanastas.Count, 0);
  EXPECT_EQ(t.PlayerCanastas.Kind[RankNine], NoCanasta);
  EXPECT_EQ(t.PlayerMelds.Columns[RankNine].Y, l.PlayerMeldY + 7 * StackStep);
}
