// Feeds arbitrary bytes to everything that reads what a server or a peer sends:
// the line parser, the names and texts, the event texts, and a logged-in
// session that takes the bytes as the server's.
#include "lobby/irc/event_text.h"
#include "lobby/irc/irc_message.h"
#include "lobby/irc/irc_text.h"
#include "lobby/irc/lobby_session.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace tarvelo::irc;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (const auto message = ParseIrcLine(bytes)) {
    // What parses writes back and parses to the same parameters.
    if (const auto wire = SerializeIrcMessage(*message)) {
      const auto again = ParseIrcLine(*wire);
      if (!again || again->Params != message->Params) __builtin_trap();
    }
  }
  if (UnescapeIrcName(EscapeIrcName(bytes)) != bytes) __builtin_trap();
  (void)Utf8ToLatin1(bytes);
  (void)ReadEventText(bytes);
  for (const auto& piece : CutUtf8(bytes, 400)) {
    if (piece.size() > 400) __builtin_trap();
  }

  TLobbySession session;
  session.Login("ann", "secret", "Tarvelo501");
  session.Receive(
      ":irc CAP * LS :sasl echo-message\r\n:irc CAP * ACK :sasl echo-message\r\nAUTHENTICATE +\r\n"
      ":irc 903 ann :ok\r\n:irc 001 ann :hi\r\n:irc 376 ann :end\r\n");
  session.JoinRoom("LOBBY-Tarvelo501");
  session.GetUserList("LOBBY-Tarvelo501");
  session.GetAllRooms();
  session.Receive(bytes);
  session.Receive("\r\n");
  for (const auto& line : session.TakeLines()) {
    // Whatever the server sent, every line the session writes is one line.
    if (line.find_first_of(std::string_view("\r\n\0", 3)) != line.size() - 2) __builtin_trap();
  }
  for (const auto& event : session.TakeEvents()) (void)ReadEventText(event.Text);
  return 0;
}
