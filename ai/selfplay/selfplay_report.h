#pragma once

#include "ai/selfplay/selfplay_match.h"

#include <string>
#include <vector>

namespace tarvelo {

// A side's share of the finished games and its 95% interval.
struct TWinShare {
  double Share = 0, Low = 0, High = 0;
};
TWinShare WinShare(const TMatchResults& results, int side);

// Lines for people: the sides, wins, scores, speed and each kind of violation with an example.
std::string SummaryText(const TMatchSettings& settings, const TMatchResults& results);
// One line of JSON with the same figures.
std::string JsonLine(const TMatchSettings& settings, const TMatchResults& results);

// What a match through the lobby measures beside its games.
struct TNetworkFigures {
  int Pairs = 1;
  // Times the two tables did not hold the same cards once every message of
  // each side had reached the other.
  int MirrorFaults = 0;
  std::string FirstMirrorFault;
  // Each message, from its send to its application on the other side.
  std::vector<double> LatencyMs;
};
std::string NetworkSummaryText(const TNetworkFigures& figures);
// JsonLine with "mirrorFaults", "moveLatencyMs" (p50, p99, max) and "pairs" added.
std::string NetworkJsonLine(const TMatchSettings& settings, const TMatchResults& results,
                            const TNetworkFigures& figures);

}  // namespace tarvelo
