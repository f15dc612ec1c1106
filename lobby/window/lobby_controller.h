#pragma once

#include "lobby/lobby_client.h"
#include "lobby/window/lobby_window.h"
#include "store/registry_tarvelo.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <string>

class QWidget;

namespace tarvelo {

// The lobby window over the main window, opened on the lobby client of the
// whole run; what the lobby tells while it is closed shows in the status bar.
class TLobbyController : public QObject {
 public:
  TLobbyController(TLobbyClient& client, TRegistryTarvelo& store, TLobbyWindowHooks hooks);

  // Shows or hides the status bar's "Lobby Active" panel, with the chat lines
  // received since the lobby window was last open.
  std::function<void(bool active, int newLines)> SetLobbyActive;
  // The invitation protocol: a text to show in the lobby's chat, or empty.
  std::function<std::string(const std::string& sender, const std::string& command)> HandlePrivateCommand;

  // Opens the lobby window modally; with `autoLogin` it logs in at once ("/ip:" at start-up).
  void OpenLobby(QWidget* mainWindow, bool autoLogin);
  TfmLobbyGS* Window() const { return window_; }

 private:
  void OnPrivateCommand(const std::string& sender, const std::string& command);
  void ShowLobbyActive();

  TLobbyClient& client_;
  TRegistryTarvelo& store_;
  TLobbyWindowHooks hooks_;
  QPointer<TfmLobbyGS> window_;
  int newLines_ = 0;  // chat received while the window was closed
};

}  // namespace tarvelo
