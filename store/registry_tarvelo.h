#pragma once

#include "store/font_record.h"
#include "store/migration.h"
#include "store/registry_enhanced.h"
#include "store/store_locations.h"

#include <QVariant>

namespace tarvelo {

// The program's settings store (the data module's rfMain): the store with the
// program's declared settings, the stored fonts and the start-up migration.
class TRegistryTarvelo : public TRegistryEnhanced {
 public:
  explicit TRegistryTarvelo(const TStoreLocations& locations);

  const TStoreLocations& Locations() const { return Locations_; }

  // A declared setting (setting_keys.h) as an int, a bool or a QString by its
  // kind, with its declared default when it is not stored. A setting whose
  // default depends on the machine ("Music\Dir", "Settings\Resolution", ...)
  // takes the default the caller computed; a given default also overrides a
  // declared one. An undeclared path gives an invalid QVariant.
  QVariant ReadSetting(const QString& path, const QVariant& defaultValue = QVariant()) const;

  TFontRecord ReadFont(const QString& name) const;
  bool WriteFont(const QString& name, const TFontRecord& font);

  // The one-time import of older generations' settings; see migration.h.
  TMigration MigrateSettings();

 private:
  TStoreLocations Locations_;
};

}  // namespace tarvelo
