#pragma once

#include "engine/card.h"
#include "engine/rules.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

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

// The ranges a field may carry: a card id (up to 55, what one byte of the
// character form holds; whether such a card exists is the table's question)
// and a meld column.
constexpr int MaxWireCardId = 55;
constexpr int MaxColumn = 13;

// Reverses NumberText: an optional minus and one to nine digits, nothing else;
// nothing as well when the value lies outside [min, max].
std::optional<int> ReadNumber(std::string_view text, int min, int max);
// Reverses ByteCode; nothing when the value lies outside [min, max].
std::optional<int> ReadByteCode(char byte, int min, int max);
// Reverses RuleString's fields: "T"/"F" for a flag, "1"/"2" for a count, each
// switch at its place; nothing for any other field.
std::optional<TRuleSettings> ReadRuleFields(std::span<const std::string_view> fields);

}  // namespace tarvelo::protocol
