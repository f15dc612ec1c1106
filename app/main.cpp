#include "lobby/lobby_credential.h"
#include "lobby/window/lobby_controller.h"
#include "session/session.h"
#include "store/datamod.h"
#include "store/store_settings.h"
#include "ui/status_bar.h"
#include "ui/tvlmain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName("Tarvelo Group");
  // No display name: X11 would append it to every window's caption.
  QApplication::setApplicationName("Tarvelo");

  // The data module comes first: the session and the window read their settings
  // at creation, after settings of an older generation have been brought in once.
  tarvelo::TdmMain dmMain;
  dmMain.rfMain.MigrateSettings();
  tarvelo::TStoreSettings settings(dmMain.rfMain);

  tarvelo::TSession session(settings);

  // The lobby lives for the whole run; its nickname defaults to the current profile's name.
  tarvelo::TLobbyWindowHooks lobbyHooks;
  lobbyHooks.CurrentPlayerName = [&session] {
    return session.Hooks.PlayerName ? session.Hooks.PlayerName() : std::string();
  };
  const QString dataFolder = dmMain.rfMain.Locations().DataFolder;
  lobbyHooks.Credential = [dataFolder] { return tarvelo::LobbyCredential(dataFolder); };
  tarvelo::TLobbyController lobby(dmMain.rfMain, lobbyHooks);

  tarvelo::TWindowHooks hooks;
  tarvelo::TfmTvlMain* mainWindow = nullptr;
  hooks.Lobby = [&] { lobby.OpenLobby(mainWindow, false); };
  hooks.LobbyAutoLogin = [&] { lobby.OpenLobby(mainWindow, true); };
  hooks.LobbyEvent = [&](QEvent* event) { return lobby.HandleMainWindowEvent(event); };
  tarvelo::TfmTvlMain window(session, QApplication::arguments().mid(1), hooks);
  mainWindow = &window;
  lobby.SetLobbyActive = [&window](bool active) { window.StatusBar()->SetLobbyActive(active); };
  session.SetDisplay(&window);
  window.UseSavedGames(dmMain.rfMain.Locations().DataFolder);
  session.SeatComputer();
  window.show();
  return QApplication::exec();
}
