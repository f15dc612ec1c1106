#include "engine/rules.h"

#include "engine/host.h"

namespace tarvelo {

TRuleSettings LoadRules(TableHost& host) {
  const TRuleSettings d;
  TRuleSettings r;
  // The two counts are 1 or 2: anything else stored is taken as 2 when above 1.
  auto count = [&](std::string_view key, int def) { return host.ReadInt(key, def) > 1 ? 2 : 1; };
  r.CanastaRequired = host.ReadBool(RuleKey::CanastaRequired, d.CanastaRequired);
  r.NumberOfCanastas = count(RuleKey::NumberOfCanastas, d.NumberOfCanastas);
  r.NumberOfCards = count(RuleKey::NumberOfCards, d.NumberOfCards);
  r.AddToCanasta = host.ReadBool(RuleKey::AddToCanasta, d.AddToCanasta);
  r.TopCardCounts = host.ReadBool(RuleKey::TopCardCounts, d.TopCardCounts);
  r.InitialBlock = host.ReadBool(RuleKey::InitialBlock, d.InitialBlock);
  r.InitialBlockForBoth = host.ReadBool(RuleKey::InitialBlockForBoth, d.InitialBlockForBoth);
  r.NaturalPair = host.ReadBool(RuleKey::NaturalPair, d.NaturalPair);
  r.AddExistingMeld = host.ReadBool(RuleKey::AddExistingMeld, d.AddExistingMeld);
  r.DrawExtra = host.ReadBool(RuleKey::DrawExtra, d.DrawExtra);
  r.ThreeBlock = host.ReadBool(RuleKey::ThreeBlock, d.ThreeBlock);
  r.BonusCounts = host.ReadBool(RuleKey::BonusCounts, d.BonusCounts);
  r.WildcardCanasta = host.ReadBool(RuleKey::WildcardCanasta, d.WildcardCanasta);
  return r;
}

void StoreRules(TableHost& host, const TRuleSettings& r) {
  host.WriteBool(RuleKey::CanastaRequired, r.CanastaRequired);
  host.WriteInt(RuleKey::NumberOfCanastas, r.NumberOfCanastas);
  host.WriteInt(RuleKey::NumberOfCards, r.NumberOfCards);
  host.WriteBool(RuleKey::AddToCanasta, r.AddToCanasta);
  host.WriteBool(RuleKey::TopCardCounts, r.TopCardCounts);
  host.WriteBool(RuleKey::InitialBlock, r.InitialBlock);
  host.WriteBool(RuleKey::InitialBlockForBoth, r.InitialBlockForBoth);
  host.WriteBool(RuleKey::NaturalPair, r.NaturalPair);
  host.WriteBool(RuleKey::AddExistingMeld, r.AddExistingMeld);
  host.WriteBool(RuleKey::DrawExtra, r.DrawExtra);
  host.WriteBool(RuleKey::ThreeBlock, r.ThreeBlock);
  host.WriteBool(RuleKey::BonusCounts, r.BonusCounts);
  host.WriteBool(RuleKey::WildcardCanasta, r.WildcardCanasta);
}

std::string RuleString(const TRuleSettings& r) {
  const char separator = static_cast<char>(0xFE);
  auto flag = [](bool b) { return std::string(b ? "T" : "F"); };
  const std::string fields[] = {flag(r.CanastaRequired),
                                std::to_string(r.NumberOfCanastas),
                                std::to_string(r.NumberOfCards),
                                flag(r.AddToCanasta),
                                flag(r.TopCardCounts),
                                flag(r.InitialBlock),
                                flag(r.NaturalPair),
                                flag(r.DrawExtra),
                                flag(r.ThreeBlock),
                                flag(r.BonusCounts),
                                flag(r.InitialBlockForBoth),
                                flag(r.WildcardCanasta),
                                flag(r.AddExistingMeld)};
  std::string text;
  for (const std::string& field : fields) {
    if (!text.empty()) text += separator;
    text += field;
  }
  return text;
}

TRuleSettings HoyleRules() {
  TRuleSettings r;
  r.AddToCanasta = false;
  r.TopCardCounts = true;
  r.InitialBlock = true;
  r.InitialBlockForBoth = true;
  r.NaturalPair = false;
  r.AddExistingMeld = false;
  r.DrawExtra = true;
  r.ThreeBlock = false;
  r.CanastaRequired = false;
  r.BonusCounts = false;
  r.WildcardCanasta = false;
  r.NumberOfCanastas = 2;
  r.NumberOfCards = 2;
  return r;
}

}  // namespace tarvelo
