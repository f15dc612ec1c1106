#include "engine/game.h"
#include "engine/invariants.h"
#include "engine/testing/recording_host.h"
#include "engine/testing/recording_observer.h"
#include "engine/testing/stacked_deck_host.h"
#include "engine/testing/table_builder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <vector>

using namespace tarvelo;

namespace {
std::vector<std::string> Names(const char* text) { return TStackedDeckHost::Names(text); }

constexpr const char* kFifteenNaturals = "4S 5S 6S 7S 8S 9S TS JS QS KS AS 4C 5C 6C 7C";
constexpr const char* kFifteenMore = "8C 9C TC JC QC KC AC 4D 5D 6D 7D 8D 9D TD JD";
}  // namespace

TEST(Deal, EveryDealUnderFixedSeedsIsAWholeLegalTable) {
  for (std::uint32_t seed = 1; seed <= 300; ++seed) {
    TRecordingHost host(seed);
    TGame game(host);
    game.DealHand(false);
    const TTableState& t = game.Table;
    SCOPED_TRACE("seed " + std::to_string(seed));
    ASSERT_EQ(CheckCardConservation(t), "");
    EXPECT_EQ(t.PlayerHand.Count, 15);
    EXPECT_EQ(t.OpponentHand.Count, 15);
    for (const TCardArea* hand : {&t.PlayerHand, &t.OpponentHand})
      for (const TCard& c : hand->Live()) EXPECT_FALSE(IsRedThree(c));
    for (const TCardArea* melds : {&t.PlayerMelds, &t.OpponentMelds})
      for (const TCard& c : melds->Live()) {
        EXPECT_TRUE(IsRedThree(c));
        EXPECT_EQ(c.FaceUp, 1);
        EXPECT_EQ(game.ColumnOf(c.X), RankThree);
      }
    // The upcard rule: only wildcards and red threes lie under a top card
    // that is neither; any of them freezes the pile.
    const TCard& top = t.DiscardPile.Top();
    EXPECT_FALSE(IsWildcard(top) || IsRedThree(top));
    for (int i = 0; i + 1 < t.DiscardPile.Count; ++i)
      EXPECT_TRUE(IsWildcard(t.DiscardPile.Cards[i]) || IsRedThree(t.DiscardPile.Cards[i]));
    EXPECT_TRUE(t.PileFrozen);  // "Initial Block" defaults to true
    for (const TCard& c : t.DiscardPile.Live()) EXPECT_EQ(c.FaceUp, 1);
    for (const TCard& c : t.Stock.Live()) EXPECT_EQ(c.FaceUp, 0);
    for (const TCard& c : t.PlayerHand.Live()) EXPECT_EQ(game.ColumnOf(c.X), c.Rank);
  }
}

TEST(Deal, CardsComeOffTheStockInOrderToTheirPlaces) {
  // Opponent first, then the player (a red three among its cards), then the upcard.
  const std::string top = std::string(kFifteenNaturals) + " 3H " + kFifteenMore + " 3D 2D JK 8H";
  TStackedDeckHost host(Names(top.c_str()));
  TGame game(host);
  game.Table.PlayerDrawsFirst = true;
  game.DealHand(true);
  const TTableState& t = game.Table;
  ASSERT_EQ(CheckCardConservation(t), "");

  ASSERT_EQ(t.OpponentHand.Count, 15);
  for (int i = 0; i < 15; ++i) {
    EXPECT_EQ(t.OpponentHand.Cards[i].Id, TTableBuilder::Card(Names(kFifteenNaturals)[i]).Id);
    EXPECT_EQ(t.OpponentHand.Cards[i].X, 3 + 10 * i);
    EXPECT_EQ(t.OpponentHand.Cards[i].Y, 5);
    EXPECT_EQ(t.OpponentHand.Cards[i].FaceUp, 0);
  }
  // The three of hearts came to the player: it lies in the player's threes column.
  ASSERT_EQ(t.PlayerMelds.Count, 1);
  EXPECT_EQ(t.PlayerMelds.Cards[0].Id, RedThreeHearts);
  EXPECT_EQ(t.PlayerMelds.Cards[0].Y, game.Layout.PlayerMeldY + 12);
  ASSERT_EQ(t.PlayerHand.Count, 15);
  EXPECT_EQ(t.PlayerHand.Cards[14].Id, TTableBuilder::Card("JD").Id);
  // The first card of the hand lies one step below its column's base line.
  const TCard& firstClub = t.PlayerHand.Cards[0];
  EXPECT_EQ(firstClub.X, game.Layout.ColumnX(RankEight));
  EXPECT_EQ(firstClub.Y, game.Layout.PlayerHandY + 12);
  // The three of diamonds, the two and the joker were turned up and stay under the eight.
  ASSERT_EQ(t.DiscardPile.Count, 4);
  EXPECT_EQ(t.DiscardPile.Cards[0].Id, RedThreeDiamonds);
  EXPECT_EQ(t.DiscardPile.Cards[2].Id, JokerId);
  EXPECT_EQ(t.DiscardPile.Top().Id, TTableBuilder::Card("8H").Id);
  EXPECT_TRUE(t.PileFrozen);
  EXPECT_EQ(host.Sounds.front(), "Start");
}

TEST(Deal, BlackThreeCanBeTheUpcardAndRedThreeToTheOpponentIsLaidOut) {
  const std::string top = "3D " + std::string(kFifteenNaturals) + " " + kFifteenMore + " 3S";
  TStackedDeckHost host(Names(top.c_str()));
  host.Settings["settings\\initial block"] = "1";  // stored, but not the rules in force
  TGame game(host);
  game.Rules.InitialBlock = false;
  game.DealHand(false);
  const TTableState& t = game.Table;
  ASSERT_EQ(t.OpponentMelds.Count, 1);
  EXPECT_EQ(t.OpponentMelds.Cards[0].Id, RedThreeDiamonds);
  EXPECT_EQ(t.OpponentMelds.Cards[0].Y, game.Layout.OpponentMeldY - 12);  // stacked upward
  EXPECT_EQ(t.OpponentHand.Count, 15);
  ASSERT_EQ(t.DiscardPile.Count, 1);
  EXPECT_EQ(t.DiscardPile.Top().Id, BlackThreeSpades);
  EXPECT_FALSE(t.PileFrozen);  // a natural upcard with "Initial Block" off
  EXPECT_EQ(host.Sounds.front(), "Deal");
}

TEST(Deal, ShuffleGivesEverySlotOnceAndTheDealStringSaysWhoDrawsFirst) {
  TRecordingHost host(7);
  host.Network = true;
  TGame game(host);
  TRecordingObserver reports;
  game.SetObserver(&reports);
  game.Table.PlayerDrawsFirst = true;
  game.DealHand(false);
  ASSERT_EQ(reports.Reports.size(), 1u);
  const auto* dealt = std::get_if<TDealReport>(&reports.Reports[0]);
  ASSERT_NE(dealt, nullptr);
  EXPECT_EQ(dealt->DealString, game.LastDealString);
  const std::string& deal = dealt->DealString;
  ASSERT_EQ(deal.size(), 109u);
  EXPECT_EQ(deal[0], '1');
  std::set<int> codes;
  for (size_t i = 1; i < deal.size(); ++i) codes.insert(static_cast<unsigned char>(deal[i]));
  EXPECT_EQ(codes.size(), 108u);
  EXPECT_EQ(*codes.begin(), 32);
  EXPECT_EQ(*codes.rbegin(), 139);
}

TEST(Deal, FirstDrawAlternatesBetweenSeats) {
  TRecordingHost host(3);
  TGame game(host);
  game.Table.PlayerDrawsFirst = true;
  game.DealHand(false);
  EXPECT_FALSE(game.Table.OpponentToMove);
  EXPECT_EQ(game.Table.Phase, PhaseDraw);
  EXPECT_EQ(game.Table.PendingPhase, PhaseOpponent);
  EXPECT_EQ(host.ComputerTurns, 0);
  EXPECT_EQ(host.WhoseTurn.back(), "It's your turn to draw first.");
  EXPECT_EQ(host.LastStatus().Text, "Draw a card by clicking on the stock or the discard pile");

  game.DealHand(false);
  EXPECT_TRUE(game.Table.OpponentToMove);
  EXPECT_EQ(game.Table.Phase, PhaseOpponent);
  EXPECT_EQ(game.Table.PendingPhase, PhaseDraw);
  EXPECT_EQ(host.ComputerTurns, 1);
  EXPECT_EQ(host.WhoseTurn.back(), "It's the computer's turn to draw first.");
  EXPECT_EQ(host.LastStatus().Text, "It's the computer's turn");
  EXPECT_TRUE(game.Table.PlayerDrawsFirst);
}

TEST(Deal, DealResetsTheTurnAndTheUndoMenu) {
  TRecordingHost host(5);
  TGame game(host);
  game.Table.PlayerDrawsFirst = true;
  game.UndoStack.push_back({});
  game.Table.StockExhausted = true;
  game.Table.PileTakeOpen = true;
  game.Table.PlayerCanastas.Count = 2;
  game.Table.PlayerScore = 1500;
  game.DealHand(false);
  EXPECT_TRUE(game.UndoStack.empty());
  EXPECT_FALSE(host.UndoEnabled);
  EXPECT_FALSE(game.Table.StockExhausted);
  EXPECT_FALSE(host.EndHandVisible);
  EXPECT_FALSE(game.Table.PileTakeOpen);
  EXPECT_EQ(game.Table.PlayerCanastas, TCanastaInfo{});
  EXPECT_EQ(game.Table.InitialMeldMinimum, 90);
  EXPECT_TRUE(game.Table.MayDraw);
  EXPECT_TRUE(game.Table.DiscardSpread);
  EXPECT_EQ(host.RulesHint, "|Adjust the rules of Canasta to your local variant");
  EXPECT_EQ(game.Table.UndoPlayerHand.Count, 15);  // the snapshot was taken
}

TEST(Deal, InitialMeldMinimumByScore) {
  const std::pair<int, int> cases[] = {{-10, 15}, {0, 50}, {1499, 50}, {1500, 90}, {2999, 90}, {3000, 120}};
  for (auto [score, minimum] : cases) EXPECT_EQ(TGame::InitialMeldFor(score), minimum) << score;
}

TEST(Deal, NewGameInANetworkGameAsksFirst) {
  TRecordingHost host(9);
  host.Network = true;
  host.QuestionAnswer = false;
  TGame game(host);
  TRecordingObserver reports;
  game.SetObserver(&reports);
  game.Table.GameInProgress = true;
  game.Table.PlayerScore = 700;
  game.NewGame();
  EXPECT_EQ(host.Boxes.back(), "You have a network game running. Are you sure you want to start a new game?");
  EXPECT_EQ(game.Table.PlayerScore, 700);  // declined: nothing changed

  host.QuestionAnswer = true;
  game.NewGame();
  EXPECT_EQ(game.Table.PlayerScore, 0);
  EXPECT_FALSE(game.Table.GameInProgress);
  ASSERT_EQ(reports.Reports.size(), 2u);  // nothing of the declined one
  EXPECT_TRUE(std::holds_alternative<TNewGameReport>(reports.Reports[0]));
  EXPECT_TRUE(std::holds_alternative<TDealReport>(reports.Reports[1]));
}
