#include "net/peer_seat.h"

#include "net/network_game.h"

namespace tarvelo {

bool TPeerSeat::NetworkGameActive() const { return network_.Active(); }
std::string TPeerSeat::PeerName() const { return network_.RemoteName(); }
void TPeerSeat::PostNetworkDispatch() { network_.PostDispatch(); }
// The dealer deals only by the rules both sides play by; until they agree the hand waits.
bool TPeerSeat::LocalSideDeals() const { return network_.NetRole() == NetRoleInviting && network_.RulesAgree(); }

}  // namespace tarvelo
