#include "session/session.h"

#include "ai/computer_player.h"
#include "engine/card_area.h"
#include "engine/invariants.h"
#include "session/testing/never_melding_player.h"
#include "session/tests/session_fixture.h"

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {
struct Session : ::testing::Test, SessionFixture {
  // A dealt hand with the player to draw, and the computer in its seat.
  void DealToThePlayer() {
    session->SeatComputer();
    session->DealFirstHand();
    Settle();
    ASSERT_FALSE(session->Game().Table.OpponentToMove);
  }
};
}  // namespace

TEST_F(Session, TheSeatedComputerPlaysAtTheStoredLevelAndAggressiveness) {
  EXPECT_EQ(session->Computer(), nullptr);
  session->SeatComputer();
  ASSERT_NE(session->Computer(), nullptr);
  EXPECT_EQ(session->Computer()->Settings.computerLevel, LevelExpert);
  EXPECT_EQ(session->Computer()->Settings.aggressiveness, 0);
  EXPECT_TRUE(session->Computer()->CheckLegality);
}

TEST_F(Session, AStoredMasterIsSeatedWithItsThinkingTimeAndPlaysItsTurn) {
  settings.WriteString("Settings\\Level", "Master");
  settings.WriteInt("Settings\\Master Time", 20);
  DealToThePlayer();
  ASSERT_EQ(session->Computer()->Settings.computerLevel, LevelMaster);
  EXPECT_EQ(session->Computer()->Settings.MasterMilliseconds, 20);
  const TTableState& t = session->Game().Table;
  const int discardsBefore = t.DiscardPile.Count;
  PlayerDrawsAndDiscards(*session);
  ASSERT_TRUE(t.OpponentToMove);
  for (int spins = 0; spins < 100000 && (t.OpponentToMove || session->EventsWaiting() > 0); ++spins)
    QCoreApplication::processEvents();
  EXPECT_FALSE(t.OpponentToMove) << "the Master's turn ended";
  EXPECT_EQ(CheckCardConservation(t), "");
  EXPECT_TRUE(display.Boxes.empty());
  EXPECT_NE(t.DiscardPile.Count, discardsBefore + 1) << "the Master took the pile or discarded";
}

TEST_F(Session, ALevelStoredDuringAGameComesIntoForceOnlyOnceTheGameIsOverTheThinkingTimeAtOnce) {
  DealToThePlayer();
  TTableState& t = session->MutableGame().Table;
  settings.WriteString("Settings\\Level", "Beginner");
  settings.WriteInt("Settings\\Aggression", 80);
  settings.WriteInt("Settings\\Master Time", 2500);  // not a rule: in force from the next turn
  PlayerDrawsAndDiscards(*session);
  ASSERT_TRUE(t.GameInProgress);
  ASSERT_TRUE(t.OpponentToMove);
  Settle();
  EXPECT_FALSE(t.OpponentToMove) << "the computer played its turn";
  EXPECT_EQ(session->Computer()->Settings.computerLevel, LevelExpert);
  EXPECT_EQ(session->Computer()->Settings.aggressiveness, 0);
  EXPECT_EQ(session->Computer()->Settings.MasterMilliseconds, 2500);

  t.GameInProgress = false;  // the game is over: the next turn is a new game's
  session->PlayComputerTurn();
  Settle();
  EXPECT_EQ(session->Computer()->Settings.computerLevel, LevelBeginner);
  EXPECT_EQ(session->Computer()->Settings.aggressiveness, 80);
}

TEST_F(Session, ATurnStillWaitingWhenTheSeatIsTakenAnewIsNotPlayed) {
  DealToThePlayer();
  const TTableState& t = session->Game().Table;
  PlayerDrawsAndDiscards(*session);
  ASSERT_TRUE(t.OpponentToMove);
  ASSERT_EQ(session->EventsWaiting(), 1);
  const int turnsBefore = display.BusyStarts;
  session->SeatComputer();  // the computer that was asked for the turn has left the seat
  Settle();
  EXPECT_EQ(session->EventsWaiting(), 0);
  EXPECT_EQ(display.BusyStarts, turnsBefore) << "nobody played the turn of the seat given up";
  EXPECT_TRUE(t.OpponentToMove);

  // The one seated now plays the turn it is given.
  session->PlayComputerTurn();
  Settle();
  EXPECT_EQ(display.BusyStarts, turnsBefore + 1);
  EXPECT_FALSE(t.OpponentToMove);
  EXPECT_EQ(CheckCardConservation(t), "");
}

TEST_F(Session, AComputerTurnAskedForWhileTheEngineIsBusyRunsOnlyAfterwards) {
  using TMeanwhile = std::function<void()>;
  struct Case {
    const char* name;
    std::function<void(const TMeanwhile&)> busy;
  };
  const Case cases[] = {
      {"a pause",
       [this](const TMeanwhile& meanwhile) {
         display.OnHold = meanwhile;
         session->Pause(10);
       }},
      {"an animation",
       [this](const TMeanwhile& meanwhile) {
         display.OnHold = meanwhile;
         session->AnimateCard({}, {});
       }},
      {"another engine call", [this](const TMeanwhile& meanwhile) { session->Guarded(meanwhile); }},
  };
  DealToThePlayer();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const int turnsBefore = display.BusyStarts;
    int turnsMeanwhile = -1;
    c.busy([&] {
      session->PlayComputerTurn();
      RunEventLoop(30);  // the event loop of the pause, the animation or a box
      turnsMeanwhile = display.BusyStarts;
    });
    display.OnHold = {};
    EXPECT_EQ(turnsMeanwhile, turnsBefore);
    EXPECT_EQ(session->EventsWaiting(), 1);
    Settle();
    EXPECT_EQ(display.BusyStarts, turnsBefore + 1) << "the computer's turn ran once, after";
    EXPECT_EQ(session->EventsWaiting(), 0);
  }
}

TEST_F(Session, AFaultInTheComputersTurnIsReportedAndPlayGoesOn) {
  DealToThePlayer();
  bool armed = true;
  display.OnBusy = [&](bool busy) {
    if (busy && armed) {
      armed = false;
      throw TRangeFault("no card at 200");
    }
  };
  session->PlayComputerTurn();
  Settle();
  EXPECT_EQ(display.Boxes, std::vector<std::string>{"no card at 200"});
  EXPECT_FALSE(session->Game().Table.OpponentToMove) << "the player has the turn back";

  // The next turn of the computer is played from its start to its end.
  const int startsBefore = display.BusyStarts, endsBefore = display.BusyEnds;
  session->PlayComputerTurn();
  Settle();
  EXPECT_EQ(display.Boxes.size(), 1u);
  EXPECT_EQ(display.BusyStarts, startsBefore + 1);
  EXPECT_EQ(display.BusyEnds, endsBefore + 1);
  EXPECT_FALSE(session->Game().Table.OpponentToMove);
}

TEST_F(Session, AFaultThatEscapesAnEventIsReportedAndTheNextEventRuns) {
  int changes = 0;
  QObject::connect(session.get(), &TSession::tableChanged, [&] { ++changes; });
  bool nextRan = false;
  session->Post([] { throw TRangeFault("column 14 out of range"); });
  session->Post([&] { nextRan = true; });
  Settle();
  EXPECT_EQ(display.Boxes, std::vector<std::string>{"An internal error stopped this move: column 14 out of range"});
  EXPECT_TRUE(nextRan);
  EXPECT_EQ(changes, 2);
}
