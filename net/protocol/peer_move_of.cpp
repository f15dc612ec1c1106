#include "net/protocol/peer_move_of.h"

#include <type_traits>

namespace tarvelo::protocol {

namespace {
// -1 where the area holds no card of that id (in that column, where one is named).
int LastOf(const TCardArea& area, CardId id, int column = -1) {
  return FindLast(area, [&](const TCard& c) { return c.Id == id && (column < 0 || c.Column == column); });
}

TMove Step(TMoveKind kind, int card = -1, int column = -1) {
  return {.Kind = kind, .Card = card, .Column = column, .Stepwise = true};
}

// The move a message names on this table; nothing where a named card is missing.
struct TMoveOf {
  const TTableState& t;
  std::optional<TMove> operator()(const TDrawNewMessage&) const { return Step(TMoveKind::Draw); }
  std::optional<TMove> operator()(const TDrawPileTopMessage&) const { return Step(TMoveKind::TakePile); }
  std::optional<TMove> operator()(const TDrawPileRestMessage&) const { return Step(TMoveKind::TakePileRest); }
  std::optional<TMove> operator()(const TUndoPileMessage&) const { return Step(TMoveKind::GiveBackPile); }
  std::optional<TMove> operator()(const TPassDiscardMessage&) const { return Step(TMoveKind::PassDiscard); }
  std::optional<TMove> operator()(const THandOverMessage&) const { return Step(TMoveKind::EndHand); }
  std::optional<TMove> operator()(const TMeldMessage& m) const {
    return Found(TMoveKind::Meld, LastOf(t.OpponentHand, m.Card));
  }
  std::optional<TMove> operator()(const TMeldWildcardMessage& m) const {
    return Found(TMoveKind::MeldWildcard, LastOf(t.OpponentHand, m.Card), m.Column);
  }
  std::optional<TMove> operator()(const TTakeBackMessage& m) const {
    return Found(TMoveKind::TakeBack, LastOf(t.OpponentMelds, m.Card, m.Column), m.Column);
  }
  std::optional<TMove> operator()(const TDiscardMessage& m) const {
    return Found(TMoveKind::Discard, LastOf(t.OpponentHand, m.Card));
  }
  std::optional<TMove> operator()(const TDiscardRedThreeMessage& m) const {
    return Found(TMoveKind::DiscardRedThree, LastOf(t.OpponentMelds, m.Card));
  }
  template <typename T>
  std::optional<TMove> operator()(const T&) const {
    return std::nullopt;
  }
  static std::optional<TMove> Found(TMoveKind kind, int index, int column = -1) {
    if (index < 0) return std::nullopt;
    return Step(kind, index, column);
  }
};
}  // namespace

bool IsPeerMove(const TReceivedMessage& message) {
  return std::visit(
      [](const auto& m) {
        using T = std::decay_t<decltype(m)>;
        return std::is_same_v<T, TDrawNewMessage> || std::is_same_v<T, TDrawPileTopMessage> ||
               std::is_same_v<T, TDrawPileRestMessage> || std::is_same_v<T, TUndoPileMessage> ||
               std::is_same_v<T, TPassDiscardMessage> || std::is_same_v<T, THandOverMessage> ||
               std::is_same_v<T, TMeldMessage> || std::is_same_v<T, TMeldWildcardMessage> ||
               std::is_same_v<T, TTakeBackMessage> || std::is_same_v<T, TDiscardMessage> ||
               std::is_same_v<T, TDiscardRedThreeMessage>;
      },
      message);
}

std::optional<TMove> PeerMoveOf(const TTableState& table, const TReceivedMessage& message) {
  return std::visit(TMoveOf{table}, message);
}

}  // namespace tarvelo::protocol
