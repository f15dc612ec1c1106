#pragma once

#include <string>
#include <string_view>

namespace tarvelo::irc {

// An event's text read as the lobby window reads it: the first word (a sender
// or a name) up to the first space or CR, and the rest after that space up to
// the CR. "bob hello there\r" -> "bob", "hello there"; "LOBBY-Tarvelo501\r" ->
// "LOBBY-Tarvelo501", "".
struct TEventText {
  std::string First;
  std::string Rest;
  std::string Line;  // the whole text up to the CR
};
TEventText ReadEventText(std::string_view text);

}  // namespace tarvelo::irc
