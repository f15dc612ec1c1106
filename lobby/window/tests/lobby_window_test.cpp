#include "lobby/window/lobby_window.h"

#include "lobby/irc/lobby_events.h"
#include "lobby/lobby_client.h"
#include "lobby/testing/irc_network.h"
#include "lobby/testing/lobby_fixture.h"
#include "lobby/testing/wait_until.h"
#include "lobby/window/lobby_controller.h"

#include <QApplication>
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

// One player's lobby window with its own store and lobby client.
struct TPlayer {
  explicit TPlayer(const std::string& profileName = "Ann") : store(Locations(dir)) {
    TLobbyWindowHooks hooks;
    hooks.CurrentPlayerName = [profileName] { return profileName; };
    hooks.Credential = [profileName] { return "secret-of-" + profileName; };
    window = std::make_unique<TfmLobbyGS>(client, store, hooks);
  }
  bool appMade = (App(), true);  // before the socket below
  QTemporaryDir dir;
  TRegistryTarvelo store;
  TLobbyClient client;
  std::unique_ptr<TfmLobbyGS> window;

  TLobbyState State() const { return client.Lobby().LobbyState; }
  // In the lobby's main room as far as the client's state goes; no link is open.
  void InLobby(const std::string& nick = "Ann") {
    client.ChooseRoomType(JustForFun, "");
    client.SetState(tarvelo::InLobby);
    window->edNickname->setText(QString::fromStdString(nick));
  }

  QStringList Chat() const { return window->meChat->toPlainText().split('\n'); }
  QStringList Players() const {
    QStringList names;
    for (int i = 0; i < window->lbPlayers->count(); ++i) names << window->lbPlayers->item(i)->text();
    names.sort();
    return names;
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
      {"accepted", Accepted, "Ann", -1, false, false, false, false, true, false, "C&lose"},
      {"logging out", LoggingOut, "Ann", -1, false, false, false, false, false, false, "C&lose"},
      {"in a game", InGame, "Ann", -1, false, false, false, false, false, false, "C&lose"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TPlayer player;
    player.window->edNickname->setText(c.nick);
    // The lobby knows its nickname from the login; the link it starts is never waited for.
    player.client.SetServer("127.0.0.1", FreeLoopbackPort());
    if (c.state != NotConnected) player.client.LogIn(c.nick, "x");
    player.client.SetState(c.state);
    for (const char* nick : {"Ann ", "Bob "}) player.client.HandleEvent(LobbyUser, nick);
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
  player.client.SetState(InLobby);
  EXPECT_FALSE(player.window->edPrivateRoom->isEnabled());
}

// The client decides what an event means (its own tests); the window shows what it tells.
TEST(LobbyWindow, ShowsWhatTheClientTells) {
  TPlayer player;
  player.InLobby();
  auto& w = *player.window;
  w.AddChat("Connected with the Tarvelo game lobby.");
  player.client.HandleEvent(LobbyUsersStart, "");
  player.client.HandleEvent(LobbyUser, "Ann ");
  player.client.HandleEvent(LobbyUser, "Bob ");
  player.client.HandleEvent(LobbyUserJoined, "Cy LOBBY-Tarvelo501\r");
  player.client.HandleEvent(LobbyUserLeft, "Ann LOBBY-Tarvelo501\r");
  EXPECT_EQ(player.Players(), QStringList({"Bob", "Cy"}));
  player.client.HandleEvent(LobbyRoomsStart, "");
  player.client.HandleEvent(irc::LobbyRoom, "LOBBY-Tarvelo501\r");
  player.client.HandleEvent(irc::LobbyRoom, "Tarvelo#Bob#Dee#\r");
  player.client.HandleEvent(LobbyRoomsEnd, "");
  ASSERT_EQ(w.lbPlaying->count(), 1);
  EXPECT_EQ(w.lbPlaying->item(0)->text(), "Bob - Dee");
  player.client.HandleEvent(LobbyMotdStart, "");
  player.client.HandleEvent(LobbyMotdLine, "Welcome.\r");
  player.client.HandleEvent(LobbyMotdEnd, "");
  player.client.HandleEvent(LobbyPublicMessage, "Bob hello there\r");
  EXPECT_EQ(player.Chat().mid(player.Chat().size() - 6),
            QStringList({"", "=== Message of the Day ===", "Welcome.", "=== End of Message of the Day ===", "",
                         "Bob: hello there"}));
  player.client.HandleEvent(LobbyNickInUse, "");
  EXPECT_EQ(player.Chat().last(), "Cannot register: this username is already logged in.");
  EXPECT_TRUE(player.Players().isEmpty());
  EXPECT_EQ(w.lbPlaying->count(), 0);
  EXPECT_TRUE(w.bnLogin->isEnabled()) << "a failed lobby can be logged in to again";
}

// "Hide, stay available" closes the window and the lobby goes on: what is said
// meanwhile is counted on the table's status bar and shown when the window opens again.
TEST(LobbyWindow, ChatWhileTheWindowIsClosedIsKeptAndCounted) {
  TPlayer player;
  player.InLobby();
  player.window->AddChat("Connected with the Tarvelo game lobby.");
  player.client.HandleEvent(LobbyPublicMessage, "Ann hello\r");
  player.window.reset();  // hidden: the window is gone, the client stays in the lobby
  TLobbyController controller(player.client, player.store, {});
  std::vector<std::pair<bool, int>> status;
  controller.SetLobbyActive = [&](bool active, int newLines) { status.emplace_back(active, newLines); };
  player.client.HandleEvent(LobbyPublicMessage, "Bob anyone there?\r");
  player.client.HandleEvent(LobbyPublicMessage, "Bob a game?\r");
  ASSERT_FALSE(status.empty());
  EXPECT_EQ(status.back(), std::make_pair(true, 2));
  TfmLobbyGS reopened(player.client, player.store, {});
  EXPECT_EQ(
      reopened.meChat->toPlainText().split('\n'),
      QStringList({"Connected with the Tarvelo game lobby.", "Ann: hello", "Bob: anyone there?", "Bob: a game?"}));
  player.client.HandleEvent(LobbyDisconnected, "");
  EXPECT_EQ(status.back(), std::make_pair(false, 0));
}

// A player selected in "Available Players" stays selected when the list changes around them.
TEST(LobbyWindow, TheSelectedPlayerStaysSelectedWhenOthersComeAndGo) {
  TPlayer player;
  player.InLobby();
  for (const char* nick : {"Ann ", "Bob ", "Cy "}) player.client.HandleEvent(LobbyUser, nick);
  player.window->lbPlayers->setCurrentRow(1);
  player.client.HandleEvent(LobbyUserLeft, "Ann LOBBY-Tarvelo501\r");
  player.client.HandleEvent(LobbyUserJoined, "Dee LOBBY-Tarvelo501\r");
  ASSERT_NE(player.window->lbPlayers->currentItem(), nullptr);
  EXPECT_EQ(player.window->lbPlayers->currentItem()->text(), "Bob");
  EXPECT_TRUE(player.window->bnInvite->isEnabled());
  player.client.HandleEvent(LobbyUserLeft, "Bob LOBBY-Tarvelo501\r");
  EXPECT_FALSE(player.window->bnInvite->isEnabled()) << "no one to invite once they left";
}

TEST(LobbyWindow, WhatOthersSendIsShownAsPlainText) {
  TPlayer player;
  player.InLobby();
  const std::string markup = "<b>Bob</b> <a href=\"x\">click</a> <img src=\"y\">";
  player.client.HandleEvent(LobbyPublicMessage, "Eve " + markup + "\r");
  player.client.HandleEvent(LobbyMotdStart, "");
  player.client.HandleEvent(LobbyMotdLine, "<i>motd</i>\r");
  player.client.HandleEvent(LobbyMotdEnd, "");
  player.client.HandleEvent(LobbyUser, "<u>x</u> ");
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
  player.client.SetServer("127.0.0.1", FreeLoopbackPort());
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
  EXPECT_EQ(player.State(), NotConnected);
  EXPECT_TRUE(player.window->meChat->toPlainText().isEmpty()) << "no connection was tried";
}

// In the lobby the type of game enters its room at once; a private room without
// a name is not entered, and the choice goes back to the room the player is in.
TEST(LobbyWindow, APrivateRoomWithoutANameIsNotEnteredFromTheLobby) {
  TPlayer player;
  player.window->Open(false);
  player.InLobby();
  player.window->rbType[JustForFun]->setChecked(true);
  QString shown;
  QTimer::singleShot(0, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      shown = box->text();
      box->accept();
    }
  });
  player.window->rbType[PrivateRoomType]->click();
  EXPECT_TRUE(shown.startsWith("Please enter the name of the private lobby room in the \"Private Room\" field."));
  EXPECT_EQ(player.client.Lobby().CurrentRoom, FunRoom);
  EXPECT_EQ(player.client.Lobby().LobbyType, JustForFun);
  EXPECT_TRUE(player.window->rbType[JustForFun]->isChecked());
  player.window->rbType[Competition]->click();
  EXPECT_EQ(player.client.Lobby().CurrentRoom, CompetitionRoom) << "a public room is entered as before";
}

TEST(LobbyWindow, NoServerAddressMeansNoConnection) {
  TPlayer player;
  player.window->Open(false);
  player.window->bnLogin->click();
  EXPECT_EQ(player.Chat().last(), "Sorry, cannot find gameserver data.");
  EXPECT_EQ(player.State(), NotConnected);
}

TEST(LobbyWindow, TwoPlayersLogInAndSeeEachOther) {
  TIrcNetwork network;
  TARVELO_START_LOBBY(network);
  TPlayer ann("Ann"), bob("Bob");
  for (TPlayer* player : {&ann, &bob}) {
    player->store.WriteValue("Network\\Server", QString("127.0.0.1"));
    player->store.WriteValue("Network\\Port", static_cast<int>(network.Port()));
    player->window->show();
    player->window->Open(false);
    player->window->bnLogin->click();
    ASSERT_TRUE(WaitUntil([player] { return player->State() == InLobby; })) << player->Chat().join("|").toStdString();
  }
  for (TPlayer* player : {&ann, &bob}) {
    EXPECT_TRUE(WaitUntil([player] {
      return player->Players() == QStringList({"Ann", "Bob"});
    })) << player->Players().join(",").toStdString();
    EXPECT_TRUE(WaitUntil([player] { return player->Chat().contains("=== End of Message of the Day ==="); }));
    EXPECT_TRUE(player->Chat().contains("Connected with the Tarvelo game lobby."));
    EXPECT_EQ(player->store.ReadSetting("Network\\Username", QString("-")).toString().toStdString(),
              player == &ann ? "Ann" : "Bob");
  }
  ann.window->edInput->setText("Hello Bob, a game?");
  ann.window->bnSend->click();
  EXPECT_TRUE(WaitUntil([&] { return bob.Chat().contains("Ann: Hello Bob, a game?"); }));
  bob.window->lbPlayers->setCurrentRow(0);
  bob.window->UpdateLobbyButtons();
  EXPECT_TRUE(bob.window->bnInvite->isEnabled());
  if (const QByteArray shots = qgetenv("TARVELO_SHOTS"); !shots.isEmpty()) {
    QDir().mkpath(shots);
    bob.window->grab().save(QDir(shots).filePath("lobby-two-players.png"));
  }
  ann.window->bnLogout->click();
  EXPECT_TRUE(WaitUntil([&] { return ann.State() == NotConnected; }));
  EXPECT_TRUE(WaitUntil([&] { return bob.Players() == QStringList({"Bob"}); }));
}

}  // namespace
