#include "engine/invariants.h"
#include "engine/tests/turn_fixture.h"

#include <gtest/gtest.h>

using namespace tarvelo;

TEST_F(TurnTest, MeldingBeforeTheDrawIsRefused) {
  ToDraw("hand: KH KS; melds: QH QS QD");
  Meld("KH");
  AddWildcards(RankQueen);
  EXPECT_EQ(LastStatus(),
            "You cannot meld before drawing; please draw first by clicking on the stock or the discard pile");
  AddWildcards(RankTwo);
  EXPECT_EQ(NamesOf(t.PlayerHand), "KH KS");
  EXPECT_EQ(NamesOf(t.PlayerMelds), "QH QS QD");
}

TEST_F(TurnTest, AMeldOfOneCardIsLaidAndReported) {
  host.Network = true;
  Drawn("hand: KH KS 4C");
  t.pickupMemory = t.PlayerHand;
  Meld("KS");
  EXPECT_EQ(NamesOf(t.PlayerMelds), "KS");
  EXPECT_EQ(t.PlayerMelds.Cards[0].X, l.ColumnX(RankKing));
  EXPECT_EQ(t.PlayerMelds.Cards[0].Y, l.PlayerMeldY + StackStep);
  EXPECT_EQ(NamesOf(t.pickupMemory), "KH 4C");
  EXPECT_TRUE(host.UndoEnabled);
  ASSERT_EQ(game.UndoStack.size(), 1u);
  EXPECT_EQ(game.UndoStack[0].Card.Column, RankKing);
  EXPECT_EQ(MoveKinds(), std::vector<TMoveKind>{TMoveKind::Meld});
  EXPECT_EQ(NameOf(LastMove().Card), "KS");
}

// The computer tries its steps out on the table itself: nothing of a trial is
// reported, and what follows it is.
TEST_F(TurnTest, NothingIsReportedWhileAStepIsRehearsed) {
  Drawn("hand: KH KS 4C");
  game.Rehearsing = true;
  Meld("KS");
  game.Rehearsing = false;
  EXPECT_EQ(NamesOf(t.PlayerMelds), "KS");
  EXPECT_TRUE(reports.Reports.empty());
  Meld("KH");
  EXPECT_EQ(MoveKinds(), std::vector<TMoveKind>{TMoveKind::Meld});
}

TEST_F(TurnTest, BlackThreesAreMeldedOnlyAsTheLastCardsWhenGoingOut) {
  Drawn("hand: 3S 3C 3S 9D; melds: 8H 8S 8D 8C 8H 8S 8D");
  Meld("3S");
  EXPECT_EQ(MeldColumnSize(RankThree), 1);
  Drawn("hand: 3S 3C 3S 9D 4C; melds: 8H 8S 8D 8C 8H 8S 8D");
  t.MayMeldBlackThrees = false;  // as in a new hand
  Meld("3S");
  EXPECT_EQ(LastStatus(), "Black Threes can only be melded as the last cards when going out");
  EXPECT_EQ(MeldColumnSize(RankThree), 0);
}

TEST_F(TurnTest, TheSecondNaturalOfARankGetsAWildcardWhenOneCanBeSpared) {
  Drawn("hand: 8H 8S JK 4C 5C");
  Meld("8H");
  EXPECT_EQ(MeldColumnSize(RankEight), 1);
  Meld("8S");
  EXPECT_EQ(MeldColumnSize(RankEight), 3);
  EXPECT_EQ(NamesOf(t.PlayerHand), "4C 5C");
  EXPECT_EQ(game.UndoStack.size(), 3u);
  // The joker would be the last card, and no canasta allows going out: it stays.
  Drawn("hand: 8H 8S JK");
  Meld("8H");
  Meld("8S");
  EXPECT_EQ(MeldColumnSize(RankEight), 2);
  EXPECT_EQ(NamesOf(t.PlayerHand), "JK");
}

TEST_F(TurnTest, AWildcardGoesOntoAMeldOnlyWhenTheHandCanSpareIt) {
  Drawn("hand: JK; melds: 8H 8S 8D 8C");
  AddWildcards(RankEight);
  EXPECT_EQ(MeldColumnSize(RankEight), 4);
  // Onto a meld of six it completes a canasta and the player goes out.
  Drawn("hand: JK; melds: 8H 8S 8D 8C 8H 8S");
  AddWildcards(RankEight);
  ASSERT_EQ(host.HandResults.size(), 1u);
  EXPECT_EQ(t.WhoWentOut, PlayerWentOut);
  EXPECT_EQ(CheckCardConservation(t), "");
}

TEST_F(TurnTest, TheWildcardCanasta) {
  struct Case {
    bool allowed;
    const char* hand;
    int count;
    int laid;
    const char* error;
  };
  const Case cases[] = {
      {false, "JK JK 2S 2H 2D 2C 2S 4C", 1, 0, "Wildcard Canastas are not allowed with the current rules"},
      {true, "JK 2S 2H 2D 2C 2S 4C", 1, 0, "You need at least seven wildcards to create a wildcard Canasta"},
      {true, "JK JK 2S 2H 2D 2C 2S 4C", 1, 1, ""},
      {true, "JK JK 2S 2H 2D 2C 2S 4C", 3, 3, ""},
      {true, "JK JK 2S 2H 2D 2C 2S 4C", 7, 7, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hand);
    game.Rules.WildcardCanasta = c.allowed;
    Drawn((std::string("hand: ") + c.hand).c_str());
    AddWildcards(RankTwo, c.count);
    EXPECT_EQ(MeldColumnSize(RankTwo), c.laid);
    if (*c.error) {
      EXPECT_EQ(LastStatus(), c.error);
    }
    EXPECT_EQ(t.PlayerCanastas.Kind[RankTwo], c.laid == 7 ? WildcardCanasta : NoCanasta);
  }
}

TEST_F(TurnTest, MeldingTheLastCardWithTheCanastasGoesOut) {
  Drawn("hand: 9H 9S 9D; melds: 8H 8S 8D 8C 8H 8S 8D");
  Meld("9H", 3);
  ASSERT_EQ(host.HandResults.size(), 1u);
  EXPECT_EQ(t.WhoWentOut, PlayerWentOut);
}

TEST_F(TurnTest, MeldingDownToOneCardWithoutACanastaPassesTheDiscard) {
  host.Network = true;
  Drawn("hand: AH AS AD 9C");
  Meld("AH");
  Meld("AS");
  Meld("AD");
  ASSERT_EQ(host.Boxes.size(), 1u);
  EXPECT_EQ(t.Phase, PhaseOpponent);
  EXPECT_TRUE(t.OpponentToMove);
  EXPECT_FALSE(host.UndoEnabled);
  EXPECT_EQ(LastMove().Kind, TMoveKind::PassDiscard);
  EXPECT_EQ(NamesOf(t.PlayerHand), "9C");
}
