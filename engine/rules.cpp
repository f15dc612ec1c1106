#include "engine/rules.h"

#include "engine/host.h"

namespace tarvelo {

TRuleSettings LoadRules(TableHost& host) {
  TRuleSettings r;
  for (const TRuleSwitch& s : RuleSwitches) {
    if (s.Flag)
      SetRuleValue(r, s, host.ReadBool(s.Key, RuleDefault(s) != 0));
    else
      SetRuleValue(r, s, host.ReadInt(s.Key, RuleDefault(s)));
  }
  return r;
}

void StoreRules(TableHost& host, const TRuleSettings& r) {
  for (const TRuleSwitch& s : RuleSwitches) {
    if (s.Flag)
      host.WriteBool(s.Key, r.*s.Flag);
    else
      host.WriteInt(s.Key, r.*s.Count);
  }
}

TRuleFields RuleFields(const TRuleSettings& r) {
  TRuleFields fields;
  for (const TRuleSwitch& s : RuleSwitches)
    fields[s.StringField] = s.Flag ? (r.*s.Flag ? "T" : "F") : std::to_string(r.*s.Count);
  return fields;
}

TRuleSettings HoyleRules() {
  TRuleSettings r;
  for (const TRuleSwitch& s : RuleSwitches) SetRuleValue(r, s, s.Hoyle);
  return r;
}

const TRuleSwitch* FindRuleSwitch(std::string_view key) {
  for (const TRuleSwitch& s : RuleSwitches)
    if (s.Key == key) return &s;
  return nullptr;
}

}  // namespace tarvelo
