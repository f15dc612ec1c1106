#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvelo::invitation {

// The private commands two players agree a match with: "#" separates keys and
// every command ends with "##".
inline constexpr char DeclinedCommand[] = "INVITE_DECLINED##";
inline constexpr char ConfirmedCommand[] = "INVITE_CONFIRMED##";
inline constexpr char CanceledCommand[] = "INVITE_CANCELED##";
std::string RequestCommand(std::string_view ownNick);  // "INVITE_REQUEST#NICK=<own>##"
std::string AcceptCommand(std::string_view ownNick);   // "INVITE_ACCEPT#NICK=<own>##"

enum class TCommandKind { Other, Request, Accept, Declined, Confirmed, Canceled };

struct TCommand {
  TCommandKind Kind = TCommandKind::Other;
  std::optional<std::string> Nick;  // the "#NICK=" value up to the next "#", when the text has one
};

// A received command, blanks around it removed. A request counts only at the
// start of the text; the other keywords anywhere, tried in the order of the
// kinds above, so a text that holds two is read as the first.
TCommand ReadCommand(std::string_view text);

// The server folds nicknames, and the lobby escapes every byte of a name but
// ASCII letters, digits, "_" and "-": so two names are one user exactly when
// they differ only in the case of ASCII letters.
bool SameNick(std::string_view a, std::string_view b);

}  // namespace tarvelo::invitation
