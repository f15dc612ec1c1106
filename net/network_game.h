#pragma once

#include "engine/game_observer.h"
#include "engine/rules.h"
#include "lobby/lobby_client.h"
#include "net/protocol/receive_buffer.h"
#include "net/protocol/received_messages.h"
#include "net/protocol/rule_differences.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tarvelo {

class TSession;

// Who the local side is in a network game; persisted nowhere, but the numbers
// are the ones the invitation protocol hands over: never renumber.
constexpr int NetRoleInvited = 0;   // answers the introduction, waits for the deals
constexpr int NetRoleInviting = 1;  // introduces itself first and deals every hand
constexpr int NetRoleNone = 2;      // no network game

// The network text of the status bar.
enum TNetStatus { NetNotConnected = 0, NetWaiting = 1, NetConnected = 2 };

// The protocol version both sides must send.
inline constexpr const char* ProtocolVersion = "501";

// What the network game asks of the window and the files.
struct TNetworkGameHooks {
  std::function<void(int status, const std::string& remoteName)> ShowNetStatus;
  // The Network menu: its items of a running game enabled, or the lobby's.
  std::function<void(bool networkGame)> ShowNetworkMenu;
  // The rule differences, shown; none hides them.
  std::function<void(const std::vector<protocol::TRuleDifference>& rows)> ShowRuleDifferences;
  // Saves the game as local_remote.tvl in the data folder: the path, or empty when it could not be written.
  std::function<QString(const std::string& localName, const std::string& remoteName)> Park;
  // A game against the computer in progress is kept before the match replaces it.
  std::function<void()> KeepComputerGame;
};

// A game against a person at another program, through the lobby. Both tables
// run the whole engine; what the local player does is sent as it happens (this
// listens to the table), and what the peer sends is checked whole and applied
// through the session's queue, only while the engine is idle and only while
// the game it was sent for still runs.
class TNetworkGame : public QObject, private TGameObserver {
  Q_OBJECT
 public:
  TNetworkGame(TSession& session, TLobbyClient& lobby, TNetworkGameHooks hooks = {}, QObject* parent = nullptr);
  ~TNetworkGame() override;

  // A match agreed and not ended.
  bool Active() const { return netRole_ != NetRoleNone; }
  int NetRole() const { return netRole_; }
  const std::string& LocalName() const { return localName_; }
  const std::string& RemoteName() const { return remoteName_; }
  int NetStatus() const { return netStatus_; }
  bool HandshakeDone() const { return handshakeDone_; }
  // The peer's rules as last received; none before its first "RULES".
  const std::optional<TRuleSettings>& RemoteRules() const { return remoteRules_; }
  // Both sides play by the same rules: only then is a hand dealt.
  bool RulesAgree() const;
  // Counts the games: a message or a turn posted for one that has ended is dropped.
  int Epoch() const { return epoch_; }

  // The lobby hands its private commands, a user leaving and a lost link to
  // the network game first; it keeps those of the peer while a game runs.
  TLobbyRoute Route();

  // The match was agreed: from now on the peer's messages are kept for this
  // game, and once the engine is idle the peer takes the seat and the
  // handshake begins. The lobby tells of the agreement whenever it hears of
  // it, in the middle of a turn too, so the seat changes only then.
  void Start(int netRole, const std::string& localName, const std::string& remoteName, const std::string& gameRoom);
  // The network game ends; the table stays and the computer takes the seat.
  void End();
  // "&Rule Differences...": the comparison shown again.
  void ShowRuleDifferences();
  // "Use Opponent's Rules": the peer's rules in force for this game, not stored.
  void UseOpponentRules();
  // Whole messages wait: handle the next once the engine is idle.
  void PostDispatch();

  // The handshake's time limit; tests wait less.
  static constexpr int HandshakeMilliseconds = 30000;
  void SetHandshakeLimit(int milliseconds) { handshakeTimer_.setInterval(milliseconds); }

 signals:
  void started();
  void ended();
  // A message was sent to the peer, or one of its messages handled: its bytes.
  void sent(const std::string& message);
  void handled(const std::string& message);

 private:
  void Reported(const TGameReport& report) override;
  void Send(const std::string& token, const std::string& payload);
  void SendPlayerId();
  void SetNetStatus(int status);
  // The posted half of Start.
  void TakeSeat();
  // Runs `event` once the engine is idle, unless this game has ended meanwhile.
  void PostForThisGame(std::function<void()> event);

  // What the lobby tells, by the network game's state.
  bool OnPrivateCommand(const std::string& sender, const std::string& text);
  bool OnUserLeft(const std::string& nick, const std::string& room);
  bool OnConnectionLost();
  bool OnNoSuchUser(const std::string& nick);
  // The peer is gone: the game is saved and ends.
  void Park();
  void OnHandshakeTimeout();

  // The received messages (network_dispatch.cpp).
  void DispatchNext();
  void Handle(const protocol::TReceivedMessage& message);
  void OnPlayerId(const protocol::TPlayerIdMessage& message);
  void OnRules(const protocol::TRulesMessage& message);
  void OnDeal(const protocol::TDealMessage& message);
  void OnNewGame();
  // The peer's moves (peer_moves_received.cpp): false for a message that is no move.
  bool OnPeerMove(const protocol::TReceivedMessage& message);
  void EndOnRefusedTurn(const std::string& reason);
  bool AtHandBoundary() const;
  // The dealer deals once both sides play by the same rules.
  void DealWhenRulesAgree();

  TSession& session_;
  TLobbyClient& lobby_;
  TNetworkGameHooks hooks_;
  int netRole_ = NetRoleNone;
  std::string localName_, remoteName_, gameRoom_;
  int netStatus_ = NetNotConnected;
  int epoch_ = 0;
  bool handshakeDone_ = false;
  bool dealPending_ = false;    // the dealer waits for the rules to agree
  bool newGameAgreed_ = false;  // a deal may replace the hand
  // This side's game is over and it did not win: the peer's NEWGAME that
  // begins the next one is due, and the dealer has already dealt for it.
  bool peerNewGameDue_ = false;
  int handsDealt_ = 0;  // in this network game
  bool dispatchPosted_ = false;
  std::optional<TRuleSettings> remoteRules_;
  protocol::TReceiveBuffer buffer_;
  QTimer handshakeTimer_;
};

}  // namespace tarvelo
