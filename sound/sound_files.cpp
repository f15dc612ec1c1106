#include "sound/sound_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tarvelo {

std::string ProgramDataFolder() { return DataFolderBeside(QCoreApplication::applicationDirPath().toStdString()); }

std::string DataFolderBeside(const std::string& binaryFolder) {
  return QDir::cleanPath(QString::fromStdString(binaryFolder) + "/../share/tarvelo").toStdString();
}

std::string ResolveSoundFile(const std::string& name, const std::string& folder) {
  const QString file = QString::fromStdString(name);
  if (file.isEmpty() || file.contains(u'/')) return name;
  return QDir(QString::fromStdString(folder)).filePath(file).toStdString();
}

bool IsPlayableFile(const std::string& path) {
  const QFileInfo info(QString::fromStdString(path));
  return info.isFile() && info.isReadable();
}

std::vector<std::string> MidiFilesIn(const std::string& folder) {
  QDir dir(QString::fromStdString(folder));
  dir.setNameFilters({"*.mid"});
  // Files only (a folder named "x.mid" is not a piece); the pattern matches in any case.
  dir.setFilter(QDir::Files | QDir::Readable);
  dir.setSorting(QDir::Name);
  std::vector<std::string> files;
  for (const QFileInfo& info : dir.entryInfoList()) files.push_back(info.absoluteFilePath().toStdString());
  return files;
}

}  // namespace tarvelo
