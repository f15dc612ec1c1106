// Two network games over the real lobby network, each on a session of its
// own: the handshake, the rules, the deal, and what a peer may not do.
#include "net/network_game.h"

#include "engine/memory_settings.h"
#include "engine/silent_display.h"
#include "lobby/invitations.h"
#include "lobby/testing/irc_network.h"
#include "lobby/testing/lobby_fixture.h"
#include "lobby/testing/raw_player.h"
#include "lobby/testing/wait_until.h"
#include "net/protocol/field_codecs.h"
#include "net/protocol/framing.h"
#include "net/testing/mirrored_tables.h"
#include "session/session.h"
#include "store/setting_keys.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using namespace tarvelo;

namespace {

// A display that writes down the boxes and answers questions as told.
struct TBoxes : TSilentDisplay {
  std::vector<std::string> Shown;
  void Information(const std::string& text) override { Shown.push_back(text); }
  void Warning(const std::string& text) override { Shown.push_back(text); }
  bool Question(const std::string& text) override {
    Shown.push_back(text);
    return QuestionAnswer;
  }
};

// One side of a match: a session, its lobby client, the invitations and the network game.
struct TSide {
  TSide(const std::string& nick, std::uint32_t seed, std::vector<std::string>& wire) : Nick(nick) {
    TSessionHooks records;
    records.RecordAbandonedMatch = [this](const TAbandonedGame& game) { Abandoned.push_back(game); };
    session = std::make_unique<TSession>(settings, records, seed);
    session->SetDisplay(&boxes);
    session->SeatComputer();
    TNetworkGameHooks hooks;
    hooks.ShowNetStatus = [this](int status, const std::string&) { Statuses.push_back(status); };
    hooks.ShowRuleDifferences = [this](const std::vector<protocol::TRuleDifference>& rows) { Differences = rows; };
    hooks.Park = [this](const std::string& local, const std::string& remote) {
      Parked = session->Game().Table;
      return dataFolder.filePath(QString::fromStdString(local + "_" + remote + ".tvl"));
    };
    network = std::make_unique<TNetworkGame>(*session, client, hooks);
    client.SetRoute(network->Route());
    QObject::connect(network.get(), &TNetworkGame::sent, [this, &wire](const std::string& message) {
      wire.push_back(Nick + " " + message.substr(0, message.find(protocol::FieldSeparator)));
      Sent.push_back(message);
    });
    QObject::connect(&client, &TLobbyClient::PrivateCommand,
                     [this](const std::string& s, const std::string& c) { invitations.HandlePrivateCommand(s, c); });
    QObject::connect(&invitations, &TInvitations::MatchAgreed,
                     [this](int role, const std::string& local, const std::string& remote, const std::string& room) {
                       network->Start(role, local, remote, room);
                     });
    QObject::connect(
        &invitations, &TInvitations::QuestionPosted, &invitations, [this] { invitations.Answer(true); },
        Qt::QueuedConnection);
  }
  bool LogIn(quint16 port) {
    client.SetServer("127.0.0.1", port);
    client.ChooseRoomType(JustForFun, "");
    client.LogIn(Nick, "secret-of-" + Nick);
    return WaitUntil([&] { return client.Lobby().LobbyState == InLobby && !client.Players().empty(); });
  }
  const TTableState& Table() const { return session->Game().Table; }

  std::string Nick;
  TMemorySettings settings;
  TBoxes boxes;
  QTemporaryDir dataFolder;
  std::unique_ptr<TSession> session;
  TLobbyClient client;
  TInvitations invitations{client};
  std::unique_ptr<TNetworkGame> network;
  std::vector<int> Statuses;
  std::vector<protocol::TRuleDifference> Differences;
  std::vector<std::string> Sent;  // the bytes of each message sent
  std::vector<TAbandonedGame> Abandoned;
  TTableState Parked;  // the table as the game was parked
};

struct NetworkGameOnTheLobby : ::testing::Test {
  TIrcNetwork network;
  std::vector<std::string> wire;

  void SetUp() override {
    LobbyTestApp();
    TARVELO_START_LOBBY(network);
  }
  // Ann invites Bob and Bob says Yes; both have shaken hands.
  void Agree(TSide& ann, TSide& bob) {
    ASSERT_TRUE(ann.LogIn(network.Port()));
    ASSERT_TRUE(bob.LogIn(network.Port()));
    ASSERT_TRUE(WaitUntil([&] { return ann.client.Players().size() == 2 && bob.client.Players().size() == 2; }));
    ann.invitations.Invite(bob.Nick);
    ASSERT_TRUE(WaitUntil([&] { return ann.network->HandshakeDone() && bob.network->HandshakeDone(); }));
  }
};

TEST_F(NetworkGameOnTheLobby, TheHandshakeRunsInOrderAndBothTablesHoldTheSameDeal) {
  TSide ann("Ann", 1, wire), bob("Bob", 2, wire);
  Agree(ann, bob);
  ASSERT_TRUE(WaitUntil([&] {
    return !bob.session->Game().LastDealString.empty() &&
           bob.session->Game().LastDealString == ann.session->Game().LastDealString;
  }));
  EXPECT_EQ(wire, (std::vector<std::string>{"Ann PLAYERID", "Bob PLAYERID", "Bob RULES", "Ann RULES", "Ann DEAL"}));
  EXPECT_EQ(ann.Sent.front(),
            "PLAYERID\xFE"
            "Ann\xFE"
            "501\xFF");
  EXPECT_EQ(bob.Sent.front(),
            "PLAYERID\xFE"
            "Bob\xFE"
            "501\xFF");
  EXPECT_EQ(bob.Sent[1],
            "RULES\xFE"
            "F\xFE"
            "1\xFE"
            "1\xFE"
            "T\xFE"
            "T\xFE"
            "T\xFE"
            "T\xFE"
            "T\xFE"
            "F\xFE"
            "F\xFE"
            "T\xFE"
            "T\xFE"
            "F\xFF");
  EXPECT_EQ(ann.network->NetRole(), NetRoleInviting);
  EXPECT_EQ(bob.network->NetRole(), NetRoleInvited);
  for (TSide* side : {&ann, &bob}) {
    EXPECT_EQ(side->Statuses, (std::vector<int>{NetWaiting, NetConnected})) << side->Nick;
    EXPECT_TRUE(side->Differences.empty()) << side->Nick;
    EXPECT_TRUE(side->session->NetworkGameActive());
    EXPECT_EQ(side->session->Computer(), nullptr) << "the peer holds the seat";
  }
  ExpectMirrored(ann.session->Game(), bob.session->Game());
}

// Hand after hand, each a new game the dealer begins and the other side
// agrees to: every deal gives mirrored tables, red threes dealt and piles
// frozen by their upcards among them.
TEST_F(NetworkGameOnTheLobby, EveryDealOfManyNewGamesGivesMirroredTables) {
  TSide ann("Ann", 7, wire), bob("Bob", 8, wire);
  Agree(ann, bob);
  int redThrees = 0, frozenUpcards = 0;
  for (int hand = 0; hand < 30; ++hand) {
    if (hand > 0) ann.session->NewGame();
    ASSERT_TRUE(WaitUntil([&] {
      return std::count(wire.begin(), wire.end(), "Ann DEAL") == hand + 1 &&
             bob.session->Game().LastDealString == ann.session->Game().LastDealString;
    })) << "hand "
        << hand;
    SCOPED_TRACE("hand " + std::to_string(hand));
    ExpectMirrored(ann.session->Game(), bob.session->Game());
    const TTableState& t = ann.Table();
    redThrees += t.PlayerMelds.Count + t.OpponentMelds.Count > 0;
    frozenUpcards += t.DiscardPile.Count > 1;
  }
  EXPECT_GT(redThrees, 0);
  EXPECT_GT(frozenUpcards, 0);
  EXPECT_TRUE(bob.boxes.Shown.empty()) << "no game was under way: nobody was asked";
}

// The dealer loses the game, deals the next one's first hand and draws before
// the winner's NEWGAME reaches it: that NEWGAME begins the game already dealt.
TEST_F(NetworkGameOnTheLobby, TheWinnersNewGameAfterTheDealersNextDealDealsNothingMore) {
  TSide ann("Ann", 11, wire), bob("Bob", 12, wire);
  Agree(ann, bob);
  ASSERT_TRUE(WaitUntil([&] { return bob.session->Game().LastDealString == ann.session->Game().LastDealString; }));
  TGame& a = ann.session->MutableGame();
  TGame& b = bob.session->MutableGame();
  if (b.PlayerOnTurn()) {  // Bob's turn first: a draw and a discard hand it to Ann
    bob.session->Guarded([&] {
      TryMove(b, Seat::Player, {.Kind = TMoveKind::Draw});
      for (int i = 0; b.PlayerOnTurn() && i < b.Table.PlayerHand.Count; ++i)
        TryMove(b, Seat::Player, {.Kind = TMoveKind::Discard, .Card = i});
    });
  }
  ASSERT_TRUE(WaitUntil([&] { return a.PlayerOnTurn() && ann.Table().PendingPhase == PhaseOpponent; }));
  // Ann far behind on both tables, the stock as good as gone on both.
  a.Table.PlayerScore = b.Table.OpponentScore = 4990;
  a.Table.OpponentScore = b.Table.PlayerScore = 6000;
  a.Table.StockExhausted = b.Table.StockExhausted = true;
  a.Table.PlayerDrawsFirst = true;  // Ann draws first in the next game
  ann.session->Guarded([&] {
    ASSERT_TRUE(TryMove(a, Seat::Player, {.Kind = TMoveKind::EndHand}));
    ASSERT_TRUE(a.PlayerOnTurn()) << "the next game dealt at once";
    TryMove(a, Seat::Player, {.Kind = TMoveKind::Draw});
  });
  ASSERT_TRUE(WaitUntil([&] { return std::count(wire.begin(), wire.end(), "Bob NEWGAME") == 1; }));
  ASSERT_TRUE(WaitUntil([&] { return ann.network->HandshakeDone() && bob.Table().PendingPhase == PhaseMeld; }));
  WaitUntil([] { return false; }, 500);
  EXPECT_EQ(std::count(wire.begin(), wire.end(), "Ann DEAL"), 2) << "one deal for the next game";
  EXPECT_EQ(std::count(wire.begin(), wire.end(), "Ann NEWGAME"), 0) << "the loser leaves it to the winner";
  EXPECT_EQ(bob.session->Game().LastDealString, a.LastDealString);
  ExpectSameTableTurnedAround(a, bob.session->Game());
}

// A rule that differs is shown on both sides, with the values swapped, and
// nothing is dealt until one side takes the other's rules.
TEST_F(NetworkGameOnTheLobby, NoDealWhileOneRuleDiffersUntilOneSideTakesTheOthers) {
  TSide ann("Ann", 3, wire), bob("Bob", 4, wire);
  bob.settings.WriteInt("Settings\\Number of Canastas", 2);
  bob.session->ReadSettings();
  Agree(ann, bob);
  ASSERT_TRUE(WaitUntil([&] { return !ann.Differences.empty() && !bob.Differences.empty(); }));
  ASSERT_EQ(ann.Differences.size(), 1u);
  ASSERT_EQ(bob.Differences.size(), 1u);
  EXPECT_EQ(ann.Differences[0].Caption, bob.Differences[0].Caption);
  EXPECT_EQ(ann.Differences[0].Own, bob.Differences[0].Opponent);
  EXPECT_EQ(ann.Differences[0].Opponent, bob.Differences[0].Own);
  WaitUntil([] { return false; }, 300);
  EXPECT_EQ(std::count(wire.begin(), wire.end(), "Ann DEAL"), 0) << "the rules differ";

  bob.network->UseOpponentRules();
  ASSERT_TRUE(WaitUntil([&] {
    return bob.session->Game().LastDealString == ann.session->Game().LastDealString &&
           !ann.session->Game().LastDealString.empty();
  }));
  EXPECT_TRUE(ann.Differences.empty());
  EXPECT_TRUE(bob.Differences.empty());
  EXPECT_EQ(bob.session->Game().Rules.NumberOfCanastas, 1);
  EXPECT_EQ(bob.settings.ReadInt("Settings\\Number of Canastas", 1), 2) << "the rules taken over are not stored";
  ExpectMirrored(ann.session->Game(), bob.session->Game());

  // The game over, the stored rules are back.
  bob.network->End();
  EXPECT_EQ(bob.session->Game().Rules.NumberOfCanastas, 2);
  EXPECT_NE(bob.session->Computer(), nullptr);
}

// The invited side against a peer on the bare connection, which sends what it likes.
struct AgainstARawPeer : NetworkGameOnTheLobby {
  std::unique_ptr<TSide> bob;
  std::unique_ptr<TRawPlayer> ann;
  const std::string room = "Tarvelo#Bob#Ann#";
  int HandshakeLimit = TNetworkGame::HandshakeMilliseconds;

  void SetUp() override {
    NetworkGameOnTheLobby::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    bob = std::make_unique<TSide>("Bob", 5, wire);
    ASSERT_TRUE(bob->LogIn(network.Port()));
    ann = std::make_unique<TRawPlayer>("Ann", "secret-of-Ann");
    ASSERT_TRUE(ann->LogIn(network.Port()));
    ASSERT_TRUE(ann->Enter(room));
    bob->client.Server().GS_JoinRoom(room);
    ASSERT_TRUE(ann->WaitFor(irc::LobbyUserJoined)) << "Bob is in the game's room";
    bob->network->SetHandshakeLimit(HandshakeLimit);
    bob->network->Start(NetRoleInvited, "Bob", "Ann", room);
    ASSERT_TRUE(WaitUntil([&] { return bob->session->NetworkGameActive(); }));
  }
  void Say(TRawPlayer& from, const std::string& token, const std::vector<std::string>& fields = {}) {
    std::string payload;
    for (const std::string& field : fields)
      payload += (payload.empty() ? "" : std::string(1, protocol::FieldSeparator)) + field;
    from.Server.GS_PrivateGameCommand("Bob", protocol::Framed({token, payload}));
  }
  // Lets the lobby carry what was said and the session handle it.
  void Settle() {
    WaitUntil([] { return false; }, 400);
  }
  // A deal string of the fixed build order with the stock slots in order.
  static std::string OrderedDeal() {
    std::string deal = "1";
    for (int slot = 0; slot < MaxCards; ++slot) deal += static_cast<char>(slot + 32);
    return deal;
  }
};

TEST_F(AgainstARawPeer, APeerOfAnotherVersionEndsTheGame) {
  Say(*ann, "PLAYERID", {"Ann", "500"});
  ASSERT_TRUE(WaitUntil([&] { return !bob->network->Active(); }));
  EXPECT_EQ(bob->boxes.Shown, (std::vector<std::string>{"You have version 50001 and your opponent has another "
                                                        "version. Please use the same version."}));
  EXPECT_NE(bob->session->Computer(), nullptr) << "the computer has the seat again";
  EXPECT_EQ(bob->network->NetStatus(), NetNotConnected);
}

// What a peer or a stranger may not do changes nothing at the table.
TEST_F(AgainstARawPeer, WhatAPeerMayNotSendLeavesTheTableAsItWas) {
  Say(*ann, "PLAYERID", {"Ann", "501"});
  ASSERT_TRUE(WaitUntil([&] { return bob->network->HandshakeDone(); }));
  Say(*ann, "DEAL", {OrderedDeal()});
  ASSERT_TRUE(WaitUntil([&] { return bob->session->Game().LastDealString == OrderedDeal(); }));
  const auto hand = CardsOf(bob->Table().PlayerHand);

  // A second deal in the middle of the hand, a repeated introduction under
  // another name, and a deal from a stranger: none of them is acted on.
  std::string other = OrderedDeal();
  std::swap(other[1], other[50]);
  Say(*ann, "DEAL", {other});
  Say(*ann, "PLAYERID", {"Ann", "501"});
  TRawPlayer cy("Cy", "secret-of-Cy");
  ASSERT_TRUE(cy.LogIn(network.Port()));
  Say(cy, "DEAL", {other});
  // Without an end byte, past the buffer's limit: dropped.
  ann->Server.GS_PrivateGameCommand("Bob",
                                    "DEAL" + std::string(1, protocol::FieldSeparator) + std::string(70 * 1024, 'A'));
  ann->Server.GS_PrivateGameCommand("Bob", std::string(1, protocol::MessageEnd));  // its end, at last
  Settle();
  EXPECT_EQ(bob->session->Game().LastDealString, OrderedDeal());
  EXPECT_EQ(CardsOf(bob->Table().PlayerHand), hand);
  EXPECT_TRUE(bob->network->Active());
  EXPECT_TRUE(bob->boxes.Shown.empty());
  EXPECT_EQ(std::count(wire.begin(), wire.end(), "Bob PLAYERID"), 1) << "one handshake per game";

  // A new game in the middle of one needs the player's consent; declined, the game is parked and ends.
  bob->session->MutableGame().Table.GameInProgress = true;
  bob->boxes.QuestionAnswer = false;
  Say(*ann, "NEWGAME");
  ASSERT_TRUE(WaitUntil([&] { return !bob->network->Active(); }));
  ASSERT_GE(bob->boxes.Shown.size(), 2u);
  EXPECT_EQ(bob->boxes.Shown[0], "Ann wants to start a new game. Do you want to give up the game in progress?");
  EXPECT_EQ(bob->boxes.Shown[1].rfind("Connection with Ann has been terminated.\rThe game has been saved as\r", 0), 0u);
}

// The peer's moves change the table only where they apply: a move out of
// place is let be, and a turn this table refuses to end parks the game, the
// computer going on from the peer's draw.
TEST_F(AgainstARawPeer, APeersMovesApplyOnlyWhereTheyMayAndAWrongTurnParksTheGame) {
  Say(*ann, "PLAYERID", {"Ann", "501"});
  ASSERT_TRUE(WaitUntil([&] { return bob->network->HandshakeDone(); }));
  Say(*ann, "DEAL", {OrderedDeal()});
  ASSERT_TRUE(WaitUntil([&] { return bob->session->Game().LastDealString == OrderedDeal(); }));
  const TTableState& t = bob->Table();
  ASSERT_TRUE(t.OpponentToMove) << "the dealer draws first";
  auto cards = [&] {
    return std::vector{CardsOf(t.PlayerHand), CardsOf(t.OpponentHand), CardsOf(t.OpponentMelds), CardsOf(t.Stock),
                       CardsOf(t.DiscardPile)};
  };
  const auto dealt = cards();
  CardId notHeld = 0;
  for (const TCard& card : t.PlayerHand.Live())
    if (FindLast(t.OpponentHand, [&](const TCard& c) { return c.Id == card.Id; }) < 0) notHeld = card.Id;
  ASSERT_NE(notHeld, 0);
  const std::string held = protocol::CardIdText(t.OpponentHand.Cards[0].Id);

  Say(*ann, "MELD", {protocol::CardIdText(notHeld)});  // a card it does not hold
  Say(*ann, "DISCARD", {held});                        // before its draw
  Say(*ann, "UN", {{protocol::ByteCode(t.OpponentHand.Cards[0].Id), protocol::ByteCode(4)}});  // nothing laid
  Say(*ann, "DRAWPILEREST");                                                                   // no pile taken
  Say(*ann, "UNDOPILE");
  Say(*ann, "MELDWILDCARD", {"53", "14"});  // no such column
  Say(*ann, "MELD", {"99"});                // no such card
  Settle();
  EXPECT_EQ(cards(), dealt);
  EXPECT_FALSE(t.GameInProgress);
  EXPECT_TRUE(bob->network->Active());
  EXPECT_TRUE(bob->boxes.Shown.empty());

  const TRuleSettings& rules = bob->session->Game().Rules;
  const int stock = t.Stock.Count, redThrees = t.OpponentMelds.Count;
  for (int card = 0; card <= rules.NumberOfCards; ++card) Say(*ann, "DRAWNEW");  // one more than the turn's draw
  ASSERT_TRUE(WaitUntil([&] { return t.PendingPhase == PhaseMeld; }));
  Settle();
  const int replaced = rules.DrawExtra ? t.OpponentMelds.Count - redThrees : 0;
  EXPECT_EQ(stock - t.Stock.Count, rules.NumberOfCards + replaced) << "the turn's cards and no more";
  EXPECT_TRUE(t.GameInProgress) << "a move of the peer counts as a game in progress";
  const int afterDraw = t.Stock.Count;

  // Passing with a full hand: the two tables no longer agree on whose turn it is.
  Say(*ann, "PASSDISCARD");
  ASSERT_TRUE(WaitUntil([&] { return !bob->network->Active(); }));
  ASSERT_EQ(bob->boxes.Shown.size(), 2u);
  EXPECT_EQ(bob->boxes.Shown[0].rfind("Ann made a move that is not allowed here", 0), 0u) << bob->boxes.Shown[0];
  EXPECT_EQ(bob->boxes.Shown[1].rfind("Connection with Ann has been terminated.\rThe game has been saved as\r", 0), 0u);
  // The computer took the seat over after the peer's draw: it melds and discards, and draws nothing.
  ASSERT_TRUE(WaitUntil([&] { return !t.OpponentToMove; }));
  EXPECT_EQ(t.Stock.Count, afterDraw) << "no second draw";
}

// A peer that never introduces itself: the game ends after the time limit, with a message.
struct AgainstASilentPeer : AgainstARawPeer {
  AgainstASilentPeer() { HandshakeLimit = 300; }
};

TEST_F(AgainstASilentPeer, TheGameEndsInTime) {
  ASSERT_TRUE(WaitUntil([&] { return !bob->network->Active(); }, 5000));
  EXPECT_EQ(bob->boxes.Shown, std::vector<std::string>{"Ann did not answer. The network game has ended."});
  EXPECT_NE(bob->session->Computer(), nullptr);
}

// A new game the player agrees to: the totals start again and the dealer's next deal replaces the hand.
TEST_F(AgainstARawPeer, ANewGameAgreedToLetsTheNextDealReplaceTheHand) {
  Say(*ann, "PLAYERID", {"Ann", "501"});
  Say(*ann, "DEAL", {OrderedDeal()});
  ASSERT_TRUE(WaitUntil([&] { return bob->session->Game().LastDealString == OrderedDeal(); }));
  TTableState& table = bob->session->MutableGame().Table;
  table.GameInProgress = true;
  table.PlayerScore = 1200;
  table.OpponentScore = 800;
  Say(*ann, "NEWGAME");
  std::string other = OrderedDeal();
  std::swap(other[1], other[50]);
  Say(*ann, "DEAL", {other});
  ASSERT_TRUE(WaitUntil([&] { return bob->session->Game().LastDealString == other; }));
  EXPECT_EQ(bob->boxes.Shown,
            std::vector<std::string>{"Ann wants to start a new game. Do you want to give up the game in progress?"});
  EXPECT_EQ(bob->Table().PlayerScore, 0);
  EXPECT_EQ(bob->Table().OpponentScore, 0);
  EXPECT_EQ(bob->Abandoned, (std::vector<TAbandonedGame>{{"Ann", 1200, 800}})) << "the game given up is recorded";
  EXPECT_TRUE(bob->network->Active());
}

// The peer goes while this side waits for its next deal: the computer's side deals.
TEST_F(AgainstARawPeer, ThePeerGoneBetweenHandsLeavesTheDealToThisSide) {
  Say(*ann, "PLAYERID", {"Ann", "501"});
  Say(*ann, "DEAL", {OrderedDeal()});
  ASSERT_TRUE(WaitUntil([&] { return bob->session->Game().LastDealString == OrderedDeal(); }));
  bob->session->MutableGame().Table.Phase = PhaseHandOver;
  ann->Server.GS_Disconnect();
  ASSERT_TRUE(WaitUntil([&] { return !bob->network->Active() && bob->Table().Phase != PhaseHandOver; }));
  EXPECT_NE(bob->session->Game().LastDealString, OrderedDeal());
  EXPECT_GE(bob->Table().PlayerHand.Count + bob->Table().PlayerMelds.Count, 15) << "a whole hand was dealt";
}

// A message kept for a game that ends before the table is idle is dropped with it.
TEST_F(AgainstARawPeer, AMessageOfAnEndedGameIsDropped) {
  Say(*ann, "PLAYERID", {"Ann", "501"});
  ASSERT_TRUE(WaitUntil([&] { return bob->network->HandshakeDone(); }));
  const std::string before = bob->session->Game().LastDealString;
  ASSERT_TRUE(bob->network->Route().PrivateCommand("Ann", protocol::Framed({"DEAL", OrderedDeal()})));
  bob->network->End();
  Settle();
  EXPECT_EQ(bob->session->Game().LastDealString, before);
  EXPECT_FALSE(bob->network->Route().PrivateCommand("Ann", protocol::Framed({"DEAL", OrderedDeal()})))
      << "with no game the lobby hears it";
}

// Another name in the introduction would send our moves to someone else.
TEST_F(AgainstARawPeer, AnIntroductionUnderAnotherNameEndsTheGame) {
  Say(*ann, "PLAYERID", {"Cy", "501"});
  ASSERT_TRUE(WaitUntil([&] { return !bob->network->Active(); }));
  EXPECT_EQ(bob->network->RemoteName(), "Ann");
  EXPECT_EQ(std::count(wire.begin(), wire.end(), "Bob PLAYERID"), 0);
}

// The inviting side introduces itself to a nickname nobody holds any more: the peer is gone.
TEST_F(NetworkGameOnTheLobby, APeerThatLeftTheLobbyEndsTheGameAtOnce) {
  TSide ann("Ann", 9, wire);
  ASSERT_TRUE(ann.LogIn(network.Port()));
  ann.network->Start(NetRoleInviting, "Ann", "Zed", "Tarvelo#Zed#Ann#");
  ASSERT_TRUE(WaitUntil([&] { return !ann.network->Active(); }, 5000));
  EXPECT_EQ(ann.boxes.Shown,
            std::vector<std::string>{"Connection with Zed has been terminated.\rThe game has been saved as\r" +
                                     ann.dataFolder.filePath("Ann_Zed.tvl").toStdString()});
}

// The peer's link ends: the game is parked with the message, the computer takes the seat.
TEST_F(AgainstARawPeer, ThePeerGoneParksTheGame) {
  Say(*ann, "PLAYERID", {"Ann", "501"});
  ASSERT_TRUE(WaitUntil([&] { return bob->network->HandshakeDone(); }));
  ann->Server.GS_Disconnect();
  ASSERT_TRUE(WaitUntil([&] { return !bob->network->Active(); }));
  ASSERT_EQ(bob->boxes.Shown.size(), 1u);
  EXPECT_EQ(bob->boxes.Shown[0], "Connection with Ann has been terminated.\rThe game has been saved as\r" +
                                     bob->dataFolder.filePath("Bob_Ann.tvl").toStdString());
  EXPECT_NE(bob->session->Computer(), nullptr);
}

// The peer goes with its melds half laid: the game is kept as its turn stood
// after the draw, the cards it laid back in its hand.
TEST_F(AgainstARawPeer, APeerGoneWithItsMeldsHalfLaidIsParkedAsItsDrawLeftTheTurn) {
  Say(*ann, "PLAYERID", {"Ann", "501"});
  Say(*ann, "DEAL", {OrderedDeal()});
  ASSERT_TRUE(WaitUntil([&] { return bob->session->Game().LastDealString == OrderedDeal(); }));
  const TTableState& t = bob->Table();
  for (int card = 0; card < bob->session->Game().Rules.NumberOfCards; ++card) Say(*ann, "DRAWNEW");
  ASSERT_TRUE(WaitUntil([&] { return t.PendingPhase == PhaseMeld; }));
  const TTableState drawn = t;
  // Two naturals of one rank: a meld of two is no meld yet.
  std::array<std::vector<CardId>, ColumnCount> byRank;
  for (const TCard& card : t.OpponentHand.Live())
    if (card.Rank >= RankFour) byRank[card.Rank].push_back(card.Id);
  const auto pair = std::find_if(byRank.begin(), byRank.end(), [](const auto& ids) { return ids.size() >= 2; });
  ASSERT_NE(pair, byRank.end()) << "the ordered deal gives the peer a pair";
  Say(*ann, "MELD", {protocol::CardIdText((*pair)[0])});
  Say(*ann, "MELD", {protocol::CardIdText((*pair)[1])});
  ASSERT_TRUE(WaitUntil([&] { return t.OpponentMelds.Count == drawn.OpponentMelds.Count + 2; }));
  ann->Server.GS_Disconnect();
  ASSERT_TRUE(WaitUntil([&] { return !bob->network->Active(); }));
  EXPECT_EQ(CardsOf(bob->Parked.OpponentHand), CardsOf(drawn.OpponentHand));
  EXPECT_EQ(CardsOf(bob->Parked.OpponentMelds), CardsOf(drawn.OpponentMelds));
  EXPECT_EQ(bob->Parked.OpponentMeldValue, drawn.OpponentMeldValue);
  EXPECT_EQ(bob->Parked.PendingPhase, PhaseMeld) << "the draw stands";
}

}  // namespace
