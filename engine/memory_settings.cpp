#include "engine/memory_settings.h"

#include <cctype>
#include <charconv>

namespace tarvelo {

std::string TMemorySettings::Key(std::string_view path) {
  std::string key(path);
  for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return key;
}

int TMemorySettings::ReadInt(std::string_view path, int defaultValue) {
  const auto it = Values.find(Key(path));
  if (it == Values.end()) return defaultValue;
  int value = 0;
  const std::string& text = it->second;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() ? value : defaultValue;
}

bool TMemorySettings::ReadBool(std::string_view path, bool defaultValue) {
  return ReadInt(path, defaultValue ? 1 : 0) != 0;
}

std::string TMemorySettings::ReadString(std::string_view path, const std::string& defaultValue) {
  const auto it = Values.find(Key(path));
  return it == Values.end() ? defaultValue : it->second;
}

}  // namespace tarvelo
