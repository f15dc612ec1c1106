#include "lobby/window/lobby_controller.h"

#include <QWidget>

namespace tarvelo {

TLobbyController::TLobbyController(TLobbyClient& client, TRegistryTarvelo& store, TLobbyWindowHooks hooks)
    : client_(client), store_(store), hooks_(std::move(hooks)) {
  connect(&client_, &TLobbyClient::StateChanged, this, [this](TLobbyState state) {
    if (state != InLobby) newLines_ = 0;
    if (!window_) ShowLobbyActive();
  });
  connect(&client_, &TLobbyClient::ChatLine, this, [this] {
    if (window_) return;
    ++newLines_;
    ShowLobbyActive();
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
  newLines_ = 0;
  window.exec();
  window_ = nullptr;
  ShowLobbyActive();
}

void TLobbyController::ShowLobbyActive() {
  if (SetLobbyActive) SetLobbyActive(client_.Lobby().LobbyState == InLobby, newLines_);
}

// Open or not, the invitations hear every private command the network game left to the lobby.
void TLobbyController::OnPrivateCommand(const std::string& sender, const std::string& command) {
  const std::string shown = HandlePrivateCommand ? HandlePrivateCommand(sender, command) : std::string();
  if (!shown.empty()) client_.AddToTranscript(FromLatin1(shown));
  if (window_ && client_.Lobby().LobbyState == InGame) window_->accept();
}

}  // namespace tarvelo
