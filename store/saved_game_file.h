#pragma once

#include "store/file_replace.h"
#include "store/saved_game_format.h"

#include <QString>

namespace tarvelo {

constexpr const char* AutoSaveFileName = "autosave.tvl";

// Texts of the saved-game messages.
QString NotSavedGameText(const QString& path);
QString VersionErrorText(const QString& path);
QString LoadErrorText();
QString RangeErrorText(const std::string& detail);
QString WriteErrorText(const QString& path, int error);

// True when the file exists and begins with the magic of a saved game. When it
// exists and is something else, `message` gets the text to show.
bool CheckSavedGame(const QString& path, QString* message);

// A file name made from a player's name: the characters that a file name cannot
// hold (" * : < > ? \ / and control characters) are dropped, the name is cut
// to 250 bytes, and ".tvl" is appended. A name that leaves nothing, "." or ".."
// gives "player.tvl".
QString PlayerFileName(const QString& playerName);

// How a message about a saved game is shown.
enum class TMessageKind { Information, Warning, Error };

struct TLoadOutcome {
  bool Loaded = false;
  TMessageKind Kind = TMessageKind::Error;
  QString Message;  // when not loaded
  TSavedGame Game;  // when loaded
};

// Reads a whole saved-game file onto a copy of `base`; nothing of `base` changes.
TLoadOutcome ReadSavedGameFile(const QString& path, const TTableState& base);

// Writes the table as a saved game laid out for `sizeIndex`. The file takes the
// place of `path` only once it is whole. Returns an empty text or the error message.
QString WriteSavedGameFile(const QString& path, const TTableState& table, int sizeIndex, const TSeedSource& seeds,
                           TFileSteps& steps = SystemFileSteps());

}  // namespace tarvelo
