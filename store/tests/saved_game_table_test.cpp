#include "store/saved_game_table.h"

#include "engine/invariants.h"
#include "engine/testing/recording_host.h"
#include "engine/testing/table_builder.h"
#include "session/input_translation.h"
#include "store/tests/saved_game_fixture.h"

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

// A game at one window size, laid by the table builder.
struct TTableAt {
  explicit TTableAt(int size) {
    game.Layout = ComputeLayout(size);
    game.ResetAnchors();
  }
  TDeferredTurns<TRecordingHost> host;
  TGame game{host};
  TTableBuilder builder{game};
  TTableState& t = game.Table;
  TInputTranslation input{game};

  void Click(int x, int y) { input.Click(MouseButton::Left, x + 2, y + 2, {}); }
  void ClickPile() { Click(game.Layout.LeftMargin, game.Layout.DiscardY); }
  void ClickHand(CardId id) {
    const int i = FindLast(t.PlayerHand, [id](const TCard& c) { return c.Id == id; });
    ASSERT_GE(i, 0);
    Click(t.PlayerHand.Cards[i].X, t.PlayerHand.Cards[i].Y);
  }
  // Saves this game and loads the file into `other`.
  void LoadInto(TTableAt& other) {
    const TReadResult read = ReadSavedGame(WriteSavedGame(t, game.Layout.SizeIndex, FixedSeed(300)), other.game.Table);
    ASSERT_EQ(read.Fault, TReadFault::None) << read.Detail;
    PutSavedGameOnTable(other.game, read.Game);
  }
};

struct Scenario {
  const char* name;
  void (*lay)(TTableAt&);
};

const Scenario Scenarios[] = {
    {"canastas of every kind and red threes",
     [](TTableAt& s) {
       s.builder
           .Build(
               "hand: 4D 9C JK 8S 8S; melds: 3H KH KS KD KC KH KS KD 7H 7S 7D 7C 2S>7 JK>7 9H 9S 9D; "
               "oppmelds: 3D 5H 5S 5D; opp: 6H 6S 6D; pile: 4H 4S")
           .PlayerHasDrawn();
       s.t.GameInProgress = true;
     }},
    {"a take of the pile still open",
     [](TTableAt& s) {
       s.builder.Build("hand: 7H 7S 4D 9C 8S; melds: QH QS QD; pile: KD 5C 7D").PlayerToDraw();
       s.t.PileFrozen = true;
       s.ClickPile();
       s.ClickHand(TTableBuilder::Card("7H").Id);
       ASSERT_TRUE(s.t.PileTakeOpen);
     }},
    {"a dealt hand", [](TTableAt& s) { s.game.DealHand(false); }},
};

// Where a card of a column area lies relative to its layout: column and height above its base row.
struct TPlace {
  int Column, Height;
  bool operator==(const TPlace&) const = default;
};
TPlace PlaceOf(const TLayout& l, const TCard& c, int base) { return {l.ColumnOf(c.X), c.Y - base}; }

void ExpectSameCardsInPlace(const TTableAt& from, const TTableAt& to) {
  const TLayout &a = from.game.Layout, &b = to.game.Layout;
  struct Area {
    TCardArea TTableState::*area;
    int TLayout::*base;
  };
  const Area columnAreas[] = {{&TTableState::PlayerHand, &TLayout::PlayerHandY},
                              {&TTableState::PlayerMelds, &TLayout::PlayerMeldY},
                              {&TTableState::OpponentMelds, &TLayout::OpponentMeldY},
                              {&TTableState::UndoPlayerHand, &TLayout::PlayerHandY},
                              {&TTableState::UndoPlayerMelds, &TLayout::PlayerMeldY}};
  for (const Area& area : columnAreas) {
    const TCardArea &x = from.t.*area.area, &y = to.t.*area.area;
    ASSERT_EQ(x.Count, y.Count);
    for (int i = 0; i < x.Count; ++i) {
      const TCard &c = x.Cards[i], &d = y.Cards[i];
      EXPECT_EQ(std::tie(c.Id, c.Rank, c.Value, c.FaceUp, c.Deck), std::tie(d.Id, d.Rank, d.Value, d.FaceUp, d.Deck));
      EXPECT_EQ(PlaceOf(a, c, a.*area.base), PlaceOf(b, d, b.*area.base)) << CardText(c) << " / " << CardText(d);
      EXPECT_EQ(d.X, b.ColumnX(b.ColumnOf(d.X)));
      // The file holds positions only: a loaded meld card has its column found again.
      if (area.base != &TLayout::PlayerHandY) {
        EXPECT_EQ(d.Column, c.Column) << CardText(d);
      }
    }
    for (int column = 0; column < ColumnCount; ++column) {
      EXPECT_EQ(y.Columns[column].X, b.ColumnX(column));
      EXPECT_EQ(y.Columns[column].Y - b.*area.base, x.Columns[column].Y - a.*area.base);
    }
  }
  for (const TCard& c : to.t.Stock.Live()) EXPECT_EQ(c.Y, b.StockY);
  for (const TCard& c : to.t.DiscardPile.Live()) EXPECT_EQ(c.Y, b.DiscardY);
  EXPECT_TRUE(from.t.OpponentHand.Count == to.t.OpponentHand.Count &&
              std::equal(from.t.OpponentHand.Live().begin(), from.t.OpponentHand.Live().end(),
                         to.t.OpponentHand.Live().begin()));
  EXPECT_EQ(CheckCardConservation(to.t), "");
}

// A file saved at one size and loaded at another keeps every card in its area
// and column; loaded back at the first size it gives the first table again.
TEST(SavedGameAcrossSizes, EveryCardKeepsItsColumnAndArea) {
  for (const Scenario& scenario : Scenarios)
    for (int a = 0; a < WindowSizeCount; ++a)
      for (int b = 0; b < WindowSizeCount; ++b) {
        SCOPED_TRACE(std::string(scenario.name) + ", saved at " + std::to_string(a) + ", loaded at " +
                     std::to_string(b));
        TTableAt first(a), second(b), third(a);
        scenario.lay(first);
        second.game.DealHand(false);  // another game is on the table
        first.LoadInto(second);
        ExpectSameCardsInPlace(first, second);
        second.LoadInto(third);
        EXPECT_EQ(FileFieldDifference(first.t, third.t), "");
      }
}

TEST(SavedGameAcrossSizes, AnOpenTakeOfThePileCanStillBeGivenBack) {
  TTableAt first(0), second(2);
  Scenarios[1].lay(first);
  const int minimum = first.t.InitialMeldMinimum;
  first.LoadInto(second);
  EXPECT_EQ(second.t.PileTopCard.Id, TTableBuilder::Card("7D").Id);
  second.ClickPile();
  EXPECT_TRUE(second.host.Boxes.empty());  // no failed undo, no new deal
  EXPECT_FALSE(second.t.PileTakeOpen);
  ASSERT_EQ(second.t.DiscardPile.Count, 3);
  EXPECT_EQ(second.t.DiscardPile.Top().Id, TTableBuilder::Card("7D").Id);
  EXPECT_EQ(second.t.PlayerHand.Count, 5);
  EXPECT_EQ(second.t.InitialMeldMinimum, minimum - (second.game.Rules.TopCardCounts ? 0 : 10));
  EXPECT_EQ(CheckCardConservation(second.t), "");
}

TEST(PutSavedGameOnTable, StartsTheLoadedTurn) {
  TTableAt source(0);
  source.builder.Build("melds: KH KS KD 7H 7S 7D; oppmelds: 9H 9S 9D").PlayerToDraw().StockHolds(0);
  source.t.OpponentMeldValue = 30;
  source.t.Phase = PhaseOpponent;
  source.t.PendingPhase = PhaseOpponent;
  source.t.HasDrawn = true;
  const std::string text = WriteSavedGame(source.t, 0, FixedSeed(1));

  struct Case {
    bool network;
    int computerTurns;
  };
  for (const Case c : {Case{false, 1}, Case{true, 0}}) {
    SCOPED_TRACE(c.network ? "network game" : "against the computer");
    TTableAt target(0);
    target.game.DealHand(false);
    target.host.Network = c.network;
    target.game.UndoStack.push_back({});
    target.t.EndHandRequested = target.t.DiscardSpread = true;
    AddCard(target.t.pickupMemory, TTableBuilder::Card("5D"));
    const TReadResult read = ReadSavedGame(text, target.t);
    ASSERT_EQ(read.Fault, TReadFault::None) << read.Detail;
    EXPECT_FALSE(read.Game.Table.MayDraw);
    EXPECT_EQ(read.Game.Table.PendingPhase, PhaseDraw);  // not the opponent's again
    PutSavedGameOnTable(target.game, read.Game);
    const TTableState& t = target.t;
    EXPECT_TRUE(t.StockExhausted);
    EXPECT_TRUE(target.host.EndHandVisible);
    EXPECT_FALSE(t.EndHandRequested);
    EXPECT_FALSE(t.DiscardSpread);
    EXPECT_TRUE(target.game.UndoStack.empty());
    EXPECT_FALSE(target.host.UndoEnabled);
    EXPECT_TRUE(t.OpponentToMove);
    EXPECT_EQ(t.PlayerMeldValueAtTurnStart, 45);
    EXPECT_EQ(t.OpponentMeldValueAtTurnStart, 30);
    EXPECT_TRUE(t.LoadedHand);
    EXPECT_EQ(t.pickupMemory.Count, 0);
    EXPECT_EQ(target.host.ComputerTurns, c.computerTurns);
    EXPECT_EQ(target.host.LastStatus().Text, target.game.PhaseText(PhaseOpponent));
  }
}

}  // namespace
