// The end of a network game at the session: the game-over dialog that never
// ends the program, the match recorded against the peer, the next deal left to
// the dealer, and a game given up for a new one recorded as it stood.
#include "engine/invariants.h"
#include "engine/testing/table_builder.h"
#include "session/testing/fake_peer_seat.h"
#include "session/tests/session_fixture.h"

#include <gtest/gtest.h>
#include <optional>
#include <vector>

using namespace tarvelo;

namespace {

struct NetworkGameEnd : ::testing::Test, SessionFixture {
  NetworkGameEnd() : SessionFixture(Records()) {
    session->ApplyLayout(ComputeLayout(0, WindowSizes[0].Width));
    session->ResetAnchors();
  }
  TSessionHooks Records() {
    TSessionHooks hooks;
    hooks.RecordMatch = [this](const TGameOverInfo& info) { matches.push_back(info); };
    hooks.RecordAbandonedMatch = [this](const TAbandonedGame& game) { abandoned.push_back(game); };
    hooks.DeleteAutoSave = [this] { ++autoSavesDeleted; };
    return hooks;
  }
  void SeatPeer(bool localSideDeals = true) {
    session->SeatPeer(std::make_unique<TFakePeerSeat>("Bob", localSideDeals));
  }
  // The player's last card is discarded beside a canasta: the hand ends, and
  // with it the game at these totals.
  void PlayerGoesOut(int playerScore, int opponentScore) {
    TGame& game = session->MutableGame();
    TTableBuilder(game).Build("hand: 5D; melds: 7C 7C 7S 7S 7D 7D 7H; opp: KH KS 4C; pile: 8C").PlayerHasDrawn();
    game.Table.GameInProgress = true;
    game.Table.PlayerScore = playerScore;
    game.Table.OpponentScore = opponentScore;
    const TCard card = game.Table.PlayerHand.Top();
    session->PlayerClick(MouseButton::Right, card.X + 2, card.Y + 2, {});
  }
  // A game under way with these totals, in the middle of a hand.
  void GameUnderWay(int playerScore, int opponentScore, bool inProgress = true) {
    TGame& game = session->MutableGame();
    TTableBuilder(game).Build("hand: 7H 7S 4D; melds: KH KS KD; oppmelds: 5H 5S 5D; pile: 8C").PlayerToDraw();
    game.Table.GameInProgress = inProgress;
    game.Table.PlayerScore = playerScore;
    game.Table.OpponentScore = opponentScore;
  }

  std::vector<TGameOverInfo> matches;
  std::vector<TAbandonedGame> abandoned;
  int autoSavesDeleted = 0;
};

TEST_F(NetworkGameEnd, TheGameGoesOnWithTotalsClearedAndTheDealerAloneDeals) {
  struct Case {
    const char* name;
    bool network;
    bool localSideDeals;
    bool dialogAnswer;  // what the game-over dialog was closed with
    bool goesOn;
    bool dealt;
  } cases[] = {
      {"the dealer's side, dialog closed with OK", true, true, true, true, true},
      {"the dealer's side, dialog closed otherwise", true, true, false, true, true},
      {"the side that waits for the peer's deal", true, false, false, true, false},
      {"against the computer, another game declined", false, true, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    matches.clear();
    autoSavesDeleted = display.Quits = 0;
    if (c.network)
      SeatPeer(c.localSideDeals);
    else
      session->SeatComputer();
    display.PlayAnotherGame = c.dialogAnswer;
    PlayerGoesOut(5100, 3000);
    const TTableState& t = session->Game().Table;
    ASSERT_EQ(matches.size(), 1u);
    EXPECT_EQ(matches[0].OpponentName, c.network ? "Bob" : "Computer");
    EXPECT_GT(matches[0].PlayerScore, 5100);
    EXPECT_TRUE(matches[0].PlayerWon);
    EXPECT_EQ(display.Quits, c.goesOn ? 0 : 1);
    EXPECT_EQ(autoSavesDeleted, c.goesOn ? 0 : 1);
    EXPECT_FALSE(t.GameInProgress);
    if (c.goesOn) {
      EXPECT_EQ(t.PlayerScore, 0);
      EXPECT_EQ(t.OpponentScore, 0);
    }
    EXPECT_EQ(t.Phase != PhaseHandOver, c.dealt);
    if (c.dealt) {
      EXPECT_EQ(t.PlayerHand.Count, 15) << "a new hand";
    }
    EXPECT_EQ(CheckCardConservation(t), "");
  }
}

TEST_F(NetworkGameEnd, AGameGivenUpForTheNewGameThePeerAskedForIsRecordedAsItStood) {
  struct Case {
    const char* name;
    bool network;
    int playerScore, opponentScore;
    bool inProgress;
    std::optional<TAbandonedGame> recorded;
  } cases[] = {
      {"a hand under way", true, 1200, 850, true, TAbandonedGame{"Bob", 1200, 850}},
      {"the first hand under way", true, 0, 0, true, TAbandonedGame{"Bob", 0, 0}},
      {"between hands, totals standing", true, 40, 610, false, TAbandonedGame{"Bob", 40, 610}},
      {"nothing under way", true, 0, 0, false, std::nullopt},
      {"against the computer", false, 1200, 850, true, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    abandoned.clear();
    if (c.network)
      SeatPeer();
    else
      session->SeatComputer();
    GameUnderWay(c.playerScore, c.opponentScore, c.inProgress);
    session->RecordAbandonedNetworkGame();
    if (c.recorded) {
      ASSERT_EQ(abandoned.size(), 1u);
      EXPECT_EQ(abandoned[0], *c.recorded);
    } else {
      EXPECT_TRUE(abandoned.empty());
    }
    // Recording changes nothing on the table: clearing the totals is the new game's.
    EXPECT_EQ(session->Game().Table.PlayerScore, c.playerScore);
    EXPECT_EQ(session->Game().Table.OpponentScore, c.opponentScore);
  }
}

TEST_F(NetworkGameEnd, ThePlayersOwnNewGameRecordsTheGameGivenUpOnlyWhenThePlayerAgrees) {
  SeatPeer();
  for (bool agreed : {false, true}) {
    SCOPED_TRACE(agreed ? "Yes" : "No");
    display.Boxes.clear();
    display.QuestionAnswer = agreed;
    GameUnderWay(2300, 1900);
    session->NewGame();
    ASSERT_EQ(display.Boxes.size(), 1u);
    EXPECT_EQ(display.Boxes[0], "You have a network game running. Are you sure you want to start a new game?");
    const TTableState& t = session->Game().Table;
    if (agreed) {
      ASSERT_EQ(abandoned.size(), 1u);
      EXPECT_EQ(abandoned[0], (TAbandonedGame{"Bob", 2300, 1900}));
      EXPECT_EQ(t.PlayerScore, 0);
    } else {
      EXPECT_TRUE(abandoned.empty());
      EXPECT_EQ(t.PlayerScore, 2300);
    }
  }
  // A new game at once after it: nothing under way, nothing given up.
  session->NewGame();
  EXPECT_EQ(abandoned.size(), 1u);
}

TEST_F(NetworkGameEnd, ALoadedGameThatHadEndedStartsANewOneWithNothingGivenUp) {
  SeatPeer();
  GameUnderWay(5200, 3100, false);
  TSavedGame saved{0, session->Game().Table};
  saved.Table.Phase = PhaseHandOver;
  session->PutSavedGame(saved);
  EXPECT_TRUE(abandoned.empty());
  EXPECT_EQ(session->Game().Table.PlayerScore, 0);
  EXPECT_TRUE(matches.empty());
}

}  // namespace
