// The lobby's own figures on a real lobby started from deploy/lobby/ on
// loopback.
//   tarvelo-lobby-bench [--logins N]
//   tarvelo-lobby-bench --clients N [--linked] [--seconds S]
// The first: how long a login takes, from the call to the server's welcome.
// The nickname is registered by a first login that is not counted; then it
// logs in and out N times (default 20), each after a random pause of under a
// second, and prints every time and the median, the 99th percentile and the largest.
// With WIRE set in the environment it also prints every line both ways, timed.
// The second: many players at once, playing in pairs (many_clients.h).
#include "lobby/irc/lobby_events.h"
#include "lobby/lobby_client.h"
#include "lobby/testing/bench/bench_stats.h"
#include "lobby/testing/bench/many_clients.h"
#include "lobby/testing/irc_network.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace tarvelo;
using bench::Percentile;

namespace {
bool WaitFor(TLobbyClient& client, TLobbyState state, int ms = 20000) {
  QDeadlineTimer deadline(ms);
  while (client.Lobby().LobbyState != state && !deadline.hasExpired())
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
  return client.Lobby().LobbyState == state;
}

// Milliseconds from LogIn to the lobby's welcome; -1 when it never came.
double TimedLogin(TLobbyClient& client) {
  QElapsedTimer clock;
  bool welcomed = false;
  const auto connection = QObject::connect(&client, &TLobbyClient::LoggedIn, [&] { welcomed = true; });
  clock.start();
  client.LogIn("Bencher", "secret-of-bencher");
  QDeadlineTimer deadline(20000);
  while (!welcomed && !deadline.hasExpired() && client.Lobby().LobbyState != NotConnected)
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
  const double ms = welcomed ? clock.nsecsElapsed() / 1e6 : -1;
  QObject::disconnect(connection);
  return ms;
}
}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  int logins = 20;
  bool manyClients = false;
  bench::TManyClientsOptions many;
  for (int i = 1; i < argc; ++i) {
    const bool valued = i + 1 < argc;
    if (std::strcmp(argv[i], "--linked") == 0) many.Linked = true;
    if (!valued) continue;
    if (std::strcmp(argv[i], "--logins") == 0) logins = std::max(1, std::atoi(argv[i + 1]));
    if (std::strcmp(argv[i], "--clients") == 0) {
      manyClients = true;
      many.Clients = std::max(2, std::atoi(argv[i + 1]));
    }
    if (std::strcmp(argv[i], "--seconds") == 0) many.Seconds = std::max(1, std::atoi(argv[i + 1]));
  }
  if (manyClients) return bench::RunManyClients(many);
  srandom(27);
  TIrcNetwork network;
  if (!network.Start()) {
    std::fprintf(stderr, "the lobby did not start: %s\n", qPrintable(network.Error()));
    return 1;
  }
  TLobbyClient client;
  client.SetServer("127.0.0.1", network.Port());
  client.ChooseRoomType(JustForFun, "");
  std::vector<double> times;
  QElapsedTimer wireClock;
  wireClock.start();
  if (qEnvironmentVariableIsSet("WIRE"))
    client.Server().WireLog = [&](bool out, const QByteArray& bytes) {
      std::fprintf(stderr, "%8.1f %s %s", wireClock.nsecsElapsed() / 1e6, out ? ">>" : "<<", bytes.constData());
    };
  for (int i = 0; i <= logins; ++i) {
    const double ms = TimedLogin(client);
    if (ms < 0 || !WaitFor(client, InLobby)) {
      std::fprintf(stderr, "login %d did not reach the lobby\n", i);
      return 1;
    }
    if (i > 0) times.push_back(ms);  // the first one registered the nickname
    client.LogOut();
    if (!WaitFor(client, NotConnected)) {
      std::fprintf(stderr, "logout %d did not end\n", i);
      return 1;
    }
    // A player comes at any moment, not in step with the server's once-a-second
    // housekeeping that the previous login ended on.
    QDeadlineTimer pause(static_cast<qint64>(random() % 1000));
    while (!pause.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  std::printf("login ms:");
  for (double t : times) std::printf(" %.0f", t);
  std::printf("\nlogins %zu  p50 %.1f ms  p99 %.1f ms  max %.1f ms\n", times.size(), Percentile(times, 0.5),
              Percentile(times, 0.99), *std::max_element(times.begin(), times.end()));
  return 0;
}
