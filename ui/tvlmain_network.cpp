// The table window's part in a network game: the network text of the status
// bar, the network menu, and the questions before a running game is left.
#include "ui/status_bar.h"
#include "ui/tvlmain.h"

#include <QAction>
#include <QLabel>

namespace tarvelo {

namespace {
QString NetStatusText(int status, const std::string& remoteName) {
  switch (status) {
    case 1:
      return "Waiting for connection...";
    case 2:
      return "Connection established with " + QString::fromStdString(remoteName);
    default:
      return "Not connected";
  }
}
}  // namespace

void TfmTvlMain::SetNetStatus(int status, const std::string& remoteName) {
  netStatus_ = status;
  // After a network game the bar says so until the user looks at the table again.
  netTextHeld_ = status == 0;
  status_->ShowText(NetStatusText(status, remoteName), false);
}

void TfmTvlMain::ReleaseNetText() {
  if (!netTextHeld_) return;
  netTextHeld_ = false;
  status_->ShowText(QString::fromStdString(Game().PhaseText(Game().Table.Phase)), false);
}

void TfmTvlMain::SetNetworkMenu(bool networkGame) {
  for (const char* name : {"Disconnect1", "RuleDifferences1", "ChatOnTop1"})
    if (QAction* item = Action(name)) item->setEnabled(networkGame);
  if (QAction* lobby = Action("Lobby1")) lobby->setEnabled(!networkGame);
  status_->pnLobby->hide();
}

void TfmTvlMain::Disconnect() {
  if (session_.NetworkGameActive() && !Question("Are you sure you want to disconnect?")) return;
  emit disconnectConfirmed();
}

bool TfmTvlMain::MayClose() {
  // The program ending on its own (QuitApplication) has nothing left to ask.
  if (quitting_ || !session_.NetworkGameActive()) return true;
  return Question("You have a network game running. Are you sure you want to quit?");
}

}  // namespace tarvelo
