#include "net/protocol/framing.h"

namespace tarvelo::protocol {

std::string Framed(const TPeerMessage& message) {
  return message.Token + FieldSeparator + message.Payload + MessageEnd;
}

std::string_view NextField(std::string_view& message) {
  const size_t end = message.find_first_of(std::string_view("\xFE\xFF", 2));
  const std::string_view field = message.substr(0, end);
  message.remove_prefix(end == std::string_view::npos ? message.size() : end + 1);
  return field;
}

TMessageParts SplitMessage(std::string_view message) {
  TMessageParts parts;
  parts.Token = NextField(message);
  if (message == std::string_view(&MessageEnd, 1)) return parts;
  while (!message.empty()) parts.Fields.push_back(NextField(message));
  return parts;
}

}  // namespace tarvelo::protocol
