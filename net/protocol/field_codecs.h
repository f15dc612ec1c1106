#pragma once

#include "engine/card.h"
#include "engine/rules.h"

#include <span>
#include <string>

namespace tarvelo::protocol {

// How the fields of a peer message are written, in one place. A payload of
// several fields has them joined by FieldSeparator, a byte no field holds.
constexpr char FieldSeparator = static_cast<char>(0xFE);

// A card id as decimal text: "45".
std::string CardIdText(CardId id);
// A count or a column as decimal text: "7".
std::string NumberText(int value);
// A small value (a card id, a column 0..13) as one byte: the value plus 32, so
// that it is never a control byte.
char ByteCode(int value);
std::string JoinFields(std::span<const std::string> fields);
// The rules in force as the peer compares them: their thirteen fields joined.
std::string RuleString(const TRuleSettings& rules);

}  // namespace tarvelo::protocol
