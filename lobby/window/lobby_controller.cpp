#include "lobby/window/lobby_controller.h"

#include <QWidget>

namespace tarvelo {

TLobbyController::TLobbyController(TLobbyClient& client, TRegistryTarvelo& store, TLobbyWindowHooks hooks)
    : client_(client), store_(store), hooks_(std::move(hooks)) {
  connect(&client_, &TLobbyClient::StateChanged, this, [this](TLobbyState state) {
    if (!window_ && SetLobbyActive) SetLobbyActive(state == InLobby);
  });
  connect(&client_, &TLobbyClient::PrivateCommand, this, &TLobbyController::OnPrivateCommand);
}

void TLobbyController::OpenLobby(QWidget* mainWindow, bool autoLogin) {
  if (window_) return;
  TfmLobbyGS window(client_, store_, hooks_, mainWindow);
  window_ = &window;
  if (mainWindow) window.move(mainWindow->geometry().center() - window.rect().center());
  QMetaObject::invokeMethod(
      &window, [&window, autoLogin] { window.Open(autoLogin); }, Qt::QueuedConnection);
  window.exec();
  window_ = nullptr;
  if (SetLobbyActive) SetLobbyActive(client_.Lobby().LobbyState == InLobby);
}

// Open or not, the invitations hear every private command the network game left to the lobby.
void TLobbyController::OnPrivateCommand(const std::string& sender, const std::string& command) {
  const std::string shown = HandlePrivateCommand ? HandlePrivateCommand(sender, command) : std::string();
  if (!window_) return;
  if (!shown.empty()) window_->AddChat(FromLatin1(shown));
  if (client_.Lobby().LobbyState == InGame) window_->accept();
}

}  // namespace tarvelo
