#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace tarvelo::protocol {

// What an arrival did to the buffer.
enum class TArrival {
  Kept,
  // The message being received grew past the limit without its end: what had
  // come of it was dropped, and so is the rest of it up to its end byte. Told
  // once per such message, so that a flood gives one warning.
  OverlongDropped,
};

// Received text not yet acted on: the arrivals in order, cut into whole
// messages (each up to and including its end byte) and the incomplete tail
// that waits for more text. Arrivals may split a message anywhere or carry
// several at once.
class TReceiveBuffer {
 public:
  // The most bytes a message may hold before its end byte.
  static constexpr size_t MaxPendingBytes = 64 * 1024;

  // A smaller limit lets a fuzzer reach the dropping with short inputs.
  explicit TReceiveBuffer(size_t maxPendingBytes = MaxPendingBytes) : Limit(maxPendingBytes) {}

  [[nodiscard]] TArrival Append(std::string_view text);
  // The oldest whole message, MessageEnd included; nothing while none is whole.
  std::optional<std::string> TakeMessage();
  bool HasMessage() const { return !Whole.empty(); }
  // Bytes of the incomplete tail.
  size_t TailSize() const { return Tail.size(); }

 private:
  size_t Limit;
  std::deque<std::string> Whole;
  std::string Tail;
  bool DroppingToEnd = false;  // inside an overlong message, until its end byte
};

}  // namespace tarvelo::protocol
