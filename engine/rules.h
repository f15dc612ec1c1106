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

// Stored names of the rules, all under "Settings\". The first is read as
// "Canasta required"; stored names are matched without regard to case.
namespace RuleKey {
constexpr std::string_view CanastaRequired = "Settings\\Canasta required";
constexpr std::string_view NumberOfCanastas = "Settings\\Number of Canastas";
constexpr std::string_view NumberOfCards = "Settings\\Number of Cards";
constexpr std::string_view AddToCanasta = "Settings\\Add to Canasta";
constexpr std::string_view TopCardCounts = "Settings\\Top Card Counts";
constexpr std::string_view InitialBlock = "Settings\\Initial Block";
constexpr std::string_view InitialBlockForBoth = "Settings\\Initial Block for Both";
constexpr std::string_view NaturalPair = "Settings\\Natural Pair";
constexpr std::string_view AddExistingMeld = "Settings\\Add Existing Meld";
constexpr std::string_view DrawExtra = "Settings\\Draw Extra";
constexpr std::string_view ThreeBlock = "Settings\\Three Block";
constexpr std::string_view BonusCounts = "Settings\\Bonus Counts";
constexpr std::string_view WildcardCanasta = "Settings\\Wildcard Canasta";
}  // namespace RuleKey

// Reads every rule through the host, each with its default.
TRuleSettings LoadRules(TableHost& host);
// Writes every rule through the host (booleans as booleans, the two counts as 1 or 2).
void StoreRules(TableHost& host, const TRuleSettings& rules);
// The thirteen fields for the peer, joined by the byte 0xFE: "T"/"F" and "1"/"2".
std::string RuleString(const TRuleSettings& rules);
// The Hoyle preset offered by the rules dialog.
TRuleSettings HoyleRules();

}  // namespace tarvelo
