#include "store/store_settings.h"

#include "store/registry_enhanced.h"

#include <QString>

namespace tarvelo {

namespace {
QString Path(std::string_view path) { return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())); }
}  // namespace

int TStoreSettings::ReadInt(std::string_view path, int defaultValue) {
  return Store_.ReadValue(Path(path), defaultValue);
}

bool TStoreSettings::ReadBool(std::string_view path, bool defaultValue) {
  return Store_.ReadValue(Path(path), defaultValue);
}

std::string TStoreSettings::ReadString(std::string_view path, const std::string& defaultValue) {
  return Store_.ReadValue(Path(path), QString::fromStdString(defaultValue)).toStdString();
}

void TStoreSettings::WriteInt(std::string_view path, int value) { Store_.WriteValue(Path(path), value); }

void TStoreSettings::WriteBool(std::string_view path, bool value) { Store_.WriteValue(Path(path), value); }

void TStoreSettings::WriteString(std::string_view path, const std::string& value) {
  Store_.WriteValue(Path(path), QString::fromStdString(value));
}

}  // namespace tarvelo
