#pragma once

#include "ai/computer_settings.h"
#include "engine/rules.h"

#include <array>
#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace tarvelo {

// The two sides of a self-play match: "player" and "opponent" name the levels
// given for them, not places at the table, which change every turn.
constexpr int SideCount = 2;
constexpr int SidePlayer = 0;
constexpr int SideOpponent = 1;

struct TMatchSettings {
  int Games = 1;
  std::array<int, SideCount> Levels{};  // computer levels of the two sides
  int Aggressiveness = 50;              // of an Expert side
  std::uint32_t Seed = 1;
  TRuleSettings Rules;
  int TurnLimit = 5000;   // turns of one game before it is given up as stuck
  int MasterSamples = 0;  // deals per decision of a Master side; 0: as many as its time allows
  int MasterMilliseconds = DefaultMasterMilliseconds;  // the thinking time of a Master side per decision
  int Jobs = 1;                                        // games played at once; the results are the same for any number
  std::ostream* Trace = nullptr;                       // where each turn and hand score is told, if anywhere
};

struct TViolationKind {
  int Count = 0;
  std::string Example;  // the first one seen, with the table it happened on
};

struct TMatchResults {
  int Games = 0;
  int Draws = 0;
  int Hands = 0;
  int Abandoned = 0;  // games stopped at the turn limit
  std::array<int, SideCount> Wins{};
  std::array<long long, SideCount> FinalScoreSum{};
  // FNV-1a over every finished game's final scores, side by side in game order:
  // two runs that play the same games give the same hash.
  std::uint64_t ScoreHash = 14695981039346656037ull;
  int Violations = 0;
  std::map<std::string, TViolationKind> Kinds;  // by what went wrong
  // Moves the checks refused before they were made: the turn went on without them.
  int Refused = 0;
  std::map<std::string, TViolationKind> RefusedKinds;
  double Seconds = 0;
  std::vector<double> SearchSeconds;  // each search of a Master side: its time
  long long SearchSamples = 0;        // the deals those searches weighed
};

// Each game has a random source of its own, seeded from the match's seed and its
// number: the games are the same however many are played at once.
std::uint32_t GameSeed(std::uint32_t matchSeed, int game);

// Plays whole games between two computer levels with the engine's rules and
// no window: the seat that has just played is turned to the player's side of
// the table, and the other seat plays the computer's next turn. Every finished
// turn is checked and what it broke counted as a violation; a move the checks
// would refuse is not made, and counted apart.
TMatchResults PlayMatch(const TMatchSettings& settings);

}  // namespace tarvelo
