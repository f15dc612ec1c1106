#pragma once

#include "lobby/game_server.h"
#include "lobby/irc/lobby_events.h"

#include <QCoreApplication>
#include <QObject>

#include <optional>
#include <string>
#include <vector>

namespace tarvelo {

// A player of the tests on the bare connection: the lobby's calls, and the
// events they lead to in the order they came.
class TRawPlayer : public QObject {
 public:
  TRawPlayer(std::string nick, std::string credential);

  TGameServer Server;
  std::string Nick, Credential;
  std::vector<irc::TLobbyEvent> Events;
  int LinksOpened = 0, LinksFailed = 0;

  // The next event of `code` after those already waited for; the wait is bounded.
  std::optional<irc::TLobbyEvent> WaitFor(int code, int timeoutMs = 5000);
  // Events keep arriving for `ms`; then how many of `code` came since the last wait.
  int CountAfter(int code, int ms);
  // Starts a connection and waits (bounded) for its outcome: true when the link opened.
  bool Connect(const std::string& host, quint16 port);
  // Connects and logs in, registering the nickname first when it is new: true on 2150 and the
  // main room's 2070 that follows it.
  bool LogIn(quint16 port);
  // Joins `room`, making it when it does not exist: true on 2070.
  bool Enter(const std::string& room);

 private:
  std::size_t next_ = 0;
};

// One application object for a test program without a screen, made on first use and never deleted.
QCoreApplication& LobbyTestApp();

}  // namespace tarvelo
