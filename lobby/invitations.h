#pragma once

#include "lobby/invitation/invitation.h"
#include "lobby/lobby_client.h"

#include <QObject>

#include <string>

namespace tarvelo {

// The invitations on the lobby client: what the user and the lobby tell goes
// into the invitation machine, and what it answers is done on the lobby, in
// its order. The lobby's chat shows the machine's texts.
class TInvitations : public QObject {
  Q_OBJECT
 public:
  explicit TInvitations(TLobbyClient& client);

  // "In&vite" (or a double click) on a player of the room.
  void Invite(const std::string& nick);
  // "&Cancel".
  void Cancel();
  // A private command the network game left to the lobby. The chat texts it
  // leads to are already in the lobby's transcript, so none is returned.
  std::string HandlePrivateCommand(const std::string& sender, const std::string& command);
  // The posted question: whether it is put to the user now, who asks, and the answer.
  bool ShowsQuestion() const { return invitation::ShowsQuestion(State()); }
  const std::string& Asker() const { return askingNick_; }
  void Answer(bool yes);

 signals:
  // Post the question to the main window: asked once the session is idle, never inside a call.
  void QuestionPosted();
  // The match is agreed: the network game starts with these.
  void MatchAgreed(int netRole, const std::string& localName, const std::string& remoteName,
                   const std::string& gameRoom);

 private:
  invitation::TInvitationState State() const;
  void Run(const invitation::TEvent& event);
  void Do(const invitation::TAction& action);

  TLobbyClient& client_;
  // The machine's own part of its state; the rest is the lobby's.
  std::string askingNick_;
  std::vector<invitation::TAskedQuestion> asked_;
};

}  // namespace tarvelo
