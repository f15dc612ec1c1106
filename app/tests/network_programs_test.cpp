// Two whole programs play each other through a real lobby: the invitation,
// the handshake, the rules, the deal, and the game parked when one side goes.
#include "ai/selfplay/player_seat_computer.h"
#include "app/program.h"
#include "app/tests/program_fixture.h"
#include "engine/table_mirror.h"
#include "lobby/testing/irc_network.h"
#include "lobby/testing/lobby_fixture.h"
#include "lobby/testing/wait_until.h"
#include "net/testing/mirrored_tables.h"
#include "store/saved_game_file.h"
#include "ui/dialogs/gameover_dialog.h"
#include "ui/status_bar.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

struct NetworkPrograms : Programs {
  TIrcNetwork network;
  QTemporaryDir homeAnn, homeBob;
  std::unique_ptr<TProgram> ann, bob;
  std::vector<QString> boxes;  // the texts of the message boxes, as shown

  void SetUp() override {
    TARVELO_START_LOBBY(network);
    // The invited user says Yes; every other box is noted and closed.
    OnModal = [this](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      if (!box) return;
      boxes.push_back(box->text());
      if (box->text().contains("invites you")) box->button(QMessageBox::Yes)->click();
    };
    ann = Make(homeAnn);
    bob = Make(homeBob);
    for (TProgram* program : {ann.get(), bob.get()}) {
      Start(*program);
      FirstGame(*program);
    }
  }
  void LogIn(TProgram& program, const std::string& nick) {
    TLobbyClient& client = program.LobbyClient();
    client.SetServer("127.0.0.1", network.Port());
    client.ChooseRoomType(JustForFun, "");
    client.LogIn(nick, "secret-of-" + nick);
  }
  // Ann invites Bob, Bob says Yes, and both tables are dealt.
  void AgreeAndDeal() {
    LogIn(*ann, "Ann");
    LogIn(*bob, "Bob");
    ASSERT_TRUE(WaitUntil(
        [&] { return ann->LobbyClient().Players().size() == 2 && bob->LobbyClient().Players().size() == 2; }));
    ann->Invitations().Invite("Bob");
    ASSERT_TRUE(WaitUntil([&] { return ann->Network().HandshakeDone() && bob->Network().HandshakeDone(); }));
  }
  bool Dealt() const {
    const std::string& deal = ann->Session().Game().LastDealString;
    return !deal.empty() && bob->Session().Game().LastDealString == deal;
  }
};

TEST_F(NetworkPrograms, AnAgreedMatchDealsTheSameHandOnBothTables) {
  AgreeAndDeal();
  ASSERT_TRUE(WaitUntil([&] { return Dealt(); }));
  ExpectMirrored(ann->Session().Game(), bob->Session().Game());
  for (auto [program, peer] : {std::pair{ann.get(), "Bob"}, std::pair{bob.get(), "Ann"}}) {
    TfmTvlMain& window = program->Window();
    EXPECT_EQ(window.NetStatus(), NetConnected);  // its text gave way to the deal's phase
    EXPECT_TRUE(window.Action("Disconnect1")->isEnabled());
    EXPECT_TRUE(window.Action("RuleDifferences1")->isEnabled());
    EXPECT_FALSE(window.Action("Lobby1")->isEnabled());
    EXPECT_EQ(program->Session().Game().OpponentCaption(), peer);
    ASSERT_NE(program->RuleDifferences(), nullptr);
    EXPECT_FALSE(program->RuleDifferences()->isVisible()) << "the rules agree";
  }
  EXPECT_EQ(boxes.size(), 1u) << "only the invitation was asked";
}

// A game against the computer in progress is kept before the match replaces it.
TEST_F(NetworkPrograms, AGameAgainstTheComputerIsKeptBeforeTheMatch) {
  bob->Session().MutableGame().Table.GameInProgress = true;
  const auto hand = CardsOf(bob->Session().Game().Table.PlayerHand);
  AgreeAndDeal();
  const QString kept = QDir(bob->LifeCycle().DataFolder()).filePath("Player_Computer.tvl");
  const TLoadOutcome read = ReadSavedGameFile(kept, TTableState{});
  ASSERT_TRUE(read.Loaded) << read.Message.toStdString();
  EXPECT_EQ(CardsOf(read.Game.Table.PlayerHand), hand);
  EXPECT_FALSE(QFileInfo::exists(QDir(ann->LifeCycle().DataFolder()).filePath("Player_Computer.tvl")))
      << "Ann had no game under way";
}

// Bob's lobby window is open when the match is agreed: the question comes
// over it, and Ann's introduction, which may arrive before the window has
// closed, still reaches the network game.
TEST_F(NetworkPrograms, TheMatchStartsWhileTheInvitedSidesLobbyWindowIsOpen) {
  KeepOpen = [this](QWidget* modal) { return modal == bob->Lobby().Window(); };
  LogIn(*ann, "Ann");
  LogIn(*bob, "Bob");
  ASSERT_TRUE(
      WaitUntil([&] { return ann->LobbyClient().Players().size() == 2 && bob->LobbyClient().Players().size() == 2; }));
  // The lobby window runs its own loop until it closes: the invitation comes from within it.
  bool invitedWhileOpen = false;
  QTimer::singleShot(0, [&] { bob->Lobby().OpenLobby(&bob->Window(), false); });
  QTimer::singleShot(100, [&] {
    invitedWhileOpen = bob->Lobby().Window() != nullptr;
    ann->Invitations().Invite("Bob");
  });
  ASSERT_TRUE(WaitUntil([&] { return Dealt() && !bob->Lobby().Window(); }));
  EXPECT_TRUE(invitedWhileOpen);
  ExpectMirrored(ann->Session().Game(), bob->Session().Game());
}

// One rule differs: both windows show it, Bob takes Ann's rules, and the hand is dealt.
TEST_F(NetworkPrograms, ARuleDifferenceIsShownOnBothSidesUntilOneTakesTheOthers) {
  bob->Settings().WriteInt("Settings\\Number of Canastas", 2);
  bob->Session().ReadSettings();
  AgreeAndDeal();
  ASSERT_TRUE(WaitUntil([&] {
    return ann->RuleDifferences() && ann->RuleDifferences()->isVisible() && bob->RuleDifferences() &&
           bob->RuleDifferences()->isVisible();
  }));
  auto rowOf = [](TProgram& program) {
    auto* list = program.RuleDifferences()->findChild<QTreeWidget*>();
    EXPECT_EQ(list->topLevelItemCount(), 1);
    const QTreeWidgetItem* row = list->topLevelItem(0);
    return (row->text(0) + "|" + row->text(1) + "|" + row->text(2)).toStdString();
  };
  EXPECT_EQ(rowOf(*ann), "Number of Canastas required to go out|One|Two");
  EXPECT_EQ(rowOf(*bob), "Number of Canastas required to go out|Two|One");
  EXPECT_FALSE(Dealt());

  for (QPushButton* button : bob->RuleDifferences()->findChildren<QPushButton*>())
    if (button->text() == "Use Opponent's Rules") button->click();
  ASSERT_TRUE(WaitUntil([&] { return Dealt(); }));
  ASSERT_TRUE(WaitUntil([&] { return !ann->RuleDifferences()->isVisible(); }));
  EXPECT_FALSE(bob->RuleDifferences()->isVisible());
  ExpectMirrored(ann->Session().Game(), bob->Session().Game());
}

// Bob's program goes away in the middle of the hand: Ann's parks the game,
// says where, and plays on against the computer; the parked file holds the table.
TEST_F(NetworkPrograms, ThePeerGoneParksTheGameAndTheComputerTakesTheSeat) {
  AgreeAndDeal();
  ASSERT_TRUE(WaitUntil([&] { return Dealt(); }));
  const TTableState before = ann->Session().Game().Table;
  bob.reset();
  ASSERT_TRUE(WaitUntil([&] { return !ann->Network().Active(); }));
  const QString parked = QDir(ann->LifeCycle().DataFolder()).filePath("Ann_Bob.tvl");
  ASSERT_TRUE(WaitUntil([&] { return !boxes.empty() && boxes.back().startsWith("Connection with Bob"); }));
  EXPECT_EQ(boxes.back(), "Connection with Bob has been terminated.\nThe game has been saved as\n" + parked);
  EXPECT_NE(ann->Session().Computer(), nullptr);
  EXPECT_EQ(ann->Window().StatusBar()->Text(), "Not connected");
  EXPECT_TRUE(ann->Window().Action("Lobby1")->isEnabled());
  EXPECT_FALSE(ann->Window().Action("Disconnect1")->isEnabled());

  const TLoadOutcome read = ReadSavedGameFile(parked, TTableState{});
  ASSERT_TRUE(read.Loaded) << read.Message.toStdString();
  const TSavedGame& saved = read.Game;
  EXPECT_EQ(CardsOf(saved.Table.PlayerHand), CardsOf(before.PlayerHand));
  EXPECT_EQ(CardsOf(saved.Table.OpponentHand), CardsOf(before.OpponentHand));
  EXPECT_EQ(CardsOf(saved.Table.Stock), CardsOf(before.Stock));
}

// The side on turn draws and its program is killed: the other side parks the
// game as the peer left it, and the computer goes on from the peer's draw.
TEST_F(NetworkPrograms, ThePeerKilledAfterItDrewLeavesTheComputerToPlayOnWithoutDrawingAgain) {
  AgreeAndDeal();
  ASSERT_TRUE(WaitUntil([&] { return Dealt(); }));
  const bool annDraws = !ann->Session().Game().Table.OpponentToMove;
  std::unique_ptr<TProgram>& drawer = annDraws ? ann : bob;
  TProgram& watcher = annDraws ? *bob : *ann;
  const TTableState& t = watcher.Session().Game().Table;
  drawer->Session().Guarded([&] { TryMove(drawer->Session().MutableGame(), Seat::Player, {.Kind = TMoveKind::Draw}); });
  ASSERT_TRUE(WaitUntil([&] { return t.PendingPhase == PhaseMeld; })) << "the draw arrived";
  ExpectSameTableTurnedAround(drawer->Session().Game(), watcher.Session().Game());
  const TTableState drawn = t;

  drawer.reset();
  ASSERT_TRUE(WaitUntil([&] { return !watcher.Network().Active(); }));
  ASSERT_TRUE(WaitUntil([&] { return !boxes.empty() && boxes.back().startsWith("Connection with"); }));
  const QString parked = QDir(watcher.LifeCycle().DataFolder()).filePath(annDraws ? "Bob_Ann.tvl" : "Ann_Bob.tvl");
  EXPECT_EQ(
      boxes.back(),
      QString("Connection with %1 has been terminated.\nThe game has been saved as\n").arg(annDraws ? "Ann" : "Bob") +
          parked);
  const TLoadOutcome read = ReadSavedGameFile(parked, TTableState{});
  ASSERT_TRUE(read.Loaded) << read.Message.toStdString();
  const TTableState& saved = read.Game.Table;
  EXPECT_EQ(CardsOf(saved.PlayerHand), CardsOf(drawn.PlayerHand));
  EXPECT_EQ(CardsOf(saved.OpponentHand), CardsOf(drawn.OpponentHand));
  EXPECT_EQ(CardsOf(saved.OpponentMelds), CardsOf(drawn.OpponentMelds));
  EXPECT_EQ(CardsOf(saved.Stock), CardsOf(drawn.Stock));
  EXPECT_EQ(CardsOf(saved.DiscardPile), CardsOf(drawn.DiscardPile));
  EXPECT_EQ(saved.PendingPhase, PhaseMeld);

  ASSERT_TRUE(WaitUntil([&] { return !t.OpponentToMove; })) << "the computer finished the peer's turn";
  EXPECT_EQ(CardsOf(t.Stock), CardsOf(drawn.Stock)) << "no second draw";
  EXPECT_EQ(t.DiscardPile.Count, drawn.DiscardPile.Count + 1);
}

// A computer level in each program's player's seat plays a whole hand through
// the lobby, every move a message: once every message of each side has
// reached the other, both tables hold the same cards.
TEST_F(NetworkPrograms, AWholeHandKeepsBothTablesAlikeWheneverEveryMessageHasArrived) {
  AgreeAndDeal();
  ASSERT_TRUE(WaitUntil([&] { return Dealt(); }));
  const std::string firstDeal = ann->Session().Game().LastDealString;
  std::array<std::unique_ptr<TPlayerSeatComputer>, 2> players;
  std::array<int, 2> sent{}, handled{};
  int checks = 0;
  std::vector<std::string> faults;
  TProgram* programs[] = {ann.get(), bob.get()};
  for (int side = 0; side < 2; ++side) {
    TSession& session = programs[side]->Session();
    players[side] = std::make_unique<TPlayerSeatComputer>(TComputerSettings{.computerLevel = LevelExpert});
    QObject::connect(&session, &TSession::tableChanged, &session, [&, side] {
      session.Post([&, side] {
        if (programs[side]->Network().Active() && session.Game().PlayerOnTurn())
          session.Guarded([&, side] { players[side]->PlayTurn(session.MutableGame()); });
      });
    });
    QObject::connect(&programs[side]->Network(), &TNetworkGame::sent, [&, side] { ++sent[side]; });
    QObject::connect(&programs[side]->Network(), &TNetworkGame::handled, [&, side] {
      ++handled[side];
      if (handled[0] != sent[1] || handled[1] != sent[0]) return;
      ++checks;
      if (std::string fault = MirrorDifference(ann->Session().Game(), bob->Session().Game()); !fault.empty())
        faults.push_back(fault);
    });
  }
  // The side on turn begins; the hand ends and the dealer deals the next.
  ann->Session().Post([&] { emit ann->Session().tableChanged(); });
  bob->Session().Post([&] { emit bob->Session().tableChanged(); });
  ASSERT_TRUE(WaitUntil([&] { return ann->Session().Game().LastDealString != firstDeal && Dealt(); }, 60000));
  EXPECT_TRUE(faults.empty()) << faults.front();
  EXPECT_GT(checks, 20) << "the tables were compared throughout the hand";
}

// The hand that ends the game: both programs show the game-over dialog of a
// network game, and it stays until the player closes it.
TEST_F(NetworkPrograms, TheGameOverDialogWaitsOnBothSides) {
  AgreeAndDeal();
  ASSERT_TRUE(WaitUntil([&] { return Dealt(); }));
  // Two programs in one process: the second dialog's loop runs inside the
  // first's, so each is looked at and closed a second after it opens.
  std::vector<QPointer<TfmGameover>> open;
  int stillOpenAfterASecond = 0;
  KeepOpen = [&](QWidget* modal) {
    auto* over = qobject_cast<TfmGameover*>(modal);
    if (!over || std::find(open.begin(), open.end(), over) != open.end()) return over != nullptr;
    open.push_back(over);
    QTimer::singleShot(1000, [&, dialog = QPointer<TfmGameover>(over)] {
      stillOpenAfterASecond += dialog && dialog->isVisible();
      if (dialog) dialog->accept();
    });
    return true;
  };
  TProgram& onTurn = ann->Session().Game().PlayerOnTurn() ? *ann : *bob;
  TProgram& other = &onTurn == ann.get() ? *bob : *ann;
  TGame& a = onTurn.Session().MutableGame();
  TGame& b = other.Session().MutableGame();
  a.Table.PlayerScore = b.Table.OpponentScore = 4990;
  a.Table.OpponentScore = b.Table.PlayerScore = 6000;
  a.Table.StockExhausted = b.Table.StockExhausted = true;
  onTurn.Session().Post(
      [&] { onTurn.Session().Guarded([&] { TryMove(a, Seat::Player, {.Kind = TMoveKind::EndHand}); }); });
  ASSERT_TRUE(WaitUntil([&] { return open.size() == 2 && !open[0] && !open[1]; })) << open.size() << " shown";
  EXPECT_EQ(stillOpenAfterASecond, 2) << "each dialog waits for its player";
}

}  // namespace
