#pragma once

#include "session/session.h"

#include <QObject>
#include <QString>

#include <string>

namespace tarvelo {

// Which game the run starts with: the auto-save of the last exit (when the
// setting keeps one), or the saved game the program was started with. A start
// with arguments that name no saved game begins with a deal.
struct TStartGame {
  bool FromAutoSave = true;
  QString SavedGame;  // a file named at start; used when FromAutoSave is false
};

// The game's life across runs, with its files in the data folder: the game the
// run starts with, the auto-save at exit, the saved games written and read,
// and a network game parked when its connection is lost. Messages go through
// the session's display; a failure to write or read is signalled, and the
// window shows it.
class TGameLifeCycle : public QObject {
  Q_OBJECT
 public:
  TGameLifeCycle(TSession& session, QString dataFolder, QObject* parent = nullptr);
  ~TGameLifeCycle() override;

  const QString& DataFolder() const { return dataFolder_; }
  QString AutoSavePath() const;
  // Made when first needed (a first run has none): the file dialogs open in it.
  void MakeDataFolder();

  // The game could be saved now. Asked by the player (not silent), the reason
  // it cannot is shown; a take of the pile stops only such a save.
  bool MaySave(bool silent);
  // Writes the game to `path`, the auto-save file when empty, once MaySave(silent)
  // holds. Returns the path written, or an empty text.
  QString Save(bool silent, const QString& path = {});
  // During a network game the player confirms that a loaded game replaces it.
  bool MayLoad();
  // The file exists and is a saved game; the message of another file is shown.
  bool CheckFile(const QString& path);
  // Puts the saved game at `path` on the table when the whole file is good.
  bool Load(const QString& path);

  // At start-up: the game the run starts with, or a deal when there is none.
  void StartFirstGame(const TStartGame& start);
  bool StartSavedGame(const TStartGame& start);
  // At exit: the game in progress is kept for the next start, or the old file goes.
  void AutoSaveAtExit();
  void DeleteAutoSave();
  // A network game whose connection was lost, saved as local_remote.tvl: the
  // path, or empty. With melds that could not be saved, the table as the turn began.
  QString ParkNetworkGame(const std::string& localName, const std::string& remoteName);

 signals:
  // A file could not be written or read; the text says why.
  void failed(const QString& message);
  // A game was put on the table during a network game: the peer is sent it.
  void loadedDuringNetworkGame();

 private:
  // Writes the game's table to `path`; the path, or empty (and failed) when it could not be written.
  QString Write(const TGame& game, const QString& path);

  TSession& session_;
  QString dataFolder_;
};

}  // namespace tarvelo
