#include "net/protocol/receive_buffer.h"

#include "net/protocol/framing.h"

namespace tarvelo::protocol {

TArrival TReceiveBuffer::Append(std::string_view text) {
  TArrival arrival = TArrival::Kept;
  while (!text.empty()) {
    const size_t end = text.find(MessageEnd);
    const std::string_view part = text.substr(0, end);
    if (!DroppingToEnd) {
      if (Tail.size() + part.size() > Limit) {
        Tail.clear();
        DroppingToEnd = true;
        arrival = TArrival::OverlongDropped;
      } else {
        Tail += part;
      }
    }
    if (end == std::string_view::npos) break;
    if (DroppingToEnd) {
      DroppingToEnd = false;  // the overlong message ends here; the next one is kept
    } else {
      Whole.push_back(std::move(Tail) + MessageEnd);
      Tail.clear();
    }
    text.remove_prefix(end + 1);
  }
  return arrival;
}

std::optional<std::string> TReceiveBuffer::TakeMessage() {
  if (Whole.empty()) return std::nullopt;
  std::string message = std::move(Whole.front());
  Whole.pop_front();
  return message;
}

}  // namespace tarvelo::protocol
