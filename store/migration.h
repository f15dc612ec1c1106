#pragma once

#include <QString>
#include <QStringList>

namespace tarvelo {

class TRegistryEnhanced;
struct TStoreLocations;

// "Settings\Version" of this generation; never renumber.
inline constexpr int kSettingsVersion = 50001;
// The folder (inside the data folder) that files of the older generations are moved into.
inline constexpr char kPreviousVersionFolder[] = "Previous version";

struct TMigration {
  bool Ran = false;        // false when the store was of this generation (or a newer one) already
  int FoundVersion = 0;    // the store's generation, else the legacy file's; 0 when neither had one
  bool Imported = false;   // the legacy file's settings were imported
  QStringList MovedAside;  // the old files now in the "Previous version" folder
};

// Brings the settings of an older generation into the store, once: run at
// every start before any setting is read. The legacy file "tarvelo.ini" is
// looked for in the legacy folder. Old saved games and program files are moved
// aside into the data folder's "Previous version" folder, never deleted.
TMigration MigrateSettings(TRegistryEnhanced& store, const TStoreLocations& locations);

}  // namespace tarvelo
