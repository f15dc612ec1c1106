#include "lobby/invitation/invitation.h"

#include "lobby/invitation/invitation_commands.h"

#include <algorithm>
#include <utility>

namespace tarvelo::invitation {
namespace {

using TActions = std::vector<TAction>;

void Send(TActions& out, const std::string& nick, std::string text) {
  out.push_back(TSendCommand{nick, std::move(text)});
}

void Chat(TActions& out, std::string text) { out.push_back(TChatText{std::move(text)}); }

// The own invitation, or the wait for a confirmation, is over: back to the lobby's room.
void BackToLobby(TInvitationState& s, TActions& out, const char* text) {
  s.LobbyState = InLobby;
  Chat(out, text);
  out.push_back(TJoinRoom{s.CurrentRoom});
}

bool IsPartner(const TInvitationState& s, const std::string& nick) {
  return !s.PartnerNick.empty() && SameNick(nick, s.PartnerNick);
}

void OnInviteSelected(TInvitationState& s, TActions& out, const TInviteSelected& e) {
  if (s.LobbyState != InLobby || e.Nick.empty() || SameNick(e.Nick, s.Nickname)) return;
  s.LobbyState = Inviting;
  s.PartnerNick = e.Nick;
  Send(out, e.Nick, RequestCommand(s.Nickname));
  Chat(out, InvitingText);
}

// Nobody is told: an invited player who accepts later hears that we no longer
// wait; an inviter who already confirmed finds no one in the game room.
void OnCancel(TInvitationState& s, TActions& out) {
  if (s.LobbyState == Inviting || s.LobbyState == Accepted) BackToLobby(s, out, CanceledText);
}

bool AskedLately(TInvitationState& s, const std::string& nick, TClock::time_point now) {
  std::erase_if(s.Asked, [now](const TAskedQuestion& q) { return now - q.At >= QuestionInterval; });
  return std::ranges::any_of(s.Asked, [&nick](const TAskedQuestion& q) { return SameNick(q.Nick, nick); });
}

// The room for the game is made only once the match is agreed: a request
// alone moves nobody out of the lobby's room.
void OnRequest(TInvitationState& s, TActions& out, const TCommandReceived& e, const TCommand& c) {
  const std::string& from = e.Sender;
  const bool ownName = c.Nick && SameNick(*c.Nick, from);
  const bool inRoom = std::ranges::any_of(e.RoomPlayers, [&from](const std::string& p) { return SameNick(p, from); });
  const bool busy = s.LobbyState == Inviting || s.LobbyState == Accepted;
  // A forged name, a stranger to our room, or no lobby to be invited in: a
  // plain no, and nothing in our chat.
  if (!ownName || !inRoom || (s.LobbyState != InLobby && !busy)) return Send(out, from, DeclinedCommand);
  if (s.InvitationOpen || busy || AskedLately(s, from, e.Now)) {
    Send(out, from, DeclinedCommand);
    return Chat(out, BusyText(from));
  }
  s.InvitationOpen = true;
  s.AskingNick = from;
  s.Asked.push_back({from, e.Now});
  out.push_back(TAskQuestion{});
}

// Only the invited player, naming itself, makes the match; any other
// acceptance is told that we do not wait for it.
void OnAccept(TInvitationState& s, TActions& out, const TCommandReceived& e, const TCommand& c) {
  const std::string& from = e.Sender;
  if (s.LobbyState != Inviting || !IsPartner(s, from) || !c.Nick || !SameNick(*c.Nick, from)) {
    return Send(out, from, CanceledCommand);
  }
  s.LobbyState = InGame;
  s.GameRoom = GameRoomOf(from, s.Nickname);
  // The confirmation goes before we leave the lobby's room, so the invited
  // side hears it before it sees us go.
  Send(out, from, ConfirmedCommand);
  out.push_back(TCreateRoom{s.GameRoom, GameRoomKind});
  out.push_back(TMatchAgreed{1, s.Nickname, from, s.GameRoom});
}

// A decline, a confirmation or a cancel counts only from the partner, and
// only in the state that waits for it.
void OnReply(TInvitationState& s, TActions& out, const TCommandReceived& e, TCommandKind kind) {
  if (!IsPartner(s, e.Sender)) return;
  if (kind == TCommandKind::Declined && s.LobbyState == Inviting) return BackToLobby(s, out, OpponentDeclinedText);
  if (kind == TCommandKind::Canceled && s.LobbyState == Accepted) return BackToLobby(s, out, OpponentCanceledText);
  if (kind == TCommandKind::Confirmed && s.LobbyState == Accepted) {
    s.LobbyState = InGame;
    Chat(out, StartingText);
    out.push_back(TCreateRoom{s.GameRoom, GameRoomKind});
    out.push_back(TMatchAgreed{0, s.Nickname, e.Sender, s.GameRoom});
  }
}

void OnCommand(TInvitationState& s, TActions& out, const TCommandReceived& e) {
  if (e.Sender.empty()) return;
  const TCommand command = ReadCommand(e.Command);
  switch (command.Kind) {
    case TCommandKind::Request:
      return OnRequest(s, out, e, command);
    case TCommandKind::Accept:
      return OnAccept(s, out, e, command);
    case TCommandKind::Declined:
    case TCommandKind::Confirmed:
    case TCommandKind::Canceled:
      return OnReply(s, out, e, command.Kind);
    case TCommandKind::Other:
      return;
  }
}

void AcceptFrom(TInvitationState& s, TActions& out, const std::string& asker) {
  s.LobbyState = Accepted;
  s.PartnerNick = asker;
  s.GameRoom = GameRoomOf(s.Nickname, asker);
  // We wait for the confirmation in the lobby's room, where we see the inviter
  // if it leaves; the game room is made once the match is confirmed.
  Send(out, asker, AcceptCommand(s.Nickname));
}

void OnAnswer(TInvitationState& s, TActions& out, const TQuestionAnswered& e) {
  if (!s.InvitationOpen) return;
  s.InvitationOpen = false;
  const std::string asker = std::exchange(s.AskingNick, {});
  if (asker.empty()) return;  // the asker went: there is no one to answer
  // Our own invitation of the same player was accepted meanwhile: the match stands.
  if (s.LobbyState == InGame && IsPartner(s, asker)) return;
  if (!e.Yes) return Send(out, asker, DeclinedCommand);
  if (s.LobbyState == InLobby) return AcceptFrom(s, out, asker);
  if (s.LobbyState == Inviting) {
    // The user invited the asker back while its question was up: the yes
    // stands only when our name sorts first (byte by byte), else it is dropped
    // without an answer, so of two crossing acceptances at most one is on its
    // way. An own invitation of someone else is given up for the asker.
    if (!IsPartner(s, asker) || s.Nickname < asker) AcceptFrom(s, out, asker);
    return;
  }
  Send(out, asker, DeclinedCommand);
}

// Someone leaving matters only when it is the partner or the player who asks.
void OnUserLeft(TInvitationState& s, TActions& out, const TUserLeft& e) {
  const bool asker = s.InvitationOpen && !s.AskingNick.empty() && SameNick(e.Nick, s.AskingNick);
  if (asker) s.AskingNick.clear();
  if (IsPartner(s, e.Nick) && s.LobbyState == Inviting) return BackToLobby(s, out, CanceledText);
  if (IsPartner(s, e.Nick) && s.LobbyState == Accepted) return BackToLobby(s, out, OpponentCanceledText);
  if (asker) Chat(out, OpponentCanceledText);
}

// The lobby is gone, and with it every invitation; an open question stays up
// until answered, but no answer is sent.
void OnConnectionLost(TInvitationState& s) {
  s.LobbyState = NotConnected;
  s.AskingNick.clear();
}

}  // namespace

std::string BusyText(std::string_view nick) {
  return "[Declined " + std::string(nick) + " because you were being invited.]";
}

std::string GameRoomOf(std::string_view invited, std::string_view inviting) {
  return "Tarvelo#" + std::string(invited) + "#" + std::string(inviting) + "#";
}

TStep Step(TInvitationState state, const TEvent& event) {
  TActions out;
  struct TVisit {
    TInvitationState& s;
    TActions& out;
    void operator()(const TInviteSelected& e) const { OnInviteSelected(s, out, e); }
    void operator()(const TCancelInvitation&) const { OnCancel(s, out); }
    void operator()(const TCommandReceived& e) const { OnCommand(s, out, e); }
    void operator()(const TQuestionAnswered& e) const { OnAnswer(s, out, e); }
    void operator()(const TUserLeft& e) const { OnUserLeft(s, out, e); }
    void operator()(const TConnectionLost&) const { OnConnectionLost(s); }
  };
  std::visit(TVisit{state, out}, event);
  return {std::move(state), std::move(out)};
}

bool ShowsQuestion(const TInvitationState& state) {
  return state.InvitationOpen && !state.AskingNick.empty() && state.LobbyState == InLobby;
}

}  // namespace tarvelo::invitation
