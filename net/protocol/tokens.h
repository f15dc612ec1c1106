#pragma once

#include <cstdint>
#include <string_view>

namespace tarvelo::protocol {

// The tokens of peer messages. A code is the token's place in the table and is
// used only inside the program; the table never changes order, so a code once
// given keeps its meaning.
enum class TTokenCode : std::uint8_t {
  Ok = 0,         // never sent; ignored on receipt
  SendAgain = 1,  // never sent; ignored on receipt
  Quit = 2,       // never sent; ignored on receipt
  Chat = 3,
  PlayerId = 4,
  Deal = 5,
  Meld = 6,
  TakeBack = 7,  // "UN"
  Discard = 8,
  DrawNew = 9,
  DrawPileTop = 10,
  DrawPileRest = 11,
  UndoPile = 12,
  MeldWildcard = 13,
  DiscardRedThree = 14,
  PassDiscard = 15,
  Rules = 16,
  NewGame = 17,
  HandOver = 18,
  Unknown = 19,  // what any name outside the table gets
  LoadGame = 20,
};
constexpr int TokenCount = 21;

// The code of a token name: the last entry of the table that equals it exactly,
// Unknown when none does.
TTokenCode TokenCode(std::string_view name);
// The name a code stands for ("UN" for TakeBack).
std::string_view TokenName(TTokenCode code);

}  // namespace tarvelo::protocol
