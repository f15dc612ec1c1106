#include "lobby/irc/irc_message.h"

#include <algorithm>

namespace tarvelo::irc {
namespace {

bool HasLineBreakOrNul(std::string_view text) { return text.find_first_of(std::string_view("\0\r\n", 3)) != text.npos; }

bool IsCommand(std::string_view command) {
  if (command.empty()) return false;
  const bool letters = std::all_of(command.begin(), command.end(),
                                   [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); });
  const bool numeric =
      command.size() == 3 && std::all_of(command.begin(), command.end(), [](char c) { return c >= '0' && c <= '9'; });
  return letters || numeric;
}

// The next word up to a space; `rest` moves past it and the spaces after it.
std::string_view TakeWord(std::string_view& rest) {
  const std::size_t end = std::min(rest.find(' '), rest.size());
  const std::string_view word = rest.substr(0, end);
  rest.remove_prefix(end);
  while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
  return word;
}

std::string UnescapeTagValue(std::string_view value) {
  std::string out;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\') {
      out += value[i];
      continue;
    }
    if (++i == value.size()) break;  // a lone backslash at the end is dropped
    switch (value[i]) {
      case ':':
        out += ';';
        break;
      case 's':
        out += ' ';
        break;
      case 'r':
      case 'n':
        break;  // a line break never enters a value
      default:
        out += value[i];
        break;
    }
  }
  return out;
}

std::vector<std::pair<std::string, std::string>> ParseTags(std::string_view tags) {
  std::vector<std::pair<std::string, std::string>> out;
  while (!tags.empty()) {
    const std::size_t end = std::min(tags.find(';'), tags.size());
    const std::string_view tag = tags.substr(0, end);
    tags.remove_prefix(std::min(end + 1, tags.size()));
    if (tag.empty()) continue;
    const std::size_t eq = tag.find('=');
    if (eq == tag.npos) {
      out.emplace_back(std::string(tag), std::string());
    } else {
      out.emplace_back(std::string(tag.substr(0, eq)), UnescapeTagValue(tag.substr(eq + 1)));
    }
  }
  return out;
}

std::string EscapeTagValue(std::string_view value) {
  std::string out;
  for (char c : value) {
    switch (c) {
      case ';':
        out += "\\:";
        break;
      case ' ':
        out += "\\s";
        break;
      case '\\':
        out += "\\\\";
        break;
      default:
        out += c;
        break;
    }
  }
  return out;
}

}  // namespace

std::string TIrcMessage::Nick() const { return Prefix.substr(0, Prefix.find_first_of("!@")); }

const std::string& TIrcMessage::Param(std::size_t index) const {
  static const std::string none;
  return index < Params.size() ? Params[index] : none;
}

std::optional<TIrcMessage> ParseIrcLine(std::string_view line, std::size_t maxBytes) {
  if (HasLineBreakOrNul(line)) return std::nullopt;
  TIrcMessage message;
  std::string_view rest = line;
  if (!rest.empty() && rest.front() == '@') {
    rest.remove_prefix(1);
    const std::string_view tags = TakeWord(rest);
    if (tags.size() > MaxTagBytes) return std::nullopt;
    message.Tags = ParseTags(tags);
  }
  if (rest.size() > maxBytes) return std::nullopt;
  while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
  if (!rest.empty() && rest.front() == ':') {
    rest.remove_prefix(1);
    message.Prefix = std::string(TakeWord(rest));
    if (message.Prefix.empty()) return std::nullopt;
  }
  message.Command = std::string(TakeWord(rest));
  if (!IsCommand(message.Command)) return std::nullopt;
  while (!rest.empty()) {
    if (rest.front() == ':') {
      message.Params.emplace_back(rest.substr(1));
      break;
    }
    message.Params.emplace_back(TakeWord(rest));
  }
  return message;
}

std::optional<std::string> SerializeIrcMessage(const TIrcMessage& message, std::size_t maxBytes) {
  if (!IsCommand(message.Command) || HasLineBreakOrNul(message.Prefix)) return std::nullopt;
  if (message.Prefix.find(' ') != std::string::npos) return std::nullopt;
  std::string tags;
  for (const auto& [key, value] : message.Tags) {
    if (key.empty() || key.find_first_of(" ;=") != key.npos || HasLineBreakOrNul(key) || HasLineBreakOrNul(value)) {
      return std::nullopt;
    }
    tags += (tags.empty() ? "@" : ";") + key + (value.empty() ? "" : "=" + EscapeTagValue(value));
  }
  if (tags.size() > MaxTagBytes + 1) return std::nullopt;
  std::string out = message.Prefix.empty() ? std::string() : ":" + message.Prefix + " ";
  out += message.Command;
  for (std::size_t i = 0; i < message.Params.size(); ++i) {
    const std::string& param = message.Params[i];
    if (HasLineBreakOrNul(param)) return std::nullopt;
    const bool needsTrailing = param.empty() || param.front() == ':' || param.find(' ') != param.npos;
    if (needsTrailing && i + 1 != message.Params.size()) return std::nullopt;
    out += needsTrailing ? " :" : " ";
    out += param;
  }
  if (out.size() > maxBytes) return std::nullopt;
  return tags.empty() ? out : tags + " " + out;
}

TIrcMessage MakeMessage(std::string command, std::vector<std::string> params) {
  TIrcMessage message;
  message.Command = std::move(command);
  message.Params = std::move(params);
  return message;
}

}  // namespace tarvelo::irc
