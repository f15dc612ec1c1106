#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace tarvelo::bench {

// A game command of the bench that carries its own check, so that the one who
// receives it tells a whole command from a damaged one without asking the
// sender: "<sequence>:<sent us>:<length>:<sum>|<payload>", the sum (FNV-1a)
// taken over everything before it and the payload. The payload is game-like
// 8-bit text: letters, digits, high Latin-1 bytes, 0xFE and 0xFF between fields.
struct TCommandStamp {
  std::uint64_t Sequence = 0;
  std::int64_t SentUs = 0;
};

// A command of exactly `totalBytes` bytes (at least the header's own length).
std::string MakeCommand(const TCommandStamp& stamp, std::size_t totalBytes, std::mt19937& random);

struct TCheckedCommand {
  bool Whole = false;
  // The stamp, when the header still reads (a damaged payload leaves it readable).
  std::optional<TCommandStamp> Stamp;
};
TCheckedCommand CheckCommand(std::string_view text);

}  // namespace tarvelo::bench
