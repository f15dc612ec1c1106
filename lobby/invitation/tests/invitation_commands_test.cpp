#include "lobby/invitation/invitation_commands.h"

#include <gtest/gtest.h>

using namespace tarvelo::invitation;

namespace {

TEST(InvitationCommands, ReadsTheKindAndTheNamedNick) {
  struct Case {
    const char* text;
    TCommandKind kind;
    std::optional<std::string> nick;
  };
  const Case cases[] = {
      {"INVITE_REQUEST#NICK=Bob##", TCommandKind::Request, "Bob"},
      {" \t INVITE_REQUEST#NICK=Bob##  ", TCommandKind::Request, "Bob"},  // blanks around go
      {"INVITE_ACCEPT#NICK=Bob##", TCommandKind::Accept, "Bob"},
      {"INVITE_DECLINED##", TCommandKind::Declined, std::nullopt},
      {"INVITE_CONFIRMED##", TCommandKind::Confirmed, std::nullopt},
      {"INVITE_CANCELED##", TCommandKind::Canceled, std::nullopt},
      // A request only at the start; the replies anywhere.
      {"x INVITE_REQUEST#NICK=Bob##", TCommandKind::Other, "Bob"},
      {"xINVITE_DECLINED##", TCommandKind::Declined, std::nullopt},
      // Two keywords: the first kind in order wins.
      {"INVITE_CANCELED#INVITE_ACCEPT#NICK=Eve##", TCommandKind::Accept, "Eve"},
      // The nick runs to the next "#", or to the end without one.
      {"INVITE_ACCEPT#NICK=Bob#NICK=Eve##", TCommandKind::Accept, "Bob"},
      {"INVITE_ACCEPT#NICK=Bob", TCommandKind::Accept, "Bob"},
      {"INVITE_ACCEPT#NICK=##", TCommandKind::Accept, ""},
      {"INVITE_ACCEPT##", TCommandKind::Accept, std::nullopt},
      {"invite_accept#NICK=Bob##", TCommandKind::Other, "Bob"},  // keywords are upper case
      {"PLAYERID\xFE"
       "Bob\xFF",
       TCommandKind::Other, std::nullopt},
      {"", TCommandKind::Other, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const TCommand command = ReadCommand(c.text);
    EXPECT_EQ(command.Kind, c.kind);
    EXPECT_EQ(command.Nick, c.nick);
  }
}

TEST(InvitationCommands, OwnCommandsReadBackAsSent) {
  EXPECT_EQ(RequestCommand("Ann"), "INVITE_REQUEST#NICK=Ann##");
  EXPECT_EQ(AcceptCommand("Ann"), "INVITE_ACCEPT#NICK=Ann##");
  const TCommand request = ReadCommand(RequestCommand("J\xF6rg_2"));
  EXPECT_EQ(request.Kind, TCommandKind::Request);
  EXPECT_EQ(request.Nick, "J\xF6rg_2");
  EXPECT_EQ(ReadCommand(AcceptCommand("Ann")).Kind, TCommandKind::Accept);
}

TEST(InvitationCommands, NicksFoldOnlyInAsciiLetters) {
  struct Case {
    const char* a;
    const char* b;
    bool same;
  };
  const Case cases[] = {
      {"Bob", "Bob", true},          {"Bob", "bOB", true}, {"Bob", "Bob_", false}, {"Bob", "Bo", false},
      {"a[", "a{", false},           {"a\\", "a|", false}, {"a^", "a~", false},  // IRC's own folding is escaped away
      {"J\xF6rg", "J\xD6rg", false},  // Latin-1 letters are escaped, not folded
      {"x-1", "X-1", true},          {"", "", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.a) + " / " + c.b);
    EXPECT_EQ(SameNick(c.a, c.b), c.same);
    EXPECT_EQ(SameNick(c.b, c.a), c.same);
  }
}

}  // namespace
