#include "lobby/irc/command_pieces.h"

#include "lobby/irc/irc_text.h"

#include <array>
#include <cstdio>

namespace tarvelo::irc {
namespace {

constexpr std::array<std::uint32_t, 256> CrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t i = 0; i < 256; ++i) {
    std::uint32_t value = i;
    for (int bit = 0; bit < 8; ++bit) value = (value & 1) ? 0xEDB88320u ^ (value >> 1) : value >> 1;
    table[i] = value;
  }
  return table;
}

std::string Hex8(std::uint32_t value) {
  char text[9];
  std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(value));
  return text;
}

// Eight upper-case hex digits, or nothing.
bool ReadHex8(std::string_view text, std::uint32_t& value) {
  if (text.size() != 8) return false;
  value = 0;
  for (char c : text) {
    const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
    if (digit < 0) return false;
    value = value << 4 | static_cast<std::uint32_t>(digit);
  }
  return true;
}
}  // namespace

std::uint32_t Crc32(std::string_view bytes) {
  static constexpr auto table = CrcTable();
  std::uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char byte : bytes) crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

std::vector<std::string> CutCommand(std::string_view utf8, std::size_t pieceBytes) {
  const std::string whole = std::string(utf8) + Hex8(static_cast<std::uint32_t>(utf8.size())) + Hex8(Crc32(utf8));
  auto pieces = CutUtf8(whole, pieceBytes > 1 ? pieceBytes - 1 : 1);
  for (std::size_t i = 0; i < pieces.size(); ++i)
    pieces[i].insert(0, 1, i + 1 == pieces.size() ? LastPiece : MoreFollows);
  return pieces;
}

TCommandAssembly::TCommandAssembly(std::size_t maxBytes, std::size_t maxTotalBytes)
    : maxBytes_(maxBytes + CheckBytes), maxTotalBytes_(maxTotalBytes) {}

TCommandAssembly::TResult TCommandAssembly::Add(const std::string& sender, std::string_view piece) {
  if (piece.empty() || (piece.front() != MoreFollows && piece.front() != LastPiece)) return {};
  const bool last = piece.front() == LastPiece;
  piece.remove_prefix(1);
  auto it = partial_.try_emplace(sender).first;
  TResult result;
  if (!it->second.Spoilt) {
    if (it->second.Text.size() + piece.size() > maxBytes_ || totalBytes_ + piece.size() > maxTotalBytes_) {
      // No peer of ours sends that much at once: the rest of it is not kept either.
      result.Outcome = TOutcome::Damaged;
      totalBytes_ -= it->second.Text.size();
      it->second = {{}, true};
    } else {
      it->second.Text.append(piece);
      totalBytes_ += piece.size();
      if (last) result.Outcome = Checks(it->second.Text, result.Command) ? TOutcome::Whole : TOutcome::Damaged;
    }
  }
  if (last) Drop(it);
  return result;
}

void TCommandAssembly::Forget(const std::string& sender) {
  if (const auto it = partial_.find(sender); it != partial_.end()) Drop(it);
}

void TCommandAssembly::Drop(std::map<std::string, TPartial>::iterator it) {
  totalBytes_ -= it->second.Text.size();
  partial_.erase(it);
}

bool TCommandAssembly::Checks(std::string_view whole, std::string& command) {
  if (whole.size() < CheckBytes) return false;
  const std::string_view text = whole.substr(0, whole.size() - CheckBytes);
  std::uint32_t length = 0, crc = 0;
  if (!ReadHex8(whole.substr(text.size(), 8), length) || !ReadHex8(whole.substr(text.size() + 8), crc)) return false;
  if (length != text.size() || crc != Crc32(text)) return false;
  command = text;
  return true;
}

}  // namespace tarvelo::irc
