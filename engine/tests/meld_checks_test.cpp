#include "engine/game.h"
#include "engine/testing/recording_host.h"
#include "engine/testing/table_builder.h"

#include <gtest/gtest.h>
#include <string>

using namespace tarvelo;

namespace {
struct MeldChecks : ::testing::Test {
  TRecordingHost host;
  TGame game{host};
  TTableBuilder builder{game};

  bool Validate(const char* table, int minimum = 50) {
    builder.Build(table);
    game.Table.InitialMeldMinimum = minimum;
    return game.ValidateMelds();
  }
};
}  // namespace

TEST_F(MeldChecks, ChecksRunInOrderAndTheFirstFailureGivesTheReason) {
  struct Case {
    const char* table;
    int minimum;
    const char* reason;  // empty: the melds pass
  };
  const Case cases[] = {
      {"hand: 4D; melds: KH KS KD QH QS", 50, "every melded rank must contain at least three cards"},
      // 3 + 2 cards fail the three-card rule even when worth enough.
      {"hand: 4D; melds: AH AS AD KH KS", 15, "every melded rank must contain at least three cards"},
      {"hand: 4D; melds: 7H 7S 7D KH KS KD", 50, "your first meld must be at least 50 points (currently 45 points)"},
      {"melds: 7H 7S 7D KH KS KD", 50, ""},  // the whole hand melded: no minimum
      {"hand: 4D", 50, ""},                  // nothing melded: no minimum
      {"hand: 4D; melds: 9H 9S 2C>9 JK>9", 50, ""},
      {"hand: 4D; melds: 9H 9S 2C>9 JK>9 2D>9", 50, "there are too many wildcards within one rank"},
      {"hand: 4D; melds: AH AS AD 3S 3C 3S", 50, "the Black Threes have not been melded correctly"},
      {"melds: AH AS AD 3S 3C", 50, "the Black Threes have not been melded correctly"},
      {"melds: AH AS AD 3S 3C 3S", 50, ""},
      {"melds: AH AS AD 3S 3C 3S 3C", 50, ""},
      {"hand: 4D; melds: JK JK 2C 2D 2H 2S", 50, "wildcards must be melded as a canasta"},
      {"hand: 4D; melds: JK JK JK 2C 2D 2H 2S", 50, ""},
      // Red threes add nothing and do not count as a meld.
      {"hand: 4D; melds: 3H 3D", 50, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.table);
    game.Table.DiscardReason.clear();
    EXPECT_EQ(Validate(c.table, c.minimum), *c.reason == '\0');
    EXPECT_EQ(game.Table.DiscardReason, c.reason);
  }
}

TEST_F(MeldChecks, InitialMinimumIsWaivedByACanastaUnderBonusCounts) {
  // A natural canasta of fours is worth 35, under a minimum of 50.
  const char* table = "hand: 9D; melds: 4H 4S 4D 4C 4H 4S 4D";
  EXPECT_FALSE(Validate(table));
  game.Rules.BonusCounts = true;
  EXPECT_TRUE(Validate(table));
}

TEST_F(MeldChecks, TopCardPendingFailsOnlyAfterTheOtherChecks) {
  builder.Build("hand: 4D; melds: KH KS");
  game.Table.TopCardPending = true;
  EXPECT_FALSE(game.ValidateForDiscard());
  EXPECT_EQ(game.Table.DiscardReason, "every melded rank must contain at least three cards");
  builder.Build("hand: 4D; melds: KH KS KD QH QS QD");
  EXPECT_FALSE(game.ValidateForDiscard());
  EXPECT_EQ(game.Table.DiscardReason, "you have not melded the top card correctly");
  game.Table.TopCardPending = false;
  EXPECT_TRUE(game.ValidateForDiscard());
}

// A card's meld column is a fact of the game: the checks give the same answers
// whatever the window's layout, and a resize keeps every card in its column.
TEST_F(MeldChecks, TheChecksReadEachCardsColumnNotItsPosition) {
  const char* tables[] = {"hand: 4D; melds: KH KS 9D 9S 9H", "hand: 4D; melds: 9H 9S 2C>9 JK>9 2D>9",
                          "hand: 4D; melds: 7H 7S 7D KH KS KD", "hand: 4D; melds: 8H 8S 8D 8C 2C>8 2D>8 JK>8"};
  for (const char* table : tables) {
    SCOPED_TRACE(table);
    game.Table.DiscardReason.clear();
    Validate(table);
    const std::string reason = game.Table.DiscardReason;
    const TColumnCounts counts = game.Table.ColumnCounts;
    const TCanastaInfo canastas = game.Table.PlayerCanastas;
    // A layout the cards were never laid out for: their positions mean nothing in it.
    const TLayout laidOutFor = game.Layout;
    game.Layout = ComputeLayout(3, 2400);
    game.Table.DiscardReason.clear();
    game.ValidateMelds();
    EXPECT_EQ(game.Table.DiscardReason, reason);
    EXPECT_EQ(game.Table.ColumnCounts, counts);
    game.Layout = laidOutFor;
    game.ApplyLayout(ComputeLayout(2));
    for (const TCard& c : game.Table.PlayerMelds.Live()) EXPECT_EQ(c.Column, game.Layout.ColumnOf(c.X));
    EXPECT_EQ(game.Table.PlayerCanastas, canastas);
  }
}

TEST_F(MeldChecks, CanastaIsRecognisedClosedAndCountedOnce) {
  builder.Build("hand: 4D; melds: 8H 8S 8D 2C>8 2D>8 2H>8");
  EXPECT_EQ(game.Table.PlayerCanastas.Count, 0);
  // Seven cards with only three naturals are no canasta.
  builder.Build("hand: 4D; melds: 8H 8S 8D 2C>8 2D>8 2H>8 JK>8");
  EXPECT_EQ(game.Table.PlayerCanastas.Count, 0);
  EXPECT_FALSE(game.CheckCanasta(Seat::Player, RankEight));

  host.Sounds.clear();
  builder.Build("hand: 4D; melds: 8H 8S 8D 8C 2D>8 2H>8 JK>8");
  const TCanastaInfo& canastas = game.Table.PlayerCanastas;
  EXPECT_EQ(canastas.Count, 1);
  EXPECT_EQ(canastas.Kind[RankEight], MixedCanasta);
  EXPECT_EQ(canastas.Naturals[RankEight], 4);
  EXPECT_EQ(host.Sounds, std::vector<std::string>{"Mixed Canasta"});
  const int closedY = game.Layout.PlayerMeldY + 12;
  for (const TCard& c : game.Table.PlayerMelds.Live()) EXPECT_EQ(c.Y, closedY);
  EXPECT_EQ(game.Table.PlayerMelds.Columns[RankEight].Y, closedY);
  // A mixed canasta shows its last black natural on top.
  EXPECT_EQ(game.Table.PlayerMelds.Top().Id, TTableBuilder::Card("8C").Id);

  // An eighth card lies on the closed pile and does not count again.
  builder.Build("hand: 4D; melds: 8H 8S 8D 8C 2D>8 2H>8 JK>8 8H");
  EXPECT_EQ(game.Table.PlayerCanastas.Count, 1);
  EXPECT_EQ(game.Table.PlayerMelds.Cards[7].Y, closedY);
  EXPECT_EQ(game.Table.PlayerCanastas.Naturals[RankEight], 5);
}

TEST_F(MeldChecks, NaturalCanastaShowsARedCardOnTopAndWildcardCanastaIsKindThree) {
  builder.Build("hand: 4D; melds: KH KS KC KD KS KC KH");
  EXPECT_EQ(game.Table.PlayerCanastas.Kind[RankKing], NaturalCanasta);
  const TCard& top = game.Table.PlayerMelds.Top();
  EXPECT_GE(top.Id, 29);
  EXPECT_EQ(top.Rank, RankKing);

  host.Sounds.clear();
  builder.Build("hand: 4D; melds: JK JK 2C 2D 2H 2S JK");
  EXPECT_EQ(game.Table.PlayerCanastas.Kind[RankTwo], WildcardCanasta);
  EXPECT_EQ(host.Sounds, std::vector<std::string>{"Natural Canasta"});
}

TEST_F(MeldChecks, OpponentCanastaClosesUpwardWithItsOwnCountAndPauses) {
  host.Sounds.clear();
  builder.Build("oppmelds: QH QS QD QC QH QS QD");
  EXPECT_EQ(game.Table.OpponentCanastas.Count, 1);
  EXPECT_EQ(game.Table.OpponentCanastas.Kind[RankQueen], NaturalCanasta);
  EXPECT_EQ(game.Table.PlayerCanastas.Count, 0);
  EXPECT_EQ(game.Table.OpponentMelds.Cards[0].Y, game.Layout.OpponentMeldY - 12);
  EXPECT_TRUE(host.Sounds.empty());
  // The threes' column is never a canasta.
  builder.Build("melds: 3S 3S 3C 3C 3H 3D 3H");
  EXPECT_EQ(game.Table.PlayerCanastas.Count, 0);
}

TEST_F(MeldChecks, BlackThreesMayBeMeldedOnlyAsTheLastCards) {
  struct Case {
    const char* table;
    int canastas;
    bool may;
  };
  const Case cases[] = {
      {"hand: 3S 3C 3S; melds: 5H 5H 5D 5D 5C 5C 5S", 1, true},
      {"hand: 3S 3C 3S 9H; melds: 5H 5H 5D 5D 5C 5C 5S", 1, true},
      {"hand: 3S 3C 3S 9H 9D; melds: 5H 5H 5D 5D 5C 5C 5S", 1, false},
      {"hand: 3S 3C; melds: 5H 5H 5D 5D 5C 5C 5S", 1, false},
      {"hand: 3S 3C 3S; melds: 5H 5H 5D", 1, false},  // no canasta
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.table);
    builder.Build(c.table);
    game.Table.MayMeldBlackThrees = false;
    EXPECT_EQ(game.UpdateMayMeldBlackThrees(), c.may);
  }
}

TEST_F(MeldChecks, OneCardLeftMustBePassedUnlessItCompletesACanasta) {
  struct Case {
    const char* table;
    int required;
    bool mustPass;
  };
  const Case cases[] = {
      {"hand: 9D; melds: KH KS KD", 1, true},
      {"hand: 9D; melds: 9H 9S 9C 9H 9S 9C", 1, false},       // the nine completes a canasta
      {"hand: JK; melds: 9H 9S 9C 9H 9S 2D>9", 1, false},     // the joker completes it
      {"hand: JK; melds: 9H 9S 9C 2H>9 2S>9 2D>9", 1, true},  // three wildcards already
      {"hand: 9D; melds: 9H 9S 9C 9H 9S 9C", 2, true},        // none yet, two required
      {"hand: 9D; melds: QH QS QD QC QH QS QD 9H 9S 9C 9H 9S 9C", 2, false},
      {"hand: 9D; melds: QH QS QD QC QH QS QD 9H 9S 9C", 1, false},  // enough canastas
      {"hand: 9D 8D; melds: KH KS KD", 1, false},                    // more than one card
      {"hand: 9D; melds: KH KS", 1, false},                          // melds invalid
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.table);
    builder.Build(c.table);
    game.Table.InitialMeldMinimum = 15;
    game.Rules.NumberOfCanastas = c.required;
    EXPECT_EQ(game.MustPassDiscard(), c.mustPass);
  }
}

TEST_F(MeldChecks, PileTakeIsCompleteWithTheTopCardAndTwoMore) {
  // The top king was laid into an empty column (base 0); two naturals must follow.
  builder.Build("hand: 4D; melds: KH KS");
  TTableState& t = game.Table;
  t.PileTakeOpen = true;
  t.PileTakeRank = RankKing;
  t.PileTakeColumnBase = 0;
  t.PileTakeHandBase = 0;
  t.PileTakeNeedsHand = true;
  t.InitialMeldMinimum = 30;
  EXPECT_FALSE(game.IsPileTakeComplete());  // two cards, and check 1 fails
  builder.Build("hand: 4D; melds: KH KS KD");
  EXPECT_TRUE(game.IsPileTakeComplete());
  builder.Build("hand: 4D; melds: KH KS JK>K");
  EXPECT_FALSE(game.IsPileTakeComplete());  // a wildcard is no natural from the hand
  t.PileTakeNeedsHand = false;
  EXPECT_TRUE(game.IsPileTakeComplete());
  t.InitialMeldMinimum = 90;  // 70 points melded
  EXPECT_FALSE(game.IsPileTakeComplete());
  t.PileTakeOpen = false;
  t.InitialMeldMinimum = 30;
  EXPECT_FALSE(game.IsPileTakeComplete());
}
