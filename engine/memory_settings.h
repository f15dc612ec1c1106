#pragma once

#include "engine/settings_access.h"

#include <map>
#include <string>

namespace tarvelo {

// Settings kept in memory as text, for headless play and tests.
class TMemorySettings : public TSettingsAccess {
 public:
  std::map<std::string, std::string> Values;  // lower-case path -> stored text

  int ReadInt(std::string_view path, int defaultValue) override;
  bool ReadBool(std::string_view path, bool defaultValue) override;
  std::string ReadString(std::string_view path, const std::string& defaultValue) override;
  void WriteInt(std::string_view path, int value) override { Values[Key(path)] = std::to_string(value); }
  void WriteBool(std::string_view path, bool value) override { Values[Key(path)] = value ? "1" : "0"; }
  void WriteString(std::string_view path, const std::string& value) override { Values[Key(path)] = value; }

  // Names are matched without regard to case.
  static std::string Key(std::string_view path);
};

}  // namespace tarvelo
