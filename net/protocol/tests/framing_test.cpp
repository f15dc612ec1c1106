// The token table, the cutting of fields, and the receive buffer that makes
// whole messages of whatever pieces the text arrives in.
#include "net/protocol/framing.h"

#include "net/protocol/receive_buffer.h"
#include "net/protocol/tokens.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace tarvelo::protocol;

namespace {
const std::string Sep = "\xFE";
const std::string End = "\xFF";

std::vector<std::string> TakeAll(TReceiveBuffer& buffer) {
  std::vector<std::string> messages;
  while (std::optional<std::string> message = buffer.TakeMessage()) messages.push_back(*message);
  return messages;
}
}  // namespace

TEST(TokenTable, EveryCodeKeepsItsName) {
  struct Case {
    TTokenCode code;
    int number;
    const char* name;
  };
  const Case cases[] = {
      {TTokenCode::Ok, 0, "OK"},
      {TTokenCode::SendAgain, 1, "SENDAGAIN"},
      {TTokenCode::Quit, 2, "QUIT"},
      {TTokenCode::Chat, 3, "CHAT"},
      {TTokenCode::PlayerId, 4, "PLAYERID"},
      {TTokenCode::Deal, 5, "DEAL"},
      {TTokenCode::Meld, 6, "MELD"},
      {TTokenCode::TakeBack, 7, "UN"},
      {TTokenCode::Discard, 8, "DISCARD"},
      {TTokenCode::DrawNew, 9, "DRAWNEW"},
      {TTokenCode::DrawPileTop, 10, "DRAWPILETOP"},
      {TTokenCode::DrawPileRest, 11, "DRAWPILEREST"},
      {TTokenCode::UndoPile, 12, "UNDOPILE"},
      {TTokenCode::MeldWildcard, 13, "MELDWILDCARD"},
      {TTokenCode::DiscardRedThree, 14, "DISCARDREDTHREE"},
      {TTokenCode::PassDiscard, 15, "PASSDISCARD"},
      {TTokenCode::Rules, 16, "RULES"},
      {TTokenCode::NewGame, 17, "NEWGAME"},
      {TTokenCode::HandOver, 18, "HANDOVER"},
      {TTokenCode::Unknown, 19, "UNKNOWN"},
      {TTokenCode::LoadGame, 20, "LOADGAME"},
  };
  ASSERT_EQ(std::size(cases), static_cast<size_t>(TokenCount));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(static_cast<int>(c.code), c.number);
    EXPECT_EQ(TokenName(c.code), c.name);
    EXPECT_EQ(TokenCode(c.name), c.code);
  }
}

TEST(TokenTable, OnlyAnExactNameHasACode) {
  for (const char* name : {"", "meld", "MELD ", " MELD", "MELDS", "MEL", "DRAW", "UNDO", "\xFEMELD"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(TokenCode(name), TTokenCode::Unknown);
  }
  EXPECT_EQ(TokenName(static_cast<TTokenCode>(200)), "UNKNOWN");
}

TEST(Framing, NextFieldTakesOneFieldAndItsSeparator) {
  struct Case {
    std::string message;
    std::string field;
    std::string rest;
  };
  const Case cases[] = {
      {"MELD" + Sep + "45" + End, "MELD", "45" + End},
      {"45" + End, "45", ""},
      {Sep + "7" + End, "", "7" + End},
      {End, "", ""},
      {"no end", "no end", ""},
      {"", "", ""},
      {"a" + End + "b" + Sep, "a", "b" + Sep},
  };
  for (const Case& c : cases) {
    std::string_view message = c.message;
    EXPECT_EQ(NextField(message), c.field) << c.message;
    EXPECT_EQ(message, c.rest) << c.message;
  }
}

TEST(Framing, AMessageIsCutIntoItsTokenAndFields) {
  struct Case {
    const char* what;
    std::string message;
    std::string token;
    std::vector<std::string> fields;
  };
  const Case cases[] = {
      {"no fields", "DRAWNEW" + Sep + End, "DRAWNEW", {}},
      {"no fields nor separator", "DRAWNEW" + End, "DRAWNEW", {}},
      {"one field", "MELD" + Sep + "45" + End, "MELD", {"45"}},
      {"two fields", "MELDWILDCARD" + Sep + "14" + Sep + "6" + End, "MELDWILDCARD", {"14", "6"}},
      {"a trailing separator is one more, empty field", "MELD" + Sep + "45" + Sep + End, "MELD", {"45", ""}},
      {"empty fields between", "X" + Sep + Sep + Sep + End, "X", {"", "", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const TMessageParts parts = SplitMessage(c.message);
    EXPECT_EQ(parts.Token, c.token);
    EXPECT_EQ(std::vector<std::string>(parts.Fields.begin(), parts.Fields.end()), c.fields);
  }
  EXPECT_EQ(Framed({"MELDWILDCARD", "14" + Sep + "6"}), "MELDWILDCARD" + Sep + "14" + Sep + "6" + End);
  EXPECT_EQ(Framed({"NEWGAME", ""}), "NEWGAME" + Sep + End);
}

TEST(ReceiveBuffer, WholeMessagesComeOutInOrderHoweverTheTextArrives) {
  const std::vector<std::string> sent = {"MELD" + Sep + "45" + End, "DRAWNEW" + Sep + End, End,
                                         "RULES" + Sep + "T" + Sep + "1" + End};
  std::string stream;
  for (const std::string& m : sent) stream += m;

  struct Case {
    const char* what;
    std::vector<size_t> cuts;  // where the stream is cut into arrivals
  };
  std::vector<size_t> everyByte;
  for (size_t i = 1; i < stream.size(); ++i) everyByte.push_back(i);
  const Case cases[] = {
      {"all in one arrival", {}},
      {"split at every byte", everyByte},
      {"cut right after an end byte and right before one", {sent[0].size(), sent[0].size() + sent[1].size() - 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TReceiveBuffer buffer;
    std::vector<std::string> received;
    size_t from = 0;
    std::vector<size_t> cuts = c.cuts;
    cuts.push_back(stream.size());
    for (const size_t cut : cuts) {
      ASSERT_EQ(buffer.Append(std::string_view(stream).substr(from, cut - from)), TArrival::Kept);
      // A message is whole only once its end byte has come.
      for (std::string& m : TakeAll(buffer)) received.push_back(std::move(m));
      std::string sentSoFar;
      for (const std::string& m : received) sentSoFar += m;
      EXPECT_EQ(sentSoFar.size() + buffer.TailSize(), cut);
      from = cut;
    }
    EXPECT_EQ(received, sent);
    EXPECT_EQ(buffer.TailSize(), 0u);
  }
}

TEST(ReceiveBuffer, AnIncompleteTailWaitsForItsEnd) {
  TReceiveBuffer buffer;
  ASSERT_EQ(buffer.Append("DISCARD" + Sep + "3"), TArrival::Kept);
  EXPECT_FALSE(buffer.HasMessage());
  EXPECT_EQ(buffer.TakeMessage(), std::nullopt);
  ASSERT_EQ(buffer.Append("4" + End + "MEL"), TArrival::Kept);
  EXPECT_EQ(buffer.TakeMessage(), "DISCARD" + Sep + "34" + End);
  EXPECT_EQ(buffer.TailSize(), 3u);
}

TEST(ReceiveBuffer, AMessageTooLongWithoutItsEndIsDroppedWithOneWarning) {
  constexpr size_t limit = TReceiveBuffer::MaxPendingBytes;
  struct Case {
    const char* what;
    std::vector<std::string> arrivals;
    std::vector<TArrival> told;
    std::vector<std::string> whole;
    size_t tail;
  };
  const std::string full(limit, 'A');
  const std::string kilobyte(1024, 'B');
  std::vector<std::string> flood(70, kilobyte);
  flood.push_back(End + "NEWGAME" + Sep + End);
  std::vector<TArrival> floodTold(71, TArrival::Kept);
  floodTold[64] = TArrival::OverlongDropped;  // the 65th kilobyte is one byte too many
  const Case cases[] = {
      {"exactly at the limit, then its end", {full, End}, {TArrival::Kept, TArrival::Kept}, {full + End}, 0},
      {"one byte over the limit in one arrival",
       {full + "A", "rest of it" + End + "DRAWNEW" + Sep + End},
       {TArrival::OverlongDropped, TArrival::Kept},
       {"DRAWNEW" + Sep + End},
       0},
      {"70 KB in pieces: one warning, and the message after its end is kept",
       flood,
       floodTold,
       {"NEWGAME" + Sep + End},
       0},
      {"whole messages before the overlong one stay",
       {"MELD" + Sep + "5" + End + full + "A", "tail"},
       {TArrival::OverlongDropped, TArrival::Kept},
       {"MELD" + Sep + "5" + End},
       0},
      {"a second overlong message is told again",
       {full + "A" + End, full + "A"},
       {TArrival::OverlongDropped, TArrival::OverlongDropped},
       {},
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TReceiveBuffer buffer;
    std::vector<TArrival> told;
    for (const std::string& arrival : c.arrivals) told.push_back(buffer.Append(arrival));
    EXPECT_EQ(told, c.told);
    EXPECT_EQ(TakeAll(buffer), c.whole);
    EXPECT_EQ(buffer.TailSize(), c.tail);
  }
}
