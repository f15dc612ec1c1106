#pragma once

#include <cstdint>
#include <string>

namespace tarvelo {

// The lobby's states. Persisted in the program's behaviour: never renumber.
enum TLobbyState : std::uint8_t {
  NotConnected = 0,
  LoggingIn = 1,
  InLobby = 2,
  Inviting = 3,    // own invitation sent, waiting
  Accepted = 4,    // an invitation was accepted, waiting for the confirmation
  LoggingOut = 5,  // log out pressed, waiting for the disconnection event
  InGame = 6,
};

// The types of game of the radio group "Type of game:".
enum TLobbyType : std::uint8_t { JustForFun = 0, Competition = 1, PrivateRoomType = 2 };

inline constexpr char LobbyClientId[] = "Tarvelo501";  // the room filter and the client given at login
inline constexpr char FunRoom[] = "LOBBY-Tarvelo501";
inline constexpr char CompetitionRoom[] = "LobbyTarveloLadder";
inline constexpr char PrivateRoomPrefix[] = "LobbyTarvelo";
// The address given at registration: the lobby keeps no mail of its players.
inline constexpr char PlaceholderEmail[] = "player@tarvelo.invalid";

// The state of the lobby, one object for the whole run.
struct TLobby {
  TLobbyState LobbyState = NotConnected;
  std::string Nickname;
  std::string PartnerNick;
  std::string ServerHost;
  int ServerPort = 0;
  std::string GameRoom;
  std::string CurrentRoom;
  std::string PrivateRoom;
  bool InvitationOpen = false;
  std::string EventText;
  bool AnnounceConnected = false;
  std::uint8_t LobbyType = JustForFun;

  // The room of a type of game.
  std::string RoomOfType() const;
};

// "LobbyTarvelo" + the private-room field, cut so that the room's name on the
// network (escaped, with its "#") stays within the server's limit.
std::string MakePrivateRoom(const std::string& field);
inline constexpr std::size_t MaxChannelBytes = 150;  // deploy/lobby's <limits maxchan>

}  // namespace tarvelo
