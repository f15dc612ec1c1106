#include "ai/selfplay/selfplay_bench.h"

#include "ai/computer_settings.h"

#include <cstdio>
#include <sstream>

namespace tarvelo {

namespace {
TRuleSettings HouseRules() {
  TRuleSettings r;
  r.CanastaRequired = true;
  r.NumberOfCanastas = 2;
  r.ThreeBlock = true;
  r.BonusCounts = true;
  r.AddExistingMeld = true;
  r.NaturalPair = false;
  r.DrawExtra = false;
  return r;
}

TBenchCase Case(const char* rulesName, const TRuleSettings& rules, int player, int opponent, int aggressiveness,
                std::uint32_t seed) {
  TBenchCase c;
  c.Match.Games = 60;
  c.Match.Levels = {player, opponent};
  c.Match.Aggressiveness = aggressiveness;
  c.Match.Seed = seed;
  c.Match.Rules = rules;
  c.Name = LevelText(player) + "-" + LevelText(opponent) + " " + rulesName + " aggressiveness " +
           std::to_string(aggressiveness);
  return c;
}

// A few games of the Master, weighing two deals per decision: its searches are seeded too.
TBenchCase MasterCase(const TRuleSettings& rules, std::uint32_t seed) {
  TBenchCase c = Case("default", rules, LevelMaster, LevelExpert, 50, seed);
  c.Match.Games = 4;
  c.Match.MasterSamples = 2;
  return c;
}

void Mix(std::uint64_t& hash, std::uint64_t value) {
  for (int shift = 0; shift < 64; shift += 8) {
    hash ^= (value >> shift) & 0xFFu;
    hash *= 1099511628211ull;
  }
}

std::string Hex(std::uint64_t value) {
  char text[20];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
  return text;
}
}  // namespace

std::vector<TBenchCase> BenchCases() {
  const TRuleSettings standard, hoyle = HoyleRules(), house = HouseRules();
  return {
      Case("default", standard, LevelAdvanced, LevelBeginner, 50, 11),
      Case("default", standard, LevelExpert, LevelAdvanced, 50, 12),
      Case("default", standard, LevelExpert, LevelBeginner, 0, 13),
      Case("default", standard, LevelExpert, LevelBeginner, 100, 14),
      Case("default", standard, LevelExpert, LevelExpert, 50, 15),
      Case("hoyle", hoyle, LevelAdvanced, LevelBeginner, 50, 16),
      Case("hoyle", hoyle, LevelExpert, LevelAdvanced, 50, 17),
      Case("house", house, LevelExpert, LevelBeginner, 50, 18),
      Case("house", house, LevelBeginner, LevelBeginner, 50, 19),
      MasterCase(standard, 20),
  };
}

TBenchResult RunBench() {
  TBenchResult result;
  result.Signature = 14695981039346656037ull;
  for (const TBenchCase& c : BenchCases()) {
    const TMatchResults r = PlayMatch(c.Match);
    for (const std::uint64_t value :
         {std::uint64_t(r.Games), std::uint64_t(r.Wins[SidePlayer]), std::uint64_t(r.Wins[SideOpponent]),
          std::uint64_t(r.Draws), std::uint64_t(r.Hands), std::uint64_t(r.Abandoned), std::uint64_t(r.Violations),
          std::uint64_t(r.Refused), r.ScoreHash})
      Mix(result.Signature, value);
    result.Games += r.Games;
    result.Seconds += r.Seconds;
    result.Matches.push_back(r);
  }
  return result;
}

std::string BenchText(const TBenchResult& result) {
  std::ostringstream out;
  const std::vector<TBenchCase> cases = BenchCases();
  for (size_t i = 0; i < cases.size() && i < result.Matches.size(); ++i) {
    const TMatchResults& r = result.Matches[i];
    out << cases[i].Name << ": " << r.Games << " games, wins " << r.Wins[SidePlayer] << "-" << r.Wins[SideOpponent]
        << ", draws " << r.Draws << ", hands " << r.Hands << ", refused " << r.Refused << ", violations "
        << r.Violations << ", scores " << Hex(r.ScoreHash) << "\n";
  }
  char speed[64];
  std::snprintf(speed, sizeof speed, "%.1f", result.Seconds > 0 ? result.Games / result.Seconds : 0.0);
  out << "games " << result.Games << "\n";
  out << "signature " << Hex(result.Signature) << "\n";
  out << "games per second " << speed << "\n";
  return out.str();
}

}  // namespace tarvelo
