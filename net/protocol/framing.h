#pragma once

#include "net/protocol/field_codecs.h"
#include "net/protocol/peer_encoder.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarvelo::protocol {

// A message on the wire: its token, FieldSeparator, its fields joined by
// FieldSeparator, then MessageEnd. Neither byte occurs inside a field.
constexpr char MessageEnd = static_cast<char>(0xFF);

// The bytes that carry a message to the peer.
std::string Framed(const TPeerMessage& message);

// Takes the first field off the front of message: the bytes up to the first
// FieldSeparator or MessageEnd, which is removed with them. Without either the
// whole rest is the field and message is left empty.
std::string_view NextField(std::string_view& message);

// A whole message (up to and including its MessageEnd) cut into its token and
// fields. What is left after the token's separator is either MessageEnd
// alone, a message without fields, or the fields: so a message of one empty
// field reads as a message without fields, as both have the same bytes.
struct TMessageParts {
  std::string_view Token;
  std::vector<std::string_view> Fields;
};
TMessageParts SplitMessage(std::string_view message);

}  // namespace tarvelo::protocol
