#include "engine/rules.h"

#include "engine/testing/recording_host.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <string>

using namespace tarvelo;

namespace {
TRuleFields Fields(std::initializer_list<const char*> texts) {
  TRuleFields fields;
  EXPECT_EQ(texts.size(), fields.size());
  std::copy_n(texts.begin(), std::min(texts.size(), fields.size()), fields.begin());
  return fields;
}
}  // namespace

TEST(Rules, DefaultsWhenNothingIsStored) {
  TRecordingHost host;
  const TRuleSettings rules = LoadRules(host);
  EXPECT_EQ(rules, TRuleSettings{});
  EXPECT_EQ(RuleFields(rules), Fields({"F", "1", "1", "T", "T", "T", "T", "T", "F", "F", "T", "T", "F"}));
}

TEST(Rules, StoredValuesAreReadWhateverTheCaseOfTheirNames) {
  TRecordingHost host;
  host.Settings["settings\\canasta required"] = "1";
  host.Settings["settings\\number of canastas"] = "2";
  host.Settings["settings\\number of cards"] = "7";  // not 1 or 2: the larger count
  host.Settings["settings\\initial block for both"] = "0";
  host.Settings["settings\\wildcard canasta"] = "0";
  const TRuleSettings rules = LoadRules(host);
  EXPECT_TRUE(rules.CanastaRequired);
  EXPECT_EQ(rules.NumberOfCanastas, 2);
  EXPECT_EQ(rules.NumberOfCards, 2);
  EXPECT_FALSE(rules.InitialBlockForBoth);
  EXPECT_FALSE(rules.WildcardCanasta);
  EXPECT_EQ(RuleFields(rules), Fields({"T", "2", "2", "T", "T", "T", "T", "T", "F", "F", "F", "F", "F"}));
}

TEST(Rules, StoreThenLoadGivesTheSameRules) {
  TRecordingHost host;
  TRuleSettings rules = HoyleRules();
  rules.ThreeBlock = true;
  rules.AddExistingMeld = true;
  StoreRules(host, rules);
  EXPECT_EQ(LoadRules(host), rules);
}

TEST(Rules, HoylePreset) {
  const TRuleSettings r = HoyleRules();
  EXPECT_FALSE(r.AddToCanasta);
  EXPECT_TRUE(r.TopCardCounts);
  EXPECT_TRUE(r.InitialBlock);
  EXPECT_TRUE(r.InitialBlockForBoth);
  EXPECT_FALSE(r.NaturalPair);
  EXPECT_FALSE(r.AddExistingMeld);
  EXPECT_TRUE(r.DrawExtra);
  EXPECT_FALSE(r.ThreeBlock);
  EXPECT_FALSE(r.CanastaRequired);
  EXPECT_FALSE(r.BonusCounts);
  EXPECT_FALSE(r.WildcardCanasta);
  EXPECT_EQ(r.NumberOfCanastas, 2);
  EXPECT_EQ(r.NumberOfCards, 2);
}

// Every row of the switch table names its own member, stored name and field of
// the rule string: changing one switch away from its default changes exactly
// that member, is read back from that name, and moves only that field.
TEST(Rules, EachSwitchOwnsItsMemberItsStoredNameAndItsField) {
  const TRuleSettings defaults;
  const TRuleFields defaultFields = RuleFields(defaults);
  for (const TRuleSwitch& s : RuleSwitches) {
    SCOPED_TRACE(std::string(s.Key));
    TRuleSettings changed = defaults;
    SetRuleValue(changed, s, s.Flag ? !RuleDefault(s) : 3 - RuleDefault(s));
    int differentSwitches = 0;
    for (const TRuleSwitch& other : RuleSwitches)
      differentSwitches += RuleValue(changed, other) != RuleValue(defaults, other);
    EXPECT_EQ(differentSwitches, 1);
    EXPECT_NE(changed, defaults);

    TRecordingHost host;
    std::string key(s.Key);
    for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    host.Settings[key] = std::to_string(RuleValue(changed, s));
    EXPECT_EQ(LoadRules(host), changed);

    const TRuleFields fields = RuleFields(changed);
    int differentFields = 0, changedField = -1;
    for (int field = 0; field < RuleSwitchCount; ++field) {
      if (fields[field] != defaultFields[field]) {
        ++differentFields;
        changedField = field;
      }
    }
    EXPECT_EQ(differentFields, 1);
    EXPECT_EQ(changedField, s.StringField);
  }
}
