#include "lobby/invitation/invitation.h"

#include "lobby/invitation/invitation_commands.h"
#include "lobby/invitation/tests/action_printing.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::invitation;
using namespace std::chrono_literals;

namespace {

const std::string Lobby = "LOBBY-Tarvelo501";
const TClock::time_point T0 = TClock::time_point{} + 1h;

// We are Alice, in the lobby's room with Bob, Carol and Mallory.
TInvitationState InLobbyState(const std::string& nick = "Alice") {
  TInvitationState s;
  s.LobbyState = InLobby;
  s.Nickname = nick;
  s.CurrentRoom = Lobby;
  return s;
}
TInvitationState With(TInvitationState s, TLobbyState state, const std::string& partner, std::string room = {}) {
  s.LobbyState = state;
  s.PartnerNick = partner;
  s.GameRoom = std::move(room);
  return s;
}
TInvitationState Inviting(const std::string& partner) { return With(InLobbyState(), tarvelo::Inviting, partner); }
TInvitationState AcceptedBob() { return With(InLobbyState(), Accepted, "Bob", "Tarvelo#Alice#Bob#"); }
TInvitationState InGameBob() { return With(InLobbyState(), InGame, "Bob", "Tarvelo#Alice#Bob#"); }
// A question from `asker` is up; an empty asker is one who left meanwhile.
TInvitationState Asked(TInvitationState s, const std::string& asker) {
  s.InvitationOpen = true;
  s.AskingNick = asker;
  return s;
}
TInvitationState Lost(TInvitationState s) {
  s.LobbyState = NotConnected;
  return s;
}

TCommandReceived From(const std::string& sender, const std::string& command) {
  return {sender, command, {"Alice", "Bob", "Carol", "Mallory"}, T0};
}

TAction SendTo(const std::string& nick, const std::string& text) { return TSendCommand{nick, text}; }
TAction Chat(const std::string& text) { return TChatText{text}; }
TAction Join(const std::string& room) { return TJoinRoom{room}; }
TAction Create(const std::string& room) { return TCreateRoom{room, "2"}; }
const TAction Ask = TAskQuestion{};

struct Case {
  const char* name;
  TInvitationState start;
  TEvent event;
  TInvitationState after;  // compared in the fields the lobby shares, and the asker
  std::vector<TAction> actions;
};

// Every row: one event on one state, with the reported sender in the event.
const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      // --- The user
      {"invite from the lobby",
       InLobbyState(),
       TInviteSelected{"Bob"},
       Inviting("Bob"),
       {SendTo("Bob", "INVITE_REQUEST#NICK=Alice##"), Chat("[Inviting your opponent, please wait...]")}},
      {"invite oneself", InLobbyState(), TInviteSelected{"ALICE"}, InLobbyState(), {}},
      {"invite while inviting", Inviting("Bob"), TInviteSelected{"Carol"}, Inviting("Bob"), {}},
      {"invite while accepted", AcceptedBob(), TInviteSelected{"Carol"}, AcceptedBob(), {}},
      {"invite while a question is up",
       Asked(InLobbyState(), "Bob"),
       TInviteSelected{"Bob"},
       Asked(Inviting("Bob"), "Bob"),
       {SendTo("Bob", "INVITE_REQUEST#NICK=Alice##"), Chat(InvitingText)}},
      {"cancel while inviting",
       Inviting("Bob"),
       TCancelInvitation{},
       With(InLobbyState(), InLobby, "Bob"),
       {Chat("[Invitation canceled.]"), Join(Lobby)}},
      {"cancel while accepted",
       AcceptedBob(),
       TCancelInvitation{},
       With(AcceptedBob(), InLobby, "Bob", "Tarvelo#Alice#Bob#"),
       {Chat("[Invitation canceled.]"), Join(Lobby)}},
      {"cancel in the lobby", InLobbyState(), TCancelInvitation{}, InLobbyState(), {}},
      {"cancel in a game", InGameBob(), TCancelInvitation{}, InGameBob(), {}},

      // --- Requests
      {"request from a player in the room",
       InLobbyState(),
       From("Bob", "INVITE_REQUEST#NICK=Bob##"),
       Asked(InLobbyState(), "Bob"),
       {Ask}},
      {"request with blanks around",
       InLobbyState(),
       From("Bob", "  INVITE_REQUEST#NICK=Bob##  "),
       Asked(InLobbyState(), "Bob"),
       {Ask}},
      {"names fold as the server folds them",
       InLobbyState(),
       From("BOB", "INVITE_REQUEST#NICK=bob##"),
       Asked(InLobbyState(), "BOB"),
       {Ask}},
      {"request naming someone else",
       InLobbyState(),
       From("Mallory", "INVITE_REQUEST#NICK=Bob##"),
       InLobbyState(),
       {SendTo("Mallory", "INVITE_DECLINED##")}},
      {"request naming nobody",
       InLobbyState(),
       From("Bob", "INVITE_REQUEST##"),
       InLobbyState(),
       {SendTo("Bob", "INVITE_DECLINED##")}},
      {"request from a player not in the room",
       InLobbyState(),
       From("Dave", "INVITE_REQUEST#NICK=Dave##"),
       InLobbyState(),
       {SendTo("Dave", "INVITE_DECLINED##")}},
      {"request not at the start", InLobbyState(), From("Bob", "x INVITE_REQUEST#NICK=Bob##"), InLobbyState(), {}},
      {"second request while a question is up",
       Asked(InLobbyState(), "Bob"),
       From("Carol", "INVITE_REQUEST#NICK=Carol##"),
       Asked(InLobbyState(), "Bob"),
       {SendTo("Carol", "INVITE_DECLINED##"), Chat("[Declined Carol because you were being invited.]")}},
      {"request while inviting",
       Inviting("Carol"),
       From("Bob", "INVITE_REQUEST#NICK=Bob##"),
       Inviting("Carol"),
       {SendTo("Bob", "INVITE_DECLINED##"), Chat("[Declined Bob because you were being invited.]")}},
      {"request while accepted",
       AcceptedBob(),
       From("Carol", "INVITE_REQUEST#NICK=Carol##"),
       AcceptedBob(),
       {SendTo("Carol", "INVITE_DECLINED##"), Chat("[Declined Carol because you were being invited.]")}},
      {"request in a game",
       InGameBob(),
       From("Carol", "INVITE_REQUEST#NICK=Carol##"),
       InGameBob(),
       {SendTo("Carol", "INVITE_DECLINED##")}},

      // --- Acceptances of our invitation of Bob
      {"accept from the invited player",
       Inviting("Bob"),
       From("Bob", "INVITE_ACCEPT#NICK=Bob##"),
       With(InLobbyState(), InGame, "Bob", "Tarvelo#Bob#Alice#"),
       {SendTo("Bob", "INVITE_CONFIRMED##"), Create("Tarvelo#Bob#Alice#"),
        TMatchAgreed{1, "Alice", "Bob", "Tarvelo#Bob#Alice#"}}},
      {"accept naming the invited player, from someone else",
       Inviting("Bob"),
       From("Mallory", "INVITE_ACCEPT#NICK=Bob##"),
       Inviting("Bob"),
       {SendTo("Mallory", "INVITE_CANCELED##")}},
      {"accept from the invited player naming someone else",
       Inviting("Bob"),
       From("Bob", "INVITE_ACCEPT#NICK=Carol##"),
       Inviting("Bob"),
       {SendTo("Bob", "INVITE_CANCELED##")}},
      {"accept naming nobody",
       Inviting("Bob"),
       From("Bob", "INVITE_ACCEPT##"),
       Inviting("Bob"),
       {SendTo("Bob", "INVITE_CANCELED##")}},
      {"accept from a player not invited",
       Inviting("Bob"),
       From("Carol", "INVITE_ACCEPT#NICK=Carol##"),
       Inviting("Bob"),
       {SendTo("Carol", "INVITE_CANCELED##")}},
      {"accept after the user cancelled",
       With(InLobbyState(), InLobby, "Bob"),
       From("Bob", "INVITE_ACCEPT#NICK=Bob##"),
       With(InLobbyState(), InLobby, "Bob"),
       {SendTo("Bob", "INVITE_CANCELED##")}},
      {"accept in a game",
       InGameBob(),
       From("Carol", "INVITE_ACCEPT#NICK=Carol##"),
       InGameBob(),
       {SendTo("Carol", "INVITE_CANCELED##")}},

      // --- Declines, confirmations and cancels count only from the partner, in the state that waits for them
      {"decline from the invited player",
       Inviting("Bob"),
       From("Bob", "INVITE_DECLINED##"),
       With(InLobbyState(), InLobby, "Bob"),
       {Chat("[Sorry, your opponent has declined the invitation.]"), Join(Lobby)}},
      {"decline from a third party", Inviting("Bob"), From("Carol", "INVITE_DECLINED##"), Inviting("Bob"), {}},
      {"decline while accepted", AcceptedBob(), From("Bob", "INVITE_DECLINED##"), AcceptedBob(), {}},
      {"decline in the lobby",
       With(InLobbyState(), InLobby, "Bob"),
       From("Bob", "INVITE_DECLINED##"),
       With(InLobbyState(), InLobby, "Bob"),
       {}},
      {"confirm from the inviter",
       AcceptedBob(),
       From("Bob", "INVITE_CONFIRMED##"),
       InGameBob(),
       {Chat("[Your opponent accepted, starting match...]"), Create("Tarvelo#Alice#Bob#"),
        TMatchAgreed{0, "Alice", "Bob", "Tarvelo#Alice#Bob#"}}},
      {"confirm in other letter case",
       AcceptedBob(),
       From("bob", "INVITE_CONFIRMED##"),
       InGameBob(),
       {Chat(StartingText), Create("Tarvelo#Alice#Bob#"), TMatchAgreed{0, "Alice", "bob", "Tarvelo#Alice#Bob#"}}},
      {"confirm from a third party", AcceptedBob(), From("Mallory", "INVITE_CONFIRMED##"), AcceptedBob(), {}},
      {"confirm while inviting", Inviting("Bob"), From("Bob", "INVITE_CONFIRMED##"), Inviting("Bob"), {}},
      {"cancel from the inviter",
       AcceptedBob(),
       From("Bob", "INVITE_CANCELED##"),
       With(AcceptedBob(), InLobby, "Bob", "Tarvelo#Alice#Bob#"),
       {Chat("[Sorry, your opponent has canceled the invitation.]"), Join(Lobby)}},
      {"cancel from a third party", AcceptedBob(), From("Mallory", "INVITE_CANCELED##"), AcceptedBob(), {}},
      {"cancel while inviting", Inviting("Bob"), From("Bob", "INVITE_CANCELED##"), Inviting("Bob"), {}},
      {"cancel in a game", InGameBob(), From("Bob", "INVITE_CANCELED##"), InGameBob(), {}},
      {"a game command",
       InGameBob(),
       From("Bob",
            "PLAYERID\xFE"
            "Bob\xFF"),
       InGameBob(),
       {}},
      {"no sender", Inviting("Bob"), From("", "INVITE_ACCEPT#NICK=##"), Inviting("Bob"), {}},

      // --- The user's answer to the question
      {"yes in the lobby",
       Asked(InLobbyState(), "Bob"),
       TQuestionAnswered{true},
       With(InLobbyState(), Accepted, "Bob", "Tarvelo#Alice#Bob#"),
       {SendTo("Bob", "INVITE_ACCEPT#NICK=Alice##")}},
      {"no in the lobby",
       Asked(InLobbyState(), "Bob"),
       TQuestionAnswered{false},
       InLobbyState(),
       {SendTo("Bob", "INVITE_DECLINED##")}},
      {"yes to the player we invited too, our name sorting first",
       Asked(Inviting("Bob"), "Bob"),
       TQuestionAnswered{true},
       With(InLobbyState(), Accepted, "Bob", "Tarvelo#Alice#Bob#"),
       {SendTo("Bob", "INVITE_ACCEPT#NICK=Alice##")}},
      {"yes to the player we invited too, our name sorting last",
       Asked(With(InLobbyState("Bob"), tarvelo::Inviting, "Alice"), "Alice"),
       TQuestionAnswered{true},
       With(InLobbyState("Bob"), tarvelo::Inviting, "Alice"),
       {}},
      {"names sort byte by byte, upper case first",
       Asked(With(InLobbyState("alice"), tarvelo::Inviting, "Zed"), "Zed"),
       TQuestionAnswered{true},
       With(InLobbyState("alice"), tarvelo::Inviting, "Zed"),
       {}},
      {"yes while inviting someone else gives that up, whatever the names' order",
       Asked(With(InLobbyState("Dora"), tarvelo::Inviting, "Carol"), "Bob"),
       TQuestionAnswered{true},
       With(InLobbyState("Dora"), Accepted, "Bob", "Tarvelo#Dora#Bob#"),
       {SendTo("Bob", "INVITE_ACCEPT#NICK=Dora##")}},
      {"no while inviting",
       Asked(Inviting("Bob"), "Bob"),
       TQuestionAnswered{false},
       Inviting("Bob"),
       {SendTo("Bob", "INVITE_DECLINED##")}},
      {"yes in a game with someone else",
       Asked(With(InLobbyState(), InGame, "Carol"), "Bob"),
       TQuestionAnswered{true},
       With(InLobbyState(), InGame, "Carol"),
       {SendTo("Bob", "INVITE_DECLINED##")}},
      {"an answer to the player we are playing says nothing",
       Asked(InGameBob(), "Bob"),
       TQuestionAnswered{false},
       InGameBob(),
       {}},
      {"answer with no question up", InLobbyState(), TQuestionAnswered{true}, InLobbyState(), {}},
      {"answer after the asker left", Asked(InLobbyState(), ""), TQuestionAnswered{true}, InLobbyState(), {}},
      {"answer after the link ended",
       Asked(Lost(InLobbyState()), ""),
       TQuestionAnswered{true},
       Lost(InLobbyState()),
       {}},

      // --- Someone leaves
      {"the invited player leaves",
       Inviting("Bob"),
       TUserLeft{"bob"},
       With(InLobbyState(), InLobby, "Bob"),
       {Chat("[Invitation canceled.]"), Join(Lobby)}},
      {"someone else leaves while inviting", Inviting("Bob"), TUserLeft{"Carol"}, Inviting("Bob"), {}},
      {"the inviter leaves while accepted",
       AcceptedBob(),
       TUserLeft{"Bob"},
       With(AcceptedBob(), InLobby, "Bob", "Tarvelo#Alice#Bob#"),
       {Chat("[Sorry, your opponent has canceled the invitation.]"), Join(Lobby)}},
      {"someone else leaves while accepted", AcceptedBob(), TUserLeft{"Mallory"}, AcceptedBob(), {}},
      {"the asker leaves while the question is up",
       Asked(InLobbyState(), "Bob"),
       TUserLeft{"Bob"},
       Asked(InLobbyState(), ""),
       {Chat(OpponentCanceledText)}},
      {"someone else leaves while the question is up",
       Asked(InLobbyState(), "Bob"),
       TUserLeft{"Carol"},
       Asked(InLobbyState(), "Bob"),
       {}},
      {"the player we both invited and were asked by leaves",
       Asked(Inviting("Bob"), "Bob"),
       TUserLeft{"Bob"},
       Asked(With(InLobbyState(), InLobby, "Bob"), ""),
       {Chat(CanceledText), Join(Lobby)}},
      {"an earlier partner leaves",
       With(InLobbyState(), InLobby, "Bob"),
       TUserLeft{"Bob"},
       With(InLobbyState(), InLobby, "Bob"),
       {}},
      {"the opponent leaves during the game", InGameBob(), TUserLeft{"Bob"}, InGameBob(), {}},

      // --- The link ends
      {"link lost while inviting", Inviting("Bob"), TConnectionLost{}, Lost(Inviting("Bob")), {}},
      {"link lost while accepted", AcceptedBob(), TConnectionLost{}, Lost(AcceptedBob()), {}},
      {"link lost with a question up",
       Asked(InLobbyState(), "Bob"),
       TConnectionLost{},
       Asked(Lost(InLobbyState()), ""),
       {}},
  };
  return cases;
}

TEST(Invitation, EachEventOnEachState) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.name);
    const TStep step = Step(c.start, c.event);
    EXPECT_EQ(step.State.LobbyState, c.after.LobbyState);
    EXPECT_EQ(step.State.Nickname, c.after.Nickname);
    EXPECT_EQ(step.State.PartnerNick, c.after.PartnerNick);
    EXPECT_EQ(step.State.GameRoom, c.after.GameRoom);
    EXPECT_EQ(step.State.CurrentRoom, c.after.CurrentRoom);
    EXPECT_EQ(step.State.InvitationOpen, c.after.InvitationOpen);
    EXPECT_EQ(step.State.AskingNick, c.after.AskingNick);
    EXPECT_THAT(step.Actions, testing::ElementsAreArray(c.actions));
  }
}

// The question is put only while in the lobby; otherwise it is answered No.
TEST(Invitation, QuestionShownOnlyInTheLobby) {
  struct QuestionCase {
    const char* name;
    TInvitationState state;
    bool shown;
  };
  const QuestionCase cases[] = {
      {"in the lobby", Asked(InLobbyState(), "Bob"), true},
      {"own invitation sent since", Asked(Inviting("Carol"), "Bob"), false},
      {"asker gone", Asked(InLobbyState(), ""), false},
      {"link lost", Asked(Lost(InLobbyState()), ""), false},
      {"no question", InLobbyState(), false},
  };
  for (const auto& c : cases) EXPECT_EQ(ShowsQuestion(c.state), c.shown) << c.name;
}

// The requests of one script, each at its moment; every question asked is
// answered No at once, so only the interval keeps a player from asking again.
TEST(Invitation, OneQuestionPerPlayerPerInterval) {
  struct Request {
    const char* sender;
    TClock::duration at;
    bool asked;
  };
  struct ScriptCase {
    const char* name;
    std::vector<Request> requests;
  };
  const ScriptCase cases[] = {
      {"again at once", {{"Bob", 0s, true}, {"Bob", 0s, false}}},
      {"again just before the interval", {{"Bob", 0s, true}, {"Bob", 9999ms, false}}},
      {"again after the interval", {{"Bob", 0s, true}, {"Bob", 10s, true}}},
      {"again in other letter case", {{"Bob", 0s, true}, {"bOB", 5s, false}}},
      {"another player at once", {{"Bob", 0s, true}, {"Carol", 1s, true}}},
      {"a declined request does not restart the interval", {{"Bob", 0s, true}, {"Bob", 5s, false}, {"Bob", 10s, true}}},
      {"each player on its own clock",
       {{"Bob", 0s, true}, {"Carol", 4s, true}, {"Bob", 10s, true}, {"Carol", 10s, false}, {"Carol", 14s, true}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TInvitationState state = InLobbyState();
    for (const Request& r : c.requests) {
      SCOPED_TRACE(testing::Message() << r.sender << " at "
                                      << std::chrono::duration_cast<std::chrono::milliseconds>(r.at).count() << " ms");
      TCommandReceived request = From(r.sender, RequestCommand(r.sender));
      request.Now = T0 + r.at;
      TStep step = Step(state, request);
      const std::vector<TAction> declined = {SendTo(r.sender, DeclinedCommand), Chat(BusyText(r.sender))};
      if (r.asked) {
        EXPECT_THAT(step.Actions, testing::ElementsAre(Ask));
        step = Step(step.State, TQuestionAnswered{false});
      } else {
        EXPECT_THAT(step.Actions, testing::ElementsAreArray(declined));
      }
      state = step.State;
      EXPECT_FALSE(state.InvitationOpen);
    }
  }
}

// However many players ask over time, only the last interval's questions are remembered.
TEST(Invitation, RememberedQuestionsStayFew) {
  TInvitationState state = InLobbyState();
  for (int i = 0; i < 1000; ++i) {
    const std::string nick = "p" + std::to_string(i);
    TCommandReceived request{nick, RequestCommand(nick), {nick}, T0 + i * 1s};
    const TStep asked = Step(state, request);
    ASSERT_THAT(asked.Actions, testing::ElementsAre(Ask)) << nick;
    state = Step(asked.State, TQuestionAnswered{false}).State;
  }
  EXPECT_LE(state.Asked.size(), 10u);
}

}  // namespace
