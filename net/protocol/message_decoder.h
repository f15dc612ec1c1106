#pragma once

#include "net/protocol/received_messages.h"

#include <string>
#include <string_view>
#include <variant>

namespace tarvelo::protocol {

// Why a received message is not acted on: one reason for the whole message.
struct TMessageRefusal {
  enum TKind {
    UnknownToken,  // a token outside the table
    Malformed,     // a known token whose fields are not what it carries
  };
  TKind Kind = Malformed;
  std::string Reason;
};

using TDecoded = std::variant<TMessageRefusal, TReceivedMessage>;

// Checks a whole message (as TReceiveBuffer gives it, up to and including its
// end byte) and gives its values, or the reason it is refused. Nothing is
// given unless every field is right: the number of fields its token carries
// (a field more is refused as well, rather than read as a further message,
// since a message of ours never has one), card ids 1..55, columns 0..13, a
// deal that fills every stock slot once, the rule string's thirteen fields,
// the loaded game's thirteen sections.
TDecoded DecodeMessage(std::string_view message);

}  // namespace tarvelo::protocol
