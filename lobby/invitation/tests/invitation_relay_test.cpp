#include "lobby/invitation/invitation.h"
#include "lobby/invitation/invitation_commands.h"
#include "lobby/invitation/tests/action_printing.h"

#include <deque>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::invitation;
using testing::ElementsAre;

namespace {

const std::string Lobby = "LOBBY-Tarvelo501";

// Two players' machines with a lobby between them: what one sends waits in
// flight, in order, until the test hands it to the other, which sees the
// sender's own nickname as the reported sender.
class TRelay {
 public:
  struct TSide {
    TInvitationState State;
    std::vector<std::string> Sent;  // the commands this side sent
    std::vector<TAction> Done;      // everything else it did
    std::deque<std::string> Inbox;  // what the other side sent that has not arrived yet
  };

  TRelay(const std::string& first, const std::string& second) {
    for (int i = 0; i < 2; ++i) {
      TInvitationState& s = sides_[i].State;
      s.LobbyState = InLobby;
      s.Nickname = i == 0 ? first : second;
      s.CurrentRoom = Lobby;
    }
  }

  TSide& Side(int i) { return sides_[i]; }
  const std::string& Nick(int i) const { return sides_[i].State.Nickname; }

  void Do(int i, const TEvent& event) {
    TSide& side = sides_[i];
    TStep step = Step(side.State, event);
    side.State = step.State;
    for (const TAction& action : step.Actions) {
      if (const auto* send = std::get_if<TSendCommand>(&action)) {
        EXPECT_TRUE(SameNick(send->Nick, Nick(1 - i))) << Nick(i) << " sends to a third: " << send->Nick;
        side.Sent.push_back(send->Text);
        sides_[1 - i].Inbox.push_back(send->Text);
      } else {
        side.Done.push_back(action);
      }
    }
  }
  void Invite(int i) { Do(i, TInviteSelected{Nick(1 - i)}); }
  void Answer(int i, bool yes) { Do(i, TQuestionAnswered{yes}); }

  // Hands side i the oldest command in flight to it.
  void Deliver(int i) {
    ASSERT_FALSE(sides_[i].Inbox.empty());
    const std::string text = sides_[i].Inbox.front();
    sides_[i].Inbox.pop_front();
    Do(i, TCommandReceived{Nick(1 - i), text, {Nick(0), Nick(1)}, TClock::time_point{}});
  }
  void DeliverAll() {
    while (!sides_[0].Inbox.empty() || !sides_[1].Inbox.empty()) {
      for (int i = 0; i < 2; ++i) {
        if (!sides_[i].Inbox.empty()) Deliver(i);
      }
    }
  }

 private:
  TSide sides_[2];
};

TEST(InvitationRelay, BothSidesAgreeAMatch) {
  TRelay relay("Alice", "Bob");
  TRelay::TSide& alice = relay.Side(0);
  TRelay::TSide& bob = relay.Side(1);
  relay.Invite(0);
  relay.DeliverAll();
  EXPECT_EQ(alice.State.LobbyState, Inviting);
  ASSERT_THAT(bob.Done, ElementsAre(TAction{TAskQuestion{}}));
  EXPECT_TRUE(ShowsQuestion(bob.State));
  relay.Answer(1, true);
  relay.DeliverAll();

  EXPECT_EQ(alice.State.LobbyState, InGame);
  EXPECT_EQ(bob.State.LobbyState, InGame);
  const std::string room = "Tarvelo#Bob#Alice#";
  EXPECT_THAT(alice.Sent, ElementsAre("INVITE_REQUEST#NICK=Alice##", "INVITE_CONFIRMED##"));
  EXPECT_THAT(bob.Sent, ElementsAre("INVITE_ACCEPT#NICK=Bob##"));
  EXPECT_THAT(alice.Done, ElementsAre(TAction{TChatText{InvitingText}}, TAction{TCreateRoom{room, "2"}},
                                      TAction{TMatchAgreed{1, "Alice", "Bob", room}}));
  EXPECT_THAT(bob.Done, ElementsAre(TAction{TAskQuestion{}}, TAction{TChatText{StartingText}},
                                    TAction{TCreateRoom{room, "2"}}, TAction{TMatchAgreed{0, "Bob", "Alice", room}}));
}

TEST(InvitationRelay, DeclinedInvitationReturnsBothToTheLobby) {
  TRelay relay("Alice", "Bob");
  relay.Invite(0);
  relay.DeliverAll();
  relay.Answer(1, false);
  relay.DeliverAll();
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(relay.Side(i).State.LobbyState, InLobby);
    EXPECT_FALSE(relay.Side(i).State.InvitationOpen);
  }
  EXPECT_THAT(relay.Side(0).Done, ElementsAre(TAction{TChatText{InvitingText}},
                                              TAction{TChatText{OpponentDeclinedText}}, TAction{TJoinRoom{Lobby}}));
  EXPECT_THAT(relay.Side(1).Done, ElementsAre(TAction{TAskQuestion{}}));  // no room was made
}

// The inviter gave up before the answer came: the acceptance is told so, and
// the invited side is back in the lobby without having made a room.
TEST(InvitationRelay, CancelThenAccept) {
  TRelay relay("Alice", "Bob");
  relay.Invite(0);
  relay.DeliverAll();
  relay.Do(0, TCancelInvitation{});
  relay.Answer(1, true);
  relay.DeliverAll();
  const TRelay::TSide& bob = relay.Side(1);
  EXPECT_EQ(relay.Side(0).State.LobbyState, InLobby);
  EXPECT_EQ(bob.State.LobbyState, InLobby);
  EXPECT_THAT(relay.Side(0).Sent, ElementsAre("INVITE_REQUEST#NICK=Alice##", "INVITE_CANCELED##"));
  EXPECT_THAT(bob.Done, ElementsAre(TAction{TAskQuestion{}}, TAction{TChatText{OpponentCanceledText}},
                                    TAction{TJoinRoom{Lobby}}));
}

// Pairs of names in both orders, byte order unlike letter order among them.
const std::pair<const char*, const char*> NamePairs[] = {{"Alice", "Bob"}, {"Bob", "Alice"}, {"alice", "Zed"}};

// Both invite before either request arrives: each declines the other's, both stay in the lobby.
TEST(InvitationRelay, CrossingRequestsAreBothDeclined) {
  for (const auto& [first, second] : NamePairs) {
    SCOPED_TRACE(std::string(first) + " and " + second);
    TRelay relay(first, second);
    relay.Invite(0);
    relay.Invite(1);
    relay.DeliverAll();
    for (int i = 0; i < 2; ++i) {
      const TRelay::TSide& side = relay.Side(i);
      EXPECT_EQ(side.State.LobbyState, InLobby);
      EXPECT_FALSE(side.State.InvitationOpen);
      EXPECT_THAT(side.Sent, ElementsAre(RequestCommand(relay.Nick(i)), DeclinedCommand));
      EXPECT_THAT(side.Done,
                  ElementsAre(TAction{TChatText{InvitingText}}, TAction{TChatText{BusyText(relay.Nick(1 - i))}},
                              TAction{TChatText{OpponentDeclinedText}}, TAction{TJoinRoom{Lobby}}));
    }
  }
}

// The first invites the second, whose user is asked and, with the question
// up, invites the first in turn; the first, inviting already, declines that at
// once. The second's yes then stands when the decline has arrived (it is back
// in the lobby) or when its name sorts first; otherwise it is dropped without
// an answer, and the first waits on until it cancels.
TEST(InvitationRelay, YesAfterInvitingTheAskerBack) {
  for (const auto& [first, second] : NamePairs) {
    for (bool declineArrivedFirst : {false, true}) {
      SCOPED_TRACE(testing::Message() << first << " asks " << second
                                      << (declineArrivedFirst ? ", declined first" : ""));
      TRelay relay(first, second);
      relay.Invite(0);
      relay.Deliver(1);
      relay.Invite(1);
      relay.Deliver(0);
      ASSERT_TRUE(relay.Side(1).State.InvitationOpen);
      ASSERT_THAT(relay.Side(0).Sent, ElementsAre(RequestCommand(first), DeclinedCommand));
      if (declineArrivedFirst) relay.Deliver(1);
      relay.Answer(1, true);
      relay.DeliverAll();

      const TRelay::TSide& inviter = relay.Side(0);
      const TRelay::TSide& invited = relay.Side(1);
      EXPECT_FALSE(invited.State.InvitationOpen);
      if (declineArrivedFirst || std::string(second) < first) {
        const std::string room = GameRoomOf(second, first);
        EXPECT_EQ(inviter.State.LobbyState, InGame);
        EXPECT_EQ(invited.State.LobbyState, InGame);
        EXPECT_THAT(invited.Sent, ElementsAre(RequestCommand(second), AcceptCommand(second)));
        EXPECT_EQ(inviter.Done.back(), (TAction{TMatchAgreed{1, first, second, room}}));
        EXPECT_EQ(invited.Done.back(), (TAction{TMatchAgreed{0, second, first, room}}));
      } else {
        EXPECT_EQ(inviter.State.LobbyState, Inviting);
        EXPECT_EQ(invited.State.LobbyState, InLobby);
        EXPECT_THAT(invited.Sent, ElementsAre(RequestCommand(second)));
        EXPECT_EQ(invited.Done.back(), TAction{TJoinRoom{Lobby}});
      }
    }
  }
}

// The inviter's invitation ends when the invited player leaves; the invited
// side's wait for the confirmation ends when the inviter leaves.
TEST(InvitationRelay, PartnerWhoLeavesEndsTheWait) {
  TRelay relay("Alice", "Bob");
  relay.Invite(0);
  relay.Do(0, TUserLeft{"Bob"});
  EXPECT_EQ(relay.Side(0).State.LobbyState, InLobby);

  TRelay accepted("Alice", "Bob");
  accepted.Invite(0);
  accepted.DeliverAll();
  accepted.Answer(1, true);  // Alice vanishes: the acceptance is never answered
  accepted.Do(1, TUserLeft{"Alice"});
  EXPECT_EQ(accepted.Side(1).State.LobbyState, InLobby);
  EXPECT_EQ(accepted.Side(1).Done.back(), TAction{TJoinRoom{Lobby}});
}

}  // namespace
