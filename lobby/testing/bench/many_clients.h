#pragma once

namespace tarvelo::bench {

struct TManyClientsOptions {
  int Clients = 500;
  bool Linked = false;  // half of the players on a second, linked server: one of each pair on each
  int Seconds = 30;     // the game load's measured time
};

// Starts a lobby, logs the players in (at most a few dozen logins at a time, as
// the server's listen queue is short), has them play in pairs for the given
// time, and prints the figures. Returns the program's exit code.
int RunManyClients(const TManyClientsOptions& options);

}  // namespace tarvelo::bench
