// The peer's moves, judged and made on the opponent's seat as any seat's move is.
#include "engine/game.h"
#include "net/network_game.h"
#include "net/protocol/peer_move_of.h"
#include "session/session.h"

#include <QtGlobal>

namespace tarvelo {

using namespace protocol;

// A move that does not apply here (not the peer's turn, no such card, a draw
// on an empty stock) is let be. A turn whose melds this table refuses to end
// (a discard, a pass, a take made good or a meld going out) is one the two
// tables no longer agree on: the game ends there, parked.
bool TNetworkGame::OnPeerMove(const TReceivedMessage& message) {
  if (!IsPeerMove(message)) return false;
  TGame& game = session_.MutableGame();
  const std::optional<TMove> move = PeerMoveOf(game.Table, message);
  if (handsDealt_ == 0) {
    qWarning("A move from %s before the first deal was let be.", remoteName_.c_str());
    return true;
  }
  if (!move) {
    qWarning("A move from %s names a card it does not hold; it was let be.", remoteName_.c_str());
    return true;
  }
  const TRefusal refusal = Refusal(game, Seat::Opponent, *move);
  if (refusal.Error == ErrorDiscardNotPossible) {
    EndOnRefusedTurn(refusal.Reason);
  } else if (refusal) {
    qWarning("A move from %s does not apply now; it was let be (%s).", remoteName_.c_str(), refusal.Reason.c_str());
  } else {
    // A peer's move makes this a game in progress, as the player's own does.
    game.Table.GameInProgress = true;
    // A peer that moves on in the next game without its NEWGAME has begun it all the same.
    newGameAgreed_ = peerNewGameDue_ = false;
    session_.Guarded([&] { Apply(game, Seat::Opponent, *move); });
  }
  return true;
}

void TNetworkGame::EndOnRefusedTurn(const std::string& reason) {
  qWarning("%s ended a turn this table refuses (%s): the game is parked.", remoteName_.c_str(), reason.c_str());
  session_.Warning(remoteName_ + " made a move that is not allowed here (" + reason +
                   "). The two tables no longer agree: the network game ends.");
  Park();
}

}  // namespace tarvelo
