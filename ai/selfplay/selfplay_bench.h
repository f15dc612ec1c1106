#pragma once

#include "ai/selfplay/selfplay_match.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tarvelo {

// One match of the bench: fixed levels, rules and seed.
struct TBenchCase {
  std::string Name;
  TMatchSettings Match;
};

// The bench's matches: every pairing of the levels under the default rules,
// the Hoyle preset and a house variant, each with a seed of its own.
std::vector<TBenchCase> BenchCases();

struct TBenchResult {
  std::vector<TMatchResults> Matches;  // in the order of BenchCases()
  std::uint64_t Signature = 0;         // of the games' outcomes only, never of their speed
  int Games = 0;
  double Seconds = 0;
};

TBenchResult RunBench();
// The bench's report: a line per match, the signature and the games per second.
std::string BenchText(const TBenchResult& result);

}  // namespace tarvelo
