#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tarvelo {

class TableHost;

// The thirteen rule switches of a game.
struct TRuleSettings {
  bool CanastaRequired = false;
  int NumberOfCanastas = 1;  // canastas needed to go out: 1 or 2
  int NumberOfCards = 1;     // cards drawn from the stock per turn: 1 or 2
  bool AddToCanasta = true;
  bool TopCardCounts = true;
  bool InitialBlock = true;
  bool InitialBlockForBoth = true;
  bool NaturalPair = true;
  bool AddExistingMeld = false;
  bool DrawExtra = true;
  bool ThreeBlock = false;
  bool BonusCounts = false;
  bool WildcardCanasta = true;

  bool operator==(const TRuleSettings&) const = default;
};

// One rule switch and everything the program knows of it: where it is stored,
// its member, its field in the rule string, its control in the rules dialog,
// its self-play option and its value in the Hoyle preset. A switch is either
// a flag or a count of 1 or 2; its default is the member's in TRuleSettings{}.
struct TRuleSwitch {
  std::string_view Key;       // the stored name, matched without regard to case
  bool TRuleSettings::*Flag;  // a flag ...
  int TRuleSettings::*Count;  // ... or a count of 1 or 2
  int StringField;            // its place in the rule string
  std::string_view Control;   // the rules dialog's check box or radio group
  std::string_view Option;    // the self-play option
  int Hoyle;                  // the Hoyle preset: a flag's 0 or 1, or the count
};

constexpr int RuleSwitchCount = 13;

// Every rule switch, in the order the rules are read and written.
inline constexpr std::array<TRuleSwitch, RuleSwitchCount> RuleSwitches = {{
    {"Settings\\Canasta required", &TRuleSettings::CanastaRequired, nullptr, 0, "ckRequired", "--canasta-required", 0},
    {"Settings\\Number of Canastas", nullptr, &TRuleSettings::NumberOfCanastas, 1, "rgGoOut", "--canastas", 2},
    {"Settings\\Number of Cards", nullptr, &TRuleSettings::NumberOfCards, 2, "rgDrawn", "--cards", 2},
    {"Settings\\Add to Canasta", &TRuleSettings::AddToCanasta, nullptr, 3, "ckAddTop", "--add-to-canasta", 0},
    {"Settings\\Top Card Counts", &TRuleSettings::TopCardCounts, nullptr, 4, "ckTopCount", "--top-card-counts", 1},
    {"Settings\\Initial Block", &TRuleSettings::InitialBlock, nullptr, 5, "ckInitFreeze", "--initial-block", 1},
    {"Settings\\Initial Block for Both", &TRuleSettings::InitialBlockForBoth, nullptr, 10, "ckInitBlock",
     "--initial-block-for-both", 1},
    {"Settings\\Natural Pair", &TRuleSettings::NaturalPair, nullptr, 6, "ckNaturalPair", "--natural-pair", 0},
    {"Settings\\Add Existing Meld", &TRuleSettings::AddExistingMeld, nullptr, 12, "ckAddExisting",
     "--add-existing-meld", 0},
    {"Settings\\Draw Extra", &TRuleSettings::DrawExtra, nullptr, 7, "ckDrawExtra", "--draw-extra", 1},
    {"Settings\\Three Block", &TRuleSettings::ThreeBlock, nullptr, 8, "ckFreezeDiscard", "--three-block", 0},
    {"Settings\\Bonus Counts", &TRuleSettings::BonusCounts, nullptr, 9, "ckBonus", "--bonus-counts", 0},
    {"Settings\\Wildcard Canasta", &TRuleSettings::WildcardCanasta, nullptr, 11, "ckwildcardallowed",
     "--wildcard-canasta", 0},
}};

// A switch's value in a set of rules: a flag as 0 or 1, a count as it is.
constexpr int RuleValue(const TRuleSettings& rules, const TRuleSwitch& s) {
  return s.Flag ? (rules.*s.Flag ? 1 : 0) : rules.*s.Count;
}
// Sets a switch: a flag from 0 or not 0, a count as 1 or (anything above 1) 2.
constexpr void SetRuleValue(TRuleSettings& rules, const TRuleSwitch& s, int value) {
  if (s.Flag)
    rules.*s.Flag = value != 0;
  else
    rules.*s.Count = value > 1 ? 2 : 1;
}
constexpr int RuleDefault(const TRuleSwitch& s) { return RuleValue(TRuleSettings{}, s); }
// The switch of a stored name (exactly as listed), or nullptr.
const TRuleSwitch* FindRuleSwitch(std::string_view key);

// Reads every rule through the host, each with its default.
TRuleSettings LoadRules(TableHost& host);
// Writes every rule through the host (booleans as booleans, the two counts as 1 or 2).
void StoreRules(TableHost& host, const TRuleSettings& rules);
// The rule string's thirteen fields in their order: "T"/"F" for a flag, "1"/"2"
// for a count. The protocol joins them into the string the peer reads.
using TRuleFields = std::array<std::string, RuleSwitchCount>;
TRuleFields RuleFields(const TRuleSettings& rules);
// The Hoyle preset offered by the rules dialog.
TRuleSettings HoyleRules();

}  // namespace tarvelo
