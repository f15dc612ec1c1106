// The table window's saved games: the menu items and their file dialogs; the
// game's life cycle writes and reads the files.
#include "store/saved_game_file.h"
#include "ui/dialogs/saved_game_dialogs.h"
#include "ui/tvlmain.h"

#include <QMessageBox>

namespace tarvelo {

void TfmTvlMain::UseSavedGames(TGameLifeCycle& lifeCycle, const TStartGame& start) {
  lifeCycle_ = &lifeCycle;
  DataFolder = lifeCycle.DataFolder();
  ConnectAction("Load1", [this] { LoadGame(); });
  ConnectAction("Save1", [this] { SaveGame(false); });
  connect(this, &TfmTvlMain::startUpEnded, &lifeCycle, [&lifeCycle, start] { lifeCycle.StartFirstGame(start); });
  connect(this, &TfmTvlMain::closing, &lifeCycle, &TGameLifeCycle::AutoSaveAtExit);
  connect(&lifeCycle, &TGameLifeCycle::failed, this,
          [this](const QString& message) { QMessageBox::critical(this, "Tarvelo", message); });
}

QString TfmTvlMain::SaveGame(bool silent, const QString& presetPath) {
  if (!lifeCycle_) return {};
  if (silent) return lifeCycle_->Save(true, presetPath);
  if (!lifeCycle_->MaySave(false)) return {};
  lifeCycle_->MakeDataFolder();
  const QString path = ChooseFile(*MakeSaveGameDialog(this, DataFolder, ProposedFileName()));
  return path.isEmpty() ? QString() : lifeCycle_->Save(false, path);
}

// The profile's name, not the table's: without a profile the file is "player.tvl".
QString TfmTvlMain::ProposedFileName() const {
  const std::string player = session_.Hooks.PlayerName ? session_.Hooks.PlayerName() : std::string();
  return PlayerFileName(QString::fromStdString(player));
}

bool TfmTvlMain::LoadGame() {
  if (!lifeCycle_ || !lifeCycle_->MayLoad()) return false;
  lifeCycle_->MakeDataFolder();
  const QString path = ChooseFile(*MakeLoadGameDialog(this, DataFolder, ProposedFileName()));
  return !path.isEmpty() && lifeCycle_->CheckFile(path) && lifeCycle_->Load(path);
}

}  // namespace tarvelo
