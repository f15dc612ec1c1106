// Feeds arbitrary bytes to the receive path of peer messages: the text arrives
// in pieces of sizes the first byte chooses, the receive buffer (with a limit
// the first byte chooses too, so that short inputs reach it) cuts it into
// whole messages, and each is given its token's code and decoded. A deal or a
// move decoded is then made on a scratch table, as the receiving side makes
// it: the move judged first, and made only when it may be. Besides crashes,
// it checks what the buffer promises (whole messages only, in order, nothing
// lost while no message grew too long, the tail within its limit) and that
// every card of the scratch table stays in exactly one place.
#include "engine/game.h"
#include "engine/invariants.h"
#include "engine/moves.h"
#include "engine/silent_host.h"
#include "net/protocol/framing.h"
#include "net/protocol/message_decoder.h"
#include "net/protocol/peer_move_of.h"
#include "net/protocol/receive_buffer.h"
#include "net/protocol/tokens.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace tarvelo::protocol;

namespace {
void Check(bool holds) {
  if (!holds) std::abort();
}

// The receiving side's table: dealt in stock order with the peer to draw first.
struct TScratchTable {
  tarvelo::TSilentHost host;
  tarvelo::TGame game{host};
  TScratchTable() {
    host.Network = true;
    host.Deals = false;
    Check(game.DealFromString(DealOf(TDealMessage{.DealerDrawsFirst = true, .SlotOfCard = OrderedSlots()})));
  }
  static std::array<std::uint8_t, tarvelo::MaxCards> OrderedSlots() {
    std::array<std::uint8_t, tarvelo::MaxCards> slots{};
    for (size_t i = 0; i < slots.size(); ++i) slots[i] = static_cast<std::uint8_t>(i);
    return slots;
  }
  static std::string DealOf(const TDealMessage& deal) {
    std::string text(1, deal.DealerDrawsFirst ? '1' : '0');
    for (const std::uint8_t slot : deal.SlotOfCard) text += static_cast<char>(slot + 32);
    return text;
  }
  // A deal replaces the hand; a move is made when the table allows it.
  void Take(const TReceivedMessage& message) {
    if (const auto* deal = std::get_if<TDealMessage>(&message)) {
      Check(game.DealFromString(DealOf(*deal)));
    } else if (const std::optional<tarvelo::TMove> move = PeerMoveOf(game.Table, message)) {
      if (!Refusal(game, tarvelo::Seat::Opponent, *move)) Apply(game, tarvelo::Seat::Opponent, *move);
    }
    Check(tarvelo::CheckCardConservation(game.Table).empty());
  }
};

void ActOn(const std::string& message, TScratchTable& table) {
  Check(!message.empty() && message.back() == MessageEnd && message.find(MessageEnd) == message.size() - 1);
  std::string_view rest = message;
  const TTokenCode code = TokenCode(NextField(rest));
  const TDecoded decoded = DecodeMessage(message);
  if (const auto* refusal = std::get_if<TMessageRefusal>(&decoded))
    Check(!refusal->Reason.empty() &&
          (refusal->Kind == TMessageRefusal::UnknownToken) == (code == TTokenCode::Unknown));
  else {
    Check(code != TTokenCode::Unknown);
    table.Take(std::get<TReceivedMessage>(decoded));
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // The low five bits: 0 all in one arrival, n arrivals of 1, 2, .. n bytes
  // over again; the high three: the buffer's limit, 64 bytes to 8 KiB.
  const size_t longest = data[0] & 31;
  const size_t limit = size_t{64} << (data[0] >> 5);
  const std::string_view stream(reinterpret_cast<const char*>(data + 1), size - 1);
  TReceiveBuffer buffer(limit);
  TScratchTable table;
  std::string taken;
  bool dropped = false;
  size_t from = 0;
  for (size_t piece = 1; from < stream.size(); piece = piece % (longest == 0 ? 1 : longest) + 1) {
    const size_t length = longest == 0 ? stream.size() : piece;
    dropped |= buffer.Append(stream.substr(from, length)) == TArrival::OverlongDropped;
    from += length;
    while (const std::optional<std::string> message = buffer.TakeMessage()) {
      ActOn(*message, table);
      taken += *message;
    }
    Check(buffer.TailSize() <= limit);
  }
  if (!dropped) Check(taken.size() + buffer.TailSize() == stream.size() && stream.starts_with(taken));
  return 0;
}
