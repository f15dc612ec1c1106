#include "lobby/window/lobby_window.h"

#include "lobby/irc/lobby_events.h"
#include "lobby/lobby_event.h"
#include "lobby/testing/irc_network.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>
#include <memory>

using namespace tarvelo;
using namespace tarvelo::irc;

namespace {

QApplication& App() {
  static int argc = 1;
  static char name[] = "tarvelo-lobby-window-tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

TStoreLocations Locations(const QTemporaryDir& dir) {
  return {dir.filePath("user.conf"), dir.filePath("machine.conf"), dir.filePath("legacy"), dir.filePath("data")};
}

// One player's lobby window with its own store, state and connection.
struct TPlayer {
  explicit TPlayer(const std::string& profileName = "Ann") : store(Locations(dir)) {
    TLobbyWindowHooks hooks;
    hooks.CurrentPlayerName = [profileName] { return profileName; };
    hooks.Credential = [profileName] { return "secret-of-" + profileName; };
    window = std::make_unique<TfmLobbyGS>(lobby, server, store, nullptr, hooks);
  }
  bool appMade = (App(), true);  // before the socket below
  QTemporaryDir dir;
  TRegistryTarvelo store;
  TLobby lobby;
  TGameServer server;
  std::unique_ptr<TfmLobbyGS> window;

  QStringList Chat() const { return window->meChat->toPlainText().split('\n'); }
  QStringList Players() const {
    QStringList names;
    for (int i = 0; i < window->lbPlayers->count(); ++i) names << window->lbPlayers->item(i)->text();
    names.sort();
    return names;
  }
  bool WaitUntil(const std::function<bool()>& done, int ms = 10000) {
    QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired()) QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
  }
};

TEST(LobbyWindow, TheNicknameDefaultsToTheCurrentProfilesName) {
  TPlayer player("Marguerite");
  player.window->Open(false);
  EXPECT_EQ(player.window->edNickname->text(), "Marguerite");
  EXPECT_EQ(player.window->windowTitle(), "Tarvelo Online Lobby");
  EXPECT_EQ(player.window->size(), QSize(622, 443));
  player.store.WriteValue("Network\\Username", QString("Stored"));
  player.window->Open(false);
  EXPECT_EQ(player.window->edNickname->text(), "Stored") << "a stored nickname wins";
}

TEST(LobbyWindow, ButtonsFollowTheLobbyState) {
  struct Case {
    const char* name;
    TLobbyState state;
    const char* nick;
    int selected;  // row of "Available Players" (0 "Ann" = own, 1 "Bob"), -1 none
    bool login, logout, close, invite, cancel, nickField;
    const char* closeCaption;
  };
  const Case cases[] = {
      {"not connected, a nickname of one character", NotConnected, "A", -1, false, false, true, false, false, true,
       "C&lose"},
      {"not connected", NotConnected, "Ann", -1, true, false, true, false, false, true, "C&lose"},
      {"logging in", LoggingIn, "Ann", -1, false, false, false, false, false, false, "C&lose"},
      {"in the lobby", InLobby, "Ann", -1, false, true, true, false, false, false, "Hide, stay avai&lable"},
      {"in the lobby, oneself selected", InLobby, "Ann", 0, false, true, true, false, false, false,
       "Hide, stay avai&lable"},
      {"in the lobby, another selected", InLobby, "Ann", 1, false, true, true, true, false, false,
       "Hide, stay avai&lable"},
      {"inviting", Inviting, "Ann", -1, false, false, false, false, true, false, "C&lose"},
      {"accepted", Accepted, "Ann", -1, false, false, false, false, false, false, "C&lose"},
      {"logging out", LoggingOut, "Ann", -1, false, false, false, false, false, false, "C&lose"},
      {"in a game", InGame, "Ann", -1, false, false, false, false, false, false, "C&lose"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TPlayer player;
    player.window->edNickname->setText(c.nick);
    player.lobby.LobbyState = c.state;
    player.lobby.Nickname = c.nick;
    player.window->lbPlayers->addItems({"Ann", "Bob"});
    if (c.selected >= 0) player.window->lbPlayers->setCurrentRow(c.selected);
    player.window->UpdateLobbyButtons();
    EXPECT_EQ(player.window->bnLogin->isEnabled(), c.login);
    EXPECT_EQ(player.window->bnLogout->isEnabled(), c.logout);
    EXPECT_EQ(player.window->bnClose->isEnabled(), c.close);
    EXPECT_EQ(player.window->bnClose->text(), c.closeCaption);
    EXPECT_EQ(player.window->bnInvite->isEnabled(), c.invite);
    EXPECT_EQ(player.window->bnCancel->isEnabled(), c.cancel);
    EXPECT_EQ(player.window->edNickname->isEnabled(), c.nickField);
    EXPECT_EQ(player.window->lbPlayers->count(), c.state == InLobby ? 2 : 0) << "lists empty outside the lobby";
  }
}

TEST(LobbyWindow, ThePrivateRoomFieldIsOpenOnlyBeforeLoginForAPrivateRoom) {
  TPlayer player;
  player.window->Open(false);
  for (int type : {0, 1, 2}) {
    player.window->rbType[type]->click();
    EXPECT_EQ(player.window->edPrivateRoom->isEnabled(), type == 2) << type;
  }
  player.lobby.LobbyState = InLobby;
  player.window->UpdateLobbyButtons();
  EXPECT_FALSE(player.window->edPrivateRoom->isEnabled());
}

TEST(LobbyWindow, EveryErrorEventEndsTheConnectionWithItsText) {
  struct Case {
    int code;
    std::string text;
    QString chat;  // empty: nothing shown
    bool disconnects;
  };
  const Case cases[] = {
      {LobbyError, "Connection refused", "Unknown error: Connection refused", true},
      {LobbyChatRefused, "", "Unable to send chat message.", true},
      {LobbyNickTaken, "", "Cannot register: this username is already in use.", true},
      {LobbyNickInvalid, "", "Cannot register: this username is too long (max 16 characters).", true},
      {LobbyNickInUse, "", "Cannot register: this username is already logged in.", true},
      {LobbyNoSuchRoom, "Elsewhere\r", "Cannot join: room Elsewhere does not exist", true},
      {4073, "", "Cannot close room: you are not the owner", true},
      {LobbyAlreadyLoggedIn, "",
       "Cannot log in: this user is already logged in. If you got disconnected, please wait a few minutes before "
       "logging in again.",
       true},
      {LobbyBanned, "", "Cannot log in: username has been banned.", true},
      {4210, "", "Please upgrade to the latest version of Tarvelo.", false},
      {4220, "5.1 now https://tarvelo.invalid/get\r",
       "Please upgrade to the latest version of Tarvelo. You can download it from https://tarvelo.invalid/get", true},
      {4230, "", "Error: unknown client version. Please contact support@tarvelo.invalid", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    TPlayer player;
    player.lobby.LobbyState = InLobby;
    player.lobby.CurrentRoom = "LOBBY-Tarvelo501";
    player.window->HandleLobbyEvent(c.code, c.text);
    EXPECT_EQ(player.Chat().last(), c.chat);
    EXPECT_EQ(player.lobby.LobbyState, c.disconnects ? NotConnected : InLobby);
  }
}

TEST(LobbyWindow, EventsFillTheChatAndTheLists) {
  TPlayer player;
  player.lobby.LobbyState = InLobby;
  player.lobby.Nickname = "Ann";
  player.lobby.CurrentRoom = "LOBBY-Tarvelo501";
  auto& w = *player.window;
  w.AddChat("Connected with the Tarvelo game lobby.");
  w.HandleLobbyEvent(LobbyUsersStart, "");
  w.HandleLobbyEvent(LobbyUser, "Ann ");
  w.HandleLobbyEvent(LobbyUser, "Bob ");
  w.HandleLobbyEvent(LobbyUserJoined, "Cy LOBBY-Tarvelo501\r");
  w.HandleLobbyEvent(LobbyUserJoined, "Bob LOBBY-Tarvelo501\r");
  w.HandleLobbyEvent(LobbyUserLeft, "Ann2 LOBBY-Tarvelo501\r");  // not listed: no harm
  w.HandleLobbyEvent(LobbyUserLeft, "Bob LOBBY-Tarvelo501\r");
  EXPECT_EQ(player.Players(), QStringList({"Ann", "Cy"}));
  w.HandleLobbyEvent(LobbyRoomsStart, "");
  w.HandleLobbyEvent(irc::LobbyRoom, "LOBBY-Tarvelo501\r");
  w.HandleLobbyEvent(irc::LobbyRoom, "Tarvelo#Bob#Dee#\r");
  w.HandleLobbyEvent(LobbyRoomsEnd, "");
  ASSERT_EQ(w.lbPlaying->count(), 1);
  EXPECT_EQ(w.lbPlaying->item(0)->text(), "Bob - Dee");
  w.HandleLobbyEvent(LobbyMotdStart, "");
  w.HandleLobbyEvent(LobbyMotdLine, "Welcome.\r");
  w.HandleLobbyEvent(LobbyMotdEnd, "");
  w.HandleLobbyEvent(LobbyPublicMessage, "Bob hello there\r");
  EXPECT_EQ(player.Chat().mid(player.Chat().size() - 6),
            QStringList({"", "=== Message of the Day ===", "Welcome.", "=== End of Message of the Day ===", "",
                         "Bob: hello there"}));
}

TEST(LobbyWindow, WhatOthersSendIsShownAsPlainText) {
  TPlayer player;
  player.lobby.LobbyState = InLobby;
  const std::string markup = "<b>Bob</b> <a href=\"x\">click</a> <img src=\"y\">";
  player.window->HandleLobbyEvent(LobbyPublicMessage, "Eve " + markup + "\r");
  player.window->HandleLobbyEvent(LobbyMotdLine, "<i>motd</i>\r");
  player.window->HandleLobbyEvent(LobbyUser, "<u>x</u> ");
  EXPECT_TRUE(player.Chat().contains(QString::fromStdString("Eve: " + markup)));
  EXPECT_TRUE(player.Chat().contains("<i>motd</i>"));
  EXPECT_EQ(player.Players(), QStringList({"<u>x</u>"}));
}

TEST(LobbyWindow, NicknamesAreCutAndCleanedWhenTheFieldIsLeft) {
  const std::pair<QString, QString> cases[] = {
      {"Ann Lee", "Ann_Lee"},
      {QString::fromLatin1("J\xF6rg"), "J_rg"},
      {"abcdefghijklmnopqrst", "abcdefghijklmnop"},
      {"ok_name-1", "ok_name-1"},
  };
  for (const auto& [typed, kept] : cases) {
    TPlayer player;
    player.window->edNickname->setText(typed);
    player.window->SanitizeNickname();
    EXPECT_EQ(player.window->edNickname->text(), kept) << typed.toStdString();
  }
}

TEST(LobbyWindow, APrivateRoomWithoutANameAsksForItAndDoesNotConnect) {
  TPlayer player;
  player.window->Open(false);
  player.store.WriteValue("Network\\Server", QString("127.0.0.1"));
  player.lobby.ServerHost = "127.0.0.1";
  player.lobby.ServerPort = FreeLoopbackPort();
  player.window->rbType[2]->click();
  QString shown;
  QTimer::singleShot(0, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      shown = box->text();
      box->accept();
    }
  });
  player.window->bnLogin->click();
  EXPECT_TRUE(shown.startsWith("Please enter the name of the private lobby room in the \"Private Room\" field."));
  EXPECT_EQ(player.lobby.LobbyState, NotConnected);
  EXPECT_TRUE(player.window->meChat->toPlainText().isEmpty()) << "no connection was tried";
}

TEST(LobbyWindow, NoServerAddressMeansNoConnection) {
  TPlayer player;
  player.window->Open(false);
  player.window->bnLogin->click();
  EXPECT_EQ(player.Chat().last(), "Sorry, cannot find gameserver data.");
  EXPECT_EQ(player.lobby.LobbyState, NotConnected);
}

TEST(LobbyWindow, TwoPlayersLogInAndSeeEachOther) {
  if (!TIrcNetwork::Installed()) {
    if (qEnvironmentVariableIsSet("CI")) FAIL() << "inspircd or atheme-services is not installed";
    GTEST_SKIP() << "inspircd or atheme-services is not installed";
  }
  TIrcNetwork network;
  ASSERT_TRUE(network.Start()) << network.Error().toStdString();
  TPlayer ann("Ann"), bob("Bob");
  for (TPlayer* player : {&ann, &bob}) {
    player->store.WriteValue("Network\\Server", QString("127.0.0.1"));
    player->store.WriteValue("Network\\Port", static_cast<int>(network.Port()));
    player->window->show();
    player->window->Open(false);
    player->window->bnLogin->click();
    ASSERT_TRUE(player->WaitUntil([player] { return player->lobby.LobbyState == InLobby; }))
        << player->Chat().join("|").toStdString();
  }
  for (TPlayer* player : {&ann, &bob}) {
    EXPECT_TRUE(player->WaitUntil([player] {
      return player->Players() == QStringList({"Ann", "Bob"});
    })) << player->Players().join(",").toStdString();
    EXPECT_TRUE(player->WaitUntil([player] { return player->Chat().contains("=== End of Message of the Day ==="); }));
    EXPECT_TRUE(player->Chat().contains("Connected with the Tarvelo game lobby."));
    EXPECT_EQ(player->store.ReadSetting("Network\\Username", QString("-")).toString().toStdString(),
              player == &ann ? "Ann" : "Bob");
  }
  ann.window->edInput->setText("Hello Bob, a game?");
  ann.window->bnSend->click();
  EXPECT_TRUE(bob.WaitUntil([&] { return bob.Chat().contains("Ann: Hello Bob, a game?"); }));
  bob.window->lbPlayers->setCurrentRow(0);
  bob.window->UpdateLobbyButtons();
  EXPECT_TRUE(bob.window->bnInvite->isEnabled());
  if (const QByteArray shots = qgetenv("TARVELO_SHOTS"); !shots.isEmpty()) {
    QDir().mkpath(shots);
    bob.window->grab().save(QDir(shots).filePath("lobby-two-players.png"));
  }
  ann.window->bnLogout->click();
  EXPECT_TRUE(ann.WaitUntil([&] { return ann.lobby.LobbyState == NotConnected; }));
  EXPECT_TRUE(bob.WaitUntil([&] { return bob.Players() == QStringList({"Bob"}); }));
}

}  // namespace
