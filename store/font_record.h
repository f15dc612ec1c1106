#pragma once

#include <QString>

namespace tarvelo {

// A text font as stored under a window's name ("Chat", "Lobby"), as
// "<name>\Font.Color" and so on. The window turns it into its own font.
struct TFontRecord {
  int Color = 0;   // 0x00BBGGRR
  int Height = 0;  // negative: the character height in pixels
  QString Name;
  int Pitch = 0;
  int Size = 0;  // points
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;

  bool operator==(const TFontRecord&) const = default;
};

}  // namespace tarvelo
