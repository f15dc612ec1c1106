#pragma once

#include "engine/game.h"
#include "engine/table_display.h"
#include "session/session.h"
#include "sound/sound_settings.h"
#include "sound/sound_system.h"
#include "ui/art/card_back.h"

#include <QEvent>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

class QAction;
class QPushButton;

namespace tarvelo {

class TStatusBar;
class TTableView;
class TfmSplash;
class TfmWhoseTurn;
class THelpWindow;

// The window command message: its parameter opens the customise dialog on the
// "Players" (0) or "General" (1) page, or the rules dialog on "Red Threes" (2),
// "Canastas" (3) or "Discard Pile" (4). The code is kept from the design.
constexpr QEvent::Type CommandEventType = static_cast<QEvent::Type>(9999);
class TCommandEvent : public QEvent {
 public:
  explicit TCommandEvent(int parameter) : QEvent(CommandEventType), Parameter(parameter) {}
  int Parameter;
};

// What later parts of the program plug into the window: each item or event
// whose subsystem is not built in does nothing (and its menu item is disabled).
struct TWindowHooks {
  std::function<void(std::string_view)> Sound;  // a sound event
  std::function<void()> Load, Save, Hiscores, WinRatio, MatchHistory;
  // page: the customise dialog's page (0 Screen, 1 Players, 2 Level, 3 General), or -1
  // for the page it was last closed on. Confirmed settings come back through ApplyCustomSettings.
  std::function<void(int page)> Customize;
  std::function<void()> SoundOptions, Lobby, RuleDifferences, Disconnect, ProxySettings, CheckUpgrade, HomePage;
  std::function<bool()> StartSavedGame;  // at start-up: true when a saved game was loaded
  std::function<void()> AutoSaveAtExit;
  std::function<void()> SendLoadedGame;  // a game just loaded goes to the peer ("LOADGAME")
  std::function<void()> LobbyAutoLogin;  // the "/ip:" start argument: the lobby opens and logs in
};

// The table window: the session's display. It paints the session's game
// through the table view, turns mouse, keys and menu commands into the
// session's input calls, and shows the dialogs.
class TfmTvlMain : public QMainWindow, public TTableDisplay {
  Q_OBJECT
 public:
  // arguments: the command line after the program name. The window reads the
  // session's store.
  TfmTvlMain(TSession& session, const QStringList& arguments, TWindowHooks hooks = {}, QWidget* parent = nullptr);
  ~TfmTvlMain() override;

  TSession& Session() const { return session_; }
  const TGame& Game() const { return session_.Game(); }
  TWindowHooks Hooks;
  int SizeIndex = 0;
  int MaxSizeIndex = 0;

  // Start-up runs in two steps: the constructor shows the splash window and
  // starts tmSplash; EndStartUp (its timeout) deals or loads the first game.
  void EndStartUp();
  void ApplySize(int newSizeIndex);
  // After the customise dialog: the size, the table colour, the status bar and the discarding mode.
  void ApplyCustomSettings(int newSizeIndex);
  void ApplyBacks();
  QTimer tmSplash, tmWhoseTurn;
  TTableView* View() const { return view_; }
  TStatusBar* StatusBar() const { return status_; }
  QPushButton* EndHandButton() const { return bnEndHand_; }
  QAction* Action(const QString& objectName) const;
  int HelpPresses() const { return helpPresses_; }

  // --- Saved games (tvlmain_saved_games.cpp)
  // Saving and loading with files in `dataFolder`: "&Save...", "&Load...", the
  // saved game at start-up and the auto-save at exit.
  void UseSavedGames(const QString& dataFolder);
  QString DataFolder;  // autosave.tvl, parked network games, the folder the dialogs open in
  // Not silent, the user picks the file; silent, it is `path`, or the auto-save
  // file when that is empty. Returns the path written, or an empty text.
  QString SaveGame(bool silent, const QString& path = {});
  // Not silent, the user picks the file; silent, `path` has passed CheckSavedGame.
  // True when the game was put on the table.
  bool LoadGame(bool silent, const QString& path = {});
  // The file exists and is a saved game; the message of another file is shown.
  bool CheckSavedGame(const QString& path);
  bool StartSavedGame();
  void AutoSaveAtExit();
  void DeleteAutoSave();
  // Made when first needed (a first run has none): the file dialogs open in it.
  void MakeDataFolder();
  // The file name the dialogs propose: the current player's.
  QString ProposedFileName() const;
  // A network game whose connection was lost, saved as local_remote.tvl: the path, or empty.
  QString ParkNetworkGame(const std::string& localName, const std::string& remoteName);

  // --- Sound (tvlmain_sound.cpp)
  // The event sounds, the background music and the "&Sound..." dialog on
  // `audio`, with the built-in files in `dataFolder`. Reads the sound settings
  // and starts the music when it is on.
  void UseSound(TAudioBackend& audio, const std::string& dataFolder, TReplaceSoundKey replaceSoundKey);
  TSoundSystem* Sound() const { return sound_.get(); }
  void EditSound();

  // --- TTableDisplay
  void ShowStatusText(const std::string& text, bool isError) override;
  void SetEndHandButton(bool visible, bool enabled) override;
  void SetUndoEnabled(bool enabled) override;
  void SetRulesHint(const std::string& hint) override;
  void SetBusy(bool busy) override;
  void Information(const std::string& text) override;
  void Warning(const std::string& text) override;
  bool Question(const std::string& text) override;
  void ShowWhoseTurn(const std::string& text) override;
  void ShowHandResults(const THandResults& results) override;
  bool AskPlayAnotherGame(const TGameOverInfo& info) override;
  void QuitApplication() override;
  void PlaySound(std::string_view event) override;
  void Pause(int milliseconds) override;
  int ComputerMeldDelay() const override;
  void AnimateCard(const TCard& from, const TCard& to) override;
  bool AnimationBusy() const override;
  void GroupCardMoves(int cards) override;
  void RepaintRect(int x, int y, int width, int height) override;
  void Repaint() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void FormCreate();
  bool PassTableKey(const QKeyEvent* event);  // false for a key the table does not take
  void ReadSettings();
  void BuildMenus();
  QAction* AddItem(QMenu* menu, const char* name, const QString& caption, const QString& hint,
                   const QKeySequence& shortcut, std::function<void()> action);
  void SizeWindow();
  // The layout of the current size, for the table as high as it is shown.
  TLayout TableLayout() const;
  void PlaceEndHandButton();
  void UpdatePanels();
  void HelpTopics();
  void EditRules(int page = -1);
  void EditDecks();
  SettingsReader Reader();
  SettingsWriter Writer();
  void ShowDetails(const THandResults& results);
  // Closing: the music stops and "Exit" plays; later the window waits a
  // bounded time for it to end.
  void StartExitSound();
  void FinishExitSound();
  // The steps of the next card move, shortened while a group of moves runs.
  int GroupedSteps(int steps);

  TSession& session_;
  TSettingsAccess& settings_;  // the session's store
  QStringList arguments_;
  TTableView* view_ = nullptr;
  TStatusBar* status_ = nullptr;
  QPushButton* bnEndHand_ = nullptr;
  std::unique_ptr<TfmSplash> splash_;
  QPointer<TfmWhoseTurn> whoseTurn_;
  QPointer<THelpWindow> help_;
  QPointer<QWidget> resultWindow_;
  int helpPresses_ = 0;
  int busyDepth_ = 0;
  int groupCards_ = 0, groupFramesLeft_ = 0;  // the card moves of a group still to come
  bool quitting_ = false;
  QPoint startPosition_;
  TCardBacks backs_{};
  std::unique_ptr<TSoundSystem> sound_;
  TReplaceSoundKey replaceSoundKey_;
};

// A key of the table as the engine knows it, or 0 for a key it does not take.
int TableKeyOf(int qtKey);
// Steps of the card-move animation for a speed setting: 100 / (speed + 1),
// rounded to the nearest integer with halves to even.
int AnimationSteps(int speed);
// The frames that a group of card moves shares: 1.2 seconds of 12-ms frames,
// about a dozen single moves at the default speed.
constexpr int GroupMoveFrames = 100;

}  // namespace tarvelo
