#include "ai/selfplay/selfplay_report.h"

#include "ai/computer_settings.h"

#include <algorithm>
#include <cmath>
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

// The rule string's thirteen fields with spaces between them.
std::string RulesText(const TRuleSettings& rules) {
  std::string text;
  for (const std::string& field : RuleFields(rules)) text += (text.empty() ? "" : " ") + field;
  return text;
}

std::string SideLevel(const TMatchSettings& s, int side) { return LevelText(s.Levels[side]); }

std::string KindList(const std::map<std::string, TViolationKind>& kinds) {
  std::string out;
  for (const auto& [kind, v] : kinds)
    out += "    " + std::to_string(v.Count) + " x " + kind + "\n      e.g. " + v.Example + "\n";
  return out;
}

// The i-th of n sorted values at fraction q, nearest rank.
double Quantile(const std::vector<double>& sorted, double q) {
  if (sorted.empty()) return 0.0;
  const auto rank = static_cast<size_t>(std::ceil(q * static_cast<double>(sorted.size())));
  return sorted[std::min(sorted.size() - 1, rank > 0 ? rank - 1 : 0)];
}

// The Master's searches: how many, how long each took, how many deals each weighed.
std::string SearchText(const TMatchResults& r) {
  if (r.SearchSeconds.empty()) return "";
  std::vector<double> sorted = r.SearchSeconds;
  std::sort(sorted.begin(), sorted.end());
  const double n = static_cast<double>(sorted.size());
  return "  master searches " + std::to_string(sorted.size()) + ", deals per search " +
         Fixed(static_cast<double>(r.SearchSamples) / n, 1) + ", milliseconds per search: median " +
         Fixed(1000 * Quantile(sorted, 0.5), 1) + ", 99th percentile " + Fixed(1000 * Quantile(sorted, 0.99), 1) +
         ", longest " + Fixed(1000 * sorted.back(), 1) + "\n";
}

std::string KindCounts(const std::map<std::string, TViolationKind>& kinds) {
  std::string out = "{";
  for (const auto& [kind, v] : kinds) out += (out.size() > 1 ? "," : "") + Quoted(kind) + ":" + std::to_string(v.Count);
  return out + "}";
}
}  // namespace

TWinShare WinShare(const TMatchResults& r, int side) {
  // Wilson's interval at 95%: it stays within 0..1 also for shares near the ends.
  const int n = r.Games - r.Abandoned;
  if (n <= 0) return {};
  const double z = 1.959964, p = static_cast<double>(r.Wins[side]) / n;
  const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
  const double half = z / (1 + z * z / n) * std::sqrt(p * (1 - p) / n + z * z / (4.0 * n * n));
  return {p, std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

std::string SummaryText(const TMatchSettings& s, const TMatchResults& r) {
  std::ostringstream out;
  out << r.Games << " games, " << r.Hands << " hands, seed " << s.Seed << ", rules " << RulesText(s.Rules) << "\n";
  for (int side = 0; side < SideCount; ++side) {
    const TWinShare w = WinShare(r, side);
    out << "  " << SideNames[side] << " (" << SideLevel(s, side) << "): " << r.Wins[side] << " wins ("
        << Fixed(100 * w.Share, 1) << "%, 95% interval " << Fixed(100 * w.Low, 1) << "-" << Fixed(100 * w.High, 1)
        << "%), average final score " << Fixed(AverageScore(r, side), 1) << "\n";
  }
  out << "  draws " << r.Draws << ", given up at the turn limit " << r.Abandoned << ", " << Fixed(GamesPerSecond(r), 1)
      << " games per second\n";
  out << "  violations " << r.Violations << "\n" << KindList(r.Kinds);
  out << "  moves refused before they were made " << r.Refused << "\n" << KindList(r.RefusedKinds);
  out << SearchText(r);
  return out.str();
}

std::string JsonLine(const TMatchSettings& s, const TMatchResults& r) {
  std::ostringstream out;
  auto perSide = [&](auto value) {
    return std::string("{\"player\":") + value(SidePlayer) + ",\"opponent\":" + value(SideOpponent) + "}";
  };
  out << "{\"games\":" << r.Games << ",\"player\":" << Quoted(SideLevel(s, SidePlayer))
      << ",\"opponent\":" << Quoted(SideLevel(s, SideOpponent)) << ",\"seed\":" << s.Seed
      << ",\"wins\":" << perSide([&](int side) { return std::to_string(r.Wins[side]); }) << ",\"draws\":" << r.Draws
      << ",\"hands\":" << r.Hands << ",\"abandoned\":" << r.Abandoned
      << ",\"avgFinalScore\":" << perSide([&](int side) { return Fixed(AverageScore(r, side), 1); })
      << ",\"gamesPerSecond\":" << Fixed(GamesPerSecond(r), 2) << ",\"violations\":" << r.Violations
      << ",\"violationKinds\":" << KindCounts(r.Kinds) << ",\"refused\":" << r.Refused
      << ",\"refusedKinds\":" << KindCounts(r.RefusedKinds) << ",\"winShare95\":" << perSide([&](int side) {
           const TWinShare w = WinShare(r, side);
           return "[" + Fixed(w.Low, 4) + "," + Fixed(w.High, 4) + "]";
         })
      << "}";
  return out.str();
}

namespace {
// The value below which that share of the sorted figures lies (nearest rank).
double Percentile(std::vector<double> values, double share) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const auto rank = static_cast<size_t>(std::ceil(share * static_cast<double>(values.size())));
  return values[std::clamp<size_t>(rank, 1, values.size()) - 1];
}
}  // namespace

std::string NetworkSummaryText(const TNetworkFigures& f) {
  std::ostringstream out;
  out << "pairs " << f.Pairs << ", messages " << f.LatencyMs.size() << ", mirror faults " << f.MirrorFaults
      << ", move latency ms p50 " << Fixed(Percentile(f.LatencyMs, 0.5), 2) << " p99 "
      << Fixed(Percentile(f.LatencyMs, 0.99), 2) << " max " << Fixed(Percentile(f.LatencyMs, 1.0), 2) << '\n';
  if (!f.FirstMirrorFault.empty()) out << "  first mirror fault: " << f.FirstMirrorFault << '\n';
  return out.str();
}

std::string NetworkJsonLine(const TMatchSettings& settings, const TMatchResults& results, const TNetworkFigures& f) {
  std::string line = JsonLine(settings, results);
  line.pop_back();  // its closing brace: the network's figures go inside
  std::ostringstream out;
  out << line << ",\"mirrorFaults\":" << f.MirrorFaults
      << ",\"moveLatencyMs\":{\"p50\":" << Fixed(Percentile(f.LatencyMs, 0.5), 3)
      << ",\"p99\":" << Fixed(Percentile(f.LatencyMs, 0.99), 3) << ",\"max\":" << Fixed(Percentile(f.LatencyMs, 1.0), 3)
      << "},\"pairs\":" << f.Pairs << "}";
  return out.str();
}

}  // namespace tarvelo
