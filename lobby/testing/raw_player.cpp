#include "lobby/testing/raw_player.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

namespace tarvelo {

TRawPlayer::TRawPlayer(std::string nick, std::string credential)
    : Nick(std::move(nick)), Credential(std::move(credential)) {
  connect(&Server, &TGameServer::LobbyEvent, this, [this](int code, const std::string& text) {
    Events.push_back({code, text});
  });
  connect(&Server, &TGameServer::LinkOpened, this, [this] { ++LinksOpened; });
  connect(&Server, &TGameServer::LinkFailed, this, [this] { ++LinksFailed; });
}

std::optional<irc::TLobbyEvent> TRawPlayer::WaitFor(int code, int timeoutMs) {
  QDeadlineTimer deadline(timeoutMs);
  for (;;) {
    for (; next_ < Events.size(); ++next_) {
      if (Events[next_].Code == code) return Events[next_++];
    }
    if (deadline.hasExpired()) return std::nullopt;
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
  }
}

int TRawPlayer::CountAfter(int code, int ms) {
  QDeadlineTimer deadline(ms);
  while (!deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  int count = 0;
  for (std::size_t i = next_; i < Events.size(); ++i) count += Events[i].Code == code;
  next_ = Events.size();
  return count;
}

bool TRawPlayer::Connect(const std::string& host, quint16 port) {
  const int opened = LinksOpened, failed = LinksFailed;
  Server.GS_Connect(host, port);
  QDeadlineTimer deadline(TGameServer::ConnectTimeoutMs + 1000);
  while (LinksOpened == opened && LinksFailed == failed && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
  }
  return LinksOpened > opened;
}

bool TRawPlayer::LogIn(quint16 port) {
  if (!Connect("127.0.0.1", port)) return false;
  Server.GS_Login(Nick, Credential, "Tarvelo501");
  bool loggedIn = false;
  QDeadlineTimer deadline(10000);
  for (;;) {
    for (; next_ < Events.size(); ++next_) {
      const int code = Events[next_].Code;
      if (code == irc::LobbyLoggedIn) loggedIn = true;
      if (code == irc::LobbyJoined && loggedIn) return ++next_, true;
      if (code == irc::LobbyNotRegistered) {
        Server.GS_Register(Nick, Credential, "player@tarvelo.invalid", "Tarvelo501");
        continue;
      }
      if (code >= 4000 || code == irc::LobbyError || code == irc::LobbyDisconnected) return ++next_, false;
    }
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
  }
}

bool TRawPlayer::Enter(const std::string& room) {
  Server.GS_JoinRoom(room);
  QDeadlineTimer deadline(10000);
  for (;;) {
    for (; next_ < Events.size(); ++next_) {
      const int code = Events[next_].Code;
      if (code == irc::LobbyJoined || code == irc::LobbyAlreadyInRoom) return ++next_, true;
      if (code == irc::LobbyNoSuchRoom) {
        Server.GS_CreateRoom(room, "0");
        continue;
      }
      if (code == irc::LobbyRoomFull || code == irc::LobbyError) return ++next_, false;
    }
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
  }
}

QCoreApplication& LobbyTestApp() {
  if (auto* app = QCoreApplication::instance()) return *app;
  static int argc = 1;
  static char name[] = "tarvelo-lobby-tests";
  static char* argv[] = {name, nullptr};
  return *new QCoreApplication(argc, argv);
}

}  // namespace tarvelo
