#pragma once

#include <string>

namespace tarvelo {

// The game-over verdict for a final difference (player minus opponent).
// `opponent` is the opponent as named in a sentence ("the computer" or the peer's name).
std::string GameVerdict(int difference, const std::string& playerName, const std::string& opponent);

}  // namespace tarvelo
