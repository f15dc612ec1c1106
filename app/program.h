#pragma once

#include "app/command_line.h"
#include "lobby/invitations.h"
#include "lobby/lobby_client.h"
#include "lobby/window/lobby_controller.h"
#include "net/network_game.h"
#include "session/game_life_cycle.h"
#include "session/session.h"
#include "sound/audio_backend.h"
#include "store/datamod.h"
#include "store/store_locations.h"
#include "store/store_settings.h"
#include "ui/dialogs/rule_differences.h"
#include "ui/player_records.h"
#include "ui/tvlmain.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>

namespace tarvelo {

// The whole program over one set of store locations: the store, the session
// with the game's life cycle, the table window and the lobby. The window is
// shown first; the sound device, the player records and the chooser at start
// come right after its first paint, while the splash is still up. Nothing is
// shared between two programs, so a test can run two side by side.
class TProgram : public QObject {
  Q_OBJECT
 public:
  using TAudioMaker = std::function<std::unique_ptr<TAudioBackend>()>;
  // arguments: the command line after the program's name. makeAudio: the sound
  // device, SDL's unless given.
  TProgram(const TStoreLocations& locations, const QStringList& arguments, TAudioMaker makeAudio = {},
           QObject* parent = nullptr);
  ~TProgram() override;

  // Shows the window; the rest of the start follows once it has been painted.
  void Start();
  bool Started() const { return records_ != nullptr; }

  const TCommandLine& CommandLine() const { return commandLine_; }
  TRegistryTarvelo& Store() { return dmMain_.rfMain; }
  TStoreSettings& Settings() { return settings_; }
  TSession& Session() { return session_; }
  TGameLifeCycle& LifeCycle() { return lifeCycle_; }
  TfmTvlMain& Window() { return *window_; }
  TLobbyController& Lobby() { return *lobby_; }
  TLobbyClient& LobbyClient() { return lobbyClient_; }
  TInvitations& Invitations() { return *invitations_; }
  TNetworkGame& Network() { return *network_; }
  TfmRuleDifferences* RuleDifferences() const { return ruleDifferences_; }
  TPlayerRecords* Records() const { return records_.get(); }  // once started

 signals:
  // The records and the sound are in place: the program is whole.
  void started();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void WireLobby();
  void WireInvitations(TLobbyWindowHooks& hooks);
  void WireNetwork();
  // The invited user is asked, once the table is idle.
  void AskInvitation();
  void StartAfterFirstPaint();
  void ChoosePlayer();
  void StartSound();

  TCommandLine commandLine_;
  TAudioMaker makeAudio_;
  TdmMain dmMain_;
  TStoreSettings settings_;
  TSession session_;
  TGameLifeCycle lifeCycle_;
  // Made after the first paint. The window plays on the device and opens the
  // records' dialogs, so both outlive it: declared before it, destroyed after.
  std::unique_ptr<TAudioBackend> audio_;
  std::unique_ptr<TPlayerRecords> records_;
  TLobbyClient lobbyClient_;
  std::unique_ptr<TInvitations> invitations_;
  std::unique_ptr<TLobbyController> lobby_;
  std::unique_ptr<TfmTvlMain> window_;
  std::unique_ptr<TNetworkGame> network_;
  QPointer<TfmRuleDifferences> ruleDifferences_;  // one per network game, made at its start
  bool startQueued_ = false;
};

}  // namespace tarvelo
