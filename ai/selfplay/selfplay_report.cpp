#include "selfplay_report.h"
#include "computer_settings.h"

#include <cstdio>
#include <sstream>

namespace tarvelo {

namespace {
const char* const SideNames[SideCount] = {"player", "opponent"};

std::string Fixed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

double AverageScore(const TMatchResults& r, int side) {
  const int finished = r.Games - r.Abandoned;
  return finished > 0 ? static_cast<double>(r.FinalScoreSum[side]) / finished : 0.0;
}

double GamesPerSecond(const TMatchResults& r) { return r.Seconds > 0 ? r.Games / r.Seconds : 0.0; }

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    if (static_cast<unsigned char>(c) < 32) {
      out += ' ';
      continue;
    }
    out += c;
  }
  return out + "\"";
}

// The rule string with spaces between the thirteen fields.
std::string RulesText(const TRuleSettings& rules) {
  std::string text = RuleString(rules);
  for (char& c : text)
    if (static_cast<unsigned char>(c) == 0xFE) c = ' ';
  return text;
}

std::string SideLevel(const TMatchSettings& s, int side) { return LevelText(s.Levels[side]); }
}  // namespace

std::string SummaryText(const TMatchSettings& s, const TMatchResults& r) {
  std::ostringstream out;
  out << r.Games << " games, " << r.Hands << " hands, seed " << s.Seed << ", rules " << RulesText(s.Rules) << "\n";
  for (int side = 0; side < SideCount; ++side)
    out << "  " << SideNames[side] << " (" << SideLevel(s, side) << "): " << r.Wins[side] << " wins, average final score "
        << Fixed(AverageScore(r, side), 1) << "\n";
  out << "  draws " << r.Draws << ", given up at the turn limit " << r.Abandoned << ", " << Fixed(GamesPerSecond(r), 1)
      << " games per second\n";
  out << "  violations " << r.Violations << "\n";
  for (const auto& [kind, v] : r.Kinds) out << "    " << v.Count << " x " << kind << "\n      e.g. " << v.Example << "\n";
  return out.str();
}

std::string JsonLine(const TMatchSettings& s, const TMatchResults& r) {
  std::ostringstream out;
  auto perSide = [&](auto value) {
    return std::string("{\"player\":") + value(SidePlayer) + ",\"opponent\":" + value(SideOpponent) + "}";
  };
  out << "{\"games\":" << r.Games << ",\"player\":" << Quoted(SideLevel(s, SidePlayer))
      << ",\"opponent\":" << Quoted(SideLevel(s, SideOpponent)) << ",\"seed\":" << s.Seed
      << ",\"wins\":" << perSide([&](int side) { return std::to_string(r.Wins[side]); })
      << ",\"draws\":" << r.Draws << ",\"hands\":" << r.Hands << ",\"abandoned\":" << r.Abandoned
      << ",\"avgFinalScore\":" << perSide([&](int side) { return Fixed(AverageScore(r, side), 1); })
      << ",\"gamesPerSecond\":" << Fixed(GamesPerSecond(r), 2) << ",\"violations\":" << r.Violations
      << ",\"violationKinds\":{";
  bool first = true;
  for (const auto& [kind, v] : r.Kinds) {
    out << (first ? "" : ",") << Quoted(kind) << ":" << v.Count;
    first = false;
  }
  out << "}}";
  return out.str();
}

}  // namespace tarvelo
