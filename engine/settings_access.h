#pragma once

#include <string>
#include <string_view>

namespace tarvelo {

// Stored settings by their backslash paths ("Settings\Sound"), each read with
// the default that applies when the value is absent or unreadable. Names are
// matched without regard to case.
class TSettingsAccess {
 public:
  virtual ~TSettingsAccess() = default;
  virtual int ReadInt(std::string_view path, int defaultValue) = 0;
  virtual bool ReadBool(std::string_view path, bool defaultValue) = 0;
  virtual std::string ReadString(std::string_view path, const std::string& defaultValue) = 0;
  virtual void WriteInt(std::string_view path, int value) = 0;
  virtual void WriteBool(std::string_view path, bool value) = 0;
  virtual void WriteString(std::string_view path, const std::string& value) = 0;
};

}  // namespace tarvelo
