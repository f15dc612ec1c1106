#include "lobby/game_server.h"

#include "lobby/irc/lobby_events.h"
#include "lobby/lobby.h"
#include "lobby/testing/irc_network.h"
#include "lobby/testing/lobby_fixture.h"
#include "lobby/testing/raw_player.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>

#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <set>

using namespace tarvelo;
using namespace tarvelo::irc;

namespace {

const std::string MainRoom = "LOBBY-Tarvelo501";

// Each test starts its own network on free ports and stops it by its pids.
struct GameServer : ::testing::Test {
  TIrcNetwork network;

  void SetUp() override {
    LobbyTestApp();
    TARVELO_START_LOBBY(network);
  }

  std::unique_ptr<TRawPlayer> LoggedIn(const std::string& nick, quint16 port = 0) {
    auto client = std::make_unique<TRawPlayer>(nick, "secret-of-" + nick);
    EXPECT_TRUE(client->LogIn(port ? port : network.Port())) << nick;
    return client;
  }

  std::unique_ptr<TRawPlayer> InLobbyRoom(const std::string& nick, quint16 port = 0) {
    auto client = LoggedIn(nick, port);
    EXPECT_TRUE(client->Enter(MainRoom)) << nick;
    return client;
  }
};

TEST_F(GameServer, AFirstLoginRegistersTheNicknameAndTheNextUsesSasl) {
  TRawPlayer first("Ann", "first-secret");
  ASSERT_TRUE(first.LogIn(network.Port()));
  EXPECT_EQ(
      std::count_if(first.Events.begin(), first.Events.end(), [](auto& e) { return e.Code == LobbyNotRegistered; }), 1);
  first.Server.GS_Disconnect();
  ASSERT_TRUE(first.WaitFor(LobbyDisconnected));

  TRawPlayer again("Ann", "first-secret");
  ASSERT_TRUE(again.LogIn(network.Port()));
  EXPECT_EQ(
      std::count_if(again.Events.begin(), again.Events.end(), [](auto& e) { return e.Code == LobbyNotRegistered; }), 0)
      << "the account is known: SASL logs it in";
}

// The login as the server sees it, in order; TARVELO_SHOW_WIRE=1 prints the
// bytes both ways and the time from the connection to the login.
TEST_F(GameServer, ALoginOnTheWire) {
  TRawPlayer first("Ann", "first-secret");
  ASSERT_TRUE(first.LogIn(network.Port()));
  first.Server.GS_Disconnect();
  TRawPlayer client("Ann", "first-secret");
  QByteArray sent, wire;
  QElapsedTimer took;
  client.Server.WireLog = [&](bool out, const QByteArray& bytes) {
    (out ? sent : wire) += bytes;
    if (out) wire += bytes.trimmed().prepend(">> ").append("\r\n");
    if (!out) wire += bytes;
  };
  took.start();
  ASSERT_TRUE(client.LogIn(network.Port()));
  const qint64 loginMs = took.elapsed();
  // Between CAP END and the welcome the login asks the server every 50 ms, so
  // that a server idling until its next second answers at once.
  const std::string ping = "PING tarvelo-login\r\n";
  std::string lines = sent.toStdString();
  const std::size_t capEnd = lines.find("CAP END\r\n"), join = lines.find("JOIN ");
  for (std::size_t at; (at = lines.find(ping)) != std::string::npos;) {
    EXPECT_GT(at, capEnd) << "no asking before CAP END";
    EXPECT_LT(at, join) << "no asking after the welcome";
    lines.erase(at, ping.size());
  }
  EXPECT_EQ(lines,
            "CAP LS 302\r\nNICK Ann\r\nUSER Ann 0 * Tarvelo501\r\nCAP REQ :sasl echo-message\r\n"
            "AUTHENTICATE PLAIN\r\nAUTHENTICATE QW5uAEFubgBmaXJzdC1zZWNyZXQ=\r\nCAP END\r\nJOIN #LOBBY-Tarvelo501\r\n");
  RecordProperty("login_ms", static_cast<int>(loginMs));
  if (qEnvironmentVariableIsSet("TARVELO_SHOW_WIRE")) {
    std::printf("%s\nGS_Connect to 2150: %lld ms\n", wire.constData(), static_cast<long long>(loginMs));
  }
}

TEST_F(GameServer, LoginRefusalsOfATakenNickname) {
  auto ann = LoggedIn("Ann");
  struct Case {
    const char* credential;
    int expected;
  };
  // The same account from a second program; someone else with the nickname.
  for (const Case c : {Case{"secret-of-Ann", LobbyAlreadyLoggedIn}, Case{"another-secret", LobbyNickInUse}}) {
    TRawPlayer twin("Ann", c.credential);
    ASSERT_TRUE(twin.Connect("127.0.0.1", network.Port()));
    twin.Server.GS_Login(twin.Nick, twin.Credential, "Tarvelo501");
    EXPECT_TRUE(twin.WaitFor(c.expected)) << c.credential;
  }
  // A free nickname that someone else registered.
  ann->Server.GS_Disconnect();
  ASSERT_TRUE(ann->WaitFor(LobbyDisconnected));
  TRawPlayer impostor("Ann", "another-secret");
  ASSERT_TRUE(impostor.Connect("127.0.0.1", network.Port()));
  impostor.Server.GS_Login(impostor.Nick, impostor.Credential, "Tarvelo501");
  ASSERT_TRUE(impostor.WaitFor(LobbyNotRegistered));
  impostor.Server.GS_Register(impostor.Nick, impostor.Credential, "player@tarvelo.invalid", "Tarvelo501");
  EXPECT_TRUE(impostor.WaitFor(LobbyNickTaken));

  // Sixteen characters, every one escaped: longer than an account name may be.
  TRawPlayer accented("\xC4\xD6\xDC\xE4\xF6\xFC\xDF\xE9\xE8\xEA\xEB\xC9\xC8\xCA\xCB\xC5", "secret");
  EXPECT_FALSE(accented.LogIn(network.Port()));
  EXPECT_TRUE(std::any_of(accented.Events.begin(), accented.Events.end(), [](const TLobbyEvent& e) {
    return e.Code == LobbyNickInvalid;
  })) << "refused in words, not left waiting";
}

TEST_F(GameServer, TwoPlayersMeetInTheLobbyRoomAndChat) {
  auto ann = InLobbyRoom("Ann");
  auto bob = InLobbyRoom("Bob[1]");
  const auto joined = ann->WaitFor(LobbyUserJoined);
  ASSERT_TRUE(joined);
  EXPECT_EQ(joined->Text, "Bob[1] " + MainRoom + "\r");

  bob->Server.GS_GetUserList(MainRoom);
  ASSERT_TRUE(bob->WaitFor(LobbyUsersStart));
  std::set<std::string> users;
  for (int i = 0; i < 2; ++i) {
    const auto user = bob->WaitFor(LobbyUser);
    ASSERT_TRUE(user);
    users.insert(user->Text);
  }
  EXPECT_EQ(users, (std::set<std::string>{"Ann ", "Bob[1] "}));

  ann->Server.GS_PublicMessage("Hello, J\xF6rg! :-)\r\nQUIT");
  for (auto* client : {ann.get(), bob.get()}) {
    const auto line = client->WaitFor(LobbyPublicMessage);
    ASSERT_TRUE(line) << client->Nick;
    EXPECT_EQ(line->Text, "Ann Hello, J\xF6rg! :-)QUIT\r") << client->Nick;
  }
  EXPECT_TRUE(ann->Server.Connected()) << "the line break in the chat line did not end the link";

  ann->Server.GS_GetAllRooms("Tarvelo501");
  ASSERT_TRUE(ann->WaitFor(LobbyRoomsStart));
  const auto room = ann->WaitFor(irc::LobbyRoom);
  ASSERT_TRUE(room);
  EXPECT_EQ(room->Text, MainRoom + "\r");
  EXPECT_TRUE(ann->WaitFor(LobbyRoomsEnd));

  ann->Server.GS_GetMOTD();
  ASSERT_TRUE(ann->WaitFor(LobbyMotdStart));
  const auto motd = ann->WaitFor(LobbyMotdLine);
  ASSERT_TRUE(motd);
  EXPECT_EQ(motd->Text, "Welcome to the Tarvelo game lobby.\r");
  EXPECT_TRUE(ann->WaitFor(LobbyMotdEnd));
}

TEST_F(GameServer, PrivateCommandsArriveExactlyAndWhole) {
  auto ann = InLobbyRoom("Ann");
  auto bob = InLobbyRoom("Bob");
  std::string everyByte;
  for (int c = 32; c <= 255; ++c) everyByte += static_cast<char>(c);
  std::string long1200;
  for (int i = 0; i < 1200; ++i) long1200 += static_cast<char>(i % 2 ? '\xFE' : 'A' + i % 26);
  for (const std::string& command : {everyByte, long1200,
                                     std::string("INVITE\xFE"
                                                 "1\xFF")}) {
    ann->Server.GS_PrivateGameCommand("Bob", command);
    const auto received = bob->WaitFor(LobbyPrivateCommand);
    ASSERT_TRUE(received);
    EXPECT_EQ(received->Text, "Ann " + command + "\r");
  }
  // Commands in a row arrive in the order they were sent.
  for (int i = 0; i < 20; ++i) bob->Server.GS_PrivateGameCommand("Ann", std::to_string(i) + std::string(300, '\xE9'));
  for (int i = 0; i < 20; ++i) {
    const auto received = ann->WaitFor(LobbyPrivateCommand);
    ASSERT_TRUE(received);
    EXPECT_EQ(received->Text, "Bob " + std::to_string(i) + std::string(300, '\xE9') + "\r");
  }
}

TEST_F(GameServer, ARoomForTwoRefusesAThird) {
  auto ann = LoggedIn("Ann");
  auto bob = LoggedIn("Bob");
  auto cy = LoggedIn("Cy");
  const std::string gameRoom = "Tarvelo#Bob#Ann#";
  ann->Server.GS_CreateRoom(gameRoom, "2");
  const auto created = ann->WaitFor(LobbyJoined);
  ASSERT_TRUE(created);
  EXPECT_EQ(created->Text, gameRoom + "\r");
  ASSERT_TRUE(bob->Enter(gameRoom));
  ASSERT_TRUE(ann->WaitFor(LobbyUserJoined));
  cy->Server.GS_JoinRoom(gameRoom);
  const auto refused = cy->WaitFor(LobbyRoomFull);
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->Text, gameRoom + "\r");

  bob->Server.GS_JoinRoom(gameRoom);
  EXPECT_TRUE(bob->WaitFor(LobbyAlreadyInRoom));
  cy->Server.GS_GetAllRooms("Tarvelo501");
  ASSERT_TRUE(cy->WaitFor(LobbyRoomsStart));
  const auto listed = cy->WaitFor(irc::LobbyRoom);
  ASSERT_TRUE(listed);
  EXPECT_EQ(listed->Text, gameRoom + "\r") << "the running match shows with its names as typed";
}

TEST_F(GameServer, ARoomThatDoesNotExistIsNotMade) {
  auto ann = LoggedIn("Ann");
  ann->Server.GS_JoinRoom("LobbyTarveloLadder");
  const auto refused = ann->WaitFor(LobbyNoSuchRoom);
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->Text, "LobbyTarveloLadder\r");
  auto bob = LoggedIn("Bob");
  bob->Server.GS_JoinRoom("LobbyTarveloLadder");
  EXPECT_TRUE(bob->WaitFor(LobbyNoSuchRoom)) << "the first attempt left no room behind";
}

// However long the private room's field, its room's name fits the server's
// limit: the room is made and joined under the name the program asked for.
TEST_F(GameServer, APrivateRoomOfAnyLengthIsMadeAndJoined) {
  auto ann = LoggedIn("Ann");
  const std::string room = MakePrivateRoom(std::string(120, '#') + std::string(120, 'x'));
  ASSERT_TRUE(ann->Enter(room));
  auto bob = LoggedIn("Bob");
  ASSERT_TRUE(bob->Enter(room));
  const auto joined = ann->WaitFor(LobbyUserJoined);
  ASSERT_TRUE(joined);
  EXPECT_EQ(joined->Text, "Bob " + room + "\r");
}

TEST_F(GameServer, AKilledProgramsPartnerSeesItLeave) {
  auto ann = InLobbyRoom("Ann");
  auto bob = InLobbyRoom("Bob");
  ASSERT_TRUE(ann->WaitFor(LobbyUserJoined));
  bob.reset();  // gone without a word, as a killed program
  const auto left = ann->WaitFor(LobbyUserLeft);
  ASSERT_TRUE(left);
  EXPECT_EQ(left->Text, "Bob " + MainRoom + "\r");
}

TEST_F(GameServer, PlayersOnTwoLinkedServersExchangeCommands) {
  ASSERT_TRUE(network.StartLinked()) << network.Error().toStdString();
  auto ann = InLobbyRoom("Ann");
  auto bob = InLobbyRoom("Bob", network.LinkedPort());
  ASSERT_TRUE(ann->WaitFor(LobbyUserJoined));
  bob->Server.GS_PrivateGameCommand("Ann", std::string(1000, 'x') + "\xFF");
  const auto received = ann->WaitFor(LobbyPrivateCommand);
  ASSERT_TRUE(received);
  EXPECT_EQ(received->Text, "Bob " + std::string(1000, 'x') + "\xFF\r");
}

// The longest nicknames that can hold an account: the services keep 31 bytes,
// and each of these characters but the last is escaped to three.
const std::string LongAnn =
    "\xC4\xD6\xDC\xE4\xF6\xFC\xDF\xE9\xE8\xEA"
    "a";
const std::string LongBob =
    "\xD8\xF8\xC6\xE6\xC7\xE7\xD1\xF1\xC0\xE0"
    "b";

// A game's bytes: separators, ends, card characters and text above 127.
std::string GameBytes(std::size_t size) {
  std::string out;
  for (std::size_t i = 0; i < size; ++i)
    out += static_cast<char>(i % 5 == 0 ? 0xFE : i % 11 == 0 ? 0xFF : 33 + i % 220);
  return out;
}

// The relayed line carries the sender's "nick!user@host" in front: with the
// longest names on both sides, a command as big as any arrives whole, on one
// server and across two linked ones.
TEST_F(GameServer, TheBiggestCommandBetweenTheLongestNamesArrivesWhole) {
  ASSERT_TRUE(network.StartLinked()) << network.Error().toStdString();
  const std::string command = GameBytes(TLobbySession::MaxCommandBytes);
  auto ann = LoggedIn(LongAnn);
  // A name of its own on each server: a name just given up may still be taken on the other.
  const std::pair<quint16, std::string> peers[] = {{network.Port(), LongBob},
                                                   {network.LinkedPort(),
                                                    "\xD9\xF9\xC8\xE8\xCC\xEC\xD2\xF2\xC9\xE9"
                                                    "c"}};
  for (const auto& [port, nick] : peers) {
    SCOPED_TRACE(port);
    auto bob = LoggedIn(nick, port);
    ann->Server.GS_PrivateGameCommand(nick, command);
    const auto received = bob->WaitFor(LobbyPrivateCommand, 15000);
    ASSERT_TRUE(received);
    EXPECT_EQ(received->Text, LongAnn + " " + command + "\r");
    EXPECT_EQ(bob->CountAfter(LobbyCommandDamaged, 100), 0);
  }
}

TEST_F(GameServer, AThirtyLineBurstArrivesAtOnce) {
  TIrcNetwork oldBuffer;
  qputenv("LOBBY_NETBUFFERSIZE", "10240");
  const bool started = oldBuffer.Start();
  qunsetenv("LOBBY_NETBUFFERSIZE");
  ASSERT_TRUE(started) << oldBuffer.Error().toStdString();
  for (const quint16 port : {network.Port(), oldBuffer.Port()}) {
    SCOPED_TRACE(port);
    auto ann = LoggedIn("Ann", port);
    auto bob = LoggedIn("Bob", port);
    for (int burst = 0; burst < 3; ++burst) {
      QElapsedTimer clock;
      clock.start();
      for (int i = 0; i < 30; ++i) ann->Server.GS_PrivateGameCommand("Bob", std::string(380, 'x'));
      for (int i = 0; i < 30; ++i) ASSERT_TRUE(bob->WaitFor(LobbyPrivateCommand)) << i;
      const double ms = clock.nsecsElapsed() / 1e6;
      std::printf("a 30-line burst on port %u arrived in %.1f ms\n", port, ms);
      EXPECT_LT(ms, 100) << "the burst's tail waited for the server";
    }
  }
}

// Every server of a network should cut lines at the same length; one that cuts
// shorter than the sender's spoils its pieces, and the receiver notices.
TEST_F(GameServer, APieceCutByAServerIsToldAndNeverHandedOn) {
  qputenv("LOBBY_MAXLINE", "512");
  const bool linked = network.StartLinked();
  qunsetenv("LOBBY_MAXLINE");
  ASSERT_TRUE(linked) << network.Error().toStdString();
  auto ann = LoggedIn("Ann");
  auto bob = LoggedIn("Bob", network.LinkedPort());
  ann->Server.GS_PrivateGameCommand("Bob", GameBytes(3000));
  const auto damaged = bob->WaitFor(LobbyCommandDamaged);
  ASSERT_TRUE(damaged);
  EXPECT_EQ(damaged->Text, "Ann\r");
  ann->Server.GS_PrivateGameCommand("Bob", "next");
  const auto next = bob->WaitFor(LobbyPrivateCommand);
  ASSERT_TRUE(next);
  EXPECT_EQ(next->Text, "Ann next\r") << "nothing of the damaged command came before it";
  EXPECT_EQ(bob->CountAfter(LobbyCommandDamaged, 200), 0) << "told once";
}

TEST_F(GameServer, LeavingEndsWithExactlyOneDisconnection) {
  auto ann = InLobbyRoom("Ann");
  auto bob = InLobbyRoom("Bob");
  ASSERT_TRUE(ann->WaitFor(LobbyUserJoined));
  bob->Server.GS_Disconnect();
  EXPECT_EQ(bob->CountAfter(LobbyDisconnected, 300), 1);
  EXPECT_FALSE(bob->Server.Connected());
  EXPECT_EQ(bob->CountAfter(LobbyError, 0), 0);
  const auto left = ann->WaitFor(LobbyUserLeft);
  ASSERT_TRUE(left);
  EXPECT_EQ(left->Text, "Bob " + MainRoom + "\r");

  // Not connected: the disconnection is still told, once per call.
  bob->Server.GS_Disconnect();
  EXPECT_EQ(bob->CountAfter(LobbyDisconnected, 200), 1);
}

// Connecting returns before anything is known; the outcome comes by a signal
// from the event loop, exactly once, and no lobby event comes with it.
TEST(GameServerLink, AConnectionsOutcomeComesBySignal) {
  LobbyTestApp();
  QTcpServer listening;
  ASSERT_TRUE(listening.listen(QHostAddress::LocalHost, 0));
  struct Case {
    const char* name;
    quint16 port;
    bool opens;
  };
  const Case cases[] = {
      {"a server that listens", listening.serverPort(), true},
      {"a port nothing listens on", FreeLoopbackPort(), false},
      {"no port at all", 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TRawPlayer client("Ann", "x");
    client.Server.GS_Connect("127.0.0.1", c.port);
    EXPECT_EQ(client.LinksOpened + client.LinksFailed, 0) << "nothing is told inside the call";
    EXPECT_FALSE(client.Server.Connected());
    client.CountAfter(LobbyDisconnected, 300);
    EXPECT_EQ(client.LinksOpened, c.opens ? 1 : 0);
    EXPECT_EQ(client.LinksFailed, c.opens ? 0 : 1);
    EXPECT_EQ(client.Server.Connected(), c.opens);
    EXPECT_TRUE(client.Events.empty());
  }
}

// Leaving while the connection is still on its way ends it with the one 1991 and nothing else.
TEST(GameServerLink, LeavingBeforeTheLinkIsMadeEndsIt) {
  LobbyTestApp();
  QTcpServer listening;
  ASSERT_TRUE(listening.listen(QHostAddress::LocalHost, 0));
  TRawPlayer client("Ann", "x");
  client.Server.GS_Connect("127.0.0.1", listening.serverPort());
  client.Server.GS_Disconnect();
  EXPECT_EQ(client.CountAfter(LobbyDisconnected, 300), 1);
  EXPECT_EQ(client.LinksOpened + client.LinksFailed, 0);
  EXPECT_FALSE(client.Server.Connected());
}

// A server that never ends its line: the link drops once the line passes 8 KiB,
// with an error and one disconnection, and what it sends is never kept.
TEST(GameServerLink, ALineWithoutAnEndDropsTheLink) {
  LobbyTestApp();
  QTcpServer rogue;
  ASSERT_TRUE(rogue.listen(QHostAddress::LocalHost, 0));
  TRawPlayer client("Ann", "x");
  ASSERT_TRUE(client.Connect("127.0.0.1", rogue.serverPort()));
  ASSERT_TRUE(rogue.hasPendingConnections() || rogue.waitForNewConnection(5000));
  QTcpSocket* peer = rogue.nextPendingConnection();
  peer->write(QByteArray(64 * 1024, 'x'));
  peer->flush();
  const auto error = client.WaitFor(LobbyError);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->Text, "The lobby server sent a line without an end.");
  EXPECT_EQ(client.CountAfter(LobbyDisconnected, 300), 1);
  EXPECT_FALSE(client.Server.Connected());
}

TEST(GameServerLink, AServerThatGoesAwayIsReported) {
  LobbyTestApp();
  QTcpServer server;
  ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
  TRawPlayer client("Ann", "x");
  ASSERT_TRUE(client.Connect("127.0.0.1", server.serverPort()));
  ASSERT_TRUE(server.hasPendingConnections() || server.waitForNewConnection(5000));
  QTcpSocket* peer = server.nextPendingConnection();
  peer->write(":irc NOTICE * :going\r\nERROR :Closing link: (a@127.0.0.1) [Server shutting down]\r\n");
  peer->flush();
  const auto error = client.WaitFor(LobbyError);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->Text, "Closing link: (a@127.0.0.1) [Server shutting down]");
  EXPECT_EQ(client.CountAfter(LobbyDisconnected, 300), 1);
}

}  // namespace
