#pragma once

#include "lobby/game_server.h"
#include "lobby/lobby.h"
#include "lobby/window/lobby_window.h"
#include "store/registry_tarvelo.h"

#include <QPointer>

#include <functional>

class QEvent;
class QWidget;

namespace tarvelo {

// The lobby for the whole run: its state, its connection, and the lobby
// window, opened over the main window, which receives the lobby's events.
class TLobbyController {
 public:
  TLobbyController(TRegistryTarvelo& store, TLobbyWindowHooks hooks);

  TLobby Lobby;
  TGameServer Server;
  // Shows or hides the status bar's "Lobby Active" panel.
  std::function<void(bool active)> SetLobbyActive;

  // Opens the lobby window modally; with `autoLogin` it logs in at once ("/ip:" at start-up).
  void OpenLobby(QWidget* mainWindow, bool autoLogin);
  // A lobby event that reached the main window: passed on to the lobby window
  // when it is open, else handled here.
  bool HandleMainWindowEvent(QEvent* event);
  TfmLobbyGS* Window() const { return window_; }

 private:
  TRegistryTarvelo& store_;
  TLobbyWindowHooks hooks_;
  QPointer<TfmLobbyGS> window_;
};

}  // namespace tarvelo
