#pragma once

#include <string>

namespace tarvelo::irc {

// The lobby's event codes, as the lobby client and the network game read them.
// Persisted in the program's behaviour: never renumber. Every code here is
// raised by the session; numbers once used and dropped (2400, 4073, 4075,
// 4210, 4220, 4230) are not given to new events.
enum TLobbyEventCode : int {
  LobbyDisconnected = 1991,
  LobbyError = 1992,          // text: the error
  LobbyPublicMessage = 2040,  // "nick text\r"
  LobbyRoomsStart = 2050,
  LobbyRoom = 2051,  // "room\r"
  LobbyRoomsEnd = 2052,
  LobbyJoined = 2070,         // "room\r"
  LobbyUserJoined = 2071,     // "nick room\r"
  LobbyUserLeft = 2072,       // "nick room\r"
  LobbyAlreadyInRoom = 2074,  // "room\r"
  LobbyUsersStart = 2100,
  LobbyUser = 2101,  // "nick "
  LobbyMotdStart = 2110,
  LobbyMotdLine = 2111,  // "line\r"
  LobbyMotdEnd = 2112,
  LobbyPrivateCommand = 2121,  // "sender command\r"
  LobbyCommandDamaged = 2122,  // "sender\r": a private command arrived cut short or in part, and was dropped
  LobbyLoggedIn = 2150,
  LobbyChatRefused = 4040,
  LobbyNickTaken = 4060,  // registered by someone else
  LobbyNickInvalid = 4061,
  LobbyNickInUse = 4064,
  LobbyNoSuchUser = 4101,  // "nick\r": a private command found nobody of that name
  LobbyRoomFull = 4071,    // "room\r": a room of two that already holds two
  LobbyNoSuchRoom = 4072,  // "room\r"
  LobbyNotRegistered = 4150,
  LobbyAlreadyLoggedIn = 4152,
  LobbyBanned = 4153,
};

// One event: its code and its own 8-bit text.
struct TLobbyEvent {
  int Code = 0;
  std::string Text;
  bool operator==(const TLobbyEvent&) const = default;
};

}  // namespace tarvelo::irc
