#include "lobby/lobby_client.h"

#include "lobby/irc/event_text.h"
#include "lobby/irc/lobby_events.h"

#include <algorithm>

namespace tarvelo {

using namespace irc;

namespace {
// A first connection that fails is tried once more before the player is told.
constexpr int ConnectTries = 2;
// The chat kept while no window shows it; the oldest lines go first.
constexpr int TranscriptLines = 2000;
}  // namespace

TLobbyClient::TLobbyClient(QObject* parent) : QObject(parent) {
  connect(&server_, &TGameServer::LinkOpened, this, &TLobbyClient::OnLinkOpened);
  connect(&server_, &TGameServer::LinkFailed, this, &TLobbyClient::OnLinkFailed);
  connect(&server_, &TGameServer::LobbyEvent, this, &TLobbyClient::HandleEvent);
  // What the lobby tells the player is kept whether or not a window shows it.
  connect(this, &TLobbyClient::Connecting, this, [this] { AddToTranscript("Connecting..."); });
  connect(this, &TLobbyClient::Connected, this, [this] { AddToTranscript("Connected with the Tarvelo game lobby."); });
  connect(this, &TLobbyClient::Failed, this, &TLobbyClient::AddToTranscript);
}

void TLobbyClient::AddToTranscript(const QString& line) {
  transcript_ << line;
  if (transcript_.size() > TranscriptLines) transcript_.removeFirst();
  emit TranscriptLine(line);
}

void TLobbyClient::ClearTranscript() {
  transcript_.clear();
  emit TranscriptCleared();
}

void TLobbyClient::AddMotd(const QStringList& lines) {
  AddToTranscript(QString());
  AddToTranscript("=== Message of the Day ===");
  for (const QString& line : lines) AddToTranscript(line);
  AddToTranscript("=== End of Message of the Day ===");
  AddToTranscript(QString());
}

void TLobbyClient::SetServer(const std::string& host, int port) {
  lobby_.ServerHost = host;
  lobby_.ServerPort = port;
}

void TLobbyClient::ChooseRoomType(int type, const std::string& privateRoomField) {
  lobby_.LobbyType = static_cast<std::uint8_t>(std::clamp(type, 0, 2));
  lobby_.PrivateRoom = MakePrivateRoom(privateRoomField);
  lobby_.CurrentRoom = lobby_.RoomOfType();
  if (lobby_.LobbyState == InLobby) server_.GS_JoinRoom(lobby_.CurrentRoom);
}

void TLobbyClient::LogIn(const std::string& nick, const std::string& credential) {
  if (lobby_.LobbyState != NotConnected) return;
  ClearTranscript();
  lobby_.PartnerNick.clear();
  lobby_.GameRoom.clear();
  lobby_.CurrentRoom = lobby_.RoomOfType();
  // The server list of the web services fills in a missing address; without it only the settings count.
  if (lobby_.ServerHost.empty() || lobby_.ServerPort == 0) {
    emit Failed("Sorry, cannot find gameserver data.");
    return;
  }
  lobby_.Nickname = nick;
  credential_ = credential;
  connectTries_ = 1;
  emit Connecting();
  SetState(LoggingIn);
  server_.GS_Connect(lobby_.ServerHost, lobby_.ServerPort);
}

void TLobbyClient::OnLinkOpened() {
  if (lobby_.LobbyState != LoggingIn) return;
  lobby_.AnnounceConnected = true;
  server_.GS_Login(lobby_.Nickname, credential_, LobbyClientId);
}

void TLobbyClient::OnLinkFailed() {
  if (lobby_.LobbyState != LoggingIn) return;
  if (connectTries_++ < ConnectTries) {
    server_.GS_Connect(lobby_.ServerHost, lobby_.ServerPort);
    return;
  }
  SetState(NotConnected);
  emit Failed("Sorry, cannot login to the gameserver.");
}

void TLobbyClient::LogOut() {
  ClearLists();
  ClearTranscript();
  if (lobby_.LobbyState == LoggingIn || lobby_.LobbyState == InLobby) {
    SetState(LoggingOut);
    server_.GS_Disconnect();
  } else {
    SetState(NotConnected);
  }
}

void TLobbyClient::Refresh() {
  if (lobby_.LobbyState == NotConnected) return ClearLists();
  server_.GS_GetUserList(lobby_.CurrentRoom);
  server_.GS_GetAllRooms(LobbyClientId);
}

void TLobbyClient::SendChat(const std::string& text) {
  if (!text.empty()) server_.GS_PublicMessage(text);
}

void TLobbyClient::SendPrivateCommand(const std::string& nick, const std::string& text) {
  server_.GS_PrivateGameCommand(nick, text);
}

void TLobbyClient::SetInvitation(const std::string& partnerNick, const std::string& gameRoom, bool invitationOpen) {
  lobby_.PartnerNick = partnerNick;
  lobby_.GameRoom = gameRoom;
  lobby_.InvitationOpen = invitationOpen;
}

void TLobbyClient::SetState(TLobbyState state) {
  if (state == lobby_.LobbyState) return;
  lobby_.LobbyState = state;
  emit StateChanged(state);
}

void TLobbyClient::HandleEvent(int code, const std::string& text) {
  lobby_.EventText = text;
  const TEventText read = ReadEventText(text);
  switch (code) {
    case LobbyDisconnected:
      return OnDisconnected();
    case LobbyError:
      return Fail(QString("Unknown error: %1").arg(FromLatin1(text)));
    case LobbyPublicMessage:
      AddToTranscript(QString("%1: %2").arg(FromLatin1(read.First), FromLatin1(read.Rest)));
      return emit ChatLine(read.First, read.Rest);
    case LobbyRoomsStart:
      running_.clear();
      return;
    case LobbyRoom:
      return OnRoom(read.Line);
    case LobbyRoomsEnd:
      matches_ = running_;
      return emit MatchesChanged();
    case LobbyJoined:
    case LobbyAlreadyInRoom:
      return OnJoined(read.Line);
    case LobbyUserJoined:
      // "nick room": the nickname is the first word (a nickname has no space).
      AddPlayer(read.First);
      server_.GS_GetAllRooms(LobbyClientId);
      return emit UserJoined(read.First, read.Rest);
    case LobbyUserLeft:
      RemovePlayer(read.First);
      server_.GS_GetAllRooms(LobbyClientId);
      if (route_.UserLeft && route_.UserLeft(read.First, read.Rest)) return;
      return emit UserLeft(read.First, read.Rest);
    case LobbyUsersStart:
      players_.clear();
      return emit PlayersChanged();
    case LobbyUser:
      return AddPlayer(read.First);
    case LobbyMotdStart:
      motd_.clear();
      return;
    case LobbyMotdLine:
      motd_ << FromLatin1(read.Line);
      return;
    case LobbyMotdEnd:
      return AddMotd(std::exchange(motd_, {}));
    case LobbyPrivateCommand:
      if (route_.PrivateCommand && route_.PrivateCommand(read.First, read.Rest)) return;
      return emit PrivateCommand(read.First, read.Rest);
    case LobbyNoSuchUser:
      if (route_.NoSuchUser) route_.NoSuchUser(read.Line);
      return;
    case LobbyCommandDamaged:
      qWarning("A game command from %s arrived damaged and was dropped.", read.Line.c_str());
      return emit CommandDamaged(read.Line);
    case LobbyLoggedIn:
      server_.GS_GetMOTD();
      SetState(InLobby);
      return emit LoggedIn();
    case LobbyChatRefused:
      return Fail("Unable to send chat message.");
    case LobbyNickTaken:
      return Fail("Cannot register: this username is already in use.");
    case LobbyNickInvalid:
      return Fail("Cannot register: this username is too long (max 16 characters).");
    case LobbyNickInUse:
      return Fail("Cannot register: this username is already logged in.");
    case LobbyNoSuchRoom:
      return OnNoSuchRoom(read.Line);
    case LobbyNotRegistered:
      return server_.GS_Register(lobby_.Nickname, credential_, PlaceholderEmail, LobbyClientId);
    case LobbyAlreadyLoggedIn:
      return Fail(
          "Cannot log in: this user is already logged in. If you got disconnected, please wait a few minutes before "
          "logging in again.");
    case LobbyBanned:
      return Fail("Cannot log in: username has been banned.");
    default:
      return;  // a room of two that is full: the invitation that asked for it hears of it
  }
}

void TLobbyClient::OnDisconnected() {
  ClearLists();
  SetState(NotConnected);
  if (route_.ConnectionLost && route_.ConnectionLost()) return;
  emit Disconnected();
}

// The main room is where every login lands; from there the player goes on to the room of the chosen type.
void TLobbyClient::OnJoined(const std::string& room) {
  if (room == FunRoom) {
    if (lobby_.CurrentRoom != room) server_.GS_JoinRoom(lobby_.CurrentRoom);
    server_.GS_GetAllRooms(LobbyClientId);
    if (std::exchange(lobby_.AnnounceConnected, false)) emit Connected();
  }
  if (IsCurrentRoom(room)) {
    server_.GS_GetUserList(lobby_.CurrentRoom);
    emit RoomJoined(room);
  }
}

// The room of the chosen type is made by the first who comes; any other room must exist.
void TLobbyClient::OnNoSuchRoom(const std::string& room) {
  if (IsCurrentRoom(room)) {
    server_.GS_CreateRoom(lobby_.CurrentRoom, "0");
  } else {
    Fail(QString("Cannot join: room %1 does not exist").arg(FromLatin1(room)));
  }
}

void TLobbyClient::OnRoom(const std::string& room) {
  // "Tarvelo#First#Second#": a match being played; the lobby rooms are not listed.
  const std::size_t mark = room.find("Tarvelo#");
  if (mark == std::string::npos) return;
  const std::string rest = room.substr(mark + 8);
  const std::size_t split = rest.find('#');
  if (split == std::string::npos) return;
  const std::size_t end = rest.find('#', split + 1);
  running_.push_back({rest.substr(0, split), rest.substr(split + 1, end == std::string::npos ? end : end - split - 1)});
}

void TLobbyClient::AddPlayer(const std::string& nick) {
  if (nick.empty() || std::find(players_.begin(), players_.end(), nick) != players_.end()) return;
  players_.push_back(nick);
  emit PlayersChanged();
}

void TLobbyClient::RemovePlayer(const std::string& nick) {
  const auto gone = std::remove(players_.begin(), players_.end(), nick);
  if (gone == players_.end()) return;
  players_.erase(gone, players_.end());
  emit PlayersChanged();
}

void TLobbyClient::ClearLists() {
  const bool hadPlayers = !players_.empty(), hadMatches = !matches_.empty();
  players_.clear();
  matches_.clear();
  running_.clear();
  if (hadPlayers) emit PlayersChanged();
  if (hadMatches) emit MatchesChanged();
}

void TLobbyClient::Fail(const QString& text) {
  // A link already closed has told its 1991; a second one would end a login started after it.
  if (server_.Connected()) server_.GS_Disconnect();
  ClearLists();
  SetState(NotConnected);
  emit Failed(text);
}

bool TLobbyClient::IsCurrentRoom(const std::string& room) const {
  return !lobby_.CurrentRoom.empty() && room == lobby_.CurrentRoom;
}

}  // namespace tarvelo
