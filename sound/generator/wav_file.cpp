#include "sound/generator/wav_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>

namespace tarvelo {

namespace {

void Put32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
}
void Put16(std::string& out, std::uint16_t v) {
  out.push_back(static_cast<char>(v & 0xff));
  out.push_back(static_cast<char>(v >> 8));
}
std::uint32_t Get32(const std::string& s, size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(s[at + static_cast<size_t>(i)]);
  return v;
}
std::uint16_t Get16(const std::string& s, size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(s[at]) | (static_cast<unsigned char>(s[at + 1]) << 8));
}

}  // namespace

bool WriteWav(const std::string& path, const TSamples& sound) {
  const auto dataBytes = static_cast<std::uint32_t>(sound.Values.size() * 2);
  std::string out = "RIFF";
  Put32(out, 36 + dataBytes);
  out += "WAVEfmt ";
  Put32(out, 16);
  Put16(out, 1);  // PCM
  Put16(out, 1);  // mono
  Put32(out, static_cast<std::uint32_t>(sound.Rate));
  Put32(out, static_cast<std::uint32_t>(sound.Rate * 2));
  Put16(out, 2);
  Put16(out, 16);
  out += "data";
  Put32(out, dataBytes);
  for (float v : sound.Values) {
    const long s = std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f);
    Put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(s)));
  }
  std::ofstream file(path, std::ios::binary);
  file.write(out.data(), static_cast<std::streamsize>(out.size()));
  return static_cast<bool>(file);
}

TSamples ParseWav(const std::string& bytes) {
  TSamples sound;
  if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) return sound;
  size_t at = 12;
  bool pcm16Mono = false;
  while (at + 8 <= bytes.size()) {
    const std::string id = bytes.substr(at, 4);
    const std::uint32_t size = Get32(bytes, at + 4);
    const size_t body = at + 8;
    if (id == "fmt " && body + 16 <= bytes.size()) {
      pcm16Mono = Get16(bytes, body) == 1 && Get16(bytes, body + 2) == 1 && Get16(bytes, body + 14) == 16;
      sound.Rate = static_cast<int>(Get32(bytes, body + 4));
    } else if (id == "data") {
      if (!pcm16Mono) return {};
      const size_t end = std::min<size_t>(bytes.size(), body + size);
      for (size_t i = body; i + 1 < end; i += 2)
        sound.Values.push_back(static_cast<float>(static_cast<std::int16_t>(Get16(bytes, i))) / 32768.0f);
      return sound;
    }
    at = body + size + (size & 1);
  }
  return {};
}

}  // namespace tarvelo
