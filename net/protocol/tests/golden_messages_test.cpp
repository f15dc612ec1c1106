// The exact bytes of every message a seat's turn gives the peer, for scripted
// turns that use each kind once or more: the wire format the other side reads,
// held fixed while the code that makes them changes. The turns are played on
// the engine; the bytes are the encoder's for what the engine reported.
#include "engine/rule_changes.h"
#include "engine/tests/turn_fixture.h"
#include "net/protocol/peer_encoder.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace tarvelo;
using namespace tarvelo::protocol;

namespace {
// A message as "TOKEN payload", the payload's bytes outside printable ASCII
// (and the backslash) written as \xNN; messages joined by " | ".
std::string Readable(const std::vector<TPeerMessage>& messages) {
  std::string text;
  for (const auto& [token, payload] : messages) {
    if (!text.empty()) text += " | ";
    text += token;
    if (!payload.empty()) text += ' ';
    for (const unsigned char byte : payload) {
      if (byte >= 32 && byte < 127 && byte != '\\') {
        text += static_cast<char>(byte);
      } else {
        constexpr const char* digits = "0123456789ABCDEF";
        text += std::string("\\x") + digits[byte >> 4] + digits[byte & 15];
      }
    }
  }
  return text;
}

std::vector<TPeerMessage> Encoded(const std::vector<TGameReport>& reports) {
  std::vector<TPeerMessage> messages;
  for (const TGameReport& report : reports)
    if (std::optional<TPeerMessage> message = EncodeForPeer(report)) messages.push_back(*message);
  return messages;
}
}  // namespace

TEST_F(TurnTest, EveryMessageToThePeerKeepsItsBytes) {
  struct Case {
    const char* what;
    std::function<void(TurnTest&)> play;
    const char* bytes;
  };
  const Case cases[] = {
      {"a new game and its deal", [](TurnTest& f) { f.game.NewGame(); },
       "NEWGAME | DEAL 1u[h@oism\\x8BD4}<Q >e\"0&\\x82T/fLyZR|S]nX%_2Aalt5H\\x5C)K\\x7F:Y6kv9+x=#\\x8A"
       "(M3\\x87B~!z\\x83\\x85'Iwr.cWN,d\\x84\\x89^*;gjU8J\\x88$b\\x8171PE`?GOp{C\\x80Fq\\x86-V"},
      {"the rules in force",
       [](TurnTest& f) {
         TRuleSettings rules;
         rules.NumberOfCards = 2;
         rules.ThreeBlock = true;
         ApplyRuleChange(f.game, rules);
       },
       "RULES F\\xFE1\\xFE2\\xFET\\xFET\\xFET\\xFET\\xFET\\xFET\\xFEF\\xFET\\xFET\\xFEF"},
      {"two cards drawn, a red three among them replaced",
       [](TurnTest& f) {
         f.game.Rules.NumberOfCards = 2;
         f.ToDraw("hand: 7H 8S 9D KC; stock: 3H 5C 6D");
         f.Draw();
       },
       "DRAWNEW | DRAWNEW | DRAWNEW"},
      {"naturals melded with an automatic wildcard, and the wildcard taken back",
       [](TurnTest& f) {
         f.Drawn("hand: 7H 7S 2C 9D KC QD");
         f.Meld("7H");
         f.Meld("7S");
         f.game.UndoMeld();
       },
       "MELD 45 | MELD 6 | MELDWILDCARD 14\\xFE6 | UN .&"},
      {"a discard",
       [](TurnTest& f) {
         f.Drawn("hand: 9D KC QD; melds: AH AS AD");
         f.Discard("9D");
       },
       "DISCARD 34"},
      {"the pile taken onto a meld at once",
       [](TurnTest& f) {
         f.ToDraw("hand: 4D 9C; melds: 7H 7S 7D; pile: 5D 7C");
         f.t.PileFrozen = false;
         f.TakePile();
       },
       "DRAWPILETOP | DRAWPILEREST"},
      {"a conditional take made good by melding",
       [](TurnTest& f) {
         f.ToDraw("hand: AH AS 4D 9C; pile: 5D AD");
         f.t.PileFrozen = true;
         f.TakePile();
         f.Meld("AH");
         f.Meld("AS");
       },
       "DRAWPILETOP | MELD 52 | MELD 13 | DRAWPILEREST"},
      {"a conditional take given back",
       [](TurnTest& f) {
         f.ToDraw("hand: 7H 7S 4D 9C; pile: 5D 7D");
         f.t.PileFrozen = true;
         f.TakePile();
         f.GiveBackPile();
       },
       "DRAWPILETOP | UNDOPILE"},
      {"the discard passed with one card left",
       [](TurnTest& f) {
         f.Drawn("hand: 9C AH; melds: AS AD KH KS KD");
         f.Meld("AH");
       },
       "MELD 52 | PASSDISCARD"},
      {"a red three discarded from the melds",
       [](TurnTest& f) {
         f.game.Rules.ThreeBlock = true;
         f.Drawn("hand: KH 9C; melds: 3H AH AS AD");
         f.DiscardRedThree(0);
       },
       "DISCARDREDTHREE 41"},
      {"the hand ended with the stock exhausted",
       [](TurnTest& f) {
         f.ToDraw("hand: 9C 4D; pile: 5D 2C");
         f.builder.StockHolds(0);
         f.game.EndHand();
       },
       "HANDOVER | DEAL 0\\x80\\x89u@qOK5foBN<.'drW&$7+#\\x5Cy20_jb>tV?Q]a\\x81PeZip`\"Rg)\\x84H ="
       "CMv\\x85DU\\x86(\\x88^\\x8B|\\x8A-;SL86\\x7Fxk/[s~zX\\x833*:c{%FIGl\\x8249\\x87hTEw}A!,YJm"
       "1n"},
      {"the winner going out, the next game and its deal",
       [](TurnTest& f) {
         f.Drawn("hand: 9C; melds: 8H 8S 8D 8C 8H 8S 8D");
         f.t.PlayerScore = 4900;
         f.Discard("9C");
       },
       "DISCARD 21 | NEWGAME | DEAL 1W\\x81cxNb\\x5CFBhYrku\\x84d\\x884f\\x8ART=@&w\"ij\\x89\\x83Z"
       "M?[)CgzVs\\x85v(<\\x82D0\\x86:oA}p*%9n2ELO1KmtaJ>!SU]/`^X6qP\\x7Fe 3I|\\x8B{5.'\\x87-Gl$_~"
       "#\\x80Q7,;y8+H"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    host.Network = true;
    game.Rules = {};
    reports.Reports.clear();
    c.play(*this);
    EXPECT_EQ(Readable(Encoded(reports.Reports)), c.bytes);
  }
}
