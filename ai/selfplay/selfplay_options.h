#pragma once

#include "ai/selfplay/selfplay_match.h"

#include <string>
#include <vector>

namespace tarvelo {

// A master side's deals per decision unless told otherwise: reproducible, and a
// game in about a second on one core.
constexpr int DefaultSelfPlayMasterSamples = 8;

struct TSelfPlayOptions {
  TMatchSettings Match;
  bool Json = false;
  bool Help = false;
  bool Bench = false;  // play the fixed bench instead
  bool Trace = false;  // tell every turn on the standard output
  // A network match: each game travels through the lobby at this address
  // ("host:port") between two sessions, as between two programs; after a
  // comma, the address of another server of the lobby for the second side.
  std::string Lobby;
  int Pairs = 1;  // network matches played at once against the same lobby
};

// Reads the command line (without the program name). Throws std::invalid_argument
// with a message for the user on anything it does not understand.
TSelfPlayOptions ParseSelfPlayOptions(const std::vector<std::string>& arguments);

// The level a name stands for: "beginner", "advanced", "expert" or "master", in any case.
int LevelFromName(const std::string& name);

// The help text, with an option for every rule switch.
std::string SelfPlayUsage();

}  // namespace tarvelo
