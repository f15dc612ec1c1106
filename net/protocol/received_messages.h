#pragma once

#include "engine/card.h"
#include "engine/card_area.h"
#include "engine/rules.h"
#include "net/protocol/loaded_game_message.h"
#include "net/protocol/tokens.h"

#include <array>
#include <cstdint>
#include <string>
#include <variant>

namespace tarvelo::protocol {

// The messages a peer sends, each as the values its fields carry once their
// shape and ranges are checked. Whether a card is really where a message says
// is the table's question, not the message's.

// "OK", "SENDAGAIN", "QUIT": nobody sends them; they are read and let be.
struct TIgnoredMessage {
  TTokenCode Code;
  bool operator==(const TIgnoredMessage&) const = default;
};
struct TChatMessage {
  std::string Line;  // as the peer's program wrote it, its nickname in front
  bool operator==(const TChatMessage&) const = default;
};
struct TPlayerIdMessage {
  std::string Name;
  std::string Version;  // whether it is ours is the handshake's question
  bool operator==(const TPlayerIdMessage&) const = default;
};
struct TDealMessage {
  bool DealerDrawsFirst = false;  // the dealer's own view: the receiver draws first when false
  // The stock slot of each card of the two packs, in the order the packs are
  // built: per pack the suited cards by id, then its two jokers. Every slot
  // occurs once.
  std::array<std::uint8_t, MaxCards> SlotOfCard{};
  bool operator==(const TDealMessage&) const = default;
};
struct TRulesMessage {
  TRuleSettings Rules;
  bool operator==(const TRulesMessage&) const = default;
};
// The card of a move, named by id: "MELD", "DISCARD", "DISCARDREDTHREE".
struct TMeldMessage {
  CardId Card = 0;
  bool operator==(const TMeldMessage&) const = default;
};
struct TDiscardMessage {
  CardId Card = 0;
  bool operator==(const TDiscardMessage&) const = default;
};
struct TDiscardRedThreeMessage {
  CardId Card = 0;
  bool operator==(const TDiscardRedThreeMessage&) const = default;
};
struct TMeldWildcardMessage {
  CardId Card = 0;
  int Column = 0;
  bool operator==(const TMeldWildcardMessage&) const = default;
};
// "UN": a melded card taken back, and the column it left.
struct TTakeBackMessage {
  CardId Card = 0;
  int Column = 0;
  bool operator==(const TTakeBackMessage&) const = default;
};
// The moves whose token says everything.
template <TTokenCode C>
struct TBareMessage {
  static constexpr TTokenCode Code = C;
  bool operator==(const TBareMessage&) const = default;
};
using TDrawNewMessage = TBareMessage<TTokenCode::DrawNew>;
using TDrawPileTopMessage = TBareMessage<TTokenCode::DrawPileTop>;
using TDrawPileRestMessage = TBareMessage<TTokenCode::DrawPileRest>;
using TUndoPileMessage = TBareMessage<TTokenCode::UndoPile>;
using TPassDiscardMessage = TBareMessage<TTokenCode::PassDiscard>;
using TNewGameMessage = TBareMessage<TTokenCode::NewGame>;
using THandOverMessage = TBareMessage<TTokenCode::HandOver>;

using TReceivedMessage =
    std::variant<TIgnoredMessage, TChatMessage, TPlayerIdMessage, TDealMessage, TRulesMessage, TMeldMessage,
                 TDiscardMessage, TDiscardRedThreeMessage, TMeldWildcardMessage, TTakeBackMessage, TDrawNewMessage,
                 TDrawPileTopMessage, TDrawPileRestMessage, TUndoPileMessage, TPassDiscardMessage, TNewGameMessage,
                 THandOverMessage, TLoadGameMessage>;

}  // namespace tarvelo::protocol
