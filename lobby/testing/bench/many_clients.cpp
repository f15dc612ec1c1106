#include "lobby/testing/bench/many_clients.h"

#include "lobby/testing/bench/bench_names.h"
#include "lobby/testing/bench/bench_stats.h"
#include "lobby/testing/bench/game_load.h"
#include "lobby/testing/bench/poll_clients.h"
#include "lobby/testing/bench/process_usage.h"
#include "lobby/testing/irc_network.h"

#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace tarvelo::bench {
namespace {

constexpr int RoundWaitMs = 5;
constexpr std::size_t LoginsAtOnce = 50;
constexpr std::int64_t LoginTimeoutUs = 60'000'000;
constexpr std::int64_t DrainUs = 5'000'000;

class TClock {
 public:
  std::int64_t Us() const {
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start_).count();
  }
  std::int64_t Ms() const { return Us() / 1000; }

 private:
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// Thousands of sockets, and the servers started from here inherit the limit too.
void RaiseFileLimit() {
  rlimit limit{};
  if (::getrlimit(RLIMIT_NOFILE, &limit) != 0) return;
  limit.rlim_cur = limit.rlim_max;
  ::setrlimit(RLIMIT_NOFILE, &limit);
}

double CpuSecondsOfSelf() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct TLogins {
  std::vector<double> Ms;
  std::vector<bool> LoggedIn;
  std::map<std::string, int> Failures;  // why -> how many
  int Failed = 0;
};

std::string FailureOf(const irc::TLobbyEvent& event) {
  switch (event.Code) {
    case irc::LobbyError:
      return "error: " + event.Text;
    case irc::LobbyDisconnected:
      return "disconnected";
    case irc::LobbyNickInUse:
    case irc::LobbyNickTaken:
    case irc::LobbyNickInvalid:
    case irc::LobbyAlreadyLoggedIn:
    case irc::LobbyBanned:
      return "event " + std::to_string(event.Code);
    default:
      return {};
  }
}

// Logs every player in, at most LoginsAtOnce at a time: a login ends at the
// session's "not registered" (the accounts do not exist), which comes after the
// server's whole welcome.
TLogins LogInAll(TPollClients& clients, const std::vector<std::string>& nicks, const std::vector<quint16>& ports,
                 const TClock& clock) {
  const std::size_t count = nicks.size();
  TLogins logins;
  logins.LoggedIn.assign(count, false);
  std::vector<std::int64_t> startUs(count, -1);
  std::vector<std::size_t> running;
  std::size_t next = 0, ended = 0;
  const auto end = [&](std::size_t client, const std::string& failure) {
    if (failure.empty()) {
      logins.LoggedIn[client] = true;
      logins.Ms.push_back(static_cast<double>(clock.Us() - startUs[client]) / 1000.0);
    } else {
      ++logins.Failed;
      ++logins.Failures[failure];
      clients.Close(client);
    }
    startUs[client] = -1;
    ++ended;
  };
  while (ended < count) {
    while (running.size() < LoginsAtOnce && next < count) {
      const std::size_t client = next++;
      startUs[client] = clock.Us();
      if (!clients.Connect(client, ports[client])) {
        end(client, "the connect call failed");
        continue;
      }
      clients.Session(client).Login(nicks[client], "bench-secret", "Tarvelo501");
      running.push_back(client);
    }
    clients.Round(RoundWaitMs, clock.Ms(), [&](std::size_t client, irc::TLobbyEvent& event) {
      if (startUs[client] < 0) return;
      if (event.Code == irc::LobbyNotRegistered)
        end(client, {});
      else if (const std::string failure = FailureOf(event); !failure.empty())
        end(client, failure);
    });
    for (std::size_t client : running)
      if (startUs[client] >= 0 && clock.Us() - startUs[client] > LoginTimeoutUs) end(client, "no welcome within 60 s");
    std::erase_if(running, [&](std::size_t client) { return startUs[client] < 0; });
  }
  return logins;
}

struct TServerUsage {
  qint64 Pid = 0;
  TProcessUsage Usage;
};

std::vector<TServerUsage> ReadServers(const std::vector<qint64>& pids) {
  std::vector<TServerUsage> servers;
  for (qint64 pid : pids) servers.push_back({pid, ReadProcessUsage(pid)});
  return servers;
}

void PrintTimes(const char* what, const std::vector<double>& ms) {
  std::printf("%s  p50 %.1f ms  p99 %.1f ms  max %.1f ms  (%zu)\n", what, Percentile(ms, 0.5), Percentile(ms, 0.99),
              ms.empty() ? 0.0 : *std::max_element(ms.begin(), ms.end()), ms.size());
}

void PrintLogins(const TLogins& logins) {
  PrintTimes("login ms          ", logins.Ms);
  std::printf("login failures     %d\n", logins.Failed);
  for (const auto& [why, count] : logins.Failures) std::printf("  %5d  %s\n", count, why.c_str());
}

void PrintLoad(const TLoadFigures& load) {
  PrintTimes("relay ms          ", load.RelayMs);
  PrintTimes("big move ms       ", load.BigMoveMs);
  std::printf("commands sent %llu (%llu game pace, %llu big moves)  delivered %llu  lost %llu  damaged %llu\n",
              static_cast<unsigned long long>(load.Sent + load.BigSent), static_cast<unsigned long long>(load.Sent),
              static_cast<unsigned long long>(load.BigSent), static_cast<unsigned long long>(load.Delivered),
              static_cast<unsigned long long>(load.Lost), static_cast<unsigned long long>(load.Damaged));
  std::printf(
      "  damaged: %llu dropped by the session, %llu too damaged to name, %llu from long-named senders; "
      "sender misread by its first word: %llu; links lost while playing: %llu\n",
      static_cast<unsigned long long>(load.DroppedDamaged), static_cast<unsigned long long>(load.Unreadable),
      static_cast<unsigned long long>(load.DamagedLongNames), static_cast<unsigned long long>(load.MisreadSender),
      static_cast<unsigned long long>(load.LinksLost));
}

// The network's servers by what they are: the linked server's run folder is its "leaf".
std::string ServerLabel(qint64 pid) {
  const bool linked = ProcessCommandLine(pid).find("/leaf/") != std::string::npos;
  return ProcessName(pid) + (linked ? " (linked)" : "");
}

void PrintUsage(const std::vector<TServerUsage>& before, const std::vector<TServerUsage>& after, double seconds,
                double benchCpuSeconds) {
  for (std::size_t i = 0; i < after.size(); ++i) {
    const TProcessUsage& a = after[i].Usage;
    const double cpu = a.Read && before[i].Usage.Read ? a.CpuSeconds - before[i].Usage.CpuSeconds : 0;
    std::printf("server %-19s pid %-7lld cpu %5.1f%% of a core  VmRSS %.1f MB  VmHWM %.1f MB%s\n",
                ServerLabel(after[i].Pid).c_str(), static_cast<long long>(after[i].Pid), 100.0 * cpu / seconds,
                a.RssKb / 1024.0, a.PeakRssKb / 1024.0, a.Read ? "" : "  (gone)");
  }
  std::printf("%-39s cpu %5.1f%% of a core\n", "bench", 100.0 * benchCpuSeconds / seconds);
}

}  // namespace

int RunManyClients(const TManyClientsOptions& options) {
  RaiseFileLimit();
  TIrcNetwork network;
  if (!network.Start() || (options.Linked && !network.StartLinked())) {
    std::fprintf(stderr, "the lobby did not start: %s\n", qPrintable(network.Error()));
    return 1;
  }
  const auto count = static_cast<std::size_t>(options.Clients);
  std::mt19937 random(27);
  const std::vector<std::string> nicks = BenchNicknames(count, random);
  std::vector<quint16> ports(count, network.Port());
  if (options.Linked)
    for (std::size_t i = 1; i < count; i += 2) ports[i] = network.LinkedPort();

  TClock clock;
  TPollClients clients(count);
  const std::int64_t loginStartUs = clock.Us();
  const TLogins logins = LogInAll(clients, nicks, ports, clock);
  const double loginSeconds = static_cast<double>(clock.Us() - loginStartUs) / 1e6;

  TGameLoad load(clients, nicks, logins.LoggedIn, 41);
  const auto onEvent = [&](std::size_t client, irc::TLobbyEvent& event) { load.OnEvent(client, event, clock.Us()); };
  const std::vector<qint64> pids = network.ServerPids();
  const std::vector<TServerUsage> before = ReadServers(pids);
  const double benchBefore = CpuSecondsOfSelf();
  const std::int64_t startUs = clock.Us(), stopUs = startUs + options.Seconds * 1'000'000LL;
  load.Start(startUs);
  while (clock.Us() < stopUs) {
    load.SendDue(clock.Us());
    clients.Round(RoundWaitMs, clock.Ms(), onEvent);
  }
  const double measured = static_cast<double>(clock.Us() - startUs) / 1e6;
  const std::vector<TServerUsage> after = ReadServers(pids);
  const double benchCpu = CpuSecondsOfSelf() - benchBefore;
  const std::size_t unwritten = clients.Unwritten();
  while (clock.Us() < stopUs + DrainUs) clients.Round(RoundWaitMs, clock.Ms(), onEvent);

  std::printf("clients %d  servers %d  playing pairs %zu  logins took %.1f s  measured %.1f s\n", options.Clients,
              options.Linked ? 2 : 1, load.PlayingPairs(), loginSeconds, measured);
  PrintLogins(logins);
  PrintLoad(load.Figures());
  std::printf("bytes the sockets had not taken at the end of the load: %zu\n", unwritten);
  PrintUsage(before, after, measured, benchCpu);
  return 0;
}

}  // namespace tarvelo::bench
