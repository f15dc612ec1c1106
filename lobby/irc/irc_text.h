#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvelo::irc {

// The lobby's calls and events carry 8-bit text (Latin-1); the wire carries UTF-8.
std::string Latin1ToUtf8(std::string_view latin1);
// A character above U+00FF becomes "?"; a byte that is not valid UTF-8 is taken as Latin-1.
std::string Utf8ToLatin1(std::string_view utf8);

// Nicknames and room names on IRC: letters, digits, "_" and "-" stay; every
// other byte, and a leading digit or "-", becomes a backslash and two
// upper-case hex digits. IRC folds []\{}|^~ into each other's case, so only
// letters are left for it to fold, and two names typed differently in
// anything but letter case never meet as one.
std::string EscapeIrcName(std::string_view latin1);
// The name as typed; a text that is not a valid escape stays as it is.
std::string UnescapeIrcName(std::string_view wire);

// What a user or a peer supplies never carries a line break or NUL onto the wire.
std::string StripLineBreaks(std::string_view text);

// Cuts UTF-8 text into pieces of at most `maxBytes` bytes, never inside a character.
std::vector<std::string> CutUtf8(std::string_view utf8, std::size_t maxBytes);

// The longest start of `name` (Latin-1) whose escaped form plus `extraBytes` fits in `maxBytes`.
std::string CapEscapedName(std::string_view name, std::size_t maxBytes, std::size_t extraBytes = 0);

}  // namespace tarvelo::irc
