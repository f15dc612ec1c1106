#include "store/registry_tarvelo.h"

#include "store/setting_keys.h"

#include <QtDebug>

namespace tarvelo {

namespace {
QString FontPath(const QString& name, const char* field) {
  return name + QStringLiteral("\\Font.") + QLatin1String(field);
}
}  // namespace

TRegistryTarvelo::TRegistryTarvelo(const TStoreLocations& locations)
    : TRegistryEnhanced(locations.UserFile, locations.MachineFile), Locations_(locations) {}

QVariant TRegistryTarvelo::ReadSetting(const QString& path, const QVariant& defaultValue) const {
  const TSettingKey* key = FindSettingKey(path);
  if (!key) {
    qWarning() << "Not a declared setting:" << path;
    return {};
  }
  if (key->ByCaller && !defaultValue.isValid()) qWarning() << "The default of" << path << "is the caller's to give";
  const QVariant fallback = defaultValue.isValid() ? defaultValue : key->Default();
  switch (key->Kind) {
    case TSettingKind::Integer:
      return ReadValue(path, fallback.toInt());
    case TSettingKind::Boolean:
      return ReadValue(path, fallback.toBool());
    case TSettingKind::String:
      break;
  }
  return ReadValue(path, fallback.toString());
}

TFontRecord TRegistryTarvelo::ReadFont(const QString& name) const {
  TFontRecord f;
  f.Color = ReadSetting(FontPath(name, "Color")).toInt();
  f.Height = ReadSetting(FontPath(name, "Height")).toInt();
  f.Name = ReadSetting(FontPath(name, "Name")).toString();
  f.Pitch = ReadSetting(FontPath(name, "Pitch")).toInt();
  f.Size = ReadSetting(FontPath(name, "Size")).toInt();
  f.Bold = ReadSetting(FontPath(name, "Bold")).toBool();
  f.Italic = ReadSetting(FontPath(name, "Italic")).toBool();
  f.Underline = ReadSetting(FontPath(name, "Underline")).toBool();
  f.StrikeOut = ReadSetting(FontPath(name, "StrikeOut")).toBool();
  return f;
}

bool TRegistryTarvelo::WriteFont(const QString& name, const TFontRecord& font) {
  bool ok = WriteValue(FontPath(name, "Color"), font.Color);
  ok = WriteValue(FontPath(name, "Height"), font.Height) && ok;
  ok = WriteValue(FontPath(name, "Name"), font.Name) && ok;
  ok = WriteValue(FontPath(name, "Pitch"), font.Pitch) && ok;
  ok = WriteValue(FontPath(name, "Size"), font.Size) && ok;
  ok = WriteValue(FontPath(name, "Bold"), font.Bold) && ok;
  ok = WriteValue(FontPath(name, "Italic"), font.Italic) && ok;
  ok = WriteValue(FontPath(name, "Underline"), font.Underline) && ok;
  return WriteValue(FontPath(name, "StrikeOut"), font.StrikeOut) && ok;
}

TMigration TRegistryTarvelo::MigrateSettings() { return tarvelo::MigrateSettings(*this, Locations_); }

}  // namespace tarvelo
