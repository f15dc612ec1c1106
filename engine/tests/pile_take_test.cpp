#include "engine/invariants.h"
#include "engine/tests/turn_fixture.h"

#include <functional>
#include <gtest/gtest.h>

using namespace tarvelo;

TEST_F(TurnTest, WhetherThePileMayBeTaken) {
  struct Case {
    const char* table;
    bool frozen;
    std::function<void(TRuleSettings&)> rules;
    int error;  // 0: taken; else the error shown
  };
  auto none = [](TRuleSettings&) {};
  auto open = [](TRuleSettings& r) { r.InitialBlock = false; };
  const Case cases[] = {
      // A natural pair takes even a frozen pile; one natural and a joker does not.
      {"hand: 7H 7S 4D 9C; pile: 5D 7D", true, none, 0},
      {"hand: 7H JK 4D 9C; pile: 5D 7D", true, none, 5},
      {"hand: 7H JK 4D 9C; pile: 5D 7D", false, [](TRuleSettings& r) { r.InitialBlock = r.NaturalPair = false; }, 0},
      {"hand: 7H JK 4D 9C; pile: 5D 7D", false, open, 5},
      // The initial freeze holds the pile for a player who has not melded.
      {"hand: 7H JK 4D 9C; pile: 5D 7D", false, [](TRuleSettings& r) { r.NaturalPair = false; }, 5},
      // Wildcards and threes on top are never taken.
      {"hand: 2H 2S 9C 8S; pile: 5D 2C", false, open, 5},
      {"hand: JK JK 9C 8S; pile: 5D JK", false, open, 5},
      {"hand: 3S 3C 9C 8S; pile: 5D 3S", false, open, 5},
      {"hand: 9C; pile: 9D", false, open, 9},
      // Onto an existing meld: not frozen, and not under AddExistingMeld.
      {"hand: 4D 9C; melds: 7H 7S 7D; pile: 5D 7C", false, none, 0},
      {"hand: 4D 9C; melds: 7H 7S 7D; pile: 5D 7C", true, none, 5},
      {"hand: 4D 9C; melds: 7H 7S 7D; pile: 5D 7C", false, [](TRuleSettings& r) { r.AddExistingMeld = true; }, 5},
      // Onto a canasta only under AddToCanasta.
      {"hand: 7H 7S 4D; melds: 7H 7S 7D 7C 2S>7 2H>7 JK>7; pile: 7D", false, none, 0},
      {"hand: 7H 7S 4D; melds: 7H 7S 7D 7C 2S>7 2H>7 JK>7; pile: 7D", false,
       [](TRuleSettings& r) { r.AddToCanasta = false; }, 5},
      // A new meld must leave cards to go on with, unless the canastas are there.
      {"hand: 7H 7S; pile: 7D", false, open, 5},
      {"hand: 7H 7S; melds: 8H 8S 8D 8C 8H 8S 8D; pile: 7D", false, none, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.table);
    game.Rules = {};
    c.rules(game.Rules);
    ToDraw(c.table);
    t.PileFrozen = c.frozen;
    host.StatusLines.clear();
    TakePile();
    EXPECT_EQ(t.HasDrawn, c.error == 0);
    EXPECT_EQ(int(t.LastError), c.error);
    if (c.error != 0) {
      EXPECT_TRUE(t.MayDraw);
    }
    EXPECT_EQ(CheckCardConservation(t), "");
  }
}

TEST_F(TurnTest, TakingThePileOntoAnExistingMeldTakesItWhole) {
  host.Network = true;
  ToDraw("hand: 4D 9C; melds: 7H 7S 7D; pile: 3H KS 5C 7C");
  TakePile();
  EXPECT_EQ(NamesOf(t.PlayerMelds), "7H 7S 7D 7C 3H");  // the red three is laid out
  EXPECT_EQ(NamesOf(t.PlayerHand), "4D 9C 5C KS");
  EXPECT_EQ(NamesOf(t.pickupMemory), "5C KS");
  EXPECT_TRUE(t.DiscardPile.Empty());
  EXPECT_FALSE(t.PileFrozen);
  EXPECT_FALSE(t.TopCardPending);
  EXPECT_FALSE(t.PileTakeOpen);
  EXPECT_EQ(t.Phase, PhaseMeld);
  EXPECT_EQ(MoveKinds(), (std::vector<TMoveKind>{TMoveKind::TakePile, TMoveKind::TakePileRest}));
}

TEST_F(TurnTest, ANewMeldFromThePileIsCompletedFromTheHand) {
  ToDraw("hand: 7H 7S 4D 9C 8S; pile: KD 5C 7D");
  t.PileFrozen = true;
  t.InitialMeldMinimum = 15;
  TakePile();
  EXPECT_EQ(t.Phase, PhaseTakePile);
  EXPECT_TRUE(t.PileTakeOpen);
  EXPECT_EQ(NamesOf(t.DiscardPile), "KD 5C");
  // Until the top card is melded legally no discard is possible.
  Meld("7H");
  Discard("9C");
  EXPECT_EQ(LastStatus(), "Discarding is not possible now: every melded rank must contain at least three cards");
  EXPECT_TRUE(host.UndoEnabled);
  Meld("7S");
  EXPECT_FALSE(t.PileTakeOpen);
  EXPECT_FALSE(t.PileFrozen);
  EXPECT_EQ(NamesOf(t.PlayerHand), "4D 9C 8S 5C KD");
  EXPECT_TRUE(t.DiscardPile.Empty());
  EXPECT_FALSE(host.UndoEnabled);  // the melds of the take are final
  EXPECT_TRUE(game.UndoStack.empty());
  EXPECT_EQ(t.Phase, PhaseMeld);
}

// A last card left while the take is still to be made good is not passed:
// the top card would stay in the melds without the take.
TEST_F(TurnTest, NoPassWhileAPileTakeIsStillToBeMadeGood) {
  ToDraw("hand: 7H 7S 2C; melds: KH KS KD; pile: KD 5C 7D");
  TakePile();
  ASSERT_TRUE(t.PileTakeOpen);
  Meld("7H");
  AddWildcards(RankKing);
  ASSERT_EQ(NamesOf(t.PlayerHand), "7S");
  EXPECT_FALSE(Move({.Kind = TMoveKind::PassDiscard}));
  EXPECT_TRUE(t.PileTakeOpen);
  EXPECT_FALSE(t.OpponentToMove);
}

TEST_F(TurnTest, AFrozenPileOntoAnExistingMeldNeedsTwoNaturalsFromTheHand) {
  ToDraw("hand: 7H 7S JK 9C 8S; melds: 7D 7C 7D; pile: 5C 7C");
  t.PileFrozen = true;
  TakePile();
  EXPECT_EQ(t.Phase, PhaseTakePile);
  AddWildcards(RankSeven);  // a wildcard is no natural from the hand
  Meld("7H");
  EXPECT_TRUE(t.PileTakeOpen);
  Meld("7S");
  EXPECT_FALSE(t.PileTakeOpen);
  EXPECT_EQ(t.PlayerCanastas.Count, 1);
  EXPECT_EQ(t.PlayerCanastas.Kind[RankSeven], MixedCanasta);
  EXPECT_EQ(NamesOf(t.PlayerHand), "9C 8S 5C");
}

TEST_F(TurnTest, GivingThePileBackRestoresTheTableAndCosts50Points) {
  game.Rules.TopCardCounts = false;
  host.Network = true;
  ToDraw("hand: 7H 7S 4D 9C 8S; pile: KD 5C 7D");
  t.PileFrozen = true;
  t.PlayerScore = 120;
  const TTableState before = t;
  TakePile();
  EXPECT_EQ(t.InitialMeldMinimum, 55);  // the top card does not count towards the minimum
  Meld("7H");
  GiveBackPile();
  EXPECT_EQ(t.PlayerScore, 70);
  EXPECT_EQ(t.InitialMeldMinimum, 50);
  EXPECT_EQ(NamesOf(t.DiscardPile), "KD 5C 7D");
  EXPECT_EQ(NamesOf(t.PlayerHand), NamesOf(before.PlayerHand));
  EXPECT_TRUE(t.PlayerMelds.Empty());
  EXPECT_TRUE(t.PileFrozen);
  EXPECT_EQ(t.Phase, PhaseDraw);
  EXPECT_TRUE(t.MayDraw);
  EXPECT_FALSE(t.HasDrawn || t.TopCardPending || t.PileTakeOpen);
  EXPECT_FALSE(host.UndoEnabled);
  EXPECT_TRUE(game.UndoStack.empty());
  EXPECT_EQ(LastMove().Kind, TMoveKind::GiveBackPile);
  // Giving back costs the same without a meld after the take; then the stock is drawn.
  TakePile();
  GiveBackPile();
  EXPECT_EQ(t.PlayerScore, 20);
  Draw();
  EXPECT_TRUE(t.HasDrawn);
  EXPECT_EQ(CheckCardConservation(t), "");
}

TEST_F(TurnTest, GivingBackAPileWhoseTopCardClosedACanastaReopensIt) {
  ToDraw("hand: KH KS 9C 8S 4D; melds: KD KC KD KC JK>K 2S>K; pile: 5C KH");
  t.PileFrozen = true;
  TakePile();
  ASSERT_EQ(t.PlayerCanastas.Count, 1);
  GiveBackPile();
  EXPECT_TRUE(host.Boxes.empty());  // no fresh deal
  EXPECT_EQ(t.PlayerCanastas.Count, 0);
  EXPECT_EQ(t.PlayerCanastas.Kind[RankKing], NoCanasta);
  EXPECT_EQ(NamesOf(t.DiscardPile), "5C KH");
  int y = l.PlayerMeldY;
  for (const TCard& c : t.PlayerMelds.Live()) EXPECT_EQ(c.Y, y += StackStep);  // stacked open again
  EXPECT_EQ(t.PlayerMelds.Columns[RankKing].Y, y);
  EXPECT_EQ(t.PlayerMelds.Count, 6);
  EXPECT_EQ(CheckCardConservation(t), "");
}

TEST_F(TurnTest, TheForcedTakeLaysOnlyTheTopCard) {
  game.Rules.AddExistingMeld = true;
  builder.Build("hand: 5C 9D 8S; melds: QH QS QD QC QH; pile: 4D 6S QS").StockHolds(0).PlayerToDraw();
  TakePile();
  EXPECT_EQ(MeldColumnSize(RankQueen), 6);
  EXPECT_EQ(NamesOf(t.DiscardPile), "4D 6S");
  EXPECT_EQ(NamesOf(t.PlayerHand), "5C 9D 8S");
  EXPECT_EQ(t.Phase, PhaseMeld);
  EXPECT_FALSE(t.TopCardPending);
  EXPECT_TRUE(t.HasDrawn);
}

TEST_F(TurnTest, TakingAHugePileIsCheered) {
  ToDraw("hand: 4D 9C; melds: 7H 7S 7D; pile: 4S 5S 6S 8S 9S TS JS QS KS AS 4C 5C 6C 7C");
  TakePile();
  EXPECT_EQ(host.Sounds.back(), "Take Huge Pile");
  EXPECT_EQ(t.PlayerHand.Count, 15);
}
