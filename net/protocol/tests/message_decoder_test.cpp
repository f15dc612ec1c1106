// Every message checked whole: what is taken and the values it gives, and
// what is refused, each with one reason.
#include "net/protocol/message_decoder.h"

#include <gtest/gtest.h>
#include <string>

using namespace tarvelo;
using namespace tarvelo::protocol;

namespace {
const std::string Sep = "\xFE";
const std::string End = "\xFF";

std::string Message(const std::string& token, const std::string& payload) { return token + Sep + payload + End; }

// A deal's field: the dealer's first draw, then the stock slots of the cards
// in order, slot i for card i unless changed.
std::string DealField(char first = '1') {
  std::string field(1, first);
  for (int slot = 0; slot < MaxCards; ++slot) field += static_cast<char>(32 + slot);
  return field;
}

const std::string DefaultRules = "F" + Sep + "1" + Sep + "1" + Sep + "T" + Sep + "T" + Sep + "T" + Sep + "T" + Sep +
                                 "T" + Sep + "F" + Sep + "F" + Sep + "T" + Sep + "T" + Sep + "F";
}  // namespace

TEST(MessageDecoder, WellFormedMessagesGiveTheirValues) {
  TRuleSettings twoCanastas;
  twoCanastas.NumberOfCanastas = 2;
  twoCanastas.NaturalPair = false;
  TDealMessage identityDeal;
  identityDeal.DealerDrawsFirst = false;
  for (int i = 0; i < MaxCards; ++i) identityDeal.SlotOfCard[i] = static_cast<std::uint8_t>(i);

  struct Case {
    const char* what;
    std::string message;
    TReceivedMessage expected;
  };
  const Case cases[] = {
      {"a meld, the lowest id", Message("MELD", "1"), TMeldMessage{1}},
      {"a meld of the highest id the wire holds", Message("MELD", "55"), TMeldMessage{55}},
      {"a discard with a leading zero", Message("DISCARD", "053"), TDiscardMessage{53}},
      {"a red three discarded", Message("DISCARDREDTHREE", "41"), TDiscardRedThreeMessage{41}},
      {"a wildcard to the last column", Message("MELDWILDCARD", "53" + Sep + "13"), TMeldWildcardMessage{53, 13}},
      {"a wildcard to the first column", Message("MELDWILDCARD", "1" + Sep + "0"), TMeldWildcardMessage{1, 0}},
      {"a card taken back, as bytes", Message("UN", ".&"), TTakeBackMessage{14, 6}},
      {"a card taken back at the edges", Message("UN", "W-"), TTakeBackMessage{55, 13}},
      {"a draw", Message("DRAWNEW", ""), TDrawNewMessage{}},
      {"a draw without the token's separator", "DRAWNEW" + End, TDrawNewMessage{}},
      {"the pile's top", Message("DRAWPILETOP", ""), TDrawPileTopMessage{}},
      {"the pile's rest", Message("DRAWPILEREST", ""), TDrawPileRestMessage{}},
      {"a pile given back", Message("UNDOPILE", ""), TUndoPileMessage{}},
      {"a pass", Message("PASSDISCARD", ""), TPassDiscardMessage{}},
      {"a new game", Message("NEWGAME", ""), TNewGameMessage{}},
      {"the hand ended", Message("HANDOVER", ""), THandOverMessage{}},
      {"the default rules", Message("RULES", DefaultRules), TRulesMessage{TRuleSettings{}}},
      {"two canastas, no natural pair",
       Message("RULES", "F" + Sep + "2" + Sep + "1" + Sep + "T" + Sep + "T" + Sep + "T" + Sep + "F" + Sep + "T" + Sep +
                            "F" + Sep + "F" + Sep + "T" + Sep + "T" + Sep + "F"),
       TRulesMessage{twoCanastas}},
      {"a deal", Message("DEAL", DealField('0')), identityDeal},
      {"a chat line with the highest byte", Message("CHAT", "Ann: hi \xFA"), TChatMessage{"Ann: hi \xFA"}},
      {"an empty chat line", Message("CHAT", ""), TChatMessage{""}},
      {"a player's name and version", Message("PLAYERID", "Ann" + Sep + "501"), TPlayerIdMessage{"Ann", "501"}},
      {"another version is the handshake's to judge", Message("PLAYERID", "Ann" + Sep + "500"),
       TPlayerIdMessage{"Ann", "500"}},
      {"OK is read and let be, whatever it holds", Message("OK", "x" + Sep + "y"), TIgnoredMessage{TTokenCode::Ok}},
      {"QUIT", Message("QUIT", ""), TIgnoredMessage{TTokenCode::Quit}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const TDecoded decoded = DecodeMessage(c.message);
    ASSERT_TRUE(std::holds_alternative<TReceivedMessage>(decoded)) << std::get<TMessageRefusal>(decoded).Reason;
    EXPECT_EQ(std::get<TReceivedMessage>(decoded), c.expected);
  }
}

TEST(MessageDecoder, AMalformedMessageIsRefusedWithOneReason) {
  std::string slotTwice = DealField();
  slotTwice[2] = slotTwice[1];
  std::string slotTooHigh = DealField();
  slotTooHigh[108] = static_cast<char>(32 + 108);
  std::string slotBelowSpace = DealField();
  slotBelowSpace[5] = static_cast<char>(31);
  std::string chat251 = "Ann: a";
  chat251 += static_cast<char>(251);
  std::string rulesWithX = DefaultRules;
  rulesWithX[0] = 'X';
  std::string countAsFlag = DefaultRules;
  countAsFlag[2] = 'T';  // the second field is a count

  struct Case {
    const char* what;
    std::string message;
    std::string reason;
  };
  const Case cases[] = {
      {"card 0", Message("MELD", "0"), "MELD: the card id \"0\" is not a number 1..55"},
      {"card 56", Message("DISCARD", "56"), "DISCARD: the card id \"56\" is not a number 1..55"},
      {"a minus alone", Message("MELD", "-"), "MELD: the card id \"-\" is not a number 1..55"},
      {"a negative id", Message("MELD", "-5"), "MELD: the card id \"-5\" is not a number 1..55"},
      {"junk after the digits", Message("DISCARDREDTHREE", "12x"),
       "DISCARDREDTHREE: the card id \"12x\" is not a number 1..55"},
      {"a plus sign", Message("MELD", "+5"), "MELD: the card id \"+5\" is not a number 1..55"},
      {"a space", Message("MELD", " 5"), "MELD: the card id \" 5\" is not a number 1..55"},
      {"more digits than an int holds", Message("MELD", "99999999999"),
       "MELD: the card id \"99999999999\" is not a number 1..55"},
      {"an empty id", Message("MELD", ""), "MELD: the card id \"\" is not a number 1..55"},
      {"column 14", Message("MELDWILDCARD", "53" + Sep + "14"),
       "MELDWILDCARD: the column \"14\" is not a number 0..13"},
      {"column -1", Message("MELDWILDCARD", "53" + Sep + "-1"),
       "MELDWILDCARD: the column \"-1\" is not a number 0..13"},
      {"a wildcard without its column", Message("MELDWILDCARD", "53"), "MELDWILDCARD: 1 fields, not 2"},
      {"a surplus field", Message("MELD", "45" + Sep + "6"), "MELD: 2 fields, not 1"},
      {"a trailing separator", Message("DISCARD", "45" + Sep), "DISCARD: 2 fields, not 1"},
      {"a field where none goes", Message("DRAWNEW", "x"), "DRAWNEW: 1 fields, not 0"},
      {"take-back of one byte", Message("UN", "."), "UN: the field \".\" is not two bytes"},
      {"take-back of card 0", Message("UN", " &"), "UN: the card byte of \" &\" names no id 1..55"},
      {"take-back of card 56", Message("UN", "X&"), "UN: the card byte of \"X&\" names no id 1..55"},
      {"take-back from column 14", Message("UN", ".."), "UN: the column byte of \"..\" names no column 0..13"},
      {"a 108-byte deal", Message("DEAL", DealField().substr(0, 108)), "DEAL: 108 bytes, not 109"},
      {"a 110-byte deal", Message("DEAL", DealField() + "!"), "DEAL: 110 bytes, not 109"},
      {"a deal slot twice", Message("DEAL", slotTwice), "DEAL: stock slot 0 is given twice"},
      {"a deal slot past the stock", Message("DEAL", slotTooHigh), "DEAL: card 108 has no stock slot 0..107"},
      {"a deal byte below space", Message("DEAL", slotBelowSpace), "DEAL: card 5 has no stock slot 0..107"},
      {"a deal's first drawer of 2", Message("DEAL", "2" + DealField().substr(1)),
       "DEAL: the first drawer \"2\" is neither 0 nor 1"},
      {"rules of 12 fields", Message("RULES", DefaultRules.substr(2)), "RULES: 12 fields, not 13"},
      {"rules of 14 fields", Message("RULES", DefaultRules + Sep + "T"), "RULES: 14 fields, not 13"},
      {"rules with an X", Message("RULES", rulesWithX),
       "RULES: a field is not the T or F, or the 1 or 2, its rule takes"},
      {"a count written as a flag", Message("RULES", countAsFlag),
       "RULES: a field is not the T or F, or the 1 or 2, its rule takes"},
      {"chat byte 251", Message("CHAT", chat251), "CHAT: the line holds a byte outside 32..250"},
      {"chat with a line break", Message("CHAT", "Ann: a\rb"), "CHAT: the line holds a byte outside 32..250"},
      {"a name of 256 bytes", Message("PLAYERID", std::string(256, 'n') + Sep + "501"),
       "PLAYERID: the name \"nnnnnnnnnnnnnnnnnnnnnnnn...\" is not 1..255 bytes of 32..250"},
      {"an empty name", Message("PLAYERID", Sep + "501"), "PLAYERID: the name \"\" is not 1..255 bytes of 32..250"},
      {"the unknown token by name", Message("UNKNOWN", ""), "unknown token \"UNKNOWN\""},
      {"a token outside the table", Message("MELT", "45"), "unknown token \"MELT\""},
      {"a token in lower case", Message("meld", "45"), "unknown token \"meld\""},
      {"a control byte in a token is shown escaped", Message("ME\x01", ""), "unknown token \"ME\\x01\""},
      {"no end byte", "MELD" + Sep + "45", "not one whole message"},
      {"two messages at once", Message("MELD", "45") + Message("MELD", "6"), "not one whole message"},
      {"nothing", "", "not one whole message"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const TDecoded decoded = DecodeMessage(c.message);
    ASSERT_TRUE(std::holds_alternative<TMessageRefusal>(decoded));
    EXPECT_EQ(std::get<TMessageRefusal>(decoded).Reason, c.reason);
    EXPECT_EQ(std::get<TMessageRefusal>(decoded).Kind,
              c.reason.starts_with("unknown token") ? TMessageRefusal::UnknownToken : TMessageRefusal::Malformed);
  }
}
