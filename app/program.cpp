#include "app/program.h"

#include "lobby/lobby_credential.h"
#include "sound/audio_module.h"
#include "sound/sound_files.h"
#include "store/saved_game_file.h"
#include "ui/status_bar.h"
#include "ui/table_view.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace tarvelo {

namespace {
std::unique_ptr<TAudioBackend> SdlAudio() {
  return LoadAudioModule(AudioModuleBeside(QCoreApplication::applicationDirPath().toStdString()));
}

// Settings of an older generation are brought in once, before anyone reads the store.
TRegistryTarvelo& Migrated(TRegistryTarvelo& store) {
  store.MigrateSettings();
  return store;
}

// A window that is never painted (started minimized) still gets the rest of the start.
constexpr int LatestStartMilliseconds = 500;
}  // namespace

TProgram::TProgram(const TStoreLocations& locations, const QStringList& arguments, TAudioMaker makeAudio,
                   QObject* parent)
    : QObject(parent),
      commandLine_(ParseCommandLine(arguments)),
      makeAudio_(makeAudio ? std::move(makeAudio) : SdlAudio),
      dmMain_(locations),
      settings_(Migrated(dmMain_.rfMain)),
      session_(settings_),
      lifeCycle_(session_, locations.DataFolder) {
  window_ = std::make_unique<TfmTvlMain>(session_);
  session_.SetDisplay(window_.get());
  // The lobby link is answered before the first game is loaded or dealt.
  WireLobby();
  WireNetwork();
  window_->UseSavedGames(lifeCycle_, commandLine_.Start);
}

TProgram::~TProgram() = default;

// The lobby: its client, the controller that opens its window, the menu item
// and the link at start.
void TProgram::WireLobby() {
  TLobbyWindowHooks hooks;
  // The nickname proposed is the current profile's name; none without a profile.
  hooks.CurrentPlayerName = [this] { return session_.Hooks.PlayerName ? session_.Hooks.PlayerName() : std::string(); };
  const QString dataFolder = lifeCycle_.DataFolder();
  hooks.Credential = [dataFolder] { return LobbyCredential(dataFolder); };
  WireInvitations(hooks);
  lobby_ = std::make_unique<TLobbyController>(lobbyClient_, dmMain_.rfMain, hooks);
  lobby_->HandlePrivateCommand = [this](const std::string& sender, const std::string& command) {
    return invitations_->HandlePrivateCommand(sender, command);
  };
  TfmTvlMain& window = *window_;
  lobby_->SetLobbyActive = [&window](bool active, int newLines) {
    window.StatusBar()->SetLobbyActive(active, newLines);
  };
  window.ConnectAction("Lobby1", [this] { lobby_->OpenLobby(window_.get(), false); });
  if (commandLine_.LobbyAutoLogin)
    connect(&window, &TfmTvlMain::startUpEnded, this, [this] { lobby_->OpenLobby(window_.get(), true); });
}

void TProgram::WireInvitations(TLobbyWindowHooks& hooks) {
  invitations_ = std::make_unique<TInvitations>(lobbyClient_);
  hooks.InviteSelected = [this](const std::string& nick) { invitations_->Invite(nick); };
  hooks.CancelInvitation = [this] { invitations_->Cancel(); };
  connect(invitations_.get(), &TInvitations::QuestionPosted, this,
          [this] { session_.Post([this] { AskInvitation(); }); });
  connect(invitations_.get(), &TInvitations::MatchAgreed, this,
          [this](int netRole, const std::string& localName, const std::string& remoteName, const std::string& room) {
            network_->Start(netRole, localName, remoteName, room);
          });
}

void TProgram::AskInvitation() {
  if (!invitations_->ShowsQuestion()) return invitations_->Answer(false);
  QApplication::beep();
  // The program comes to the front as it stands: the lobby window stays over the table.
  QWidget* front = lobby_->Window() ? static_cast<QWidget*>(lobby_->Window()) : window_.get();
  front->raise();
  front->activateWindow();
  const bool yes = session_.Question(invitations_->Asker() + " invites you to play a game. Do you want to play?");
  invitations_->Answer(yes);
}

// The network game on the lobby: the peer's messages, its leaving and a lost
// link reach it before the lobby window; the window shows its state.
void TProgram::WireNetwork() {
  TNetworkGameHooks hooks;
  TfmTvlMain& window = *window_;
  hooks.ShowNetStatus = [&window](int status, const std::string& remote) { window.SetNetStatus(status, remote); };
  hooks.ShowNetworkMenu = [&window](bool networkGame) { window.SetNetworkMenu(networkGame); };
  hooks.ShowRuleDifferences = [this](const std::vector<protocol::TRuleDifference>& rows) {
    if (ruleDifferences_) ruleDifferences_->ShowDifferences(rows);
  };
  hooks.Park = [this](const std::string& local, const std::string& remote) {
    return lifeCycle_.ParkNetworkGame(local, remote);
  };
  hooks.KeepComputerGame = [this] {
    const QString name = PlayerFileName(QString::fromStdString(session_.PlayerName() + "_Computer"));
    lifeCycle_.Save(true, QDir(lifeCycle_.DataFolder()).filePath(name));
  };
  network_ = std::make_unique<TNetworkGame>(session_, lobbyClient_, hooks);
  lobbyClient_.SetRoute(network_->Route());
  connect(network_.get(), &TNetworkGame::started, this, [this] {
    if (TfmLobbyGS* lobbyWindow = lobby_->Window()) lobbyWindow->accept();
    delete ruleDifferences_;
    ruleDifferences_ = new TfmRuleDifferences(window_.get());
    connect(ruleDifferences_, &TfmRuleDifferences::useOpponentRules, network_.get(), &TNetworkGame::UseOpponentRules);
  });
  connect(network_.get(), &TNetworkGame::ended, this, [this] { delete ruleDifferences_; });
  connect(&window, &TfmTvlMain::disconnectConfirmed, network_.get(), &TNetworkGame::End);
  connect(&window, &TfmTvlMain::ruleDifferencesRequested, network_.get(), &TNetworkGame::ShowRuleDifferences);
  connect(&window, &TfmTvlMain::closing, network_.get(), &TNetworkGame::End);
}

void TProgram::Start() {
  window_->show();
  // Painting begins before the window is on the screen; its exposure comes once the display shows it.
  window_->windowHandle()->installEventFilter(this);
  QTimer::singleShot(LatestStartMilliseconds, this, &TProgram::StartAfterFirstPaint);
}

bool TProgram::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Expose && !startQueued_ && static_cast<QWindow*>(watched)->isExposed()) {
    startQueued_ = true;
    // After the paint has reached the screen, not inside it.
    QTimer::singleShot(0, this, &TProgram::StartAfterFirstPaint);
  }
  return QObject::eventFilter(watched, event);
}

void TProgram::StartAfterFirstPaint() {
  if (records_) return;
  startQueued_ = true;
  window_->windowHandle()->removeEventFilter(this);
  records_ = std::make_unique<TPlayerRecords>(dmMain_.rfMain, settings_);
  records_->AddTo(session_.Hooks);
  records_->Attach(*window_);
  ChoosePlayer();
  // The stored level in force: after the chooser, as a profile could change it.
  session_.SeatComputer();
  StartSound();
  emit started();
}

void TProgram::ChoosePlayer() {
  // Nothing is dealt or loaded before the player is chosen: the splash's time
  // stands still while the chooser is open.
  QTimer& splash = window_->tmSplash;
  const bool running = splash.isActive();
  const int left = splash.remainingTime();
  splash.stop();
  records_->SelectPlayerAtStart(window_.get());
  if (running) splash.start(std::max(0, left));
}

void TProgram::StartSound() {
  audio_ = makeAudio_();
  window_->UseSound(*audio_, ProgramDataFolder(), [this](const auto& values) {
    QList<QPair<QString, QString>> texts;
    // The values' paths are under "Sound\"; the store takes them relative to it.
    for (const auto& [path, text] : values)
      texts.append({QString::fromStdString(path).section(u'\\', 1), QString::fromStdString(text)});
    return dmMain_.rfMain.ReplaceKey("Sound", texts);
  });
}

}  // namespace tarvelo
