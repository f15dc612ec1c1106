// The peer's messages, one at a time once the engine is idle: each is checked
// whole before anything acts on it, then handled by its token.
#include "engine/game.h"
#include "lobby/invitation/invitation_commands.h"
#include "net/network_game.h"
#include "net/protocol/field_codecs.h"
#include "net/protocol/framing.h"
#include "net/protocol/message_decoder.h"
#include "session/session.h"

#include <QtGlobal>

#include <type_traits>

namespace tarvelo {

using namespace protocol;

namespace {
const char* const VersionMismatchText =
    "You have version 50001 and your opponent has another version. Please use the same version.";

// The deal as the dealer's table wrote it: who draws first, then each card's slot.
std::string DealString(const TDealMessage& deal) {
  std::string text(1, deal.DealerDrawsFirst ? '1' : '0');
  for (const std::uint8_t slot : deal.SlotOfCard) text += static_cast<char>(slot + 32);
  return text;
}

// The message as the log shows it: its bytes outside plain text as hex.
std::string Printable(const std::string& message) {
  std::string text;
  for (const unsigned char byte : message) {
    if (byte >= 32 && byte < 127) {
      text += static_cast<char>(byte);
    } else {
      static const char digits[] = "0123456789ABCDEF";
      text += {'<', digits[byte >> 4], digits[byte & 15], '>'};
    }
  }
  return text;
}
}  // namespace

// One message per pass of the event loop, so that a long run of them never
// holds the table; each pass posts the next.
void TNetworkGame::PostDispatch() {
  if (!Active() || dispatchPosted_ || !buffer_.HasMessage()) return;
  dispatchPosted_ = true;
  PostForThisGame([this] {
    dispatchPosted_ = false;
    DispatchNext();
    PostDispatch();
  });
}

void TNetworkGame::DispatchNext() {
  const std::optional<std::string> message = buffer_.TakeMessage();
  if (!message) return;
  const TDecoded decoded = DecodeMessage(*message);
  if (const auto* refusal = std::get_if<TMessageRefusal>(&decoded)) {
    if (refusal->Kind == TMessageRefusal::UnknownToken) {
      session_.Warning("Unknown token: " + *message);
    } else {
      qWarning("A message from %s was refused (%s): %s", remoteName_.c_str(), refusal->Reason.c_str(),
               Printable(*message).c_str());
    }
    return;
  }
  Handle(std::get<TReceivedMessage>(decoded));
  emit handled(*message);
}

void TNetworkGame::Handle(const TReceivedMessage& message) {
  if (OnPeerMove(message)) return;
  std::visit(
      [this](const auto& m) {
        using T = std::decay_t<decltype(m)>;
        if constexpr (std::is_same_v<T, TPlayerIdMessage>) {
          OnPlayerId(m);
        } else if constexpr (std::is_same_v<T, TRulesMessage>) {
          OnRules(m);
        } else if constexpr (std::is_same_v<T, TDealMessage>) {
          OnDeal(m);
        } else if constexpr (std::is_same_v<T, TNewGameMessage>) {
          OnNewGame();
        }
      },
      message);
}

// The introduction, once per game; a second one changes nothing.
void TNetworkGame::OnPlayerId(const TPlayerIdMessage& message) {
  if (handshakeDone_) return;
  if (!invitation::SameNick(message.Name, remoteName_)) {
    // The peer is who the lobby says sent this; a name of its own choosing would send our moves elsewhere.
    qWarning("The opponent %s introduced itself as %s: the network game ends.", remoteName_.c_str(),
             message.Name.c_str());
    End();
    return session_.Warning("Your opponent " + remoteName_ + " introduced itself as " + message.Name +
                            ". The network game has ended.");
  }
  if (message.Version != ProtocolVersion) {
    End();
    return session_.Information(VersionMismatchText);
  }
  handshakeDone_ = true;
  handshakeTimer_.stop();
  SetNetStatus(NetConnected);
  if (hooks_.ShowRuleDifferences) hooks_.ShowRuleDifferences({});
  if (netRole_ == NetRoleInvited) SendPlayerId();
  Send("RULES", RuleString(session_.Game().Rules));
  if (netRole_ == NetRoleInviting) {
    dealPending_ = true;
    DealWhenRulesAgree();
  }
}

void TNetworkGame::OnRules(const TRulesMessage& message) {
  remoteRules_ = message.Rules;
  ShowRuleDifferences();
  DealWhenRulesAgree();
}

bool TNetworkGame::AtHandBoundary() const {
  return handsDealt_ == 0 || newGameAgreed_ || session_.Game().Table.Phase == PhaseHandOver;
}

// A deal comes only from the dealer, and only where a hand may begin: one in
// the middle of a hand would replace a hand the peer is losing.
void TNetworkGame::OnDeal(const TDealMessage& message) {
  if (netRole_ != NetRoleInvited || !handshakeDone_ || !AtHandBoundary()) {
    qWarning("A deal from %s in the middle of a hand was refused (hands dealt %d, phase %d).", remoteName_.c_str(),
             handsDealt_, session_.Game().Table.Phase);
    return;
  }
  bool dealt = false;
  session_.Guarded([&] { dealt = session_.MutableGame().DealFromString(DealString(message)); });
  if (!dealt) return;
  ++handsDealt_;
  newGameAgreed_ = false;
}

// A new game while one is under way ends that game: only with the player's consent.
void TNetworkGame::OnNewGame() {
  // The next game after one that ended here: begun already, and dealt by the dealer.
  if (peerNewGameDue_) {
    peerNewGameDue_ = false;
    return;
  }
  TTableState& table = session_.MutableGame().Table;
  const bool underWay = table.GameInProgress || table.PlayerScore != 0 || table.OpponentScore != 0;
  if (underWay &&
      !session_.Question(remoteName_ + " wants to start a new game. Do you want to give up the game in progress?")) {
    // The peer has already left this game behind: the two tables could not agree again.
    return Park();
  }
  if (underWay) session_.RecordAbandonedNetworkGame();
  table.PlayerScore = table.OpponentScore = 0;
  table.GameInProgress = false;
  newGameAgreed_ = true;
  if (netRole_ == NetRoleInviting) {
    dealPending_ = true;
    DealWhenRulesAgree();
  }
}

void TNetworkGame::DealWhenRulesAgree() {
  if (netRole_ != NetRoleInviting || !handshakeDone_ || !RulesAgree()) return;
  if (!dealPending_ && !(handsDealt_ > 0 && session_.Game().Table.Phase == PhaseHandOver)) return;
  session_.Guarded([this] { session_.MutableGame().DealHand(false); });
}

}  // namespace tarvelo
