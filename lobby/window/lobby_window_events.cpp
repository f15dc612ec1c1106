// The lobby window's answer to each lobby event.
#include "lobby/irc/event_text.h"
#include "lobby/irc/lobby_events.h"
#include "lobby/lobby_event.h"
#include "lobby/window/lobby_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>

namespace tarvelo {

using namespace irc;

namespace {
// The support address named when the server does not know the program's version.
constexpr char SupportEmail[] = "support@tarvelo.invalid";
}  // namespace

bool TfmLobbyGS::event(QEvent* event) {
  if (event->type() != LobbyEventType) return QDialog::event(event);
  const auto* message = static_cast<TLobbyEventMessage*>(event);
  HandleLobbyEvent(message->Code, message->Text);
  return true;
}

void TfmLobbyGS::AddPlayer(const QString& nick) {
  if (nick.isEmpty() || !lbPlayers->findItems(nick, Qt::MatchExactly).isEmpty()) return;
  lbPlayers->addItem(nick);
}

void TfmLobbyGS::RemovePlayer(const QString& nick) {
  for (QListWidgetItem* item : lbPlayers->findItems(nick, Qt::MatchExactly)) delete item;
}

void TfmLobbyGS::HandleLobbyEvent(int code, const std::string& text) {
  lobby_.EventText = text;
  const TEventText read = ReadEventText(text);
  const QString first = FromLatin1(read.First), line = FromLatin1(read.Line), rest = FromLatin1(read.Rest);
  switch (code) {
    case LobbyDisconnected:
      lobby_.LobbyState = NotConnected;
      SetBusyCursor(false);
      break;
    case LobbyError:
      ErrorAndDisconnect(QString("Unknown error: %1").arg(FromLatin1(text)));
      break;
    case LobbyPublicMessage:
      AddChat(QString("%1: %2").arg(first, rest));
      break;
    case LobbyRoomsStart:
      running_.clear();
      break;
    case LobbyRoom:
      if (read.Line.find("Tarvelo#") != std::string::npos) {
        const QStringList parts = line.split('#');
        if (parts.size() >= 3) running_ << QString("%1 - %2").arg(parts[1], parts[2]);
      }
      break;
    case LobbyRoomsEnd:
      lbPlaying->clear();
      lbPlaying->addItems(running_);
      break;
    case LobbyJoined:
    case LobbyAlreadyInRoom: {
      if (read.Line.starts_with(FunRoom)) {
        if (lobby_.CurrentRoom != read.Line) server_.GS_JoinRoom(lobby_.CurrentRoom);
        server_.GS_GetAllRooms(LobbyClientId);
        if (lobby_.AnnounceConnected) {
          lobby_.AnnounceConnected = false;
          AddChat("Connected with the Tarvelo game lobby.");
        }
      }
      if (!lobby_.CurrentRoom.empty() && read.Line.starts_with(lobby_.CurrentRoom)) {
        edInput->setFocus();
        server_.GS_GetUserList(lobby_.CurrentRoom);
      }
      break;
    }
    case LobbyUserJoined:
      // "nick room": the nickname is the first word (a nickname has no space).
      AddPlayer(first);
      server_.GS_GetAllRooms(LobbyClientId);
      break;
    case LobbyUserLeft:
      RemovePlayer(first);
      server_.GS_GetAllRooms(LobbyClientId);
      break;
    case LobbyUsersStart:
      lbPlayers->clear();
      break;
    case LobbyUser:
      AddPlayer(first);
      break;
    case LobbyMotdStart:
      AddChat(QString());
      AddChat("=== Message of the Day ===");
      break;
    case LobbyMotdLine:
      AddChat(line);
      break;
    case LobbyMotdEnd:
      AddChat("=== End of Message of the Day ===");
      AddChat(QString());
      break;
    case LobbyPrivateCommand:
      if (hooks_.HandlePrivateCommand) {
        const std::string shown = hooks_.HandlePrivateCommand(read.First, read.Rest);
        if (!shown.empty()) AddChat(FromLatin1(shown));
      }
      if (lobby_.LobbyState == InGame) accept();
      break;
    case LobbyLoggedIn:
      store_.WriteValue("Network\\Username", edNickname->text());
      server_.GS_GetMOTD();
      lobby_.LobbyState = InLobby;
      SetBusyCursor(false);
      break;
    case LobbyUserQuit:
      if (!lbPlayers->findItems(line, Qt::MatchExactly).isEmpty()) {
        RemovePlayer(line);
      } else {
        server_.GS_GetAllRooms(LobbyClientId);
      }
      break;
    case LobbyChatRefused:
      ErrorAndDisconnect("Unable to send chat message.");
      break;
    case LobbyNickTaken:
      ErrorAndDisconnect("Cannot register: this username is already in use.");
      break;
    case LobbyNickInvalid:
      ErrorAndDisconnect("Cannot register: this username is too long (max 16 characters).");
      break;
    case LobbyNickInUse:
      ErrorAndDisconnect("Cannot register: this username is already logged in.");
      break;
    case LobbyNoSuchRoom:
      if (!lobby_.CurrentRoom.empty() && read.Line.starts_with(lobby_.CurrentRoom)) {
        server_.GS_CreateRoom(lobby_.CurrentRoom, "0");
      } else {
        ErrorAndDisconnect(QString("Cannot join: room %1 does not exist").arg(line));
      }
      break;
    case 4073:
      ErrorAndDisconnect("Cannot close room: you are not the owner");
      break;
    case 4075:
      server_.GS_JoinRoom(lobby_.GameRoom);
      break;
    case LobbyNotRegistered: {
      const std::string credential = hooks_.Credential ? hooks_.Credential() : std::string();
      server_.GS_Register(lobby_.Nickname, credential, PlaceholderEmail, LobbyClientId);
      break;
    }
    case LobbyAlreadyLoggedIn:
      ErrorAndDisconnect(
          "Cannot log in: this user is already logged in. If you got disconnected, please wait a few minutes before "
          "logging in again.");
      break;
    case LobbyBanned:
      ErrorAndDisconnect("Cannot log in: username has been banned.");
      break;
    case 4210:
      AddChat("Please upgrade to the latest version of Tarvelo.");
      break;
    case 4220: {
      // Two words, then the download address.
      const QStringList words = line.split(' ');
      const QString address = words.size() > 2 ? words.mid(2).join(' ') : QString();
      ErrorAndDisconnect(
          QString("Please upgrade to the latest version of Tarvelo. You can download it from %1").arg(address));
      break;
    }
    case 4230:
      ErrorAndDisconnect(QString("Error: unknown client version. Please contact %1").arg(SupportEmail));
      break;
    default:
      break;
  }
  UpdateLobbyButtons();
}

}  // namespace tarvelo
