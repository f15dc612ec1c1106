#include "net/protocol/tokens.h"

#include <array>

namespace tarvelo::protocol {

namespace {
constexpr std::array<std::string_view, TokenCount> TokenNames = {
    "OK",          "SENDAGAIN",    "QUIT",     "CHAT",         "PLAYERID",
    "DEAL",        "MELD",         "UN",       "DISCARD",      "DRAWNEW",
    "DRAWPILETOP", "DRAWPILEREST", "UNDOPILE", "MELDWILDCARD", "DISCARDREDTHREE",
    "PASSDISCARD", "RULES",        "NEWGAME",  "HANDOVER",     "UNKNOWN",
    "LOADGAME",
};
}  // namespace

TTokenCode TokenCode(std::string_view name) {
  for (int code = TokenCount - 1; code >= 0; --code)
    if (TokenNames[code] == name) return static_cast<TTokenCode>(code);
  return TTokenCode::Unknown;
}

std::string_view TokenName(TTokenCode code) {
  const auto index = static_cast<size_t>(code);
  return index < TokenNames.size() ? TokenNames[index] : TokenNames[static_cast<size_t>(TTokenCode::Unknown)];
}

}  // namespace tarvelo::protocol
