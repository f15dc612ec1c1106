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

}  // namespace tarvelo::protocol
