#include "engine/scoring.h"

#include "engine/game.h"
#include "engine/invariants.h"
#include "engine/testing/recording_host.h"
#include "engine/testing/table_builder.h"

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {
struct Scoring : ::testing::Test {
  TRecordingHost host;
  TGame game{host};
  TTableBuilder builder{game};

  THandScore Score(const char* table, Seat seat, int whoWentOut, int valueAtTurnStart = 100) {
    builder.Build(table);
    game.Table.WhoWentOut = whoWentOut;
    game.Table.PlayerMeldValueAtTurnStart = valueAtTurnStart;
    game.Table.OpponentMeldValueAtTurnStart = valueAtTurnStart;
    return game.ScoreSeat(seat);
  }
};

using Rows = std::array<TScoreLine, ScoreRowCount>;
}  // namespace

TEST_F(Scoring, EachRowInTheNormalAndThePenaltyCase) {
  struct Case {
    const char* name;
    const char* table;
    Seat seat;
    int whoWentOut;
    int valueAtTurnStart;
    bool canastaRequired;
    Rows rows;  // {count, value}: table, hand, canastas, red threes, finish, total
  };
  const Case cases[] = {
      {"concealed going out",
       "melds: 7H 7S 7D 7C 7H 7S 7D 3H 3D",
       Seat::Player,
       PlayerWentOut,
       0,
       false,
       {{{7, 35}, {0, 0}, {1, 500}, {2, 200}, {0, 200}, {0, 935}}}},
      {"going out after melding before",
       "melds: 7H 7S 7D 7C 7H 7S 7D 3H 3D",
       Seat::Player,
       PlayerWentOut,
       50,
       false,
       {{{7, 35}, {0, 0}, {1, 500}, {2, 200}, {0, 100}, {0, 835}}}},
      {"only red threes melded when the other went out",
       "hand: KH 4D; melds: 3H 3D",
       Seat::Player,
       OpponentWentOut,
       0,
       false,
       {{{0, 0}, {2, -15}, {0, 0}, {2, -200}, {0, 0}, {0, -215}}}},
      {"nothing melded at all",
       "hand: KH JK",
       Seat::Player,
       OpponentWentOut,
       0,
       false,
       {{{0, 0}, {2, -60}, {0, 0}, {0, 0}, {0, 0}, {0, -60}}}},
      {"no canasta with one required",
       "hand: 4D; melds: KH KS KD JK>K 3H",
       Seat::Player,
       OpponentWentOut,
       0,
       true,
       {{{4, -80}, {1, -5}, {0, 0}, {1, -100}, {0, 0}, {0, -185}}}},
      {"four red threes on the table",
       "hand: 4D; melds: KH KS KD 3H 3D 3H 3D",
       Seat::Player,
       OpponentWentOut,
       0,
       false,
       {{{3, 30}, {1, -5}, {0, 0}, {4, 800}, {0, 0}, {0, 825}}}},
      {"four red threes in the penalty case",
       "hand: 4D; melds: 3H 3D 3H 3D",
       Seat::Player,
       OpponentWentOut,
       0,
       false,
       {{{0, 0}, {1, -5}, {0, 0}, {4, -800}, {0, 0}, {0, -805}}}},
      {"the fourth red three caught in the hand",
       "hand: 3D 4D; melds: KH KS KD 3H 3D 3H",
       Seat::Player,
       OpponentWentOut,
       0,
       false,
       {{{3, 30}, {1, -5}, {0, 0}, {4, -200}, {0, 0}, {0, -175}}}},
      {"every canasta kind",
       "hand: 4D; melds: KH KS KD KC KH KS KD QH QS QD QC 2D>Q 2H>Q JK>Q JK JK JK 2C 2C 2S 2S",
       Seat::Player,
       OpponentWentOut,
       0,
       false,
       {{{21, 430}, {1, -5}, {3, 1800}, {0, 0}, {0, 0}, {0, 2225}}}},
      {"the opponent's side",
       "opp: 9H 4D; oppmelds: AH AS AD AC AH AS AD 3H",
       Seat::Opponent,
       PlayerWentOut,
       0,
       false,
       {{{7, 140}, {2, -15}, {1, 500}, {1, 100}, {0, 0}, {0, 725}}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    game.Rules.CanastaRequired = c.canastaRequired;
    const THandScore s = Score(c.table, c.seat, c.whoWentOut, c.valueAtTurnStart);
    for (int r = 0; r < ScoreRowCount; ++r) {
      EXPECT_EQ(s.Rows[r].Count, c.rows[r].Count) << "row " << r;
      EXPECT_EQ(s.Rows[r].Value, c.rows[r].Value) << "row " << r;
    }
  }
}

TEST_F(Scoring, VerdictThresholds) {
  const std::pair<int, const char*> cases[] = {
      {2501, "Congratulations Ann! You crushed the computer."},
      {2500, "Congratulations Ann! You defeated the computer."},
      {1801, "Congratulations Ann! You defeated the computer."},
      {1800, "Congratulations Ann! You beat the computer."},
      {501, "Congratulations Ann! You beat the computer."},
      {500, "Congratulations Ann! You won."},
      {201, "Congratulations Ann! You won."},
      {200, "Congratulations Ann! You won, but it was pretty close!"},
      {1, "Congratulations Ann! You won, but it was pretty close!"},
      {0, "It's a draw!"},
      {-200, "Too bad, Ann, you lost but it was pretty close."},
      {-201, "Too bad, Ann, you lost."},
      {-501, "Too bad, Ann, the computer beat you."},
      {-1801, "Too bad, Ann, the computer defeated you."},
      {-2500, "Too bad, Ann, the computer defeated you."},
      {-2501, "Too bad, Ann, the computer crushed you."},
  };
  for (auto [d, verdict] : cases) EXPECT_EQ(GameVerdict(d, "Ann", "the computer"), verdict) << d;
}

TEST_F(Scoring, HandGoesOnUntilASeatGoesOutOrTheEndIsAskedFor) {
  game.Rules.NumberOfCanastas = 2;
  builder.Build("hand: 4D; melds: 7H 7S 7D 7C 7H 7S 7D; opp: 9H").PlayerHasDrawn();
  EXPECT_FALSE(game.CheckHandEnd());
  builder.Build("melds: 7H 7S 7D 7C 7H 7S 7D; opp: 9H").PlayerHasDrawn();
  EXPECT_FALSE(game.CheckHandEnd());  // out of cards but one canasta short
  game.Table.StockExhausted = true;
  game.Table.EndHandRequested = true;
  EXPECT_TRUE(game.CheckHandEnd());
}

TEST_F(Scoring, HandEndScoresBothSeatsAddsTotalsAndDealsAgain) {
  host.Name = "Ann";
  builder.Build("melds: 7H 7S 7D 7C 7H 7S 7D 3H; opp: 9H 4D; oppmelds: KH KS KD").PlayerHasDrawn();
  game.Table.PlayerMeldValueAtTurnStart = 35;
  game.Table.PlayerScore = 1000;
  game.Table.OpponentScore = 200;
  ASSERT_TRUE(game.CheckHandEnd());
  EXPECT_EQ(game.Table.WhoWentOut, PlayerWentOut);
  ASSERT_EQ(host.HandResults.size(), 1u);
  const THandResults& r = host.HandResults[0];
  EXPECT_EQ(r.PlayerName, "Ann");
  EXPECT_EQ(r.OpponentName, "Computer");
  EXPECT_EQ(r.Player.Total(), 35 + 500 + 100 + 100);
  EXPECT_EQ(r.Opponent.Total(), 30 - 15);
  EXPECT_EQ(host.HandScores, std::vector<int>{735 - 15});
  EXPECT_EQ(game.Table.PlayerScore, 1735);
  EXPECT_EQ(game.Table.OpponentScore, 215);
  EXPECT_NE(std::find(host.Sounds.begin(), host.Sounds.end(), "Win Hand"), host.Sounds.end());
  // The next hand is dealt at once, with the minimum for the new total.
  EXPECT_EQ(CheckCardConservation(game.Table), "");
  EXPECT_EQ(game.Table.PlayerHand.Count, 15);
  EXPECT_EQ(game.Table.InitialMeldMinimum, 90);
  EXPECT_FALSE(game.CheckHandEnd());
}

TEST_F(Scoring, NoFinishBonusWhenTheStockRanOut) {
  builder.Build("hand: 4D; melds: 7H 7S 7D; opp: 9H; oppmelds: KH KS KD").PlayerToDraw();
  game.Table.StockExhausted = true;
  game.Table.EndHandRequested = true;
  ASSERT_TRUE(game.CheckHandEnd());
  EXPECT_EQ(host.HandResults[0].Player.Rows[RowFinishBonus].Value, 0);
  EXPECT_EQ(host.HandResults[0].Opponent.Rows[RowFinishBonus].Value, 0);
}

TEST_F(Scoring, GameEndsAbove4999WithVerdictAndAnotherGameOnYes) {
  host.Name = "Ann";
  builder.Build("melds: 7H 7S 7D 7C 7H 7S 7D; opp: 9H").PlayerHasDrawn();
  game.Table.PlayerScore = 4400;  // + 35 + 500 + 200 = 5135
  game.Table.OpponentScore = 4000;
  ASSERT_TRUE(game.CheckHandEnd());
  ASSERT_EQ(host.Matches.size(), 1u);
  const TGameOverInfo& m = host.Matches[0];
  EXPECT_EQ(m.PlayerScore, 5135);
  EXPECT_EQ(m.OpponentScore, 3990);
  EXPECT_EQ(m.Difference, 1145);
  EXPECT_TRUE(m.PlayerWon);
  EXPECT_EQ(m.Verdict, "Congratulations Ann! You beat the computer.");
  EXPECT_EQ(game.Table.PlayerScore, 0);
  EXPECT_EQ(game.Table.OpponentScore, 0);
  EXPECT_EQ(host.Quits, 0);
  EXPECT_EQ(game.Table.PlayerHand.Count, 15);  // a new game was dealt
}

TEST_F(Scoring, TotalsOf4999DoNotEndTheGameAndNoMeansQuit) {
  builder.Build("melds: 7H 7S 7D 7C 7H 7S 7D; opp: 4D").PlayerHasDrawn();
  game.Table.PlayerScore = 4999 - 735;
  game.Table.OpponentScore = 4000 + 5;
  ASSERT_TRUE(game.CheckHandEnd());
  EXPECT_TRUE(host.Matches.empty());
  EXPECT_EQ(game.Table.PlayerScore, 4999);

  host.PlayAnotherGame = false;
  builder.Build("melds: 7H 7S 7D 7C 7H 7S 7D; opp: 4D").PlayerHasDrawn();
  ASSERT_TRUE(game.CheckHandEnd());
  EXPECT_EQ(host.Matches.size(), 1u);
  EXPECT_EQ(host.AutoSaveDeletions, 1);
  EXPECT_EQ(host.Quits, 1);
  EXPECT_EQ(game.Table.Phase, PhaseHandOver);  // no new hand for a program that quits
}
