// The network game's life: started by an agreed match, ended by the player,
// the lobby or the peer; what the local player does is sent as it happens.
#include "net/network_game.h"

#include "engine/peer_moves.h"
#include "engine/rule_changes.h"
#include "lobby/invitation/invitation_commands.h"
#include "net/peer_seat.h"
#include "net/protocol/field_codecs.h"
#include "net/protocol/framing.h"
#include "net/protocol/peer_encoder.h"
#include "session/session.h"

#include <QtGlobal>

namespace tarvelo {

namespace {
std::string Replaced(std::string text, const std::string& name) { return text.replace(text.find("%s"), 2, name); }
}  // namespace

TNetworkGame::TNetworkGame(TSession& session, TLobbyClient& lobby, TNetworkGameHooks hooks, QObject* parent)
    : QObject(parent), session_(session), lobby_(lobby), hooks_(std::move(hooks)) {
  handshakeTimer_.setSingleShot(true);
  handshakeTimer_.setInterval(HandshakeMilliseconds);
  connect(&handshakeTimer_, &QTimer::timeout, this, &TNetworkGame::OnHandshakeTimeout);
}

TNetworkGame::~TNetworkGame() {
  if (Active()) session_.SetGameObserver(nullptr);
}

bool TNetworkGame::RulesAgree() const { return remoteRules_ && *remoteRules_ == session_.Game().Rules; }

TLobbyRoute TNetworkGame::Route() {
  TLobbyRoute route;
  route.PrivateCommand = [this](const std::string& sender, const std::string& text) {
    return OnPrivateCommand(sender, text);
  };
  route.UserLeft = [this](const std::string& nick, const std::string& room) { return OnUserLeft(nick, room); };
  route.ConnectionLost = [this] { return OnConnectionLost(); };
  route.NoSuchUser = [this](const std::string& nick) { return OnNoSuchUser(nick); };
  return route;
}

void TNetworkGame::Start(int netRole, const std::string& localName, const std::string& remoteName,
                         const std::string& gameRoom) {
  if (Active()) End();
  ++epoch_;
  netRole_ = netRole == NetRoleInviting ? NetRoleInviting : NetRoleInvited;
  localName_ = localName.substr(0, 255);
  remoteName_ = remoteName.substr(0, 255);
  gameRoom_ = gameRoom;
  handshakeDone_ = dealPending_ = newGameAgreed_ = dispatchPosted_ = false;
  handsDealt_ = 0;
  remoteRules_.reset();
  buffer_ = protocol::TReceiveBuffer();
  PostForThisGame([this] { TakeSeat(); });
}

// Everything for the engine runs once it is idle, and only while the game it was meant for still runs.
void TNetworkGame::PostForThisGame(std::function<void()> event) {
  session_.Post([this, epoch = epoch_, event = std::move(event)] {
    if (epoch == epoch_) event();
  });
}

void TNetworkGame::TakeSeat() {
  if (session_.Game().Table.GameInProgress && !session_.NetworkGameActive() && hooks_.KeepComputerGame)
    hooks_.KeepComputerGame();
  session_.SeatPeer(std::make_unique<TPeerSeat>(*this));
  session_.SetGameObserver(this);
  TTableState& table = session_.MutableGame().Table;
  table.PlayerScore = table.OpponentScore = 0;
  if (netRole_ == NetRoleInviting) SendPlayerId();
  SetNetStatus(NetWaiting);
  if (hooks_.ShowNetworkMenu) hooks_.ShowNetworkMenu(true);
  handshakeTimer_.start();
  emit started();
}

void TNetworkGame::End() {
  if (!Active()) return;
  ++epoch_;  // whatever was posted for this game is dropped
  netRole_ = NetRoleNone;
  handshakeTimer_.stop();
  dispatchPosted_ = false;
  buffer_ = protocol::TReceiveBuffer();
  session_.SetGameObserver(nullptr);
  SetNetStatus(NetNotConnected);
  if (hooks_.ShowNetworkMenu) hooks_.ShowNetworkMenu(false);
  if (hooks_.ShowRuleDifferences) hooks_.ShowRuleDifferences({});
  lobby_.LogOut();
  // Rules taken over from the peer were never stored: the stored ones come back.
  session_.MutableGame().LoadRules();
  session_.Guarded([this] { SettlePeerTurn(session_.MutableGame()); });
  session_.SeatComputer();
  const TTableState& table = session_.Game().Table;
  if (table.OpponentToMove && table.Phase != PhaseHandOver) session_.PlayComputerTurn();
  // A hand that ended while this side waited for the peer's deal: the local side deals now.
  if (table.Phase == PhaseHandOver && handsDealt_ > 0) {
    PostForThisGame([this] {
      const TTableState& t = session_.Game().Table;
      if (t.Phase == PhaseHandOver && t.PlayerScore < 5000 && t.OpponentScore < 5000)
        session_.Guarded([this] { session_.MutableGame().DealHand(false); });
    });
  }
  emit ended();
}

void TNetworkGame::SendPlayerId() {
  const std::string fields[] = {localName_, ProtocolVersion};
  Send("PLAYERID", protocol::JoinFields(fields));
}

void TNetworkGame::SetNetStatus(int status) {
  netStatus_ = status;
  if (hooks_.ShowNetStatus) hooks_.ShowNetStatus(status, remoteName_);
}

void TNetworkGame::Send(const std::string& token, const std::string& payload) {
  if (!Active()) return;
  const std::string message = protocol::Framed({token, payload});
  lobby_.SendPrivateCommand(remoteName_, message);
  emit sent(message);
}

// The local player's own moves, deals, new games and rules; the peer's moves
// replayed here are its own and are not sent back.
void TNetworkGame::Reported(const TGameReport& report) {
  // Moves in what is left of a game from before the match mean nothing to the peer.
  if (std::holds_alternative<TMoveReport>(report)) {
    if (handsDealt_ == 0) return;
    newGameAgreed_ = false;
  }
  if (const auto message = protocol::EncodeForPeer(report)) Send(message->Token, message->Payload);
  if (std::holds_alternative<TNewGameReport>(report)) {
    // Our new game: the next deal begins it, and the dealer owes one.
    newGameAgreed_ = true;
    dealPending_ = netRole_ == NetRoleInviting;
  } else if (std::holds_alternative<TDealReport>(report)) {
    dealPending_ = newGameAgreed_ = false;
    ++handsDealt_;
  }
  if (const auto* over = std::get_if<TGameOverReport>(&report)) peerNewGameDue_ = over->Difference <= 0;
  if (std::holds_alternative<TRulesReport>(report) && remoteRules_) ShowRuleDifferences();
}

void TNetworkGame::ShowRuleDifferences() {
  if (!Active() || !remoteRules_ || !hooks_.ShowRuleDifferences) return;
  hooks_.ShowRuleDifferences(protocol::CompareRules(session_.Game().Rules, *remoteRules_));
}

void TNetworkGame::UseOpponentRules() {
  if (!Active() || !remoteRules_) return;
  // In force, and sent (the table reports rules put into force); not stored.
  session_.Guarded([this] { ApplyRuleChange(session_.MutableGame(), *remoteRules_); });
  if (hooks_.ShowRuleDifferences) hooks_.ShowRuleDifferences({});
  DealWhenRulesAgree();
}

bool TNetworkGame::OnPrivateCommand(const std::string& sender, const std::string& text) {
  // Game text counts only from the peer, as the server names the sender.
  if (!Active() || !invitation::SameNick(sender, remoteName_)) return false;
  if (buffer_.Append(text) == protocol::TArrival::OverlongDropped)
    qWarning("A message from %s grew past %zu bytes without its end and was dropped.", remoteName_.c_str(),
             protocol::TReceiveBuffer::MaxPendingBytes);
  PostDispatch();
  return true;
}

// Only the peer leaving the game's room ends the game: on the way there both
// leave the lobby's room, and anyone else comes and goes as they like.
bool TNetworkGame::OnUserLeft(const std::string& nick, const std::string& room) {
  if (!Active() || !invitation::SameNick(nick, remoteName_) || room != gameRoom_) return false;
  PostForThisGame([this] { Park(); });
  return true;
}

// Our message found no peer on the lobby: it has gone, whether or not it had reached the game's room.
bool TNetworkGame::OnNoSuchUser(const std::string& nick) {
  if (!Active() || !invitation::SameNick(nick, remoteName_)) return false;
  PostForThisGame([this] { Park(); });
  return true;
}

bool TNetworkGame::OnConnectionLost() {
  if (!Active()) return false;
  PostForThisGame([this] { Park(); });
  return false;  // the lobby's own listeners hear of it too
}

void TNetworkGame::Park() {
  const std::string remote = remoteName_;
  // What the peer left half done is kept as the computer will go on from it.
  session_.Guarded([this] { SettlePeerTurn(session_.MutableGame()); });
  const QString path = hooks_.Park ? hooks_.Park(localName_, remoteName_) : QString();
  std::string text = Replaced("Connection with %s has been terminated.\r", remote);
  if (path.isEmpty())
    text += "The game could not be saved.";
  else
    text += Replaced("The game has been saved as\r%s", path.toStdString());
  End();
  session_.Information(text);
}

// The timer may fire inside a pause or an animation of the table: the game ends once the engine is idle.
void TNetworkGame::OnHandshakeTimeout() {
  PostForThisGame([this] {
    if (!Active() || handshakeDone_) return;
    const std::string remote = remoteName_;
    End();
    session_.Information(Replaced("%s did not answer. The network game has ended.", remote));
  });
}

}  // namespace tarvelo
