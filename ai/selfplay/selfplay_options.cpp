#include "ai/selfplay/selfplay_options.h"

#include "ai/computer_settings.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <stdexcept>

namespace tarvelo {

namespace {
std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

long long Number(const std::string& option, const std::string& text, long long low, long long high) {
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
    throw std::invalid_argument(option + " needs a whole number from " + std::to_string(low) + " to " +
                                std::to_string(high) + ", not \"" + text + "\"");
  return value;
}

bool Switch(const std::string& option, const std::string& text) {
  const std::string t = Lower(text);
  if (t == "on" || t == "yes" || t == "true" || t == "1") return true;
  if (t == "off" || t == "no" || t == "false" || t == "0") return false;
  throw std::invalid_argument(option + " needs on or off, not \"" + text + "\"");
}

// "host:port" with a port from 1 to 65535, and a second one after a comma.
std::string LobbyAddress(const std::string& text) {
  const size_t comma = text.find(',');
  for (const std::string& address : {text.substr(0, comma), comma == std::string::npos ? "" : text.substr(comma + 1)}) {
    if (address.empty() && comma == std::string::npos) continue;
    const size_t colon = address.rfind(':');
    if (colon == std::string::npos || colon == 0)
      throw std::invalid_argument("--lobby needs HOST:PORT[,HOST:PORT], not \"" + text + "\"");
    Number("--lobby's port", address.substr(colon + 1), 1, 65535);
  }
  return text;
}

const TRuleSwitch* RuleOption(const std::string& option) {
  for (const TRuleSwitch& s : RuleSwitches)
    if (option == s.Option) return &s;
  return nullptr;
}
}  // namespace

std::string SelfPlayUsage() {
  std::string usage =
      "Usage: tarvelo-selfplay [options]\n"
      "Plays whole games between two computer levels and prints the results.\n"
      "\n"
      "  --games N             games to play (default 1)\n"
      "  --player LEVEL        level of the first side: beginner, advanced, expert or master (default advanced)\n"
      "  --opponent LEVEL      level of the second side (default beginner)\n"
      "  --aggressiveness A    aggressiveness of an expert side, 0 to 100 (default 50)\n"
      "  --seed S              seed of the random source; the same seed plays the same games (default 1)\n"
      "  --master-samples N    deals of the hidden cards a master side weighs per decision (default " +
      std::to_string(DefaultSelfPlayMasterSamples) +
      ")\n"
      "  --master-ms N         a master side thinks N milliseconds per decision instead (not reproducible)\n"
      "  --jobs N              games played at once, on as many cores; the results are the same (default 1)\n"
      "  --json                end with one line of results in JSON\n"
      "  --hoyle               start from the Hoyle rules instead of the default rules\n"
      "  --bench               play the fixed bench matches and print their signature and the speed\n"
      "  --trace               tell every turn (hand, pile, melds, the pile's top after) and every hand's score\n"
      "  --lobby HOST:PORT     play each game between two sessions through the lobby at that address;\n"
      "                        after a comma, a second server of the same lobby for the second side\n"
      "  --pairs N             with --lobby, play N matches at once (default 1)\n"
      "\n"
      "Rules (each after the preset; BOOL is on or off):\n";
  for (const TRuleSwitch& s : RuleSwitches) {
    const std::string option = std::string(s.Option) + (s.Flag ? " BOOL" : " 1|2");
    usage += "  " + option + std::string(option.size() < 30 ? 30 - option.size() : 1, ' ') + "stored as \"" +
             std::string(s.Key) + "\"\n";
  }
  return usage;
}

int LevelFromName(const std::string& name) {
  const std::string n = Lower(name);
  if (n == "beginner") return LevelBeginner;
  if (n == "advanced") return LevelAdvanced;
  if (n == "expert") return LevelExpert;
  if (n == "master") return LevelMaster;
  throw std::invalid_argument("unknown level \"" + name + "\": beginner, advanced, expert or master");
}

TSelfPlayOptions ParseSelfPlayOptions(const std::vector<std::string>& arguments) {
  TSelfPlayOptions o;
  o.Match.Levels = {LevelAdvanced, LevelBeginner};
  o.Match.MasterSamples = DefaultSelfPlayMasterSamples;
  TMatchSettings& m = o.Match;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& option = arguments[i];
    if (option == "--json")
      o.Json = true;
    else if (option == "--help" || option == "-h")
      o.Help = true;
    else if (option == "--bench")
      o.Bench = true;
    else if (option == "--trace")
      o.Trace = true;
    else if (option == "--hoyle")
      m.Rules = HoyleRules();
    else {
      if (i + 1 >= arguments.size())
        throw std::invalid_argument("unknown option " + option + " or its value is missing");
      const std::string& value = arguments[++i];
      if (option == "--games")
        m.Games = static_cast<int>(Number(option, value, 1, 100000000));
      else if (option == "--aggressiveness")
        m.Aggressiveness = static_cast<int>(Number(option, value, 0, 100));
      else if (option == "--seed")
        m.Seed = static_cast<std::uint32_t>(Number(option, value, 0, 4294967295LL));
      else if (option == "--master-samples")
        m.MasterSamples = static_cast<int>(Number(option, value, 1, 100000));
      else if (option == "--master-ms") {
        m.MasterMilliseconds = static_cast<int>(Number(option, value, 1, LongestMasterMilliseconds));
        m.MasterSamples = 0;
      } else if (option == "--jobs")
        m.Jobs = static_cast<int>(Number(option, value, 1, 256));
      else if (option == "--lobby")
        o.Lobby = LobbyAddress(value);
      else if (option == "--pairs")
        o.Pairs = static_cast<int>(Number(option, value, 1, 64));
      else if (option == "--player")
        m.Levels[SidePlayer] = LevelFromName(value);
      else if (option == "--opponent")
        m.Levels[SideOpponent] = LevelFromName(value);
      else if (const TRuleSwitch* rule = RuleOption(option))
        SetRuleValue(m.Rules, *rule,
                     rule->Flag ? Switch(option, value) : static_cast<int>(Number(option, value, 1, 2)));
      else
        throw std::invalid_argument("unknown option " + option);
    }
  }
  if (o.Pairs > 1 && o.Lobby.empty()) throw std::invalid_argument("--pairs plays through a lobby: give --lobby too");
  return o;
}

}  // namespace tarvelo
