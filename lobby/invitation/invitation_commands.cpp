#include "lobby/invitation/invitation_commands.h"

#include <algorithm>

namespace tarvelo::invitation {
namespace {

constexpr std::string_view NickKey = "#NICK=";

std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

char FoldedLetter(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

TCommandKind KindOf(std::string_view text) {
  if (text.starts_with("INVITE_REQUEST")) return TCommandKind::Request;
  if (text.find("INVITE_ACCEPT") != text.npos) return TCommandKind::Accept;
  if (text.find("INVITE_DECLINED") != text.npos) return TCommandKind::Declined;
  if (text.find("INVITE_CONFIRMED") != text.npos) return TCommandKind::Confirmed;
  if (text.find("INVITE_CANCELED") != text.npos) return TCommandKind::Canceled;
  return TCommandKind::Other;
}

}  // namespace

std::string RequestCommand(std::string_view ownNick) {
  return "INVITE_REQUEST" + std::string(NickKey) + std::string(ownNick) + "##";
}

std::string AcceptCommand(std::string_view ownNick) {
  return "INVITE_ACCEPT" + std::string(NickKey) + std::string(ownNick) + "##";
}

TCommand ReadCommand(std::string_view text) {
  text = Trimmed(text);
  TCommand command{KindOf(text), std::nullopt};
  const std::size_t key = text.find(NickKey);
  if (key != text.npos) {
    const std::string_view rest = text.substr(key + NickKey.size());
    command.Nick = std::string(rest.substr(0, rest.find('#')));
  }
  return command;
}

bool SameNick(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return FoldedLetter(x) == FoldedLetter(y); });
}

}  // namespace tarvelo::invitation
