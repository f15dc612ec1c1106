#pragma once

#include "lobby/game_server.h"
#include "lobby/lobby.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

namespace tarvelo {

// What the network game hears of the lobby before anyone else: a private
// command, a user who left a room and the end of the link reach these first,
// and the network game decides by its own state whether they are its own.
// One that returns true has taken the event: the signal that would tell the
// lobby window is not emitted. The lobby's own state changes either way.
struct TLobbyRoute {
  std::function<bool(const std::string& sender, const std::string& text)> PrivateCommand;
  std::function<bool(const std::string& nick, const std::string& room)> UserLeft;
  std::function<bool()> ConnectionLost;
  std::function<bool(const std::string& nick)> NoSuchUser;  // a private command found nobody
};

// A running match of the "Now Playing" list: the room "Tarvelo#First#Second#".
struct TLobbyMatch {
  std::string First, Second;
  bool operator==(const TLobbyMatch&) const = default;
};

// The lobby for the whole run, without a window: it owns the lobby's state and
// its connection, answers the lobby's events (logging in, entering rooms,
// registering a new nickname, the lists of players and matches) and tells what
// happened by typed signals. Nothing waits for the network: every call returns
// at once and its outcome comes by a signal. Names and texts are 8-bit
// (Latin-1) as the program types them; the texts of the program's own
// messages are QStrings.
class TLobbyClient : public QObject {
  Q_OBJECT
 public:
  explicit TLobbyClient(QObject* parent = nullptr);

  const TLobby& Lobby() const { return lobby_; }
  // The available players of the current room, in the order they came.
  const std::vector<std::string>& Players() const { return players_; }
  const std::vector<TLobbyMatch>& Matches() const { return matches_; }
  TGameServer& Server() { return server_; }
  // The lines of the lobby's chat since the last login or logout, the message
  // of the day and the lobby's own messages among them: they belong to the
  // lobby, so a window opened later shows what was said while none was open.
  const QStringList& Transcript() const { return transcript_; }
  void AddToTranscript(const QString& line);
  void SetRoute(TLobbyRoute route) { route_ = std::move(route); }

  // --- What the lobby window and the invitations ask
  void SetServer(const std::string& host, int port);
  // The room of a type of game; entered at once when in the lobby.
  void ChooseRoomType(int type, const std::string& privateRoomField);
  // Starts connecting and logging in: Connecting, then LoggedIn or Failed.
  void LogIn(const std::string& nick, const std::string& credential);
  // Leaves the lobby (Disconnected follows when a link was open).
  void LogOut();
  // The player and match lists of the current room, asked again.
  void Refresh();
  void SendChat(const std::string& text);
  void SendPrivateCommand(const std::string& nick, const std::string& text);
  // The invitations' states (Inviting, Accepted, InGame) and back.
  void SetState(TLobbyState state);
  // The invitations' fields of the lobby: the partner, the game room, a question open.
  void SetInvitation(const std::string& partnerNick, const std::string& gameRoom, bool invitationOpen);

  // One lobby event: what the connection hands on, and what tests give directly.
  void HandleEvent(int code, const std::string& text);

 signals:
  void StateChanged(TLobbyState state);
  void Connecting();
  void LoggedIn();
  // The main room was entered for the first time after logging in.
  void Connected();
  // The connection could not be made or the lobby refused us; the link is ended.
  void Failed(const QString& text);
  void Disconnected();  // 1991, unless the route took it
  void RoomJoined(const std::string& room);
  void UserJoined(const std::string& nick, const std::string& room);
  void UserLeft(const std::string& nick, const std::string& room);  // unless the route took it
  void ChatLine(const std::string& sender, const std::string& text);
  void PlayersChanged();
  void MatchesChanged();
  void TranscriptLine(const QString& line);
  void TranscriptCleared();
  void PrivateCommand(const std::string& sender, const std::string& text);  // unless the route took it
  // A command from `sender` arrived cut short or in part and was dropped (told once per command).
  void CommandDamaged(const std::string& sender);

 private:
  void OnLinkOpened();
  void OnLinkFailed();
  void OnJoined(const std::string& room);
  void OnNoSuchRoom(const std::string& room);
  void OnRoom(const std::string& room);
  void OnDisconnected();
  void AddPlayer(const std::string& nick);
  void RemovePlayer(const std::string& nick);
  void ClearLists();
  // An error the lobby cannot go on after: the link is ended and the text told.
  void Fail(const QString& text);
  void ClearTranscript();
  void AddMotd(const QStringList& lines);
  bool IsCurrentRoom(const std::string& room) const;

  TLobby lobby_;
  TGameServer server_;
  TLobbyRoute route_;
  std::string credential_;
  int connectTries_ = 0;
  std::vector<std::string> players_;
  std::vector<TLobbyMatch> matches_, running_;  // running_: the matches of a room list being read
  QStringList motd_;
  QStringList transcript_;
};

// The 8-bit text of the lobby as a QString.
inline QString FromLatin1(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace tarvelo
