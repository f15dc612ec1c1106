// The game across runs: start-up, exit, saved games and parked network games.
#include "session/game_life_cycle.h"

#include "store/saved_game_file.h"
#include "store/setting_keys.h"

#include <QDir>
#include <QFile>

#include <chrono>

namespace tarvelo {

namespace {
std::int64_t TickCount() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
}  // namespace

TGameLifeCycle::TGameLifeCycle(TSession& session, QString dataFolder, QObject* parent)
    : QObject(parent), session_(session), dataFolder_(std::move(dataFolder)) {
  session_.Hooks.DeleteAutoSave = [this] { DeleteAutoSave(); };
}

TGameLifeCycle::~TGameLifeCycle() { session_.Hooks.DeleteAutoSave = nullptr; }

QString TGameLifeCycle::AutoSavePath() const {
  return dataFolder_.isEmpty() ? QString() : QDir(dataFolder_).filePath(AutoSaveFileName);
}

void TGameLifeCycle::MakeDataFolder() {
  if (!dataFolder_.isEmpty()) QDir().mkpath(dataFolder_);
}

bool TGameLifeCycle::MaySave(bool silent) {
  if (session_.Game().Table.PileTakeOpen && !silent) {
    session_.Information("A game cannot be saved while taking the discard pile");
    return false;
  }
  if (!session_.MeldsValid()) {
    if (!silent) session_.Information("This game cannot be saved now because your meld is incorrect");
    return false;
  }
  return true;
}

QString TGameLifeCycle::Save(bool silent, const QString& presetPath) {
  if (!MaySave(silent)) return {};
  const QString path = presetPath.isEmpty() ? AutoSavePath() : presetPath;
  if (path.isEmpty()) return {};
  return Write(session_.Game(), path);
}

QString TGameLifeCycle::Write(const TGame& game, const QString& path) {
  MakeDataFolder();
  const QString error = WriteSavedGameFile(path, game.Table, game.Layout.SizeIndex,
                                           [this] { return MaskSeed(TickCount(), session_.RandomReal()); });
  if (!error.isEmpty()) {
    emit failed(error);
    return {};
  }
  return path;
}

bool TGameLifeCycle::MayLoad() {
  return !(session_.NetworkGameActive() && session_.Game().Table.GameInProgress) ||
         session_.Question("You have a network game running. Are you sure you want to load a game?");
}

bool TGameLifeCycle::CheckFile(const QString& path) {
  QString message;
  const bool valid = CheckSavedGame(path, &message);
  if (!message.isEmpty()) session_.Information(message.toStdString());
  return valid;
}

bool TGameLifeCycle::Load(const QString& path) {
  // The file is read whole beside the game; the table changes only when all of it is good.
  const TLoadOutcome outcome = ReadSavedGameFile(path, session_.Game().Table);
  if (!outcome.Loaded) {
    const std::string message = outcome.Message.toStdString();
    if (outcome.Kind == TMessageKind::Information)
      session_.Information(message);
    else if (outcome.Kind == TMessageKind::Warning)
      session_.Warning(message);
    else
      emit failed(outcome.Message);
    return false;
  }
  session_.PutSavedGame(outcome.Game);
  if (session_.NetworkGameActive()) emit loadedDuringNetworkGame();
  session_.Repaint();
  return true;
}

void TGameLifeCycle::StartFirstGame(const TStartGame& start) {
  // A match agreed in the lobby opened at start-up brings its own deal.
  if (session_.NetworkGameActive()) return;
  // A file that fails to load leaves the table empty: a hand is dealt then.
  if (!StartSavedGame(start)) session_.DealFirstHand();
}

bool TGameLifeCycle::StartSavedGame(const TStartGame& start) {
  QString path = start.SavedGame;
  if (start.FromAutoSave) path = ReadSetting(session_, Setting::AutoSave) ? AutoSavePath() : QString();
  if (path.isEmpty() || !CheckFile(path) || !MayLoad()) return false;
  session_.PlaySound("Start");
  return Load(path);
}

void TGameLifeCycle::AutoSaveAtExit() {
  if (ReadSetting(session_, Setting::AutoSave) && session_.Game().Table.GameInProgress)
    Save(true);
  else
    DeleteAutoSave();
}

void TGameLifeCycle::DeleteAutoSave() {
  if (!dataFolder_.isEmpty()) QFile::remove(AutoSavePath());
}

QString TGameLifeCycle::ParkNetworkGame(const std::string& localName, const std::string& remoteName) {
  const QString name = PlayerFileName(QString::fromStdString(localName + "_" + remoteName));
  const QString path = QDir(dataFolder_).filePath(name);
  if (session_.MeldsValid()) return Save(true, path);
  // Melds half laid are no table to come back to: the game is kept as this turn
  // stood before them, rather than lost.
  TGame turnStart(session_);
  static_cast<TGameValues&>(turnStart) = session_.Game();
  turnStart.RestoreTurnSnapshot();
  return Write(turnStart, path);
}

}  // namespace tarvelo
