// The table window's saved games: the menu items, start-up and exit.
#include "store/saved_game_file.h"
#include "store/saved_game_table.h"
#include "ui/dialogs/saved_game_dialogs.h"
#include "ui/tvlmain.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMessageBox>

#include <chrono>

namespace tarvelo {

namespace {
std::int64_t TickCount() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
}  // namespace

void TfmTvlMain::UseSavedGames(const QString& dataFolder) {
  DataFolder = dataFolder;
  // The menu was built with the hooks given at the window's creation: an item
  // whose hook is set only now is connected here.
  auto plugIn = [this](const char* name, std::function<void()>& hook, std::function<void()> action) {
    if (hook) return;
    hook = std::move(action);
    QAction* item = Action(name);
    item->setEnabled(true);
    connect(item, &QAction::triggered, this, [this, &hook] { session_.Guarded(hook); });
  };
  plugIn("Load1", Hooks.Load, [this] { LoadGame(false); });
  plugIn("Save1", Hooks.Save, [this] { SaveGame(false); });
  Hooks.StartSavedGame = [this] { return StartSavedGame(); };
  Hooks.AutoSaveAtExit = [this] { AutoSaveAtExit(); };
  session_.Hooks.DeleteAutoSave = [this] { DeleteAutoSave(); };
}

QString TfmTvlMain::SaveGame(bool silent, const QString& presetPath) {
  if (Game().Table.PileTakeOpen && !silent) {
    Information("A game cannot be saved while taking the discard pile");
    return {};
  }
  if (!session_.MeldsValid()) {
    if (!silent) Information("This game cannot be saved now because your meld is incorrect");
    return {};
  }
  MakeDataFolder();
  QString path = presetPath;
  if (!silent) {
    path = ChooseFile(*MakeSaveGameDialog(this, DataFolder, ProposedFileName()));
    if (path.isEmpty()) return {};
  } else if (path.isEmpty()) {
    path = QDir(DataFolder).filePath(AutoSaveFileName);
  }
  const QString error = WriteSavedGameFile(path, Game().Table, Game().Layout.SizeIndex,
                                           [this] { return MaskSeed(TickCount(), session_.RandomReal()); });
  if (!error.isEmpty()) {
    QMessageBox::critical(this, "Tarvelo", error);
    return {};
  }
  return path;
}

QString TfmTvlMain::ProposedFileName() const {
  const std::string player = session_.Hooks.PlayerName ? session_.Hooks.PlayerName() : std::string();
  return PlayerFileName(QString::fromStdString(player));
}

bool TfmTvlMain::LoadGame(bool silent, const QString& presetPath) {
  if (session_.NetworkGameActive() && Game().Table.GameInProgress &&
      !Question("You have a network game running. Are you sure you want to load a game?"))
    return false;
  QString path = presetPath;
  if (!silent) {
    MakeDataFolder();
    path = ChooseFile(*MakeLoadGameDialog(this, DataFolder, ProposedFileName()));
    if (path.isEmpty() || !CheckSavedGame(path)) return false;
  }
  // The file is read whole beside the game; the table changes only when all of it is good.
  const TLoadOutcome outcome = ReadSavedGameFile(path, Game().Table);
  if (!outcome.Loaded) {
    const std::string message = outcome.Message.toStdString();
    if (outcome.Kind == TMessageKind::Information)
      Information(message);
    else if (outcome.Kind == TMessageKind::Warning)
      Warning(message);
    else
      QMessageBox::critical(this, "Tarvelo", outcome.Message);
    return false;
  }
  session_.PutSavedGame(outcome.Game);
  if (session_.NetworkGameActive() && Hooks.SendLoadedGame) Hooks.SendLoadedGame();
  Repaint();
  return true;
}

bool TfmTvlMain::CheckSavedGame(const QString& path) {
  QString message;
  const bool valid = tarvelo::CheckSavedGame(path, &message);
  if (!message.isEmpty()) Information(message.toStdString());
  return valid;
}

bool TfmTvlMain::StartSavedGame() {
  QString path;
  if (arguments_.isEmpty()) {
    if (settings_.ReadBool("Settings\\AutoSave", true)) path = QDir(DataFolder).filePath(AutoSaveFileName);
  } else {
    const QString& argument = arguments_.first();
    if (!argument.contains("/ip:") && argument != "/setup" && argument.contains(".tvl")) path = argument;
  }
  if (path.isEmpty() || !CheckSavedGame(path)) return false;
  PlaySound("Start");
  // A file that fails to load leaves the table empty: the caller deals then.
  return LoadGame(true, path);
}

void TfmTvlMain::AutoSaveAtExit() {
  if (settings_.ReadBool("Settings\\AutoSave", true) && Game().Table.GameInProgress)
    SaveGame(true);
  else
    DeleteAutoSave();
}

void TfmTvlMain::MakeDataFolder() {
  if (!DataFolder.isEmpty()) QDir().mkpath(DataFolder);
}

void TfmTvlMain::DeleteAutoSave() {
  if (!DataFolder.isEmpty()) QFile::remove(QDir(DataFolder).filePath(AutoSaveFileName));
}

QString TfmTvlMain::ParkNetworkGame(const std::string& localName, const std::string& remoteName) {
  const QString name = PlayerFileName(QString::fromStdString(localName + "_" + remoteName));
  return SaveGame(true, QDir(DataFolder).filePath(name));
}

}  // namespace tarvelo
