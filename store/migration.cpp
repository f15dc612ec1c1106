#include "store/migration.h"

#include "store/legacy_import.h"
#include "store/legacy_ini.h"
#include "store/registry_enhanced.h"
#include "store/store_locations.h"

#include <QDir>
#include <QFile>

namespace tarvelo {

namespace {

const QString kVersionPath = QStringLiteral("Settings\\Version");
const QString kLegacyFile = QStringLiteral("tarvelo.ini");

// A free name in the folder: the name itself, else name.1, name.2, ...
QString FreeName(const QDir& folder, const QString& name) {
  QString candidate = name;
  for (int n = 1; folder.exists(candidate); ++n) candidate = name + u'.' + QString::number(n);
  return candidate;
}

// Moves the files of the folder that match the patterns (without regard to
// case, as the old platform matched them) into its "Previous version" folder.
// Failures leave a file where it was; the migration goes on.
QStringList MoveAside(const QString& folderPath, const QStringList& patterns) {
  QDir folder(folderPath);
  QStringList moved;
  const QStringList names = folder.entryList(patterns, QDir::Files | QDir::Hidden);
  if (names.isEmpty() || !folder.mkpath(QString::fromLatin1(kPreviousVersionFolder))) return moved;
  const QDir aside(folder.filePath(QString::fromLatin1(kPreviousVersionFolder)));
  for (const QString& name : names)
    if (QFile::rename(folder.filePath(name), aside.filePath(FreeName(aside, name)))) moved << name;
  return moved;
}

QStringList MoveOldSavedGames(const QString& dataFolder) { return MoveAside(dataFolder, {QStringLiteral("*.tvl")}); }

// The old program kept a copy of the legacy file in its own folder.
void CopyLegacyFile(const QString& legacyFile, const QString& dataFolder) {
  if (QDir().mkpath(dataFolder)) QFile::copy(legacyFile, QDir(dataFolder).filePath(kLegacyFile));
}

}  // namespace

TMigration MigrateSettings(TRegistryEnhanced& store, const TStoreLocations& locations) {
  TMigration m;
  int version = store.ReadValue(kVersionPath, 0);
  m.FoundVersion = version;
  // A newer generation's store is left as it is: writing our number over its
  // own would make it migrate again.
  if (version >= kSettingsVersion) return m;
  m.Ran = true;

  const QString legacyFile = QDir(locations.LegacyFolder).filePath(kLegacyFile);
  TLegacyIni ini;
  // Also opened when the store names an old generation: without it there is nothing to import.
  const bool iniOpen = ini.Load(legacyFile);
  if (version == 0 && iniOpen) version = ini.Integer(QStringLiteral("Tarvelo Settings"), QStringLiteral("Version"), 0);
  m.FoundVersion = version;

  auto import = [&] {
    if (iniOpen) ImportLegacySettings(ini, store);
    m.Imported = iniOpen;
  };
  if (version <= 0) {
    // A first start: nothing to bring over.
  } else if (version < 300) {
    if (iniOpen) CopyLegacyFile(legacyFile, locations.DataFolder);
    import();
  } else if (version == 300) {
    import();
  } else if (version < 400) {
    m.MovedAside << MoveAside(locations.DataFolder, {QStringLiteral("TVL640.DLL"), QStringLiteral("TVL800.DLL"),
                                                     QStringLiteral("TVL1024.DLL"), QStringLiteral("TARVELO.INI")});
    m.MovedAside << MoveOldSavedGames(locations.DataFolder);
    import();
  } else if (version < 41499) {
    m.MovedAside << MoveOldSavedGames(locations.DataFolder);
  }
  store.WriteValue(kVersionPath, kSettingsVersion);
  return m;
}

}  // namespace tarvelo
