#include "lobby/irc/event_text.h"

#include <algorithm>

namespace tarvelo::irc {

TEventText ReadEventText(std::string_view text) {
  TEventText out;
  const std::string_view line = text.substr(0, std::min(text.find('\r'), text.size()));
  out.Line = std::string(line);
  const std::size_t space = line.find(' ');
  out.First = std::string(line.substr(0, space));
  if (space != line.npos) out.Rest = std::string(line.substr(space + 1));
  return out;
}

}  // namespace tarvelo::irc
