#pragma once

#include <cstddef>
#include <random>
#include <string>
#include <vector>

namespace tarvelo::bench {

// Unique nicknames (Latin-1) for `count` players who play in pairs (0, 1),
// (2, 3)...: most of 8 to 16 plain characters, but about one pair in five of
// 16 characters mostly escaped on the wire (3 bytes each), as players of
// many languages name themselves, so the server relays long prefixes too.
std::vector<std::string> BenchNicknames(std::size_t count, std::mt19937& random);

}  // namespace tarvelo::bench
