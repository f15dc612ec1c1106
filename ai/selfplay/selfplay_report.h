#pragma once

#include "selfplay_match.h"

#include <string>

namespace tarvelo {

// Lines for people: the sides, wins, scores, speed and each kind of violation with an example.
std::string SummaryText(const TMatchSettings& settings, const TMatchResults& results);
// One line of JSON with the same figures.
std::string JsonLine(const TMatchSettings& settings, const TMatchResults& results);

}  // namespace tarvelo
