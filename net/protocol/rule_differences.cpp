#include "net/protocol/rule_differences.h"

#include "net/protocol/field_codecs.h"

#include <algorithm>

namespace tarvelo::protocol {

namespace {

constexpr std::array<std::string_view, RuleSwitchCount> Captions = {
    "Canasta Required for Positive Score",      "Number of Canastas required to go out",
    "Number of Cards drawn each turn",          "Add top card to Canasta",
    "Top card counts for initial meld",         "Discard Pile initially frozen",
    "Natural pair required for taking pile",    "Draw extra card for Red Three",
    "Discarding Red Three freezes pile",        "Canasta Bonus counts for initial meld",
    "Initial Freeze separate for both players", "Wildcard Canasta allowed",
    "Don't add top card to existing meld",
};

// The two counts of the rule string; every other field is a flag.
constexpr bool IsCountField(size_t field) { return field == 1 || field == 2; }

std::string DisplayValue(size_t field, std::string_view value) {
  if (IsCountField(field)) return value == "1" ? "One" : "Two";
  return value == "T" ? "Yes" : "No";
}

// The fields of a rule string as they go on the wire, split at their separators.
std::vector<std::string_view> SplitFields(std::string_view text) {
  std::vector<std::string_view> fields;
  for (;;) {
    const size_t end = text.find(FieldSeparator);
    fields.push_back(text.substr(0, end));
    if (end == std::string_view::npos) return fields;
    text.remove_prefix(end + 1);
  }
}

}  // namespace

const std::array<std::string_view, RuleSwitchCount>& RuleCaptions() { return Captions; }

std::vector<TRuleDifference> CompareRules(const TRuleSettings& own, const TRuleSettings& received) {
  const std::string ownText = RuleString(own), receivedText = RuleString(received);
  const std::vector<std::string_view> ownFields = SplitFields(ownText), receivedFields = SplitFields(receivedText);
  std::vector<TRuleDifference> rows;
  for (size_t field = 0; field < Captions.size(); ++field) {
    if (ownFields.at(field) == receivedFields.at(field)) continue;
    rows.push_back({std::string(Captions[field]), DisplayValue(field, ownFields[field]),
                    DisplayValue(field, receivedFields[field])});
  }
  std::ranges::sort(rows, {}, &TRuleDifference::Caption);
  return rows;
}

}  // namespace tarvelo::protocol
