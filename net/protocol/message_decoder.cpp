#include "net/protocol/message_decoder.h"

#include "net/protocol/field_codecs.h"
#include "net/protocol/framing.h"
#include "net/protocol/loaded_game_decoder.h"

#include <algorithm>
#include <span>
#include <vector>

namespace tarvelo::protocol {

namespace {
using TFields = std::span<const std::string_view>;

// A field as a warning may show it: at most 24 bytes, those outside printable
// ASCII as \xNN.
std::string Shown(std::string_view field) {
  std::string text = "\"";
  for (const unsigned char byte : field.substr(0, 24)) {
    if (byte >= 32 && byte < 127) {
      text += static_cast<char>(byte);
    } else {
      constexpr const char* digits = "0123456789ABCDEF";
      text += std::string("\\x") + digits[byte >> 4] + digits[byte & 15];
    }
  }
  return text + (field.size() > 24 ? "...\"" : "\"");
}

TDecoded Refused(TTokenCode code, const std::string& what) {
  return TMessageRefusal{TMessageRefusal::Malformed, std::string(TokenName(code)) + ": " + what};
}

// Text a person typed or chose: every byte in 32..250 and at most maxBytes.
bool IsText(std::string_view field, size_t maxBytes) {
  return field.size() <= maxBytes && std::ranges::all_of(field, [](const char c) {
           const auto byte = static_cast<unsigned char>(c);
           return byte >= 32 && byte <= 250;
         });
}

std::optional<CardId> ReadCardId(std::string_view field) {
  const std::optional<int> id = ReadNumber(field, 1, MaxWireCardId);
  if (!id) return std::nullopt;
  return static_cast<CardId>(*id);
}

template <typename TMessage>
TDecoded DecodeCardMove(TTokenCode code, TFields fields) {
  const std::optional<CardId> card = ReadCardId(fields[0]);
  if (!card) return Refused(code, "the card id " + Shown(fields[0]) + " is not a number 1..55");
  return TReceivedMessage{TMessage{*card}};
}

TDecoded DecodeMeldWildcard(TFields fields) {
  const std::optional<CardId> card = ReadCardId(fields[0]);
  if (!card) return Refused(TTokenCode::MeldWildcard, "the card id " + Shown(fields[0]) + " is not a number 1..55");
  const std::optional<int> column = ReadNumber(fields[1], 0, MaxColumn);
  if (!column) return Refused(TTokenCode::MeldWildcard, "the column " + Shown(fields[1]) + " is not a number 0..13");
  return TReceivedMessage{TMeldWildcardMessage{*card, *column}};
}

// Two bytes: the card's id and the column it left, each plus 32.
TDecoded DecodeTakeBack(TFields fields) {
  const std::string_view field = fields[0];
  if (field.size() != 2) return Refused(TTokenCode::TakeBack, "the field " + Shown(field) + " is not two bytes");
  const std::optional<int> card = ReadByteCode(field[0], 1, MaxWireCardId);
  const std::optional<int> column = ReadByteCode(field[1], 0, MaxColumn);
  if (!card) return Refused(TTokenCode::TakeBack, "the card byte of " + Shown(field) + " names no id 1..55");
  if (!column) return Refused(TTokenCode::TakeBack, "the column byte of " + Shown(field) + " names no column 0..13");
  return TReceivedMessage{TTakeBackMessage{static_cast<CardId>(*card), *column}};
}

// "0" or "1", the dealer's first draw, then the stock slot of each card as a
// byte of 32 + slot, every slot once.
TDecoded DecodeDeal(TFields fields) {
  const std::string_view field = fields[0];
  if (field.size() != 1 + MaxCards)
    return Refused(TTokenCode::Deal, std::to_string(field.size()) + " bytes, not " + std::to_string(1 + MaxCards));
  if (field[0] != '0' && field[0] != '1')
    return Refused(TTokenCode::Deal, "the first drawer " + Shown(field.substr(0, 1)) + " is neither 0 nor 1");
  TDealMessage deal;
  deal.DealerDrawsFirst = field[0] == '1';
  std::array<bool, MaxCards> taken{};
  for (int card = 0; card < MaxCards; ++card) {
    const std::optional<int> slot = ReadByteCode(field[1 + card], 0, MaxCards - 1);
    if (!slot) return Refused(TTokenCode::Deal, "card " + std::to_string(card + 1) + " has no stock slot 0..107");
    if (taken[*slot]) return Refused(TTokenCode::Deal, "stock slot " + std::to_string(*slot) + " is given twice");
    taken[*slot] = true;
    deal.SlotOfCard[card] = static_cast<std::uint8_t>(*slot);
  }
  return TReceivedMessage{deal};
}

TDecoded DecodeRules(TFields fields) {
  const std::optional<TRuleSettings> rules = ReadRuleFields(fields);
  if (!rules) return Refused(TTokenCode::Rules, "a field is not the T or F, or the 1 or 2, its rule takes");
  return TReceivedMessage{TRulesMessage{*rules}};
}

TDecoded DecodeChat(TFields fields) {
  // Cutting the line to its length is the display's part, as it is the sender's.
  if (!IsText(fields[0], std::string::npos)) return Refused(TTokenCode::Chat, "the line holds a byte outside 32..250");
  return TReceivedMessage{TChatMessage{std::string(fields[0])}};
}

TDecoded DecodePlayerId(TFields fields) {
  if (fields[0].empty() || !IsText(fields[0], 255))
    return Refused(TTokenCode::PlayerId, "the name " + Shown(fields[0]) + " is not 1..255 bytes of 32..250");
  if (!IsText(fields[1], 255)) return Refused(TTokenCode::PlayerId, "the version " + Shown(fields[1]) + " is not text");
  return TReceivedMessage{TPlayerIdMessage{std::string(fields[0]), std::string(fields[1])}};
}

TDecoded DecodeLoadGame(TFields fields) {
  TLoadedGameRead read = ReadLoadedGame(fields);
  if (!read.Game) return Refused(TTokenCode::LoadGame, read.Fault);
  return TReceivedMessage{std::move(*read.Game)};
}

// How many fields each token carries; nothing for a token without a decoder.
std::optional<size_t> FieldCount(TTokenCode code) {
  switch (code) {
    case TTokenCode::Chat:
    case TTokenCode::Deal:
    case TTokenCode::Meld:
    case TTokenCode::TakeBack:
    case TTokenCode::Discard:
    case TTokenCode::DiscardRedThree:
      return 1;
    case TTokenCode::PlayerId:
    case TTokenCode::MeldWildcard:
      return 2;
    case TTokenCode::Rules:
      return RuleSwitchCount;
    case TTokenCode::LoadGame:
      return LoadedGameSections;
    case TTokenCode::DrawNew:
    case TTokenCode::DrawPileTop:
    case TTokenCode::DrawPileRest:
    case TTokenCode::UndoPile:
    case TTokenCode::PassDiscard:
    case TTokenCode::NewGame:
    case TTokenCode::HandOver:
      return 0;
    default:
      return std::nullopt;
  }
}

// The message of a token whose fields are counted right.
TDecoded DecodeFields(TTokenCode code, TFields fields) {
  switch (code) {
    case TTokenCode::Chat:
      return DecodeChat(fields);
    case TTokenCode::PlayerId:
      return DecodePlayerId(fields);
    case TTokenCode::Deal:
      return DecodeDeal(fields);
    case TTokenCode::Rules:
      return DecodeRules(fields);
    case TTokenCode::Meld:
      return DecodeCardMove<TMeldMessage>(code, fields);
    case TTokenCode::Discard:
      return DecodeCardMove<TDiscardMessage>(code, fields);
    case TTokenCode::DiscardRedThree:
      return DecodeCardMove<TDiscardRedThreeMessage>(code, fields);
    case TTokenCode::MeldWildcard:
      return DecodeMeldWildcard(fields);
    case TTokenCode::TakeBack:
      return DecodeTakeBack(fields);
    case TTokenCode::LoadGame:
      return DecodeLoadGame(fields);
    case TTokenCode::DrawNew:
      return TReceivedMessage{TDrawNewMessage{}};
    case TTokenCode::DrawPileTop:
      return TReceivedMessage{TDrawPileTopMessage{}};
    case TTokenCode::DrawPileRest:
      return TReceivedMessage{TDrawPileRestMessage{}};
    case TTokenCode::UndoPile:
      return TReceivedMessage{TUndoPileMessage{}};
    case TTokenCode::PassDiscard:
      return TReceivedMessage{TPassDiscardMessage{}};
    case TTokenCode::NewGame:
      return TReceivedMessage{TNewGameMessage{}};
    case TTokenCode::HandOver:
      return TReceivedMessage{THandOverMessage{}};
    default:
      return Refused(code, "no message of ours has this token");
  }
}
}  // namespace

TDecoded DecodeMessage(std::string_view message) {
  if (message.empty() || message.back() != MessageEnd || message.find(MessageEnd) != message.size() - 1)
    return TMessageRefusal{TMessageRefusal::Malformed, "not one whole message"};
  const TMessageParts parts = SplitMessage(message);
  const TTokenCode code = TokenCode(parts.Token);
  switch (code) {
    case TTokenCode::Ok:
    case TTokenCode::SendAgain:
    case TTokenCode::Quit:
      return TReceivedMessage{TIgnoredMessage{code}};
    case TTokenCode::Unknown:
      return TMessageRefusal{TMessageRefusal::UnknownToken, "unknown token " + Shown(parts.Token)};
    default:
      break;
  }
  const std::optional<size_t> wanted = FieldCount(code);
  if (!wanted) return Refused(code, "no message of ours has this token");
  std::vector<std::string_view> fields = parts.Fields;
  // One empty field has the same bytes as none.
  if (fields.empty() && *wanted == 1) fields.emplace_back();
  if (fields.size() != *wanted)
    return Refused(code, std::to_string(fields.size()) + " fields, not " + std::to_string(*wanted));
  return DecodeFields(code, fields);
}

}  // namespace tarvelo::protocol
