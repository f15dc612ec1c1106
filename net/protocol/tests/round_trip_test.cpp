// What the encoder writes, read back through the receive buffer and the
// decoder, gives the values the engine reported.
#include "engine/rule_changes.h"
#include "engine/tests/turn_fixture.h"
#include "net/protocol/framing.h"
#include "net/protocol/message_decoder.h"
#include "net/protocol/peer_encoder.h"
#include "net/protocol/receive_buffer.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

using namespace tarvelo;
using namespace tarvelo::protocol;

namespace {
// Every report that gives a message, sent as one stream and read back whole.
std::vector<TReceivedMessage> SentAndReceived(const std::vector<TGameReport>& reports) {
  std::string stream;
  for (const TGameReport& report : reports)
    if (const std::optional<TPeerMessage> message = EncodeForPeer(report)) stream += Framed(*message);
  TReceiveBuffer buffer;
  EXPECT_EQ(buffer.Append(stream), TArrival::Kept);
  std::vector<TReceivedMessage> received;
  while (const std::optional<std::string> message = buffer.TakeMessage()) {
    const TDecoded decoded = DecodeMessage(*message);
    if (const TMessageRefusal* refusal = std::get_if<TMessageRefusal>(&decoded)) {
      ADD_FAILURE() << refusal->Reason;
      continue;
    }
    received.push_back(std::get<TReceivedMessage>(decoded));
  }
  return received;
}

// What a move of the local player tells the peer, straight from the report.
TReceivedMessage MoveSaid(const TMoveReport& move) {
  const CardId id = move.Card.Id;
  switch (move.Kind) {
    case TMoveKind::Draw:
      return TDrawNewMessage{};
    case TMoveKind::TakePile:
      return TDrawPileTopMessage{};
    case TMoveKind::TakePileRest:
      return TDrawPileRestMessage{};
    case TMoveKind::GiveBackPile:
      return TUndoPileMessage{};
    case TMoveKind::Meld:
      return TMeldMessage{id};
    case TMoveKind::MeldWildcard:
      return TMeldWildcardMessage{id, move.Column};
    case TMoveKind::TakeBack:
      return TTakeBackMessage{id, move.Column};
    case TMoveKind::Discard:
      return TDiscardMessage{id};
    case TMoveKind::DiscardRedThree:
      return TDiscardRedThreeMessage{id};
    case TMoveKind::PassDiscard:
      return TPassDiscardMessage{};
    case TMoveKind::EndHand:
      return THandOverMessage{};
  }
  return TIgnoredMessage{TTokenCode::Unknown};
}
}  // namespace

TEST_F(TurnTest, EveryMoveReadBackIsTheMoveReported) {
  const std::function<void(TurnTest&)> turns[] = {
      [](TurnTest& f) {
        f.game.Rules.NumberOfCards = 2;
        f.ToDraw("hand: 7H 8S 9D KC; stock: 3H 5C 6D");
        f.Draw();
      },
      [](TurnTest& f) {
        f.Drawn("hand: 7H 7S 2C 9D KC QD");
        f.Meld("7H");
        f.Meld("7S");
        f.game.UndoMeld();
      },
      [](TurnTest& f) {
        f.Drawn("hand: 9D KC QD JK; melds: AH AS AD");
        f.AddWildcards(RankAce);
        f.Discard("9D");
      },
      [](TurnTest& f) {
        f.ToDraw("hand: AH AS 4D 9C; pile: 5D AD");
        f.t.PileFrozen = true;
        f.TakePile();
        f.Meld("AH");
        f.Meld("AS");
      },
      [](TurnTest& f) {
        f.ToDraw("hand: 7H 7S 4D 9C; pile: 5D 7D");
        f.t.PileFrozen = true;
        f.TakePile();
        f.GiveBackPile();
      },
      [](TurnTest& f) {
        f.Drawn("hand: 9C AH; melds: AS AD KH KS KD");
        f.Meld("AH");
      },
      [](TurnTest& f) {
        f.game.Rules.ThreeBlock = true;
        f.Drawn("hand: KH 9C; melds: 3H AH AS AD");
        f.DiscardRedThree(0);
      },
      [](TurnTest& f) {
        f.ToDraw("hand: 9C 4D; pile: 5D 2C");
        f.builder.StockHolds(0);
        f.game.EndHand();
      },
  };
  std::set<TMoveKind> kindsSeen;
  for (size_t turn = 0; turn < std::size(turns); ++turn) {
    SCOPED_TRACE("turn " + std::to_string(turn));
    host.Network = true;
    game.Rules = {};
    reports.Reports.clear();
    turns[turn](*this);
    // The moves only: a hand ended is followed by the next deal.
    std::vector<TGameReport> moves;
    std::vector<TReceivedMessage> said;
    for (const TGameReport& report : reports.Reports)
      if (const TMoveReport* move = std::get_if<TMoveReport>(&report); move && move->By == Seat::Player) {
        moves.push_back(*move);
        said.push_back(MoveSaid(*move));
        kindsSeen.insert(move->Kind);
      }
    ASSERT_FALSE(said.empty());
    EXPECT_EQ(SentAndReceived(moves), said);
  }
  EXPECT_EQ(kindsSeen.size(), 11u) << "every kind of move is read back";
}

TEST_F(TurnTest, ADealReadBackPutsEveryCardInTheDealersStockSlot) {
  for (const bool dealerFirst : {true, false}) {
    t.PlayerDrawsFirst = dealerFirst;
    const std::string dealString = game.Shuffle();
    const std::vector<TReceivedMessage> received = SentAndReceived({TDealReport{dealString}});
    ASSERT_EQ(received.size(), 1u);
    const TDealMessage& deal = std::get<TDealMessage>(received[0]);
    EXPECT_EQ(deal.DealerDrawsFirst, dealerFirst);
    // The packs in the order they are built: the suited cards by id, then two jokers.
    int card = 0;
    for (std::uint8_t deck = 0; deck < 2; ++deck) {
      std::vector<CardId> ids;
      for (int id = 1; id <= 52; ++id) ids.push_back(static_cast<CardId>(id));
      ids.insert(ids.end(), {JokerId, JokerId});
      for (const CardId id : ids) {
        const TCard& inSlot = t.Stock.Cards[deal.SlotOfCard[card++]];
        EXPECT_EQ(inSlot.Id, id);
        EXPECT_EQ(inSlot.Deck, deck);
      }
    }
  }
}

TEST(RoundTrip, RulesAndANewGameReadBack) {
  TRuleSettings everyFlagFlipped;
  for (const TRuleSwitch& s : RuleSwitches) SetRuleValue(everyFlagFlipped, s, s.Flag ? !RuleDefault(s) : 2);
  for (const TRuleSettings& rules : {TRuleSettings{}, HoyleRules(), everyFlagFlipped}) {
    const std::vector<TReceivedMessage> received = SentAndReceived({TNewGameReport{}, TRulesReport{rules}});
    EXPECT_EQ(received, (std::vector<TReceivedMessage>{TNewGameMessage{}, TRulesMessage{rules}}));
  }
}
