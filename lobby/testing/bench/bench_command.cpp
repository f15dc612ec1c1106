#include "lobby/testing/bench/bench_command.h"

#include <charconv>

namespace tarvelo::bench {
namespace {

std::uint32_t Fnv1a(std::string_view bytes, std::uint32_t hash = 2166136261u) {
  for (unsigned char c : bytes) hash = (hash ^ c) * 16777619u;
  return hash;
}

std::string Header(const TCommandStamp& stamp, std::size_t payloadBytes) {
  return std::to_string(stamp.Sequence) + ":" + std::to_string(stamp.SentUs) + ":" + std::to_string(payloadBytes) + ":";
}

std::string Hex8(std::uint32_t value) {
  static const char hex[] = "0123456789abcdef";
  std::string out(8, '0');
  for (int i = 7; i >= 0; --i, value >>= 4) out[static_cast<std::size_t>(i)] = hex[value & 0x0F];
  return out;
}

// Bytes a game's command is made of; never NUL, CR or LF, which no command carries.
char GameByte(std::mt19937& random) {
  static const std::string_view plain = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 ,.;-+*/=";
  const unsigned roll = random() % 100;
  if (roll < 8) return static_cast<char>(0xFE);
  if (roll < 12) return static_cast<char>(0xFF);
  if (roll < 30) return static_cast<char>(0x80 + random() % 0x7E);  // any other high byte
  return plain[random() % plain.size()];
}

template <typename T>
bool ReadNumber(std::string_view& text, T& value) {
  const auto end = text.find(':');
  if (end == std::string_view::npos) return false;
  const auto [ptr, error] = std::from_chars(text.data(), text.data() + end, value);
  if (error != std::errc() || ptr != text.data() + end) return false;
  text.remove_prefix(end + 1);
  return true;
}

}  // namespace

std::string MakeCommand(const TCommandStamp& stamp, std::size_t totalBytes, std::mt19937& random) {
  // The header's length depends on the payload's: settle it, then fill.
  std::size_t payloadBytes = 0;
  for (int i = 0; i < 3; ++i) {
    const std::size_t fixed = Header(stamp, payloadBytes).size() + 8 + 1;
    payloadBytes = totalBytes > fixed ? totalBytes - fixed : 0;
  }
  std::string payload(payloadBytes, ' ');
  for (char& c : payload) c = GameByte(random);
  const std::string header = Header(stamp, payloadBytes);
  return header + Hex8(Fnv1a(payload, Fnv1a(header))) + "|" + payload;
}

TCheckedCommand CheckCommand(std::string_view text) {
  TCheckedCommand checked;
  const std::string_view whole = text;
  TCommandStamp stamp;
  std::size_t payloadBytes = 0;
  if (!ReadNumber(text, stamp.Sequence) || !ReadNumber(text, stamp.SentUs) || !ReadNumber(text, payloadBytes))
    return checked;
  checked.Stamp = stamp;
  const std::string_view header = whole.substr(0, whole.size() - text.size());
  if (text.size() < 9 || text[8] != '|') return checked;
  const std::string_view sum = text.substr(0, 8), payload = text.substr(9);
  checked.Whole = payload.size() == payloadBytes && sum == Hex8(Fnv1a(payload, Fnv1a(header)));
  return checked;
}

}  // namespace tarvelo::bench
