#include "lobby/testing/lobby_client.h"

#include "lobby/lobby_event.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

namespace tarvelo {

TLobbyClient::TLobbyClient(std::string nick, std::string credential)
    : Nick(std::move(nick)), Credential(std::move(credential)) {}

bool TLobbyClient::event(QEvent* event) {
  if (event->type() != LobbyEventType) return QObject::event(event);
  const auto* message = static_cast<TLobbyEventMessage*>(event);
  Events.push_back({message->Code, message->Text});
  return true;
}

std::optional<irc::TLobbyEvent> TLobbyClient::WaitFor(int code, int timeoutMs) {
  QDeadlineTimer deadline(timeoutMs);
  for (;;) {
    for (; next_ < Events.size(); ++next_) {
      if (Events[next_].Code == code) return Events[next_++];
    }
    if (deadline.hasExpired()) return std::nullopt;
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
  }
}

int TLobbyClient::CountAfter(int code, int ms) {
  QDeadlineTimer deadline(ms);
  while (!deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  int count = 0;
  for (std::size_t i = next_; i < Events.size(); ++i) count += Events[i].Code == code;
  next_ = Events.size();
  return count;
}

bool TLobbyClient::LogIn(quint16 port) {
  if (Server.GS_Connect("127.0.0.1", port, this) < 0) return false;
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

bool TLobbyClient::Enter(const std::string& room) {
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

}  // namespace tarvelo

namespace tarvelo {
QCoreApplication& LobbyTestApp() {
  if (auto* app = QCoreApplication::instance()) return *app;
  static int argc = 1;
  static char name[] = "tarvelo-lobby-tests";
  static char* argv[] = {name, nullptr};
  return *new QCoreApplication(argc, argv);
}
}  // namespace tarvelo
