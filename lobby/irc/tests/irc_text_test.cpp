#include "lobby/irc/irc_text.h"

#include <gtest/gtest.h>

using namespace tarvelo::irc;

namespace {

TEST(IrcNames, EscapeKeepsLettersDigitsUnderscoreAndDash) {
  struct Case {
    std::string typed;
    const char* wire;
  };
  const Case cases[] = {
      {"Ann", "Ann"},
      {"ann_b-2", "ann_b-2"},
      {"9lives", "\\39lives"},
      {"-dash", "\\2Ddash"},
      {"[x]", "\\5Bx\\5D"},
      {"{x}", "\\7Bx\\7D"},
      {"a|b^c~d\\e", "a\\7Cb\\5Ec\\7Ed\\5Ce"},
      {"Tarvelo#ann#bob#", "Tarvelo\\23ann\\23bob\\23"},
      {"J\xF6rg", "J\\F6rg"},
      {"a b", "a\\20b"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    EXPECT_EQ(EscapeIrcName(c.typed), c.wire);
    EXPECT_EQ(UnescapeIrcName(c.wire), c.typed);
  }
}

TEST(IrcNames, NamesThatIrcFoldsTogetherStayApart) {
  // IRC's case mapping makes [ and {, ] and }, \ and |, ^ and ~ one letter.
  const std::pair<const char*, const char*> pairs[] = {{"a[", "a{"}, {"a]", "a}"}, {"a\\", "a|"}, {"a^", "a~"}};
  for (const auto& [left, right] : pairs) {
    std::string l = EscapeIrcName(left), r = EscapeIrcName(right);
    for (auto* s : {&l, &r}) {
      for (char& ch : *s) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    }
    EXPECT_NE(l, r) << left << " " << right;
  }
}

TEST(IrcNames, UnescapeLeavesWhatIsNoEscapeAsItIs) {
  EXPECT_EQ(UnescapeIrcName("a\\"), "a\\");
  EXPECT_EQ(UnescapeIrcName("a\\4"), "a\\4");
  EXPECT_EQ(UnescapeIrcName("a\\zz"), "a\\zz");
  EXPECT_EQ(UnescapeIrcName("a\\4a"), "a\\4a");
}

TEST(IrcText, Latin1RoundTripsThroughUtf8ForEveryByte) {
  std::string all;
  for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
  const std::string utf8 = Latin1ToUtf8(all);
  EXPECT_EQ(utf8.size(), 127u + 128u * 2u);
  EXPECT_EQ(Utf8ToLatin1(utf8), all);
}

TEST(IrcText, Utf8BeyondLatin1AndBrokenBytes) {
  EXPECT_EQ(Utf8ToLatin1("\xE2\x82\xAC 5"), "? 5");    // the euro sign
  EXPECT_EQ(Utf8ToLatin1("\xF0\x9F\x82\xA1!"), "?!");  // a playing card
  EXPECT_EQ(Utf8ToLatin1("a\xE9z"), "a\xE9z");         // Latin-1 sent as it is
  EXPECT_EQ(Utf8ToLatin1("\xC3"), "\xC3");             // cut short
}

TEST(IrcText, LineBreaksAndNulAreStripped) {
  EXPECT_EQ(StripLineBreaks(std::string("a\r\nQUIT\0b", 9)), "aQUITb");
  EXPECT_EQ(StripLineBreaks("plain text"), "plain text");
}

TEST(IrcText, CutsFallOnCharacterBoundaries) {
  const std::string text = Latin1ToUtf8(std::string(5, 'a') + std::string(5, '\xE9'));  // 5 + 10 bytes
  for (std::size_t limit : {2u, 3u, 4u, 6u, 7u, 15u, 100u}) {
    SCOPED_TRACE(limit);
    const auto pieces = CutUtf8(text, limit);
    std::string joined;
    for (const auto& piece : pieces) {
      EXPECT_LE(piece.size(), limit);
      EXPECT_EQ(Latin1ToUtf8(Utf8ToLatin1(piece)), piece) << "a piece ends inside a character";
      joined += piece;
    }
    EXPECT_EQ(joined, text);
  }
}

TEST(IrcText, CappedNamesFitTheLimitOnceEscaped) {
  EXPECT_EQ(CapEscapedName("LobbyTarvelo#####", 20, 1), "LobbyTarvelo##");
  EXPECT_EQ(CapEscapedName("short", 64, 1), "short");
  EXPECT_EQ(CapEscapedName("9", 2, 0), "");
  EXPECT_LE(EscapeIrcName(CapEscapedName(std::string(300, '\xE9'), 63)).size(), 63u);
}

}  // namespace

#include "lobby/irc/event_text.h"

namespace {

TEST(EventText, SplitsAtTheFirstSpaceAndEndsAtTheCarriageReturn) {
  struct Case {
    std::string text, first, rest, line;
  };
  const Case cases[] = {
      {"bob hello there\r", "bob", "hello there", "bob hello there"},
      {"LOBBY-Tarvelo501\r", "LOBBY-Tarvelo501", "", "LOBBY-Tarvelo501"},
      {"ann ", "ann", "", "ann "},
      {"cy LOBBY-Tarvelo501\rtrailing", "cy", "LOBBY-Tarvelo501", "cy LOBBY-Tarvelo501"},
      {"", "", "", ""},
      {"\r", "", "", ""},
  };
  for (const auto& c : cases) {
    const auto read = ReadEventText(c.text);
    EXPECT_EQ(read.First, c.first) << c.text;
    EXPECT_EQ(read.Rest, c.rest) << c.text;
    EXPECT_EQ(read.Line, c.line) << c.text;
  }
}

}  // namespace
