#pragma once

#include "engine/settings_access.h"

#include <string>
#include <string_view>

namespace tarvelo {

class TRegistryEnhanced;

// The engine's settings calls answered by the store: the table window's host
// forwards its reads and writes here. Paths and texts are UTF-8.
class TStoreSettings : public TSettingsAccess {
 public:
  explicit TStoreSettings(TRegistryEnhanced& store) : Store_(store) {}

  int ReadInt(std::string_view path, int defaultValue) override;
  bool ReadBool(std::string_view path, bool defaultValue) override;
  std::string ReadString(std::string_view path, const std::string& defaultValue) override;
  void WriteInt(std::string_view path, int value) override;
  void WriteBool(std::string_view path, bool value) override;
  void WriteString(std::string_view path, const std::string& value) override;

 private:
  TRegistryEnhanced& Store_;
};

}  // namespace tarvelo
