#include "net/peer_seat.h"

#include "net/network_game.h"

namespace tarvelo {

bool TPeerSeat::NetworkGameActive() const { return network_.Active(); }
std::string TPeerSeat::PeerName() const { return network_.RemoteName(); }
void TPeerSeat::PostNetworkDispatch() { network_.PostDispatch(); }
bool TPeerSeat::LocalSideDeals() const { return network_.NetRole() == NetRoleInviting; }

}  // namespace tarvelo
