#pragma once

#include "lobby/irc/lobby_events.h"
#include "lobby/testing/bench/poll_clients.h"

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace tarvelo::bench {

// What the game load measured.
struct TLoadFigures {
  std::vector<double> RelayMs;    // a game-pace command: from the send call to its delivery
  std::vector<double> BigMoveMs;  // a big move: from the send call to the delivery of the whole command
  std::uint64_t Sent = 0, BigSent = 0, Delivered = 0, Lost = 0;
  std::uint64_t Damaged = 0;         // delivered with a text that does not check, or dropped by the session as damaged
  std::uint64_t DroppedDamaged = 0;  // of those, reported by the session itself
  std::uint64_t Unreadable = 0;      // of those, with a header too damaged to tell which command it was
  std::uint64_t DamagedLongNames = 0;  // of those, from a sender whose name is long once escaped
  std::uint64_t MisreadSender = 0;     // deliveries whose first word is not the sender's whole name
  std::uint64_t LinksLost = 0;         // sessions that reported an error while playing
};

// Pairs of players (0, 1), (2, 3)... who play a game by private commands: each
// sends its partner a command every 1 to 3 s, and each pair about every 10 s a
// big move from one side. Every command carries its own check (bench_command.h).
class TGameLoad {
 public:
  static constexpr std::int64_t BigMoveBytes = 11600;
  static constexpr std::int64_t BigMoveEveryUs = 10'000'000;

  // Only pairs whose two players are both logged in play.
  TGameLoad(TPollClients& clients, std::vector<std::string> nicks, const std::vector<bool>& loggedIn,
            std::uint32_t seed);

  std::size_t PlayingPairs() const { return pairs_.size(); }
  // Every player's first command and every pair's first big move fall at a random moment after nowUs.
  void Start(std::int64_t nowUs);
  // Sends every command due by nowUs.
  void SendDue(std::int64_t nowUs);
  void OnEvent(std::size_t client, const irc::TLobbyEvent& event, std::int64_t nowUs);
  // The commands not delivered so far count as lost.
  TLoadFigures Figures() const;

 private:
  struct TPair {
    std::size_t First = 0;
    std::int64_t NextBigUs = 0;
  };
  struct TSent {
    bool Big = false;
    bool Arrived = false;
  };

  void Send(std::size_t from, bool big, std::int64_t nowUs);
  void Delivered(std::size_t client, const std::string& text, std::int64_t nowUs);
  std::int64_t Uniform(std::int64_t low, std::int64_t high);

  TPollClients& clients_;
  std::vector<std::string> nicks_;
  std::vector<TPair> pairs_;
  std::vector<std::int64_t> nextSendUs_;  // per player; -1 for one who does not play
  std::vector<TSent> sent_;               // by sequence number
  std::mt19937 random_;
  TLoadFigures figures_;
};

}  // namespace tarvelo::bench
