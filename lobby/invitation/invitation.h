#pragma once

#include "lobby/lobby.h"

#include <chrono>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tarvelo::invitation {

// Two players of the lobby agree a match by private commands: the inviting
// side asks, the invited side's user answers a question, the inviting side
// confirms. This is that exchange without the lobby: the state and one event
// go in, the new state and what to do come out, in the order it must be done.
//
// Whatever a command says, its sender is the one the server reports; a name
// inside the text only has to agree with it. A stranger can neither make a
// match, nor break one that is agreed, nor make us leave the lobby's room, and
// question boxes come one at a time, from players in our room, at most one per
// player every QuestionInterval.

using TClock = std::chrono::steady_clock;

// A player whose question was put to the user is not asked again sooner than
// this: declining does not invite a new box at once.
inline constexpr std::chrono::seconds QuestionInterval{10};

// Both sides make the game room once the match is agreed, the inviter on the
// acceptance and the invited side on the confirmation: the first to come makes
// it and the other joins it, in whatever order the server sees them.
inline constexpr char GameRoomKind[] = "2";  // a room for two

// The lobby's chat texts of an invitation.
inline constexpr char InvitingText[] = "[Inviting your opponent, please wait...]";
inline constexpr char CanceledText[] = "[Invitation canceled.]";
inline constexpr char OpponentDeclinedText[] = "[Sorry, your opponent has declined the invitation.]";
inline constexpr char StartingText[] = "[Your opponent accepted, starting match...]";
inline constexpr char OpponentCanceledText[] = "[Sorry, your opponent has canceled the invitation.]";
std::string BusyText(std::string_view nick);  // "[Declined <nick> because you were being invited.]"

// The room of an agreed match: "Tarvelo#<invited>#<inviting>#".
std::string GameRoomOf(std::string_view invited, std::string_view inviting);

// A question put to the user: by whom, and when.
struct TAskedQuestion {
  std::string Nick;
  TClock::time_point At;
};

struct TInvitationState {
  // As the lobby keeps them (TLobby).
  TLobbyState LobbyState = NotConnected;
  std::string Nickname;
  std::string PartnerNick;  // the invited player, or on the invited side the inviting one once accepted
  std::string GameRoom;
  std::string CurrentRoom;
  bool InvitationOpen = false;  // a question is up: from the asking until its answer
  // The invitations' own.
  std::string AskingNick;             // whom the open question is from; empty once that player is gone
  std::vector<TAskedQuestion> Asked;  // the questions of the last QuestionInterval
};

// --- What happens
// The user invites the player selected in "Available Players".
struct TInviteSelected {
  std::string Nick;
};
// The user stops waiting: for the answer to an own invitation, or for the confirmation of an accepted one.
struct TCancelInvitation {};
// A private command (lobby event 2121) that the network game left to the lobby.
struct TCommandReceived {
  std::string Sender;  // as the server reports it
  std::string Command;
  // The available players of the current room at this moment. The lobby
  // client keeps this list from the room's events; judging membership here
  // keeps one list and one rule for comparing names.
  std::vector<std::string> RoomPlayers;
  TClock::time_point Now;
};
// The user's answer to the question. When the question is not shown (the
// lobby is no longer InLobby, see ShowsQuestion), this comes with No.
struct TQuestionAnswered {
  bool Yes = false;
};
// A user left the room we are in, or quit (lobby event 2072).
struct TUserLeft {
  std::string Nick;
};
// The link to the lobby ended (lobby event 1991).
struct TConnectionLost {};

using TEvent =
    std::variant<TInviteSelected, TCancelInvitation, TCommandReceived, TQuestionAnswered, TUserLeft, TConnectionLost>;

// --- What to do, in the order given
struct TSendCommand {  // GS_PrivateGameCommand
  std::string Nick;
  std::string Text;
  bool operator==(const TSendCommand&) const = default;
};
struct TCreateRoom {  // GS_CreateRoom: made when missing, else joined
  std::string Room;
  std::string Kind;
  bool operator==(const TCreateRoom&) const = default;
};
struct TJoinRoom {  // GS_JoinRoom
  std::string Room;
  bool operator==(const TJoinRoom&) const = default;
};
struct TAskQuestion {  // post InvitationQuestionMessage (2028) to the main window
  bool operator==(const TAskQuestion&) const = default;
};
struct TChatText {  // a line for the lobby's chat
  std::string Text;
  bool operator==(const TChatText&) const = default;
};
struct TMatchAgreed {  // the network game starts with these
  int NetRole = 0;     // 1 the inviting side, 0 the invited side
  std::string LocalName;
  std::string RemoteName;
  std::string GameRoom;
  bool operator==(const TMatchAgreed&) const = default;
};

using TAction = std::variant<TSendCommand, TCreateRoom, TJoinRoom, TAskQuestion, TChatText, TMatchAgreed>;

struct TStep {
  TInvitationState State;
  std::vector<TAction> Actions;
};

TStep Step(TInvitationState state, const TEvent& event);

// Whether the posted question is put to the user now: only while in the lobby.
// Otherwise (an own invitation went out meanwhile, the link ended) the answer is No.
bool ShowsQuestion(const TInvitationState& state);

}  // namespace tarvelo::invitation
