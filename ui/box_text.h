#pragma once

#include <QString>

#include <string>

namespace tarvelo {

// A text of the game for a message box: its line breaks come as CR LF, LF CR,
// a lone CR or a lone LF, and each becomes one line break.
QString BoxText(const std::string& text);

}  // namespace tarvelo
