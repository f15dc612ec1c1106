// A loaded game's thirteen sections: what one of them holds read into its
// values, and each kind of section refused when it is not what it should be.
#include "net/protocol/message_decoder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace tarvelo;
using namespace tarvelo::protocol;

namespace {
const std::string Sep = "\xFE";
const std::string End = "\xFF";

// A card byte: 32 + id, 64 more for the second pack.
std::string C(int id, int deck = 0) { return std::string(1, static_cast<char>(32 + id + 64 * deck)); }

std::string Canastas(int count, int kindOfAces, int naturalsOfAces) {
  std::string text = std::to_string(count) + " ";
  for (int column = 1; column <= 13; ++column) text += (column == 13 ? std::to_string(kindOfAces) : "0") + " ";
  for (int column = 1; column <= 13; ++column) text += (column == 13 ? std::to_string(naturalsOfAces) : "0") + " ";
  return text;
}

// The sections of a small table: a joker of the second pack melded onto the
// aces, a two in the hand by its column, one closed canasta of aces.
std::vector<std::string> Sections() {
  return {
      C(7) + C(7, 1) + C(55, 1),                 // stock
      C(20),                                     // the sender's opponent's hand: the receiver's
      C(34) + C(53, 1),                          // pile
      "",                                        // the take-back's pile
      C(13) + C(26) + C(39) + C(53, 1) + "13 ",  // the receiver's melds: three aces and a joker
      C(1) + "1 " + C(16),                       // the sender's hand: a two in its column, a four
      "",                                        // the sender's melds
      "",
      "",
      Canastas(0, 0, 0),
      Canastas(1, 2, 7),
      Canastas(0, 0, 0),
      "0 1 8 120 -35 4950 ",
  };
}

std::string Message(const std::vector<std::string>& sections) {
  std::string text = "LOADGAME" + Sep;
  for (size_t i = 0; i < sections.size(); ++i) text += (i > 0 ? Sep : "") + sections[i];
  return text + End;
}
}  // namespace

TEST(LoadedGame, EverySectionIsReadIntoItsArea) {
  const TDecoded decoded = DecodeMessage(Message(Sections()));
  ASSERT_TRUE(std::holds_alternative<TReceivedMessage>(decoded)) << std::get<TMessageRefusal>(decoded).Reason;
  const auto& game = std::get<TLoadGameMessage>(std::get<TReceivedMessage>(decoded));
  EXPECT_EQ(game.Stock, (std::vector<TWireCard>{{7, 0}, {7, 1}, {55, 1}}));
  EXPECT_EQ(game.OpponentHand, (std::vector<TWireCard>{{20, 0}}));
  EXPECT_EQ(game.DiscardPile, (std::vector<TWireCard>{{34, 0}, {53, 1}}));
  EXPECT_TRUE(game.UndoDiscardPile.empty());
  EXPECT_EQ(game.OpponentMelds,
            (std::vector<TPlacedWireCard>{{{13, 0}, {}}, {{26, 0}, {}}, {{39, 0}, {}}, {{53, 1}, 13}}));
  EXPECT_EQ(game.PlayerHand, (std::vector<TPlacedWireCard>{{{1, 0}, 1}, {{16, 0}, {}}}));
  EXPECT_EQ(game.PlayerCanastas, TWireCanastas{});
  TWireCanastas aces;
  aces.Count = 1;
  aces.Kind[12] = 2;
  aces.Naturals[12] = 7;
  EXPECT_EQ(game.OpponentCanastas, aces);
  EXPECT_FALSE(game.PileFrozen);
  EXPECT_EQ(game.Phase, 1);
  EXPECT_EQ(game.PendingPhase, 8);
  EXPECT_EQ(game.MeldValue, 120);
  EXPECT_EQ(game.PlayerScore, -35);
  EXPECT_EQ(game.OpponentScore, 4950);
}

TEST(LoadedGame, ASectionThatIsNotWhatItShouldBeRefusesTheWhole) {
  struct Case {
    const char* what;
    int section;  // 1..13; 0 for the sections themselves
    std::string text;
    std::string reason;
  };
  const Case cases[] = {
      {"card 0", 1, C(0), "section 1: the byte 32 names no card"},
      {"card 56", 3, C(56), "section 3: the byte 88 names no card"},
      {"card 56 of the second pack", 2, C(56, 1), "section 2: the byte 152 names no card"},
      {"more cards than the packs hold", 1, std::string(109, static_cast<char>(33)),
       "section 1: more cards than the packs hold"},
      {"a wildcard without its column", 5, C(53), "section 5: a wildcard's column lacks its number and space"},
      {"a wildcard's column 14", 7, C(14) + "14 ", "section 7: a wildcard's column is not a number 0..13"},
      {"a wildcard's column without its space", 6, C(1) + "3" + C(16),
       "section 6: a wildcard's column lacks its number and space"},
      {"a canasta kind of 4", 10, "1 4 " + Canastas(0, 0, 0).substr(4),
       "section 10: a canasta's kind is not a number 0..3"},
      {"canastas short of a number", 11, Canastas(0, 0, 0).substr(2),
       "section 11: a canasta's naturals lacks its number and space"},
      {"canastas with a number too many", 12, Canastas(0, 0, 0) + "0 ",
       "section 12: more than the canastas' 27 numbers"},
      {"fourteen canastas", 10, "14 " + Canastas(0, 0, 0).substr(2),
       "section 10: the count of canastas is not a number 0..13"},
      {"a pile frozen as 2", 13, "2 1 8 0 0 0 ", "section 13: the pile's freeze is not a number 0..1"},
      {"phase 10", 13, "0 10 8 0 0 0 ", "section 13: the phase is not a number 0..9"},
      {"a score with junk", 13, "0 1 8 0 12x 0 ",
       "section 13: the sender's score is not a number -999999999..999999999"},
      {"five numbers", 13, "0 1 8 0 0 ", "section 13: the receiver's score lacks its number and space"},
      {"seven numbers", 13, "0 1 8 0 0 0 0 ", "section 13: more than six numbers"},
      {"two spaces between numbers", 13, "0  1 8 0 0 0 ", "section 13: the phase is not a number 0..9"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> sections = Sections();
    sections[c.section - 1] = c.text;
    const TDecoded decoded = DecodeMessage(Message(sections));
    ASSERT_TRUE(std::holds_alternative<TMessageRefusal>(decoded));
    EXPECT_EQ(std::get<TMessageRefusal>(decoded).Reason, "LOADGAME: " + c.reason);
  }
  std::vector<std::string> twelve = Sections();
  twelve.pop_back();
  const TDecoded decoded = DecodeMessage(Message(twelve));
  ASSERT_TRUE(std::holds_alternative<TMessageRefusal>(decoded));
  EXPECT_EQ(std::get<TMessageRefusal>(decoded).Reason, "LOADGAME: 12 fields, not 13");
}
