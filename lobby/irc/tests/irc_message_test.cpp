#include "lobby/irc/irc_message.h"

#include <gtest/gtest.h>

using namespace tarvelo::irc;

namespace {

struct ParseCase {
  const char* line;
  const char* prefix;
  const char* command;
  std::vector<std::string> params;
};

TEST(IrcParser, ReadsPrefixCommandParamsAndTrailing) {
  const ParseCase cases[] = {
      {"PING :irc.tarvelo.lan", "", "PING", {"irc.tarvelo.lan"}},
      {":irc 001 ann :Welcome to the lobby", "irc", "001", {"ann", "Welcome to the lobby"}},
      {":ann!u@h PRIVMSG #LOBBY-Tarvelo501 :hi :) there", "ann!u@h", "PRIVMSG", {"#LOBBY-Tarvelo501", "hi :) there"}},
      {":ann!u@h JOIN #room", "ann!u@h", "JOIN", {"#room"}},
      {"CAP * LS :sasl echo-message", "", "CAP", {"*", "LS", "sasl echo-message"}},
      {":s 353 me = #r :@ann +bob  cy", "s", "353", {"me", "=", "#r", "@ann +bob  cy"}},
      {"NOTICE me :", "", "NOTICE", {"me", ""}},
      {":s   372   me   :-  text ", "s", "372", {"me", "-  text "}},
      {"AUTHENTICATE +", "", "AUTHENTICATE", {"+"}},
      {"QUIT", "", "QUIT", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const auto message = ParseIrcLine(c.line);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->Prefix, c.prefix);
    EXPECT_EQ(message->Command, c.command);
    EXPECT_EQ(message->Params, c.params);
  }
}

TEST(IrcParser, ReadsAndUnescapesTags) {
  const auto message = ParseIrcLine("@time=2026-01-01T00:00:00Z;msgid=a\\sb\\:c\\\\d;flag :n!u@h PRIVMSG #r :x");
  ASSERT_TRUE(message);
  ASSERT_EQ(message->Tags.size(), 3u);
  EXPECT_EQ(message->Tags[0], std::make_pair(std::string("time"), std::string("2026-01-01T00:00:00Z")));
  EXPECT_EQ(message->Tags[1].second, "a b;c\\d");
  EXPECT_EQ(message->Tags[2].first, "flag");
  EXPECT_EQ(message->Nick(), "n");
}

TEST(IrcParser, RefusesLinesThatBreakTheGrammarOrCarryLineBreaks) {
  const std::string tooLong = "PRIVMSG #r :" + std::string(MaxMessageBytes, 'x');
  const std::string cases[] = {
      "",
      ":onlyprefix",
      ": PING",
      "PRI,MSG x",
      "12 x",
      "1234 x",
      "PRIV-MSG x",
      "PING\r:x",
      "PING :a\nQUIT",
      std::string("PING :a\0b", 9),
      tooLong,
      "@" + std::string(MaxTagBytes + 1, 'a') + " PING",
  };
  for (const auto& line : cases) {
    SCOPED_TRACE(line);
    EXPECT_FALSE(ParseIrcLine(line));
  }
}

TEST(IrcSerialiser, WritesTheShortestFormThatParsesBack) {
  struct Case {
    TIrcMessage message;
    const char* wire;
  };
  TIrcMessage withPrefix = MakeMessage("JOIN", {"#r"});
  withPrefix.Prefix = "ann!u@h";
  TIrcMessage withTags = MakeMessage("TAGMSG", {"#r"});
  withTags.Tags = {{"+typing", "a b;c"}, {"flag", ""}};
  const Case cases[] = {
      {MakeMessage("NICK", {"ann"}), "NICK ann"},
      {MakeMessage("USER", {"ann", "0", "*", "Tarvelo501"}), "USER ann 0 * Tarvelo501"},
      {MakeMessage("PRIVMSG", {"#r", "hello there"}), "PRIVMSG #r :hello there"},
      {MakeMessage("PRIVMSG", {"bob", ":-)"}), "PRIVMSG bob ::-)"},
      {MakeMessage("PRIVMSG", {"bob", ""}), "PRIVMSG bob :"},
      {MakeMessage("QUIT"), "QUIT"},
      {withPrefix, ":ann!u@h JOIN #r"},
      {withTags, "@+typing=a\\sb\\:c;flag TAGMSG #r"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.wire);
    const auto wire = SerializeIrcMessage(c.message);
    ASSERT_TRUE(wire);
    EXPECT_EQ(*wire, c.wire);
    const auto back = ParseIrcLine(*wire);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Params, c.message.Params);
    EXPECT_EQ(back->Tags, c.message.Tags);
  }
}

TEST(IrcSerialiser, RefusesWhatWouldInjectOrBreakALine) {
  const TIrcMessage cases[] = {
      MakeMessage("PRIVMSG", {"#r", "hi\r\nQUIT :gone"}),
      MakeMessage("PRIVMSG", {"#r", "hi\nJOIN #x"}),
      MakeMessage("PRIVMSG", {"#r", std::string("a\0b", 3)}),
      MakeMessage("PRIVMSG", {"bob\r\nQUIT", "x"}),
      MakeMessage("PRIVMSG", {"two words", "x"}),
      MakeMessage("PRIVMSG", {"", "x"}),
      MakeMessage("PRIVMSG", {":x", "y"}),
      MakeMessage("BAD CMD"),
      MakeMessage(""),
      MakeMessage("PRIVMSG", {"#r", std::string(MaxMessageBytes, 'x')}),
  };
  for (const auto& message : cases) EXPECT_FALSE(SerializeIrcMessage(message)) << message.Command;
}

}  // namespace
