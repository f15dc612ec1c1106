#include "lobby/window/lobby_controller.h"

#include "lobby/irc/event_text.h"
#include "lobby/irc/lobby_events.h"
#include "lobby/lobby_event.h"

#include <QCoreApplication>
#include <QWidget>

namespace tarvelo {

TLobbyController::TLobbyController(TRegistryTarvelo& store, TLobbyWindowHooks hooks)
    : store_(store), hooks_(std::move(hooks)) {}

void TLobbyController::OpenLobby(QWidget* mainWindow, bool autoLogin) {
  if (window_) return;
  TfmLobbyGS window(Lobby, Server, store_, mainWindow, hooks_, mainWindow);
  window_ = &window;
  if (mainWindow) window.move(mainWindow->geometry().center() - window.rect().center());
  QMetaObject::invokeMethod(
      &window, [&window, autoLogin] { window.Open(autoLogin); }, Qt::QueuedConnection);
  window.exec();
  window_ = nullptr;
  if (SetLobbyActive) SetLobbyActive(Lobby.LobbyState == InLobby);
}

bool TLobbyController::HandleMainWindowEvent(QEvent* event) {
  if (event->type() != LobbyEventType) return false;
  const auto* message = static_cast<TLobbyEventMessage*>(event);
  Lobby.EventText = message->Text;
  if (window_) {
    // Each copy carries its own text: two events in a row never read the second's.
    QCoreApplication::postEvent(window_, new TLobbyEventMessage(message->Code, message->Text));
    return true;
  }
  switch (message->Code) {
    case irc::LobbyDisconnected:
      Lobby.LobbyState = NotConnected;
      if (SetLobbyActive) SetLobbyActive(false);
      break;
    case irc::LobbyPrivateCommand:
      if (hooks_.HandlePrivateCommand) {
        const irc::TEventText read = irc::ReadEventText(message->Text);
        hooks_.HandlePrivateCommand(read.First, read.Rest);
      }
      break;
    default:
      break;
  }
  return true;
}

}  // namespace tarvelo
