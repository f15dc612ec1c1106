#pragma once

#include <QEvent>

#include <string>

namespace tarvelo {

// The lobby's event message, posted to the main window: each event carries
// its own code and text, so two events in a row never share one text.
// The type number is kept from the design.
constexpr QEvent::Type LobbyEventType = static_cast<QEvent::Type>(1990);

class TLobbyEventMessage : public QEvent {
 public:
  TLobbyEventMessage(int code, std::string text) : QEvent(LobbyEventType), Code(code), Text(std::move(text)) {}
  int Code;
  std::string Text;  // 8-bit (Latin-1)
};

}  // namespace tarvelo
