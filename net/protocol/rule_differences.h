#pragma once

#include "engine/rules.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelo::protocol {

// One rule on which the two sides of a network game disagree, as the
// rule-differences list shows it: its caption, then the own and the peer's
// value in words ("Yes"/"No", or "One"/"Two" for the two counts).
struct TRuleDifference {
  std::string Caption, Own, Opponent;
  bool operator==(const TRuleDifference&) const = default;
};

// The caption of each field of the rule string, in the string's order: every
// caption the list may show.
const std::array<std::string_view, RuleSwitchCount>& RuleCaptions();

// The rules that differ between the own rules and the peer's, judged on the
// fields of the rule string as they travel, one row per differing field,
// sorted by caption. Identical rules give no row.
std::vector<TRuleDifference> CompareRules(const TRuleSettings& own, const TRuleSettings& received);

}  // namespace tarvelo::protocol
