#include "engine/testing/table_builder.h"
#include "store/tests/saved_game_fixture.h"

#include <functional>
#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

// A file of a known table, and ways to spoil it. Items count from 0 within a
// line; on line 0 the magic is not an item (item 0 is the format number).
struct SavedGameFaults : ::testing::Test, TKnownGame {
  static std::pair<size_t, size_t> ItemAt(const std::string& text, int line, int item) {
    size_t at = 0;
    for (int l = 0; l < line; ++l) at = text.find('\n', at) + 1;
    if (line == 0) at = SavedGameMagic.size() + 1;
    for (int i = 0; i < item; ++i) at = text.find(' ', at) + 1;
    return {at, text.find(' ', at) - at};
  }
  static std::string Set(std::string text, int line, int item, const std::string& value) {
    const auto [at, length] = ItemAt(text, line, item);
    return text.replace(at, length, value);
  }
  // The text up to the end of line `lines` (its line end included).
  std::string Lines(int lines) const {
    size_t at = 0;
    for (int l = 0; l < lines; ++l) at = good.find('\n', at) + 1;
    return good.substr(0, at);
  }
};

TEST_F(SavedGameFaults, TheFileWrittenIsGood) {
  ASSERT_EQ(ReadSavedGame(good, {}).Fault, TReadFault::None);
  EXPECT_EQ(good.substr(ItemAt(good, 2, 0).first, 30), "101 1 9 38 3 204 10 1 0 32 6 \r");
}

TEST_F(SavedGameFaults, EachFaultIsNamedAndTheTableIsNotRead) {
  struct Case {
    const char* name;
    std::function<std::string(const std::string&)> spoil;
    TReadFault fault;
    const char* detail;  // part of the detail, "" for none
  };
  using F = TReadFault;
  auto set = [](int line, int item, const char* value) {
    return [=](const std::string& text) { return Set(text, line, item, value); };
  };
  auto card = [](const char* id, const char* idRest) {  // the pile's king with other id items
    return [=](const std::string& text) { return Set(Set(text, 2, 2, id), 2, 9, idRest); };
  };
  const Case cases[] = {
      {"an empty file", [](auto&) { return std::string(); }, F::NotSavedGame, ""},
      {"a cut magic", [](auto&) { return std::string("TarveloSaved"); }, F::NotSavedGame, ""},
      {"another magic", [](const std::string& t) { return "TarveloSavedGamf" + t.substr(16); }, F::NotSavedGame, ""},
      {"format 414", set(0, 0, "414"), F::Version, "format 414"},
      {"the magic alone", [](auto&) { return std::string(SavedGameMagic); }, F::Input, "format number is missing"},
      {"a format that is no number", set(0, 0, "4l5"), F::Input, "not a number"},
      {"window size 4", set(0, 1, "4"), F::Range, "window size is 4"},
      {"window size -1", set(0, 1, "-1"), F::Range, "window size"},
      {"seed 1000", set(1, 0, "1000"), F::Range, "seed"},
      {"seed -1", set(1, 0, "-1"), F::Range, "seed"},
      {"count 109", set(2, 1, "109"), F::Range, "line 3: discard pile count is 109"},
      {"count -1", set(2, 1, "-1"), F::Range, "count"},
      {"count 255", set(2, 1, "255"), F::Range, "count"},
      {"more cards counted than written", set(2, 1, "2"), F::Input, "discard pile card 2 id is missing"},
      {"a number past 32 bits", set(2, 4, "2147483648"), F::Input, "too long"},
      {"a number below 32 bits", set(2, 4, "-2147483649"), F::Input, "too long"},
      {"a huge number", set(5, 6, "99999999999999999999999"), F::Input, "too long"},
      {"a position far off the table", set(2, 4, "2147483647"), F::Range, "x is 2147483647"},
      {"letters", set(2, 5, "abc"), F::Input, "not a number"},
      {"a fraction", set(2, 5, "1.5"), F::Input, "not a number"},
      {"a lone sign", set(2, 5, "-"), F::Input, "not a number"},
      {"two signs", set(2, 5, "--1"), F::Input, "not a number"},
      {"a zero byte inside",
       [](const std::string& t) {
         return Set(t, 2, 5,
                    std::string("2\0"
                                "04",
                                4));
       },
       F::Input, "not a number"},
      {"a mask quotient of 0", card("0", "32"), F::Range, "quotient of 0"},
      {"a negative mask quotient", card("-9", "32"), F::Range, "quotient"},
      {"card id 0", card("500", "0"), F::Range, "decodes to 0"},
      {"card id 54", card("9", "5"), F::Range, "id decodes to 54"},
      {"card id 55", card("8", "52"), F::Range, "id decodes to 55"},
      {"a remainder out of step with its quotient", card("9", "33"), F::Range, "does not match the mask"},
      {"rank 14", [](const std::string& t) { return Set(Set(t, 2, 3, "33"), 2, 10, "5"); }, F::Range,
       "rank decodes to 14"},
      {"the rank of another card", [](const std::string& t) { return Set(Set(t, 2, 3, "41"), 2, 10, "8"); }, F::Range,
       "not its card's"},
      {"a value that is not the card's", set(2, 6, "20"), F::Range, "value"},
      {"deck 2", set(2, 8, "2"), F::Range, "deck is 2"},
      {"phase 10", set(12, 15, "10"), F::Range, "Phase is 10"},
      {"pending phase -1", set(12, 16, "-1"), F::Range, "PendingPhase"},
      {"card overlap 256", set(12, 10, "256"), F::Range, "CardOverlap"},
      {"a score past the table's", set(12, 13, "2000000000"), F::Range, "PlayerScore"},
      {"canasta kind 4", set(9, 3, "4"), F::Range, "canasta kind"},
      {"canasta naturals 200", set(9, 20, "200"), F::Range, "canasta naturals"},
      {"a column anchor far off", set(4, 5, "-1000001"), F::Range, "column y"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TReadResult read = ReadSavedGame(c.spoil(good), game.Table);
    EXPECT_EQ(read.Fault, c.fault) << read.Detail;
    EXPECT_NE(read.Detail.find(c.detail), std::string::npos) << read.Detail;
  }
}

TEST_F(SavedGameFaults, ACardTwiceBreaksTheTable) {
  // The pile's king becomes the queen of hearts that lies in the melds.
  const std::string spoiled = Set(Set(Set(Set(good, 2, 2, "9"), 2, 9, "41"), 2, 3, "41"), 2, 10, "8");
  const TReadResult read = ReadSavedGame(spoiled, game.Table);
  EXPECT_EQ(read.Fault, TReadFault::Range);
  EXPECT_NE(read.Detail.find("card 50 of pack 0 is there 2 times"), std::string::npos) << read.Detail;
}

// A take of the pile that is open must be one that giving it back can undo.
TEST_F(SavedGameFaults, AnOpenTakeOfThePileNeedsItsSnapshot) {
  TTableBuilder(game).Build("hand: 7H 7S; pile: KH").PlayerToDraw();
  const std::string noMelds = WriteSavedGame(game.Table, 0, FixedSeed(101));
  TReadResult read = ReadSavedGame(Set(noMelds, 12, 2, "1"), game.Table);
  EXPECT_EQ(read.Fault, TReadFault::Range);
  EXPECT_NE(read.Detail.find("no card of it is in the melds"), std::string::npos) << read.Detail;

  TTableBuilder(game).Build("hand: 7H 7S; melds: QH QS QD; pile: KH").PlayerToDraw();
  --game.Table.UndoPlayerHand.Count;  // a card the snapshot has lost
  read = ReadSavedGame(Set(WriteSavedGame(game.Table, 0, FixedSeed(101)), 12, 2, "1"), game.Table);
  EXPECT_EQ(read.Fault, TReadFault::Range);
  EXPECT_NE(read.Detail.find("before the take of the pile, the live areas hold 107 cards"), std::string::npos)
      << read.Detail;
}

TEST_F(SavedGameFaults, AFileCutAfterAnyLineIsAnInputFault) {
  for (int lines = 1; lines < SavedGameLines; ++lines) {
    SCOPED_TRACE(lines);
    EXPECT_EQ(ReadSavedGame(Lines(lines), {}).Fault, TReadFault::Input);
    // Cut inside the next line too.
    const std::string cut = good.substr(0, Lines(lines).size() + 5);
    EXPECT_EQ(ReadSavedGame(cut, {}).Fault, TReadFault::Input);
  }
  EXPECT_EQ(ReadSavedGame(good.substr(0, good.size() - 2), {}).Fault, TReadFault::Input);  // no last item
}

TEST_F(SavedGameFaults, WhatTheReaderForgives) {
  // Line ends of LF alone, blanks of more than one space, text after a record's
  // items, and a line end after the last line.
  std::string loose;
  for (char c : good) {
    if (c == '\r') continue;
    loose += c == ' ' ? std::string("  ") : std::string(1, c);
  }
  for (size_t at = 0; (at = loose.find('\n', at)) != std::string::npos; at += 8) loose.insert(at, " 77 x");
  const TReadResult read = ReadSavedGame(loose + "\r\n", {});
  ASSERT_EQ(read.Fault, TReadFault::None) << read.Detail;
  EXPECT_EQ(FileFieldDifference(read.Game.Table, game.Table), "");
}

}  // namespace
