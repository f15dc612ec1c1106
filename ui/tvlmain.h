#pragma once

#include "engine/game.h"
#include "engine/table_display.h"
#include "session/game_life_cycle.h"
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

// What the window hands on. The other parts of the program connect to its
// named menu actions (ConnectAction) and to its signals instead.
struct TWindowHooks {
  std::function<void(std::string_view)> Sound;  // a sound event, besides the window's own sound
};

// The table window: the session's display. It paints the session's game
// through the table view, turns mouse, keys and menu commands into the
// session's input calls, and shows the dialogs.
class TfmTvlMain : public QMainWindow, public TTableDisplay {
  Q_OBJECT
 public:
  // The window reads the session's store.
  explicit TfmTvlMain(TSession& session, TWindowHooks hooks = {}, QWidget* parent = nullptr);
  ~TfmTvlMain() override;

  TSession& Session() const { return session_; }
  const TGame& Game() const { return session_.Game(); }
  TWindowHooks Hooks;
  int SizeIndex = 0;
  int MaxSizeIndex = 0;

  // Start-up runs in two steps: the constructor starts tmSplash, and the splash
  // window shows over the table once it is shown; EndStartUp (the timer's
  // timeout) lays out the table and signals startUpEnded, on which the first
  // game is loaded or dealt.
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
  // A menu item whose part of the program is there: it is enabled and runs
  // `action` as one engine call. Items nobody connects stay disabled.
  void ConnectAction(const QString& objectName, std::function<void()> action);
  int HelpPresses() const { return helpPresses_; }

  // --- Saved games (tvlmain_saved_games.cpp)
  // "&Save..." and "&Load..." with the game's life cycle, whose failures the
  // window shows; the first game is `start`, and the game is kept at exit.
  void UseSavedGames(TGameLifeCycle& lifeCycle, const TStartGame& start);
  QString DataFolder;  // autosave.tvl, parked network games, the folder the dialogs open in
  // Not silent, the user picks the file; silent, it is `path`, or the auto-save
  // file when that is empty. Returns the path written, or an empty text.
  QString SaveGame(bool silent, const QString& path = {});
  // The user picks the file. True when the game was put on the table.
  bool LoadGame();
  // The file name the dialogs propose: the current player's.
  QString ProposedFileName() const;

  // --- Sound (tvlmain_sound.cpp)
  // The event sounds, the background music and the "&Sound..." dialog on
  // `audio`, with the built-in files in `dataFolder`. Reads the sound settings
  // and starts the music when it is on.
  void UseSound(TAudioBackend& audio, const std::string& dataFolder, TReplaceSoundKey replaceSoundKey);
  TSoundSystem* Sound() const { return sound_.get(); }
  void EditSound();

  // --- The network game (tvlmain_network.cpp)
  // The network text of the status bar, in the normal style: 0 "Not connected",
  // 1 "Waiting for connection...", 2 "Connection established with " and the
  // peer's name. While waiting, the phase texts give way to the waiting text;
  // "Not connected" stays until the mouse next moves over the table.
  void SetNetStatus(int status, const std::string& remoteName);
  int NetStatus() const { return netStatus_; }
  // The network menu for a network game running (or not): "&Disconnect",
  // "&Rule Differences..." and the chat item only during one, "Lobby..." only
  // outside one. "Lobby Active" is hidden either way.
  void SetNetworkMenu(bool networkGame);

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
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;

 signals:
  // The splash is gone and the table laid out: the first game comes now.
  void startUpEnded();
  // The window closes: the game is kept before the exit sound.
  void closing();
  // The customise dialog is asked for on `page` (0 Screen, 1 Players, 2 Level,
  // 3 General), or -1 for the page it was last closed on. Confirmed settings
  // come back through ApplyCustomSettings.
  void customizeRequested(int page);
  // "&Disconnect" was chosen, and confirmed when a network game runs.
  void disconnectConfirmed();
  // "&Rule Differences..." was chosen.
  void ruleDifferencesRequested();
  // The rules dialog closed with OK and its rules are in force.
  void rulesConfirmed();

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
  void Disconnect();
  // The close query: false when the user keeps a running network game.
  bool MayClose();
  // A mouse move over the table lets go of a held network text.
  void ReleaseNetText();
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
  TGameLifeCycle* lifeCycle_ = nullptr;
  TTableView* view_ = nullptr;
  TStatusBar* status_ = nullptr;
  QPushButton* bnEndHand_ = nullptr;
  std::unique_ptr<TfmSplash> splash_;
  bool splashShown_ = false;
  QPointer<TfmWhoseTurn> whoseTurn_;
  QPointer<THelpWindow> help_;
  QPointer<QWidget> resultWindow_;
  int helpPresses_ = 0;
  int busyDepth_ = 0;
  int groupCards_ = 0, groupFramesLeft_ = 0;  // the card moves of a group still to come
  bool quitting_ = false;
  int netStatus_ = 0;
  bool netTextHeld_ = false;  // "Not connected" shows until the mouse moves over the table
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
