#include "engine/invariants.h"
#include "engine/table_placement.h"
#include "session/tests/input_fixture.h"

#include <gtest/gtest.h>

using namespace tarvelo;

// What the player's clicks and keys ask for: the move a click on each target
// means with Shift and Ctrl, the right clicks counted towards a discard, and
// the keyboard phases; the engine's tests judge the moves themselves.

TEST_F(InputTest, OnlyTheStockThePileAndHandNaturalsStartTheGame) {
  ToDraw("hand: KH JK; melds: 9S 9C 9D");
  // Clicked before the draw: refused, but a click on a natural of the hand starts the game all the same.
  ClickMeld(RankNine);
  ClickHand("JK");
  EXPECT_FALSE(t.GameInProgress);
  ClickHand("KH");
  EXPECT_TRUE(t.GameInProgress);
}

TEST_F(InputTest, ClicksAreIgnoredWhileTheOpponentMovesAndALeftClickClosesTheFannedPile) {
  ToDraw("hand: KH KS; pile: 5D 9C");
  t.DiscardSpread = true;
  t.OpponentToMove = true;
  ClickStock();
  EXPECT_EQ(t.PlayerHand.Count, 2);
  EXPECT_TRUE(t.DiscardSpread);
  t.OpponentToMove = false;
  Click(MouseButton::Right, 600, 5);
  EXPECT_TRUE(t.DiscardSpread);
  Click(MouseButton::Left, 600, 5);
  EXPECT_FALSE(t.DiscardSpread);
}

TEST_F(InputTest, KeysInTheKeyboardPhasesActOnTheFirstCardOfTheNamedColumn) {
  Drawn("hand: KH KS KD 4S 9C; melds: QH QS QD");
  Key(KeyF8);
  EXPECT_EQ(t.Phase, PhaseKeyMeld);
  for (int i = 0; i < 3; ++i) Key('K');
  EXPECT_EQ(MeldColumnSize(RankKing), 3);
  EXPECT_EQ(t.Phase, PhaseKeyMeld);  // shown again after every meld
  EXPECT_EQ(LastStatus(), game.PhaseText(PhaseKeyMeld));
  Key('7');  // no sevens in hand: nothing
  EXPECT_EQ(t.PlayerHand.Count, 2);

  Key(KeyF10);
  EXPECT_EQ(t.Phase, PhaseKeyDiscard);
  Key('4');
  EXPECT_EQ(NameOf(t.DiscardPile.Top()), "4S");
  EXPECT_EQ(t.Phase, PhaseOpponent);  // the discard ended the turn: no keyboard phase now
}

TEST_F(InputTest, KeyboardWildcardPhaseAddsToTheNamedMeld) {
  Drawn("hand: JK JK 5S 6S; melds: QH QS QD KH KS KD");
  Key(KeyF9);
  Key('q');
  EXPECT_EQ(MeldColumnSize(RankQueen), 4);
  EXPECT_EQ(t.Phase, PhaseKeyWildcard);
  Key(KeyF8);
  Key('W');  // the wildcard column: a lone joker is no wildcard canasta
  EXPECT_EQ(LastStatus(), "You need at least seven wildcards to create a wildcard Canasta");
  Key(KeyEscape);
  EXPECT_EQ(t.Phase, PhaseMeld);
}

TEST_F(InputTest, EscapeBeforeTheDrawKeepsTheDrawPhaseAndItsEndHandButton) {
  builder.Build("hand: KH 5D; pile: 9C").StockHolds(0).PlayerToDraw();
  Key(KeyF8);
  Key(KeyEscape);
  EXPECT_EQ(t.Phase, PhaseDraw);
  EXPECT_EQ(LastStatus(), "Stock exhausted; take discard pile or end hand");
  EXPECT_TRUE(host.EndHandEnabled);
}

TEST_F(InputTest, FunctionKeysClickTheStockAndThePile) {
  ToDraw("hand: KS 4D 9C; melds: 7H 7S 7D; pile: 5C 7C; stock: 8H");
  Key(KeyF7);
  EXPECT_EQ(MeldColumnSize(RankSeven), 4);
  ToDraw("hand: KS; stock: 8H");
  Key(KeyF6);
  EXPECT_EQ(NamesOf(t.PlayerHand), "KS 8H");
}

TEST_F(InputTest, KeysDuringTheOpponentsTurnChangeNothing) {
  ToDraw("hand: KS; stock: 8H");
  game.ShowPhase(PhaseOpponent);
  t.OpponentToMove = true;
  for (int key : {int(KeyF6), int(KeyF8), int(KeyEscape), int('K')}) Key(key);
  EXPECT_EQ(t.Phase, PhaseOpponent);
  EXPECT_EQ(t.PlayerHand.Count, 1);
}

TEST_F(InputTest, CtrlF11ShowsAndHidesTheOpponentsCards) {
  ToDraw("hand: KS; opp: 5C 6C");
  Key(KeyF11);
  EXPECT_FALSE(t.OpponentCardsShown);
  Key(KeyF11, WithCtrl);
  EXPECT_TRUE(t.OpponentCardsShown);
  EXPECT_EQ(t.CardOverlap, 12);
  for (const TCard& c : t.OpponentHand.Live()) EXPECT_EQ(c.FaceUp, 1);
  Key(KeyF11, WithCtrl);
  EXPECT_EQ(t.CardOverlap, 10);
  for (const TCard& c : t.OpponentHand.Live()) EXPECT_EQ(c.FaceUp, 0);
}

// A whole hand from the deal, the player drawing and discarding by clicks and the
// stub opponent answering, until the stock runs out and the hand is scored.
TEST_F(InputTest, AWholeHandIsPlayedThroughClicks) {
  PlayHandToItsEnd([&] { ClickStock(); }, [&](const char* name) { RightClickHand(name); });
  ASSERT_EQ(host.HandResults.size(), 1u);
  EXPECT_EQ(CheckCardConservation(t), "");
  EXPECT_EQ(t.PlayerHand.Count, 15);  // the next hand is dealt
}

TEST_F(InputTest, WithTheDoubleRightClickOptionTheSameCardIsClickedTwice) {
  game.RightClicks = 1;
  Drawn("hand: KH 9C 4D");
  RightClickHand("KH");
  RightClickHand("9C");
  EXPECT_EQ(t.PlayerHand.Count, 3);
  RightClickHand("9C");
  EXPECT_EQ(NameOf(t.DiscardPile.Top()), "9C");
  EXPECT_EQ(host.ComputerTurns, 1);
}

TEST_F(InputTest, AMeldBetweenTwoRightClicksStartsTheCountAfresh) {
  // Melding shifts the hand's indices: the second click may name another card.
  game.RightClicks = 1;
  Drawn("hand: 4D KH KS KD 9C");
  RightClickHand("KH");
  ClickHand("4D");
  RightClickHand("KS");  // now at the index the first click named
  EXPECT_EQ(t.PlayerHand.Count, 4);
  EXPECT_TRUE(t.DiscardPile.Empty());
}

TEST_F(InputTest, ShiftMeldsTheWholeRankButKeepsACardForTheDiscard) {
  Drawn("hand: 9H 9S 9D 4C 5C");
  ClickHand("9H", MouseButton::Left, WithShift);
  EXPECT_EQ(MeldColumnSize(RankNine), 3);
  EXPECT_EQ(NamesOf(t.PlayerHand), "4C 5C");
  Drawn("hand: 9H 9S 9D");
  ClickHand("9H", MouseButton::Left, WithShift);
  EXPECT_EQ(MeldColumnSize(RankNine), 2);
  EXPECT_EQ(t.PlayerHand.Count, 1);
}

TEST_F(InputTest, CtrlFillsAMeldToThree) {
  Drawn("hand: 9H 9S 4C 5C; melds: 9C 9D");
  ClickHand("9H", MouseButton::Left, WithCtrl);
  EXPECT_EQ(MeldColumnSize(RankNine), 3);
  EXPECT_EQ(NamesOf(t.PlayerHand), "9S 4C 5C");
  // Ctrl wins over Shift; a meld of three takes nothing more.
  ClickHand("9S", MouseButton::Left, {true, true, false});
  EXPECT_EQ(MeldColumnSize(RankNine), 3);
  Drawn("hand: 9H 9S 9D 4C");
  ClickHand("9H", MouseButton::Left, WithCtrl);
  EXPECT_EQ(MeldColumnSize(RankNine), 3);
}

TEST_F(InputTest, ShiftFillsAMeldToACanastaWithWildcards) {
  host.Network = true;
  Drawn("hand: JK 2S 2S 4C 5C; melds: 8H 8S 8D 8C");
  ClickMeld(RankEight, MouseButton::Left, WithShift);
  EXPECT_EQ(MeldColumnSize(RankEight), 7);
  EXPECT_EQ(t.PlayerCanastas.Kind[RankEight], MixedCanasta);
  EXPECT_EQ(NamesOf(t.PlayerHand), "4C 5C");
  const TMoveReport first = reports.Moves().at(0);
  EXPECT_EQ(first.Kind, TMoveKind::MeldWildcard);
  EXPECT_EQ(NameOf(first.Card), "JK");
  EXPECT_EQ(first.Column, RankEight);
  // Not enough wildcards to reach seven: nothing.
  Drawn("hand: JK 2S 4C 5C; melds: 8H 8S 8D 8C");
  ClickMeld(RankEight, MouseButton::Left, WithShift);
  EXPECT_EQ(MeldColumnSize(RankEight), 4);
}

TEST_F(InputTest, TheWildcardCanasta) {
  struct Case {
    bool allowed;
    const char* hand;
    ShiftState shift;
    int laid;
    const char* error;
  };
  const Case cases[] = {
      {false, "JK JK 2S 2H 2D 2C 2S 4C", {}, 0, "Wildcard Canastas are not allowed with the current rules"},
      {true, "JK 2S 2H 2D 2C 2S 4C", {}, 0, "You need at least seven wildcards to create a wildcard Canasta"},
      {true, "JK JK 2S 2H 2D 2C 2S 4C", {}, 1, ""},
      {true, "JK JK 2S 2H 2D 2C 2S 4C", WithCtrl, 3, ""},
      {true, "JK JK 2S 2H 2D 2C 2S 4C", WithShift, 7, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hand);
    game.Rules.WildcardCanasta = c.allowed;
    Drawn((std::string("hand: ") + c.hand).c_str());
    Click(MouseButton::Left, l.ColumnX(RankJoker) + 1, l.PlayerHandY + 13, c.shift);
    EXPECT_EQ(MeldColumnSize(RankTwo), c.laid);
    if (*c.error) {
      EXPECT_EQ(LastStatus(), c.error);
    }
    EXPECT_EQ(t.PlayerCanastas.Kind[RankTwo], c.laid == 7 ? WildcardCanasta : NoCanasta);
  }
}

// The count names a card by its index: anything that shifts the hand's indices
// starts it afresh, even when the hand comes back as it was.
TEST_F(InputTest, TheRightClickCountStartsAfreshWheneverTheHandsIndicesShift) {
  struct Case {
    const char* what;
    void (*between)(InputTest&);
  };
  const Case cases[] = {
      {"a meld taken back",
       [](InputTest& f) {
         f.ClickHand("QD");
         f.game.UndoMeld();
       }},
      {"the table put in place again",
       [](InputTest& f) {
         const TTableState table = f.t;
         PutTableInPlace(f.game, table, f.l.SizeIndex);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    game.RightClicks = 1;
    Drawn("hand: KH 9C 4S 4C QD; melds: QH QS QD AS AD AC");
    RightClickHand("KH");
    c.between(*this);
    ASSERT_EQ(NamesOf(t.PlayerHand), "KH 9C 4S 4C QD");
    RightClickHand("KH");
    EXPECT_TRUE(t.DiscardPile.Empty());
    RightClickHand("KH");
    ASSERT_FALSE(t.DiscardPile.Empty()) << LastStatus();
    EXPECT_EQ(NameOf(t.DiscardPile.Top()), "KH");
  }
}

TEST_F(InputTest, ALeftClickOnNothingStillClosesTheFannedPileAndF6OnAnExhaustedStockClicksNothing) {
  builder.Build("hand: KH 5D; pile: 9C 4S").StockHolds(0).PlayerToDraw();
  t.DiscardSpread = true;
  Key(KeyF6);
  EXPECT_FALSE(t.DiscardSpread);
  EXPECT_FALSE(t.HasDrawn);
  EXPECT_FALSE(t.GameInProgress);
}

// The melds' wildcard column never holds a card, and the pile lies at its head:
// W in the wildcard phase is the pile's click, which gives an open take back.
TEST_F(InputTest, WInTheWildcardPhaseIsThePilesClick) {
  ToDraw("hand: 7H 7S 4D 9C 8S; pile: KD 5C 7D");
  t.PileFrozen = true;
  ClickPile();
  ASSERT_TRUE(t.PileTakeOpen);
  Key(KeyF9);
  Key('W');
  EXPECT_FALSE(t.PileTakeOpen);
  EXPECT_EQ(NamesOf(t.DiscardPile), "KD 5C 7D");
  EXPECT_EQ(t.Phase, PhaseDraw);
}
