#pragma once

#include "ai/selfplay/selfplay_match.h"

#include <string>

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

}  // namespace tarvelo
