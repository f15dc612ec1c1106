#include "lobby/irc/irc_text.h"

namespace tarvelo::irc {
namespace {

bool IsLetterOrDigit(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;  // lower case is never written, so it never reads back
}

// The length of the UTF-8 sequence that starts with `lead`, 0 for a byte that starts none.
std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

std::size_t EscapedLength(unsigned char c, bool first) {
  const bool kept = IsLetterOrDigit(c) || c == '_' || c == '-';
  const bool leadingBad = first && ((c >= '0' && c <= '9') || c == '-');
  return kept && !leadingBad ? 1 : 3;
}

}  // namespace

std::string Latin1ToUtf8(std::string_view latin1) {
  std::string out;
  out.reserve(latin1.size() * 2);
  for (unsigned char c : latin1) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::string Utf8ToLatin1(std::string_view utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t length = SequenceLength(lead);
    bool valid = length > 0 && i + length <= utf8.size();
    for (std::size_t k = 1; valid && k < length; ++k) valid = IsContinuation(static_cast<unsigned char>(utf8[i + k]));
    if (!valid) {
      out += static_cast<char>(lead);
      ++i;
      continue;
    }
    if (length == 1) {
      out += static_cast<char>(lead);
    } else if (length == 2) {
      const unsigned code = ((lead & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
      out += code <= 0xFF ? static_cast<char>(code) : '?';
    } else {
      out += '?';
    }
    i += length;
  }
  return out;
}

std::string EscapeIrcName(std::string_view latin1) {
  static const char hex[] = "0123456789ABCDEF";
  std::string out;
  for (std::size_t i = 0; i < latin1.size(); ++i) {
    const auto c = static_cast<unsigned char>(latin1[i]);
    if (EscapedLength(c, i == 0) == 1) {
      out += static_cast<char>(c);
    } else {
      out += '\\';
      out += hex[c >> 4];
      out += hex[c & 0x0F];
    }
  }
  return out;
}

std::string UnescapeIrcName(std::string_view wire) {
  std::string out;
  for (std::size_t i = 0; i < wire.size(); ++i) {
    if (wire[i] == '\\' && i + 2 < wire.size() && HexValue(wire[i + 1]) >= 0 && HexValue(wire[i + 2]) >= 0) {
      out += static_cast<char>(HexValue(wire[i + 1]) * 16 + HexValue(wire[i + 2]));
      i += 2;
    } else {
      out += wire[i];
    }
  }
  return out;
}

std::string StripLineBreaks(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c != '\r' && c != '\n' && c != '\0') out += c;
  }
  return out;
}

std::vector<std::string> CutUtf8(std::string_view utf8, std::size_t maxBytes) {
  std::vector<std::string> pieces;
  while (!utf8.empty()) {
    std::size_t end = std::min(maxBytes, utf8.size());
    // Step back over continuation bytes so the cut falls before a character's start.
    while (end > 0 && end < utf8.size() && IsContinuation(static_cast<unsigned char>(utf8[end]))) --end;
    if (end == 0) end = std::min(maxBytes, utf8.size());  // no boundary at all: cut the bytes
    pieces.emplace_back(utf8.substr(0, end));
    utf8.remove_prefix(end);
  }
  return pieces;
}

std::string CapEscapedName(std::string_view name, std::size_t maxBytes, std::size_t extraBytes) {
  std::size_t used = extraBytes;
  std::size_t kept = 0;
  for (; kept < name.size(); ++kept) {
    const std::size_t next = EscapedLength(static_cast<unsigned char>(name[kept]), kept == 0);
    if (used + next > maxBytes) break;
    used += next;
  }
  return std::string(name.substr(0, kept));
}

}  // namespace tarvelo::irc
