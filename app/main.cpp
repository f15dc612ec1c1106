#include "lobby/lobby_client.h"
#include "lobby/lobby_credential.h"
#include "lobby/window/lobby_controller.h"
#include "session/session.h"
#include "sound/sdl_audio.h"
#include "sound/sound_files.h"
#include "store/datamod.h"
#include "store/store_settings.h"
#include "ui/player_records.h"
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

  // The profiles are read and the player chosen before anything is dealt or loaded.
  tarvelo::TPlayerRecords records(dmMain.rfMain, settings);
  records.SelectPlayerAtStart();
  tarvelo::TSessionHooks sessionHooks;
  records.AddTo(sessionHooks);
  tarvelo::TWindowHooks windowHooks;
  records.AddTo(windowHooks);

  tarvelo::TSession session(settings, sessionHooks);
  // Opened before the window and closed after it; without a device it stays silent.
  tarvelo::TSdlAudio audio;

  // The lobby lives for the whole run; its nickname defaults to the current profile's name.
  tarvelo::TLobbyWindowHooks lobbyHooks;
  lobbyHooks.CurrentPlayerName = [&session] {
    return session.Hooks.PlayerName ? session.Hooks.PlayerName() : std::string();
  };
  const QString dataFolder = dmMain.rfMain.Locations().DataFolder;
  lobbyHooks.Credential = [dataFolder] { return tarvelo::LobbyCredential(dataFolder); };
  tarvelo::TLobbyClient lobbyClient;
  tarvelo::TLobbyController lobby(lobbyClient, dmMain.rfMain, lobbyHooks);

  tarvelo::TfmTvlMain* mainWindow = nullptr;
  windowHooks.Lobby = [&] { lobby.OpenLobby(mainWindow, false); };
  windowHooks.LobbyAutoLogin = [&] { lobby.OpenLobby(mainWindow, true); };
  tarvelo::TfmTvlMain window(session, QApplication::arguments().mid(1), windowHooks);
  mainWindow = &window;
  lobby.SetLobbyActive = [&window](bool active) { window.StatusBar()->SetLobbyActive(active); };
  session.SetDisplay(&window);
  records.Attach(window);
  window.UseSavedGames(dmMain.rfMain.Locations().DataFolder);
  window.UseSound(audio, tarvelo::ProgramDataFolder(), [&dmMain](const auto& values) {
    QList<QPair<QString, QString>> texts;
    // The values' paths are under "Sound\"; the store takes them relative to it.
    for (const auto& [path, text] : values)
      texts.append({QString::fromStdString(path).section(u'\\', 1), QString::fromStdString(text)});
    return dmMain.rfMain.ReplaceKey("Sound", texts);
  });
  session.SeatComputer();
  window.show();
  return QApplication::exec();
}
