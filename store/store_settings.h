#pragma once

#include <string>
#include <string_view>

namespace tarvelo {

class TRegistryEnhanced;

// The engine's settings calls answered by the store: the table window's host
// forwards its ReadInt, ReadBool, ReadString, WriteInt and WriteBool here.
// Paths and texts are UTF-8.
class TStoreSettings {
 public:
  explicit TStoreSettings(TRegistryEnhanced& store) : Store_(store) {}

  int ReadInt(std::string_view path, int defaultValue) const;
  bool ReadBool(std::string_view path, bool defaultValue) const;
  std::string ReadString(std::string_view path, const std::string& defaultValue) const;
  void WriteInt(std::string_view path, int value);
  void WriteBool(std::string_view path, bool value);

 private:
  TRegistryEnhanced& Store_;
};

}  // namespace tarvelo
