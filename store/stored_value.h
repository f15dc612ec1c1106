#pragma once

#include <QString>
#include <QVariant>

#include <optional>

namespace tarvelo {

// The settings file holds text only. Integers (colours and enumerations too)
// are written in decimal, booleans as 0 and 1, strings as they are.
QString TextOfInt(int value);
QString TextOfBool(bool value);

// The text of a value as QSettings read it: a string, or the list that unquoted
// commas of a hand-edited line made of one (joined again with commas). Anything
// else (a hand-written "@Rect(...)" and the like) is no text of ours: nullopt.
std::optional<QString> StoredText(const QVariant& value);

// A stored text as a 32-bit integer: decimal, or "0x" and hexadecimal digits (a
// hand-edited colour), or "true"/"false"; spaces around are ignored. nullopt
// when it is none of these or out of range.
std::optional<int> IntOfText(const QString& text);

}  // namespace tarvelo
