#include "net/protocol/peer_encoder.h"

#include "net/protocol/field_codecs.h"

namespace tarvelo::protocol {

namespace {
// The token of each kind of move: the peer's decoder reads these names.
const char* TokenOf(TMoveKind kind) {
  switch (kind) {
    case TMoveKind::Draw:
      return "DRAWNEW";  // one per card drawn
    case TMoveKind::TakePile:
      return "DRAWPILETOP";
    case TMoveKind::TakePileRest:
      return "DRAWPILEREST";
    case TMoveKind::GiveBackPile:
      return "UNDOPILE";
    case TMoveKind::Meld:
      return "MELD";
    case TMoveKind::MeldWildcard:
      return "MELDWILDCARD";
    case TMoveKind::TakeBack:
      return "UN";
    case TMoveKind::Discard:
      return "DISCARD";
    case TMoveKind::DiscardRedThree:
      return "DISCARDREDTHREE";
    case TMoveKind::PassDiscard:
      return "PASSDISCARD";
    case TMoveKind::EndHand:
      return "HANDOVER";
  }
  return "";
}

// The fields of a move: the card laid or discarded by its id; a wildcard with
// its column; a card taken back as two bytes, its id and the column it left.
// The peer knows every other card that moves from the deal.
std::string PayloadOf(const TMoveReport& move) {
  switch (move.Kind) {
    case TMoveKind::Meld:
    case TMoveKind::Discard:
    case TMoveKind::DiscardRedThree:
      return CardIdText(move.Card.Id);
    case TMoveKind::MeldWildcard: {
      const std::string fields[] = {CardIdText(move.Card.Id), NumberText(move.Column)};
      return JoinFields(fields);
    }
    case TMoveKind::TakeBack:
      return {ByteCode(move.Card.Id), ByteCode(move.Column)};
    default:
      return "";
  }
}

struct TEncoder {
  std::optional<TPeerMessage> operator()(const TMoveReport& move) const {
    if (move.By != Seat::Player) return std::nullopt;
    return TPeerMessage{TokenOf(move.Kind), PayloadOf(move)};
  }
  std::optional<TPeerMessage> operator()(const TDealReport& deal) const {
    return TPeerMessage{"DEAL", deal.DealString};
  }
  std::optional<TPeerMessage> operator()(const TNewGameReport&) const { return TPeerMessage{"NEWGAME", ""}; }
  // Each side sees the game end for itself; the winner's NEWGAME tells the next one begins.
  std::optional<TPeerMessage> operator()(const TGameOverReport&) const { return std::nullopt; }
  std::optional<TPeerMessage> operator()(const TRulesReport& rules) const {
    return TPeerMessage{"RULES", RuleString(rules.Rules)};
  }
};
}  // namespace

std::optional<TPeerMessage> EncodeForPeer(const TGameReport& report) { return std::visit(TEncoder{}, report); }

}  // namespace tarvelo::protocol
