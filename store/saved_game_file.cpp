#include "store/saved_game_file.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace tarvelo {

namespace {
// Far above any real saved game (about 40 kilobytes at most).
constexpr qint64 MaxFileSize = 4 * 1024 * 1024;
constexpr int MaxNameBytes = 250;
}  // namespace

QString NotSavedGameText(const QString& path) { return path.toUpper() + " : this file is not a Tarvelo saved game"; }

QString VersionErrorText(const QString& path) {
  return "Version error. The file " + path + " cannot be read by Tarvelo.";
}

QString LoadErrorText() { return "An error occurred while loading the file; the game cannot be opened."; }

QString RangeErrorText(const std::string& detail) { return "Range check error: " + QString::fromStdString(detail); }

QString WriteErrorText(const QString& path, int error) {
  return path + ": " + QString::fromLocal8Bit(std::strerror(error));
}

bool CheckSavedGame(const QString& path, QString* message) {
  const QFileInfo info(path);
  if (!info.exists() || info.isDir()) return false;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (message) *message = LoadErrorText();
    return false;
  }
  const QByteArray start = file.read(SavedGameMagic.size());
  if (start.toStdString() == SavedGameMagic) return true;
  if (message) *message = NotSavedGameText(path);
  return false;
}

QString PlayerFileName(const QString& playerName) {
  static const QString dropped = QStringLiteral("\"*:<>?\\/");
  QString name;
  int bytes = 0;
  for (const uint c : playerName.toUcs4()) {
    if (c < 32 || c == 127 || dropped.contains(QChar(c))) continue;
    const QString character = QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
    bytes += character.toUtf8().size();
    if (bytes > MaxNameBytes) break;
    name += character;
  }
  if (name.isEmpty() || name == "." || name == "..") name = "player";
  return name + ".tvl";
}

TLoadOutcome ReadSavedGameFile(const QString& path, const TTableState& base) {
  TLoadOutcome outcome;
  QFile file(path);
  if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
    outcome.Message = LoadErrorText();
    return outcome;
  }
  const QByteArray text = file.read(MaxFileSize + 1);
  if (text.size() > MaxFileSize || file.error() != QFileDevice::NoError) {
    outcome.Message = LoadErrorText();
    return outcome;
  }
  TReadResult read = ReadSavedGame(std::string_view(text.constData(), text.size()), base);
  switch (read.Fault) {
    case TReadFault::None:
      outcome.Loaded = true;
      outcome.Game = std::move(read.Game);
      break;
    case TReadFault::NotSavedGame:
      outcome.Kind = TMessageKind::Information;
      outcome.Message = NotSavedGameText(path);
      break;
    case TReadFault::Version:
      outcome.Kind = TMessageKind::Warning;
      outcome.Message = VersionErrorText(path);
      break;
    case TReadFault::Input:
      outcome.Message = LoadErrorText();
      break;
    case TReadFault::Range:
      outcome.Message = RangeErrorText(read.Detail);
      break;
  }
  return outcome;
}

QString WriteSavedGameFile(const QString& path, const TTableState& table, int sizeIndex, const TSeedSource& seeds,
                           TFileSteps& steps) {
  const std::string text = WriteSavedGame(table, sizeIndex, seeds);
  // A table that would not load again is not written over a good file.
  const TReadResult check = ReadSavedGame(text, table);
  if (check.Fault != TReadFault::None) return "This game cannot be saved. " + RangeErrorText(check.Detail);
  // One write per line, each followed by its line end.
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find('\n', start);
    const std::size_t next = end == std::string::npos ? text.size() : end + 1;
    lines.push_back(text.substr(start, next - start));
    start = next;
  }
  const int error = ReplaceFile(QFile::encodeName(path).toStdString(), lines, steps);
  return error == 0 ? QString() : WriteErrorText(path, error);
}

}  // namespace tarvelo
