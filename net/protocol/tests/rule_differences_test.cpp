// The rows of the rule-differences list: which rules differ, under which
// caption, with the own and the peer's value in words.
#include "net/protocol/rule_differences.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::protocol;

namespace {
TRuleSettings Changed(const std::function<void(TRuleSettings&)>& change) {
  TRuleSettings rules;
  change(rules);
  return rules;
}
}  // namespace

TEST(CompareRules, IdenticalRulesGiveNoRow) {
  EXPECT_TRUE(CompareRules(TRuleSettings{}, TRuleSettings{}).empty());
  EXPECT_TRUE(CompareRules(HoyleRules(), HoyleRules()).empty());
}

// Each rule alone against the defaults: one row with its caption and both
// values, which change places when the two sides do.
TEST(CompareRules, EachRuleAloneGivesItsRow) {
  struct Case {
    std::function<void(TRuleSettings&)> change;
    const char* caption;
    const char* defaultShown;
    const char* changedShown;
  };
  const Case cases[] = {
      {[](TRuleSettings& r) { r.CanastaRequired = true; }, "Canasta Required for Positive Score", "No", "Yes"},
      {[](TRuleSettings& r) { r.NumberOfCanastas = 2; }, "Number of Canastas required to go out", "One", "Two"},
      {[](TRuleSettings& r) { r.NumberOfCards = 2; }, "Number of Cards drawn each turn", "One", "Two"},
      {[](TRuleSettings& r) { r.AddToCanasta = false; }, "Add top card to Canasta", "Yes", "No"},
      {[](TRuleSettings& r) { r.TopCardCounts = false; }, "Top card counts for initial meld", "Yes", "No"},
      {[](TRuleSettings& r) { r.InitialBlock = false; }, "Discard Pile initially frozen", "Yes", "No"},
      {[](TRuleSettings& r) { r.NaturalPair = false; }, "Natural pair required for taking pile", "Yes", "No"},
      {[](TRuleSettings& r) { r.DrawExtra = false; }, "Draw extra card for Red Three", "Yes", "No"},
      {[](TRuleSettings& r) { r.ThreeBlock = true; }, "Discarding Red Three freezes pile", "No", "Yes"},
      {[](TRuleSettings& r) { r.BonusCounts = true; }, "Canasta Bonus counts for initial meld", "No", "Yes"},
      {[](TRuleSettings& r) { r.InitialBlockForBoth = false; }, "Initial Freeze separate for both players", "Yes",
       "No"},
      {[](TRuleSettings& r) { r.WildcardCanasta = false; }, "Wildcard Canasta allowed", "Yes", "No"},
      {[](TRuleSettings& r) { r.AddExistingMeld = true; }, "Don't add top card to existing meld", "No", "Yes"},
  };
  for (const Case& c : cases) {
    const TRuleSettings changed = Changed(c.change);
    EXPECT_EQ(CompareRules(TRuleSettings{}, changed),
              (std::vector<TRuleDifference>{{c.caption, c.defaultShown, c.changedShown}}))
        << c.caption;
    EXPECT_EQ(CompareRules(changed, TRuleSettings{}),
              (std::vector<TRuleDifference>{{c.caption, c.changedShown, c.defaultShown}}))
        << c.caption;
  }
}

TEST(CompareRules, CanastasOneAgainstTwoReadInWords) {
  const TRuleSettings one = Changed([](TRuleSettings& r) { r.NumberOfCanastas = 1; });
  const TRuleSettings two = Changed([](TRuleSettings& r) { r.NumberOfCanastas = 2; });
  const std::vector<TRuleDifference> rows = CompareRules(one, two);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].Own, "One");
  EXPECT_EQ(rows[0].Opponent, "Two");
}

TEST(CompareRules, SeveralDifferencesAreSortedByCaption) {
  const TRuleSettings peer = Changed([](TRuleSettings& r) {
    r.WildcardCanasta = false;
    r.NumberOfCards = 2;
    r.AddToCanasta = false;
    r.CanastaRequired = true;
  });
  EXPECT_EQ(CompareRules(TRuleSettings{}, peer), (std::vector<TRuleDifference>{
                                                     {"Add top card to Canasta", "Yes", "No"},
                                                     {"Canasta Required for Positive Score", "No", "Yes"},
                                                     {"Number of Cards drawn each turn", "One", "Two"},
                                                     {"Wildcard Canasta allowed", "Yes", "No"},
                                                 }));
}

TEST(CompareRules, EveryRuleDifferingGivesThirteenSortedRows) {
  const TRuleSettings own;
  TRuleSettings peer;
  for (const TRuleSwitch& s : RuleSwitches)
    SetRuleValue(peer, s, s.Flag ? 1 - RuleValue(own, s) : 3 - RuleValue(own, s));
  const std::vector<TRuleDifference> rows = CompareRules(own, peer);
  ASSERT_EQ(rows.size(), 13u);
  EXPECT_TRUE(std::ranges::is_sorted(rows, {}, &TRuleDifference::Caption));
  for (const TRuleDifference& row : rows) EXPECT_NE(row.Own, row.Opponent) << row.Caption;
}
