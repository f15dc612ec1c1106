#include "engine/seat_moves.h"

#include "engine/card_names.h"
#include "engine/testing/recording_host.h"
#include "engine/testing/table_builder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace tarvelo;

namespace {
// A recording host that also writes down the pauses asked for.
class TPausingHost : public TRecordingHost {
 public:
  std::vector<int> Pauses;
  int Delay = 0;
  void Pause(int milliseconds) override { Pauses.push_back(milliseconds); }
  int ComputerMeldDelay() const override { return Delay; }
};

// A table laid by the builder: "opp" is the opponent's hand, "oppmelds" its
// melds, "hand" and "melds" the player's.
struct SeatMovesTest : ::testing::Test {
  TPausingHost host;
  TGame game{host};
  TTableBuilder builder{game};
  TTableState& t = game.Table;
  TSeatMoves moves{game, Seat::Opponent};
  TSeatMoves playerMoves{game, Seat::Player};

  void Lay(const char* table) {
    builder.Build(table);
    t.PileFrozen = false;
    t.OpponentMeldValue = game.MeldValueOf(Seat::Opponent, true);
  }
  std::string Hand() const { return CardNames(t.OpponentHand); }
  std::string Melds() const { return CardNames(t.OpponentMelds); }
  int MeldSize(int column) {
    game.CountColumns();
    return t.ColumnCounts[CountOpponentMelds + column];
  }
};
using OpponentSeatMoves = SeatMovesTest;
using BothSeatMoves = SeatMovesTest;
}  // namespace

TEST_F(OpponentSeatMoves, ACardJoinsTheHandAtTheRightEndOfTheRowAndIsAnimated) {
  Lay("opp: KH 7D");
  TCard card = TTableBuilder::Card("QS");
  card.X = 100;
  card.Y = 200;
  moves.AddToHand(card, true);
  const TCard& added = t.OpponentHand.Cards[2];
  EXPECT_EQ(added.X, t.OpponentHand.Cards[1].X + t.CardOverlap);
  EXPECT_EQ(added.Y, 5);
  EXPECT_EQ(added.FaceUp, 0);
  ASSERT_EQ(host.Animations.size(), 1u);
  EXPECT_EQ(host.Animations[0].first.X, 100);
  EXPECT_EQ(host.Animations[0].second, added);

  game.ToggleOpponentCards();
  moves.AddToHand(TTableBuilder::Card("2C"), false);
  EXPECT_EQ(t.OpponentHand.Cards[3].FaceUp, 1);
  EXPECT_EQ(host.Animations.size(), 1u);  // the look-ahead's cards are not animated
}

TEST_F(OpponentSeatMoves, ACardLeavingTheHandClosesTheGapAndABadIndexIsAFault) {
  Lay("opp: KH 7D QS 5C");
  const int x1 = t.OpponentHand.Cards[1].X;
  EXPECT_EQ(CardName(moves.RemoveFromHand(1)), "7D");
  EXPECT_EQ(Hand(), "KH QS 5C");
  EXPECT_EQ(t.OpponentHand.Cards[1].X, x1);
  EXPECT_EQ(t.OpponentHand.Cards[2].X, x1 + t.CardOverlap);
  for (const int bad : {-1, 3}) {
    try {
      moves.RemoveFromHand(bad);
      ADD_FAILURE() << bad;
    } catch (const TRangeFault& fault) {
      EXPECT_STREQ(fault.what(), "Internal Failure removing card from computer's hand");
    }
  }
  EXPECT_EQ(Hand(), "KH QS 5C");
}

TEST_F(OpponentSeatMoves, MeldingStacksUpwardCountsPointsAndClosesASeventhCard) {
  Lay("opp: KH KS 3D KD; oppmelds: KC KC KH 2S>K");
  const int before = t.OpponentMeldValue;
  moves.MeldFromHand(0);
  const TCard& laid = t.OpponentMelds.Top();
  EXPECT_EQ(laid.X, game.Layout.ColumnX(RankKing));
  EXPECT_EQ(laid.Y, game.Layout.OpponentMeldY - 5 * StackStep);
  EXPECT_EQ(laid.FaceUp, 1);
  EXPECT_EQ(t.OpponentMeldValue, before + 10);
  moves.MeldFromHand(1);  // the red three: no points
  EXPECT_EQ(t.OpponentMeldValue, before + 10);
  EXPECT_EQ(t.OpponentCanastas.Count, 0);
  moves.MeldFromHand(0);
  moves.MeldFromHand(0);
  EXPECT_EQ(MeldSize(RankKing), 7);
  EXPECT_EQ(t.OpponentCanastas.Count, 1);
  EXPECT_EQ(t.OpponentCanastas.Kind[RankKing], MixedCanasta);
  for (const TCard& c : t.OpponentMelds.Live()) {
    if (game.ColumnOf(c.X) != RankKing) continue;
    EXPECT_EQ(c.Y, game.Layout.OpponentMeldY - StackStep);
  }
}

TEST_F(OpponentSeatMoves, AWildcardGoesOnAMeldJokerFirstAndCompletesACanasta) {
  Lay("opp: 2C JK 5D; oppmelds: 8S 8S 8D 8D 8C 8C");
  moves.MeldWildcard(RankEight);
  EXPECT_EQ(Hand(), "2C 5D");
  EXPECT_EQ(t.OpponentCanastas.Count, 1);
  EXPECT_EQ(t.OpponentCanastas.Kind[RankEight], MixedCanasta);
  moves.MeldWildcard(RankEight);
  EXPECT_EQ(Hand(), "5D");
  EXPECT_EQ(MeldSize(RankEight), 8);
  EXPECT_EQ(t.OpponentMelds.Top().Y, game.Layout.OpponentMeldY - StackStep);  // onto the closed pile
  moves.MeldWildcard(RankEight);
  EXPECT_EQ(host.Boxes.back(), "Meld error: Wildcard not found.");
  EXPECT_EQ(MeldSize(RankEight), 8);
}

// The same moves on the two seats: the same columns, the player's stacks
// growing down from its meld row where the opponent's grow up from its own.
TEST_F(BothSeatMoves, MeldingOnEitherSeatGivesMirroredColumnsAndTheSameCanasta) {
  Lay("opp: KH KS JK 2C 2D 5D; oppmelds: KC KD; hand: KH KS JK 2C 2D 5D; melds: KC KD");
  const TLayout& l = game.Layout;
  for (int i = 0; i < 2; ++i) {
    moves.MeldFromHand(0);
    playerMoves.MeldFromHand(0);
  }
  for (int i = 0; i < 3; ++i) {
    moves.MeldWildcard(RankKing);
    playerMoves.MeldWildcard(RankKing);
  }
  EXPECT_EQ(CardNames(t.PlayerHand), Hand());
  EXPECT_EQ(CardNames(t.PlayerMelds), Melds());
  ASSERT_EQ(t.PlayerMelds.Count, t.OpponentMelds.Count);
  for (int i = 0; i < t.PlayerMelds.Count; ++i) {
    const TCard &mine = t.PlayerMelds.Cards[i], &theirs = t.OpponentMelds.Cards[i];
    EXPECT_EQ(mine.X, theirs.X) << i;
    EXPECT_EQ(mine.Y - l.PlayerMeldY, l.OpponentMeldY - theirs.Y) << i;
  }
  EXPECT_EQ(t.PlayerCanastas, t.OpponentCanastas);
  EXPECT_EQ(t.PlayerCanastas.Kind[RankKing], MixedCanasta);
}

TEST_F(BothSeatMoves, ThePlayersHandKeepsRankColumnsAndOnlyTheOpponentPauses) {
  Lay("hand: 7S 9D; pile: 4H 7C 9H");
  host.Delay = 300;
  playerMoves.TakePileTop(true);
  playerMoves.TakeRestOfPile();
  EXPECT_TRUE(t.DiscardPile.Empty());
  for (const TCard& c : t.PlayerHand.Live()) {
    EXPECT_EQ(c.X, t.PlayerHand.Columns[c.Rank].X) << CardName(c);
    EXPECT_EQ(c.FaceUp, 1);
  }
  EXPECT_EQ(CardName(playerMoves.RemoveFromHand(0)), "7S");
  EXPECT_EQ(t.PlayerHand.Count, 4);
  EXPECT_TRUE(host.Pauses.empty());
  Lay("pile: 4H 7C 9H");
  t.PileFrozen = true;
  moves.TakePileTop(true);
  EXPECT_EQ(host.Pauses, std::vector<int>{300});
  EXPECT_EQ(Hand(), "9H");
}

TEST_F(BothSeatMoves, HandingTheTurnBackGoesToTheOtherSeat) {
  Lay("opp: 5D; hand: 7S");
  t.OpponentToMove = true;
  moves.HandTurnBack();
  EXPECT_FALSE(t.OpponentToMove);
  EXPECT_EQ(t.Phase, PhaseDraw);
  playerMoves.HandTurnBack();
  EXPECT_TRUE(t.OpponentToMove);
  EXPECT_EQ(t.Phase, PhaseOpponent);
  EXPECT_EQ(host.ComputerTurns, 1);
}
