#include "lobby/invitations.h"

#include <type_traits>

namespace tarvelo {

using namespace invitation;

TInvitations::TInvitations(TLobbyClient& client) : client_(client) {
  connect(&client_, &TLobbyClient::UserLeft, this,
          [this](const std::string& nick, const std::string&) { Run(TUserLeft{nick}); });
  connect(&client_, &TLobbyClient::Disconnected, this, [this] { Run(TConnectionLost{}); });
}

void TInvitations::Invite(const std::string& nick) { Run(TInviteSelected{nick}); }

void TInvitations::Cancel() { Run(TCancelInvitation{}); }

std::string TInvitations::HandlePrivateCommand(const std::string& sender, const std::string& command) {
  Run(TCommandReceived{sender, command, client_.Players(), TClock::now()});
  return {};
}

void TInvitations::Answer(bool yes) { Run(TQuestionAnswered{yes && ShowsQuestion()}); }

TInvitationState TInvitations::State() const {
  const TLobby& lobby = client_.Lobby();
  return {lobby.LobbyState,  lobby.Nickname,       lobby.PartnerNick, lobby.GameRoom,
          lobby.CurrentRoom, lobby.InvitationOpen, askingNick_,       asked_};
}

void TInvitations::Run(const TEvent& event) {
  TStep step = Step(State(), event);
  askingNick_ = step.State.AskingNick;
  asked_ = step.State.Asked;
  client_.SetInvitation(step.State.PartnerNick, step.State.GameRoom, step.State.InvitationOpen);
  client_.SetState(step.State.LobbyState);
  for (const auto& action : step.Actions) Do(action);
}

void TInvitations::Do(const TAction& action) {
  std::visit(
      [this](const auto& a) {
        using T = std::decay_t<decltype(a)>;
        if constexpr (std::is_same_v<T, TSendCommand>) {
          client_.SendPrivateCommand(a.Nick, a.Text);
        } else if constexpr (std::is_same_v<T, TCreateRoom>) {
          client_.Server().GS_CreateRoom(a.Room, a.Kind);
        } else if constexpr (std::is_same_v<T, TJoinRoom>) {
          client_.Server().GS_JoinRoom(a.Room);
        } else if constexpr (std::is_same_v<T, TAskQuestion>) {
          emit QuestionPosted();
        } else if constexpr (std::is_same_v<T, TChatText>) {
          client_.AddToTranscript(FromLatin1(a.Text));
        } else if constexpr (std::is_same_v<T, TMatchAgreed>) {
          emit MatchAgreed(a.NetRole, a.LocalName, a.RemoteName, a.GameRoom);
        }
      },
      action);
}

}  // namespace tarvelo
