#pragma once

#include "ai/selfplay/player_seat_computer.h"
#include "engine/silent_display.h"
#include "lobby/invitations.h"
#include "lobby/lobby_client.h"
#include "net/network_game.h"
#include "session/session.h"
#include "store/registry_enhanced.h"
#include "store/store_settings.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <string>

namespace tarvelo {

// One program of a network match without a window: its settings in a folder
// of its own, a session, a lobby login, the invitations and the network game,
// and a computer level playing the player's seat whenever it is on turn.
class THeadlessSide : public QObject {
  Q_OBJECT
 public:
  THeadlessSide(std::string nick, const TComputerSettings& level, const TRuleSettings& rules, std::uint32_t seed,
                const QString& folder);
  ~THeadlessSide() override;

  const std::string& Nick() const { return nick_; }
  void LogIn(const QString& host, quint16 port);
  bool LoggedIn() const;
  const TGame& Game() const { return session_->Game(); }
  TNetworkGame& Network() { return *network_; }
  TInvitations& Invitations() { return invitations_; }
  TLobbyClient& Client() { return client_; }
  // Turns the computer could not make as the player's moves, ended another way.
  int RefusedTurns() const { return refusedTurns_; }

  std::function<void(const TGameOverInfo&)> MatchOver;
  std::function<void()> HandScored;

 private:
  void PostTurn();
  void PlayIfOnTurn();

  std::string nick_;
  TRegistryEnhanced store_;
  TStoreSettings settings_{store_};
  TSilentDisplay display_;
  std::unique_ptr<TSession> session_;
  TLobbyClient client_;
  TInvitations invitations_{client_};
  std::unique_ptr<TNetworkGame> network_;
  TPlayerSeatComputer player_;
  bool turnPosted_ = false;
  int refusedTurns_ = 0;
};

}  // namespace tarvelo
