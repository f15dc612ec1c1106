#pragma once

#include "net/protocol/loaded_game_message.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tarvelo::protocol {

constexpr int LoadedGameSections = 13;

// The thirteen sections of a loaded game read into their values, or what is
// wrong with the first section that is not what it should be. A card is one
// byte (32 + id, 64 more for the second pack); in the areas with columns a
// wildcard is followed by its column in decimal and a space; canastas and the
// closing six numbers are decimal, each followed by a space.
struct TLoadedGameRead {
  std::optional<TLoadGameMessage> Game;
  std::string Fault;
};
TLoadedGameRead ReadLoadedGame(std::span<const std::string_view> sections);

}  // namespace tarvelo::protocol
