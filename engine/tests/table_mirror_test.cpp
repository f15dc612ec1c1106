#include "engine/table_mirror.h"

#include "engine/card_names.h"
#include "engine/invariants.h"
#include "engine/testing/recording_host.h"
#include "engine/testing/table_builder.h"

#include <gtest/gtest.h>
#include <string>

using namespace tarvelo;

namespace {
// A table laid by the builder with the opponent to move, as a received table would be.
struct TableMirror : ::testing::Test {
  TRecordingHost host;
  TGame game{host};
  TTableBuilder builder{game};
  TTableState& t = game.Table;

  void Lay(const char* table) {
    builder.Build(table);
    t.PileFrozen = false;
    t.OpponentMeldValue = game.MeldValueOf(Seat::Opponent, true);
    t.OpponentToMove = true;
    game.ShowPhase(PhaseOpponent);
  }
  std::string Hand() const { return CardNames(t.OpponentHand); }
  std::string Melds() const { return CardNames(t.OpponentMelds); }
  std::string Pile() const { return CardNames(t.DiscardPile); }
};
}  // namespace

TEST_F(TableMirror, TheSeatsChangePlacesWithTheirCardsCanastasTotalsAndMeldValues) {
  Lay("opp: 5C 9D JK; oppmelds: KS KS KC KD KH KD 2S>K 3H; hand: 7S 7D AH; melds: 8S 8D 8C JK>8; pile: 4H 6C");
  t.PlayerScore = 1200;
  t.OpponentScore = -40;
  t.PileFrozen = true;
  t.PlayerDrawsFirst = true;
  const std::string computerMelds = Melds();
  TurnTableAround(game);
  EXPECT_EQ(CardNames(t.PlayerHand), "5C 9D JK");
  EXPECT_EQ(Hand(), "7S 7D AH");
  EXPECT_EQ(CardNames(t.PlayerMelds), computerMelds);
  EXPECT_EQ(Melds(), "8S 8D 8C JK");
  EXPECT_EQ(Pile(), "4H 6C");
  EXPECT_TRUE(t.PileFrozen);
  EXPECT_EQ(t.PlayerCanastas.Count, 1);
  EXPECT_EQ(t.OpponentCanastas.Count, 0);
  EXPECT_EQ(t.PlayerScore, -40);
  EXPECT_EQ(t.OpponentScore, 1200);
  EXPECT_EQ(t.OpponentMeldValue, 80);
  EXPECT_EQ(t.InitialMeldMinimum, 15);
  EXPECT_FALSE(t.PlayerDrawsFirst);  // the first draw of the next hand stays with the seat
  EXPECT_TRUE(t.OpponentToMove);
  EXPECT_EQ(t.Phase, PhaseOpponent);
  // Every card lies in its column: the wildcards where they were melded.
  for (const TCard& c : t.PlayerMelds.Live()) {
    const int column = IsWildcard(c) ? static_cast<int>(RankKing) : c.Rank;
    EXPECT_EQ(game.ColumnOf(c.X), column) << CardName(c);
  }
  EXPECT_EQ(game.ColumnOf(t.OpponentMelds.Top().X), RankEight);
  EXPECT_EQ(CheckCardConservation(t), "");
}

TEST_F(TableMirror, TurningTheTableTwiceLeavesItAsItWas) {
  game.ChooseFirstDrawer();
  game.DealHand(false);
  const TTableState before = t;
  TurnTableAround(game);
  TurnTableAround(game);
  for (const auto area : {&TTableState::PlayerHand, &TTableState::OpponentHand, &TTableState::PlayerMelds,
                          &TTableState::OpponentMelds, &TTableState::Stock, &TTableState::DiscardPile}) {
    EXPECT_EQ(CardNames(t.*area), CardNames(before.*area));
    for (int i = 0; i < (t.*area).Count; ++i) EXPECT_EQ((t.*area).Cards[i], (before.*area).Cards[i]);
  }
  EXPECT_EQ(t.PlayerMelds.Columns, before.PlayerMelds.Columns);
  EXPECT_EQ(t.OpponentMelds.Columns, before.OpponentMelds.Columns);
  EXPECT_EQ(t.PlayerDrawsFirst, before.PlayerDrawsFirst);
}

TEST_F(TableMirror, AClosedCanastaStaysOnePileOnTheOtherSide) {
  Lay("opp: 5C; oppmelds: KS KS KC KD KH KD KC 2S>K; hand: 7S");
  TurnTableAround(game);
  const int closedY = game.Layout.PlayerMeldY + StackStep;
  for (const TCard& c : t.PlayerMelds.Live()) EXPECT_EQ(c.Y, closedY);
  EXPECT_EQ(t.PlayerMelds.Columns[RankKing].Y, closedY);
  EXPECT_NE(t.PlayerCanastas.Kind[RankKing], NoCanasta);
}
