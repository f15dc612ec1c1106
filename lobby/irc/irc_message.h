#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvelo::irc {

// One IRC message as it travels on the wire, without its CR LF:
//
//   message  = [ "@" tags SPACE ] [ ":" prefix SPACE ] command *( SPACE param ) [ SPACE ":" trailing ]
//   tags     = tag *( ";" tag )          tag = key [ "=" escaped-value ]
//   prefix   = servername / ( nick [ "!" user ] [ "@" host ] )
//   command  = 1*letter / 3digit
//   param    = nospcrlfcl *( ":" / nospcrlfcl )    ; not empty, no space, no leading ":"
//   trailing = *( ":" / " " / nospcrlfcl )          ; may be empty, may hold spaces
//   nospcrlfcl = any byte except NUL, CR, LF, space and ":"
//
// Spaces between the parts may repeat. The part after the tags is at most 510
// bytes (512 with CR LF) unless the server announces longer lines; the tags at most 8191.
struct TIrcMessage {
  std::vector<std::pair<std::string, std::string>> Tags;
  std::string Prefix;
  std::string Command;
  std::vector<std::string> Params;

  // The nickname part of the prefix ("nick!user@host" -> "nick").
  std::string Nick() const;
  // The parameter at `index`, or an empty text when there is none.
  const std::string& Param(std::size_t index) const;
};

constexpr std::size_t MaxMessageBytes = 510;  // without CR LF, on a server that announces no other length
constexpr std::size_t MaxTagBytes = 8191;

// Nothing for a line that breaks the grammar, holds NUL, CR or LF, or is longer than `maxBytes`.
std::optional<TIrcMessage> ParseIrcLine(std::string_view line, std::size_t maxBytes = MaxMessageBytes);

// The wire form without CR LF; nothing when a part holds NUL, CR or LF, a
// middle parameter is empty, holds a space or starts with ":", the command is
// not a word or three digits, or the result is longer than `maxBytes`.
std::optional<std::string> SerializeIrcMessage(const TIrcMessage& message, std::size_t maxBytes = MaxMessageBytes);

// A message built from a command and parameters, no prefix and no tags.
TIrcMessage MakeMessage(std::string command, std::vector<std::string> params = {});

}  // namespace tarvelo::irc
