// Feeds arbitrary bytes to the receive path of peer messages: the text arrives
// in pieces of sizes the first byte chooses, the receive buffer cuts it into
// whole messages, and each is given its token's code and decoded. Besides
// crashes, it checks what the buffer promises: whole messages only, in order,
// nothing lost while no message grew too long, the tail within its limit.
#include "net/protocol/framing.h"
#include "net/protocol/message_decoder.h"
#include "net/protocol/receive_buffer.h"
#include "net/protocol/tokens.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace tarvelo::protocol;

namespace {
// Small, so that short inputs reach the dropping of an overlong message.
constexpr size_t FuzzLimit = 200;

void Check(bool holds) {
  if (!holds) std::abort();
}

void ActOn(const std::string& message) {
  Check(!message.empty() && message.back() == MessageEnd && message.find(MessageEnd) == message.size() - 1);
  std::string_view rest = message;
  const TTokenCode code = TokenCode(NextField(rest));
  const TDecoded decoded = DecodeMessage(message);
  if (const auto* refusal = std::get_if<TMessageRefusal>(&decoded))
    Check(!refusal->Reason.empty() &&
          (refusal->Kind == TMessageRefusal::UnknownToken) == (code == TTokenCode::Unknown));
  else
    Check(code != TTokenCode::Unknown);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // 0: all in one arrival; n: arrivals of 1, 2, .. n bytes, over again.
  const size_t longest = data[0];
  const std::string_view stream(reinterpret_cast<const char*>(data + 1), size - 1);
  TReceiveBuffer buffer(FuzzLimit);
  std::string taken;
  bool dropped = false;
  size_t from = 0;
  for (size_t piece = 1; from < stream.size(); piece = piece % (longest == 0 ? 1 : longest) + 1) {
    const size_t length = longest == 0 ? stream.size() : piece;
    dropped |= buffer.Append(stream.substr(from, length)) == TArrival::OverlongDropped;
    from += length;
    while (const std::optional<std::string> message = buffer.TakeMessage()) {
      ActOn(*message);
      taken += *message;
    }
    Check(buffer.TailSize() <= FuzzLimit);
  }
  if (!dropped) Check(taken.size() + buffer.TailSize() == stream.size() && stream.starts_with(taken));
  return 0;
}
