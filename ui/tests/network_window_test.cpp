// The table window during a network game: the network text of the status bar,
// the network menu, and the questions before a running game is left.
#include "engine/memory_settings.h"
#include "ui/dialogs/rules_dialog.h"
#include "ui/status_bar.h"
#include "ui/table_view.h"
#include "ui/testing/qt_test_app.h"
#include "ui/tvlmain.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

// A session whose second seat is a peer for as long as the test says so.
class TPeerSession : public TSession {
 public:
  using TSession::TSession;
  bool NetworkGameActive() const override { return peerSeated; }
  std::string PeerName() const override { return "Bob"; }
  bool peerSeated = false;
};

// Answers every message box that opens with `answer` and notes its text.
class TBoxAnswers {
 public:
  QMessageBox::StandardButton answer = QMessageBox::Yes;
  QStringList texts;

  TBoxAnswers() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        texts << box->text();
        box->button(answer)->click();
      }
    });
    timer_.start();
  }

 private:
  QTimer timer_;
};

struct NetworkWindow : ::testing::Test {
  NetworkWindow() {
    TestApp();
    settings.WriteString("Settings\\Resolution", "0,0,640x480");
    TWindowHooks hooks;
    hooks.Sound = [this](std::string_view event) { sounds.emplace_back(event); };
    window = std::make_unique<TfmTvlMain>(session, hooks);
    session.SetDisplay(window.get());
    window->show();
    window->EndStartUp();
    session.DealFirstHand();
  }
  QString StatusText() const { return window->StatusBar()->Text(); }
  QString PhaseText(int phase) const { return QString::fromStdString(session.Game().PhaseText(phase)); }
  // The engine shows a phase as it does in play.
  void ShowPhase(int phase) { session.MutableGame().ShowPhase(phase); }
  void MoveMouseOverTable() { QTest::mouseMove(window->View(), QPoint(200, 150)); }

  TMemorySettings settings;
  TPeerSession session{settings};
  std::vector<std::string> sounds;
  std::unique_ptr<TfmTvlMain> window;
};

}  // namespace

// Each network text shows in the normal style, whatever error was blinking before.
TEST_F(NetworkWindow, NetworkTextsShowInTheNormalStyle) {
  struct Case {
    int status;
    const char* text;
  };
  const Case cases[] = {
      {0, "Not connected"},
      {1, "Waiting for connection..."},
      {2, "Connection established with Bob"},
  };
  for (const Case& c : cases) {
    window->ShowStatusText("You have already drawn", true);
    ASSERT_TRUE(window->StatusBar()->ShowsError());
    window->SetNetStatus(c.status, "Bob");
    EXPECT_EQ(StatusText(), c.text);
    EXPECT_EQ(window->NetStatus(), c.status);
    EXPECT_FALSE(window->StatusBar()->ShowsError()) << c.text;
    EXPECT_FALSE(window->StatusBar()->tmLED.isActive()) << c.text;
  }
}

TEST_F(NetworkWindow, WaitingTextOutlastsPhaseChangesAndTheMouse) {
  window->SetNetStatus(1, "Bob");
  for (const int phase : {PhaseDraw, PhaseMeld, PhaseOpponent}) {
    ShowPhase(phase);
    EXPECT_EQ(StatusText(), "Waiting for connection...") << phase;
  }
  MoveMouseOverTable();
  EXPECT_EQ(StatusText(), "Waiting for connection...");
  // A mistake of the player still says what went wrong.
  window->ShowStatusText("You have already drawn", true);
  EXPECT_EQ(StatusText(), "You have already drawn");

  // Once connected, the phases show again.
  window->SetNetStatus(2, "Bob");
  EXPECT_EQ(StatusText(), "Connection established with Bob");
  ShowPhase(PhaseDraw);
  EXPECT_EQ(StatusText(), PhaseText(PhaseDraw));
}

TEST_F(NetworkWindow, NotConnectedStaysUntilTheMouseMovesOverTheTable) {
  window->SetNetStatus(0, "");
  ShowPhase(PhaseOpponent);
  ShowPhase(PhaseDraw);
  EXPECT_EQ(StatusText(), "Not connected");
  MoveMouseOverTable();
  EXPECT_EQ(StatusText(), PhaseText(PhaseDraw));
  // Let go once: the next phase shows as usual, and moves change nothing more.
  ShowPhase(PhaseMeld);
  MoveMouseOverTable();
  EXPECT_EQ(StatusText(), PhaseText(PhaseMeld));
}

TEST_F(NetworkWindow, NetworkMenuFollowsTheNetworkGame) {
  window->ConnectAction("Lobby1", [] {});
  window->StatusBar()->SetLobbyActive(true);
  struct Case {
    bool networkGame;
    bool networkItems;
    bool lobby;
  };
  for (const Case& c : {Case{true, true, false}, Case{false, false, true}}) {
    window->StatusBar()->SetLobbyActive(true);
    window->SetNetworkMenu(c.networkGame);
    for (const char* name : {"Disconnect1", "RuleDifferences1", "ChatOnTop1"})
      EXPECT_EQ(window->Action(name)->isEnabled(), c.networkItems) << name << " " << c.networkGame;
    EXPECT_EQ(window->Action("Lobby1")->isEnabled(), c.lobby) << c.networkGame;
    EXPECT_TRUE(window->StatusBar()->pnLobby->isHidden()) << c.networkGame;
  }
}

TEST_F(NetworkWindow, DisconnectAsksOnlyDuringANetworkGame) {
  window->SetNetworkMenu(true);
  QSignalSpy confirmed(window.get(), &TfmTvlMain::disconnectConfirmed);
  struct Case {
    bool networkGame;
    QMessageBox::StandardButton answer;
    int questions;
    int emitted;
  };
  const Case cases[] = {
      {true, QMessageBox::No, 1, 0},
      {true, QMessageBox::Yes, 1, 1},
      {false, QMessageBox::No, 0, 1},
  };
  for (const Case& c : cases) {
    session.peerSeated = c.networkGame;
    TBoxAnswers boxes;
    boxes.answer = c.answer;
    confirmed.clear();
    window->Action("Disconnect1")->trigger();
    EXPECT_EQ(boxes.texts.size(), c.questions) << c.networkGame << c.answer;
    for (const QString& text : boxes.texts) EXPECT_EQ(text, "Are you sure you want to disconnect?");
    EXPECT_EQ(confirmed.count(), c.emitted) << c.networkGame << c.answer;
  }
}

TEST_F(NetworkWindow, RuleDifferencesItemAsksForTheComparison) {
  window->SetNetworkMenu(true);
  QSignalSpy requested(window.get(), &TfmTvlMain::ruleDifferencesRequested);
  window->Action("RuleDifferences1")->trigger();
  EXPECT_EQ(requested.count(), 1);
}

TEST_F(NetworkWindow, ClosingDuringANetworkGameIsAskedAndNoKeepsEverything) {
  session.peerSeated = true;
  QSignalSpy closing(window.get(), &TfmTvlMain::closing);
  TBoxAnswers boxes;
  boxes.answer = QMessageBox::No;
  sounds.clear();
  EXPECT_FALSE(window->close());
  EXPECT_EQ(boxes.texts, QStringList{"You have a network game running. Are you sure you want to quit?"});
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(closing.count(), 0);
  EXPECT_TRUE(sounds.empty());

  boxes.answer = QMessageBox::Yes;
  EXPECT_TRUE(window->close());
  EXPECT_EQ(boxes.texts.size(), 2);
  EXPECT_EQ(closing.count(), 1);
  EXPECT_EQ(sounds, std::vector<std::string>{"Exit"});
}

TEST_F(NetworkWindow, ClosingOutsideANetworkGameAsksNothing) {
  QSignalSpy closing(window.get(), &TfmTvlMain::closing);
  TBoxAnswers boxes;
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(boxes.texts.isEmpty());
  EXPECT_EQ(closing.count(), 1);
}

// The network game sends the rules once they are in force, and only after OK.
TEST_F(NetworkWindow, RulesConfirmedFollowsOkOnly) {
  QSignalSpy confirmed(window.get(), &TfmTvlMain::rulesConfirmed);
  TRuleSettings rulesAtSignal;
  QObject::connect(window.get(), &TfmTvlMain::rulesConfirmed, [&] { rulesAtSignal = session.Game().Rules; });
  struct Case {
    const char* button;
    int emitted;
  };
  for (const Case& c : {Case{"bnCancel", 0}, Case{"bnOK", 1}}) {
    confirmed.clear();
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<TfmRules*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      if (c.emitted > 0) dialog->SetControls(HoyleRules());
      dialog->findChild<QPushButton*>(c.button)->click();
    });
    window->Action("Rules1")->trigger();
    EXPECT_EQ(confirmed.count(), c.emitted) << c.button;
  }
  EXPECT_EQ(rulesAtSignal, HoyleRules());
}
