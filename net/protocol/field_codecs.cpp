#include "net/protocol/field_codecs.h"

namespace tarvelo::protocol {

std::string CardIdText(CardId id) { return std::to_string(id); }

std::string NumberText(int value) { return std::to_string(value); }

char ByteCode(int value) { return static_cast<char>(value + 32); }

std::string JoinFields(std::span<const std::string> fields) {
  std::string text;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) text += FieldSeparator;
    text += fields[i];
  }
  return text;
}

std::string RuleString(const TRuleSettings& rules) { return JoinFields(RuleFields(rules)); }

std::optional<int> ReadNumber(std::string_view text, int min, int max) {
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  // Nine digits stay inside an int whatever they are.
  if (text.empty() || text.size() > 9) return std::nullopt;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (negative) value = -value;
  if (value < min || value > max) return std::nullopt;
  return value;
}

std::optional<int> ReadByteCode(char byte, int min, int max) {
  const int value = static_cast<unsigned char>(byte) - 32;
  if (value < min || value > max) return std::nullopt;
  return value;
}

std::optional<TRuleSettings> ReadRuleFields(std::span<const std::string_view> fields) {
  if (fields.size() != RuleSwitchCount) return std::nullopt;
  TRuleSettings rules;
  for (const TRuleSwitch& s : RuleSwitches) {
    const std::string_view field = fields[s.StringField];
    if (s.Flag && (field == "T" || field == "F"))
      SetRuleValue(rules, s, field == "T" ? 1 : 0);
    else if (!s.Flag && (field == "1" || field == "2"))
      SetRuleValue(rules, s, field[0] - '0');
    else
      return std::nullopt;
  }
  return rules;
}

}  // namespace tarvelo::protocol
