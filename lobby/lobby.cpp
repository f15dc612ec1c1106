#include "lobby/lobby.h"

#include "lobby/irc/irc_text.h"

namespace tarvelo {

std::string TLobby::RoomOfType() const {
  switch (LobbyType) {
    case Competition:
      return CompetitionRoom;
    case PrivateRoomType:
      return PrivateRoom;
    default:
      return FunRoom;
  }
}

std::string MakePrivateRoom(const std::string& field) {
  return irc::CapEscapedName(std::string(PrivateRoomPrefix) + field, MaxChannelBytes, 1);
}

}  // namespace tarvelo
