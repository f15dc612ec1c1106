#pragma once

#include "lobby/irc/lobby_session.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct pollfd;

namespace tarvelo::bench {

// Many lobby sessions, each over its own non-blocking TCP socket to loopback,
// all driven by one poll() loop: a thread or an event object per player would
// not go to thousands of them.
class TPollClients {
 public:
  using TEventSink = std::function<void(std::size_t client, irc::TLobbyEvent& event)>;

  explicit TPollClients(std::size_t count);
  ~TPollClients();
  TPollClients(const TPollClients&) = delete;
  TPollClients& operator=(const TPollClients&) = delete;

  std::size_t Size() const { return clients_.size(); }
  irc::TLobbySession& Session(std::size_t client) { return clients_[client].Session; }
  bool Open(std::size_t client) const { return clients_[client].Socket >= 0; }

  // Starts the connection to 127.0.0.1:port; false when the call itself failed.
  bool Connect(std::size_t client, std::uint16_t port);
  void Close(std::size_t client);

  // One round: ticks every session at nowMs, writes what each releases (the
  // rest of a partial write waits for the next round), hands every event to
  // onEvent, then waits at most waitMs for the sockets and hands what arrived
  // to the sessions (their events come out in the next round).
  void Round(int waitMs, std::int64_t nowMs, const TEventSink& onEvent);

  // Bytes the sockets have not taken yet, over all clients.
  std::size_t Unwritten() const;

 private:
  struct TClient {
    irc::TLobbySession Session;
    int Socket = -1;
    bool Connecting = false;
    std::string Out;
  };

  void Poll(int waitMs);
  void Read(TClient& client);
  void Write(TClient& client);
  void ConnectEnded(TClient& client);
  void Drop(TClient& client, const std::string& why);

  std::vector<TClient> clients_;
  std::vector<pollfd> polls_;
  std::vector<std::size_t> polled_;  // the client of each entry of polls_
  std::string readBuffer_;
};

}  // namespace tarvelo::bench
