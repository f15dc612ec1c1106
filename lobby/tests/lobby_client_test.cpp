#include "lobby/lobby_client.h"

#include "lobby/invitations.h"
#include "lobby/irc/lobby_events.h"
#include "lobby/testing/irc_network.h"
#include "lobby/testing/lobby_fixture.h"
#include "lobby/testing/raw_player.h"
#include "lobby/testing/wait_until.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>
#include <vector>

using namespace tarvelo;
using namespace tarvelo::irc;

namespace {

const std::string MainRoom = "LOBBY-Tarvelo501";

// Everything a client tells, one line per signal in the order they came, as the lobby window would hear it.
struct THeard {
  std::vector<std::string> Lines;

  explicit THeard(TLobbyClient& client) {
    auto say = [this](std::string line) { Lines.push_back(std::move(line)); };
    QObject::connect(&client, &TLobbyClient::Connecting, [say] { say("connecting"); });
    QObject::connect(&client, &TLobbyClient::LoggedIn, [say] { say("logged in"); });
    QObject::connect(&client, &TLobbyClient::Connected, [say] { say("connected"); });
    QObject::connect(&client, &TLobbyClient::Failed,
                     [say](const QString& text) { say("failed: " + text.toStdString()); });
    QObject::connect(&client, &TLobbyClient::Disconnected, [say] { say("disconnected"); });
    QObject::connect(&client, &TLobbyClient::RoomJoined, [say](const std::string& room) { say("joined " + room); });
    QObject::connect(&client, &TLobbyClient::UserJoined,
                     [say](const std::string& nick, const std::string& room) { say(nick + " came to " + room); });
    QObject::connect(&client, &TLobbyClient::UserLeft,
                     [say](const std::string& nick, const std::string& room) { say(nick + " left " + room); });
    QObject::connect(&client, &TLobbyClient::ChatLine,
                     [say](const std::string& sender, const std::string& text) { say(sender + ": " + text); });
    QObject::connect(&client, &TLobbyClient::PrivateCommand, [say](const std::string& sender, const std::string& text) {
      say("command from " + sender + ": " + text);
    });
  }
  bool Has(const std::string& line) const { return std::find(Lines.begin(), Lines.end(), line) != Lines.end(); }
};

// A client in the lobby's main room, as far as its own state goes; no link is open.
struct TClientInLobby {
  TClientInLobby() {
    LobbyTestApp();
    client.ChooseRoomType(JustForFun, "");
    client.SetState(InLobby);
  }
  TLobbyClient client;
  THeard heard{client};
};

TEST(LobbyClient, EveryErrorEventEndsTheLobbyWithItsText) {
  struct Case {
    int code;
    std::string text;
    std::string told;  // empty: the lobby goes on
  };
  const Case cases[] = {
      {LobbyError, "Connection refused", "Unknown error: Connection refused"},
      {LobbyChatRefused, "", "Unable to send chat message."},
      {LobbyNickTaken, "", "Cannot register: this username is already in use."},
      {LobbyNickInvalid, "", "Cannot register: this username is too long (max 16 characters)."},
      {LobbyNickInUse, "", "Cannot register: this username is already logged in."},
      {LobbyNoSuchRoom, "Elsewhere\r", "Cannot join: room Elsewhere does not exist"},
      {LobbyNoSuchRoom, MainRoom + "\r", ""},  // the room of the chosen type is made instead
      {LobbyAlreadyLoggedIn, "",
       "Cannot log in: this user is already logged in. If you got disconnected, please wait a few minutes before "
       "logging in again."},
      {LobbyBanned, "", "Cannot log in: username has been banned."},
      {LobbyRoomFull, "Tarvelo#Bob#Ann#\r", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    TClientInLobby in;
    in.client.HandleEvent(LobbyUser, "Bob ");
    in.client.HandleEvent(c.code, c.text);
    const bool ends = !c.told.empty();
    EXPECT_EQ(in.heard.Lines, ends ? std::vector<std::string>{"failed: " + c.told} : std::vector<std::string>{});
    EXPECT_EQ(in.client.Lobby().LobbyState, ends ? NotConnected : InLobby);
    EXPECT_EQ(in.client.Players().size(), ends ? 0u : 1u) << "no list outlives the lobby";
  }
}

TEST(LobbyClient, EventsKeepThePlayersTheMatchesAndTheMotd) {
  TClientInLobby in;
  auto& client = in.client;
  int playerChanges = 0, matchChanges = 0;
  QObject::connect(&client, &TLobbyClient::PlayersChanged, [&] { ++playerChanges; });
  QObject::connect(&client, &TLobbyClient::MatchesChanged, [&] { ++matchChanges; });
  client.HandleEvent(LobbyUsersStart, "");
  client.HandleEvent(LobbyUser, "Ann ");
  client.HandleEvent(LobbyUser, "Bob ");
  client.HandleEvent(LobbyUser, "Bob ");  // a second answer to the same question: no harm
  client.HandleEvent(LobbyUserJoined, "Cy LOBBY-Tarvelo501\r");
  client.HandleEvent(LobbyUserLeft, "Ann2 LOBBY-Tarvelo501\r");  // not listed: no harm
  client.HandleEvent(LobbyUserLeft, "Bob LOBBY-Tarvelo501\r");
  EXPECT_EQ(client.Players(), (std::vector<std::string>{"Ann", "Cy"}));
  EXPECT_EQ(playerChanges, 5) << "the start, Ann, Bob, Cy came, Bob left";

  client.HandleEvent(LobbyRoomsStart, "");
  client.HandleEvent(irc::LobbyRoom, "LOBBY-Tarvelo501\r");
  client.HandleEvent(irc::LobbyRoom, "Tarvelo#Bob#Dee#\r");
  client.HandleEvent(irc::LobbyRoom, "Tarvelo#Eve\r");  // half a match's name is none
  EXPECT_TRUE(client.Matches().empty()) << "a list being read is not shown before its end";
  client.HandleEvent(LobbyRoomsEnd, "");
  EXPECT_EQ(client.Matches(), (std::vector<TLobbyMatch>{{"Bob", "Dee"}}));
  EXPECT_EQ(matchChanges, 1);

  client.HandleEvent(LobbyMotdStart, "");
  client.HandleEvent(LobbyMotdLine, "Welcome.\r");
  client.HandleEvent(LobbyMotdLine, "<i>Play fair</i>\r");
  client.HandleEvent(LobbyMotdEnd, "");
  client.HandleEvent(LobbyPublicMessage, "Bob hello there\r");
  EXPECT_EQ(in.heard.Lines, (std::vector<std::string>{"Cy came to LOBBY-Tarvelo501", "Ann2 left LOBBY-Tarvelo501",
                                                      "Bob left LOBBY-Tarvelo501", "Bob: hello there"}));
  // The chat's lines are the client's own, kept for a window that opens later.
  EXPECT_EQ(client.Transcript(), QStringList({"", "=== Message of the Day ===", "Welcome.", "<i>Play fair</i>",
                                              "=== End of Message of the Day ===", "", "Bob: hello there"}));

  client.HandleEvent(LobbyDisconnected, "");
  EXPECT_EQ(client.Lobby().LobbyState, NotConnected);
  EXPECT_TRUE(client.Players().empty());
  EXPECT_TRUE(client.Matches().empty());
  EXPECT_EQ(in.heard.Lines.back(), "disconnected");
}

// A private command, a user who left and the end of the link reach the
// network game's route before anything that listens to the client, also a
// listener that connected first; what the route takes goes no further.
TEST(LobbyClient, TheRouteHearsFirstAndWhatItTakesGoesNoFurther) {
  struct Case {
    const char* name;
    int code;
    std::string text;
    std::string routed;  // what the route heard
    std::string told;    // what a listener hears when the route leaves it
  };
  const Case cases[] = {
      {"a private command", LobbyPrivateCommand,
       "Bob PLAYERID\xFE"
       "Bob\xFF\r",
       "command Bob PLAYERID\xFE"
       "Bob\xFF",
       "command from Bob: PLAYERID\xFE"
       "Bob\xFF"},
      {"a user who left", LobbyUserLeft, "Bob LOBBY-Tarvelo501\r", "left Bob LOBBY-Tarvelo501",
       "Bob left LOBBY-Tarvelo501"},
      {"the end of the link", LobbyDisconnected, "", "lost", "disconnected"},
  };
  for (const auto& c : cases) {
    for (const bool takes : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (takes ? ", taken" : ", left"));
      TClientInLobby in;  // its listener is connected before the route is set
      in.client.HandleEvent(LobbyUser, "Bob ");
      std::vector<std::string>& order = in.heard.Lines;
      TLobbyRoute route;
      route.PrivateCommand = [&](const std::string& sender, const std::string& text) {
        order.push_back("command " + sender + " " + text);
        return takes;
      };
      route.UserLeft = [&](const std::string& nick, const std::string& room) {
        order.push_back("left " + nick + " " + room);
        return takes;
      };
      route.ConnectionLost = [&] {
        order.push_back("lost");
        return takes;
      };
      in.client.SetRoute(route);
      in.client.HandleEvent(c.code, c.text);
      const std::vector<std::string> expected =
          takes ? std::vector<std::string>{c.routed} : std::vector<std::string>{c.routed, c.told};
      EXPECT_EQ(order, expected);
      if (c.code != LobbyPrivateCommand) {
        EXPECT_TRUE(in.client.Players().empty()) << "the lobby's own state moves on";
      }
      EXPECT_EQ(in.client.Lobby().LobbyState, c.code == LobbyDisconnected ? NotConnected : InLobby);
    }
  }
}

TEST(LobbyClient, WithoutAServerAddressNothingIsTried) {
  LobbyTestApp();
  TLobbyClient client;
  THeard heard(client);
  client.LogIn("Ann", "x");
  EXPECT_EQ(heard.Lines, std::vector<std::string>{"failed: Sorry, cannot find gameserver data."});
  EXPECT_EQ(client.Lobby().LobbyState, NotConnected);
}

// LogIn returns before the connection is made; a connection that cannot be
// made is tried twice and told by a signal.
TEST(LobbyClient, ALoginThatCannotConnectIsToldBySignal) {
  LobbyTestApp();
  TLobbyClient client;
  THeard heard(client);
  client.SetServer("127.0.0.1", FreeLoopbackPort());
  client.LogIn("Ann", "x");
  EXPECT_EQ(client.Lobby().LobbyState, LoggingIn);
  EXPECT_EQ(heard.Lines, std::vector<std::string>{"connecting"});
  ASSERT_TRUE(WaitUntil([&] { return client.Lobby().LobbyState == NotConnected; }));
  EXPECT_EQ(heard.Lines, (std::vector<std::string>{"connecting", "failed: Sorry, cannot login to the gameserver."}));
}

struct LobbyClientOnTheNetwork : ::testing::Test {
  TIrcNetwork network;

  void SetUp() override {
    LobbyTestApp();
    TARVELO_START_LOBBY(network);
  }

  // A client that logs in; LogIn itself returns before the link is made.
  std::unique_ptr<TLobbyClient> LoggedIn(const std::string& nick, THeard*& heard) {
    auto client = std::make_unique<TLobbyClient>();
    heard = new THeard(*client);
    heards.emplace_back(heard);
    client->SetServer("127.0.0.1", network.Port());
    client->ChooseRoomType(JustForFun, "");
    client->LogIn(nick, "secret-of-" + nick);
    EXPECT_EQ(client->Lobby().LobbyState, LoggingIn) << nick;
    EXPECT_EQ(heard->Lines, std::vector<std::string>{"connecting"}) << "nothing else is known when LogIn returns";
    EXPECT_TRUE(WaitUntil([&] { return heard->Has("joined " + MainRoom); })) << nick;
    EXPECT_EQ(client->Lobby().LobbyState, InLobby);
    return client;
  }
  std::vector<std::unique_ptr<THeard>> heards;
};

TEST_F(LobbyClientOnTheNetwork, APrivateCommandArrivesWithItsReportedSender) {
  THeard *annHeard = nullptr, *bobHeard = nullptr;
  auto ann = LoggedIn("Ann", annHeard);
  auto bob = LoggedIn("Bob", bobHeard);
  EXPECT_EQ(std::vector<std::string>(annHeard->Lines.begin(), annHeard->Lines.begin() + 3),
            (std::vector<std::string>{"connecting", "logged in", "connected"}));
  ASSERT_TRUE(WaitUntil([&] { return ann->Players().size() == 2 && bob->Players().size() == 2; }));

  // The network game's route hears the command first; the one it leaves reaches the listeners.
  std::vector<std::pair<std::string, std::string>> routed;
  TLobbyRoute route;
  route.PrivateCommand = [&](const std::string& sender, const std::string& text) {
    routed.emplace_back(sender, text);
    return text.starts_with("GAME");
  };
  bob->SetRoute(route);
  const std::string move =
      "GAME\xFE"
      "7D\xFE"
      "3\xFF";
  ann->SendPrivateCommand("Bob", move);
  ann->SendPrivateCommand("Bob", "INVITE\xFF");
  ASSERT_TRUE(WaitUntil([&] { return bobHeard->Has("command from Ann: INVITE\xFF"); }));
  EXPECT_EQ(routed, (std::vector<std::pair<std::string, std::string>>{{"Ann", move}, {"Ann", "INVITE\xFF"}}));
  EXPECT_FALSE(bobHeard->Has("command from Ann: " + move)) << "the route took the game's move";

  // Leaving returns at once; the other side hears of it.
  ann->LogOut();
  EXPECT_EQ(ann->Lobby().LobbyState, LoggingOut);
  ASSERT_TRUE(WaitUntil([&] { return annHeard->Has("disconnected"); }));
  EXPECT_EQ(ann->Lobby().LobbyState, NotConnected);
  ASSERT_TRUE(WaitUntil([&] { return bobHeard->Has("Ann left " + MainRoom); }));
  EXPECT_EQ(bob->Players(), std::vector<std::string>{"Bob"});
}

// A player who chose the private room lands in the main room and goes on to the private one, made on the way.
TEST_F(LobbyClientOnTheNetwork, APrivateRoomIsMadeAndEnteredAfterTheMainRoom) {
  TLobbyClient client;
  THeard heard(client);
  client.SetServer("127.0.0.1", network.Port());
  client.ChooseRoomType(PrivateRoomType, "club");
  client.LogIn("Ann", "secret-of-Ann");
  ASSERT_TRUE(WaitUntil([&] { return heard.Has("joined LobbyTarveloclub"); })) << testing::PrintToString(heard.Lines);
  EXPECT_FALSE(heard.Has("joined " + MainRoom));
  EXPECT_EQ(client.Lobby().LobbyState, InLobby);
  EXPECT_TRUE(heard.Has("connected"));
}

}  // namespace

// Two players agree a match through the invitations on their lobby clients:
// the inviter asks, the invited user says Yes to the posted question, and
// both end in the game room for two, each knowing its role and the other's name.
TEST_F(LobbyClientOnTheNetwork, TwoPlayersAgreeAMatchAndMeetInTheGameRoom) {
  THeard *annHeard = nullptr, *bobHeard = nullptr;
  auto ann = LoggedIn("Ann", annHeard);
  auto bob = LoggedIn("Bob", bobHeard);
  ASSERT_TRUE(WaitUntil([&] { return ann->Players().size() == 2 && bob->Players().size() == 2; }));
  TInvitations annInvitations(*ann), bobInvitations(*bob);
  std::vector<std::string> agreed;
  for (auto* invitations : {&annInvitations, &bobInvitations}) {
    QObject::connect(invitations, &TInvitations::MatchAgreed,
                     [&](int role, const std::string& local, const std::string& remote, const std::string& room) {
                       agreed.push_back(std::to_string(role) + " " + local + " " + remote + " " + room);
                     });
  }
  QObject::connect(ann.get(), &TLobbyClient::PrivateCommand,
                   [&](const std::string& s, const std::string& c) { annInvitations.HandlePrivateCommand(s, c); });
  QObject::connect(bob.get(), &TLobbyClient::PrivateCommand,
                   [&](const std::string& s, const std::string& c) { bobInvitations.HandlePrivateCommand(s, c); });
  std::string asker;
  QObject::connect(
      &bobInvitations, &TInvitations::QuestionPosted, &bobInvitations,
      [&] {
        ASSERT_TRUE(bobInvitations.ShowsQuestion());
        asker = bobInvitations.Asker();
        bobInvitations.Answer(true);
      },
      Qt::QueuedConnection);

  annInvitations.Invite("Bob");
  EXPECT_EQ(ann->Lobby().LobbyState, Inviting);
  EXPECT_EQ(ann->Transcript().back(), "[Inviting your opponent, please wait...]");
  ASSERT_TRUE(WaitUntil([&] { return agreed.size() == 2; }));
  EXPECT_EQ(asker, "Ann");
  EXPECT_EQ(agreed, (std::vector<std::string>{"1 Ann Bob Tarvelo#Bob#Ann#", "0 Bob Ann Tarvelo#Bob#Ann#"}));
  EXPECT_EQ(ann->Lobby().LobbyState, InGame);
  EXPECT_EQ(bob->Lobby().LobbyState, InGame);
  EXPECT_EQ(bob->Transcript().back(), "[Your opponent accepted, starting match...]");

  // Both are in the room for two: a third player is turned away from it.
  TRawPlayer cy("Cy", "secret-of-Cy");
  ASSERT_TRUE(cy.LogIn(network.Port()));
  const std::string room = "Tarvelo#Bob#Ann#";
  auto membersOfRoom = [&] {
    cy.Server.GS_GetUserList(room);
    std::set<std::string> members;
    if (!cy.WaitFor(LobbyUsersStart, 1000)) return members;
    while (const auto user = cy.WaitFor(LobbyUser, 200)) members.insert(user->Text);
    return members;
  };
  ASSERT_TRUE(WaitUntil([&] { return membersOfRoom() == std::set<std::string>{"Ann ", "Bob "}; }));
  cy.Server.GS_JoinRoom(room);
  EXPECT_TRUE(cy.WaitFor(LobbyRoomFull)) << "the room is for two";
}
