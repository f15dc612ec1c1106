// How long an agreed match takes to begin: from the invited user's Yes to
// both tables holding the dealt hand, between two whole programs on a real
// lobby started from deploy/lobby/ on loopback.
//   tarvelo-network-bench [--rounds N]
// Each round starts two fresh programs (each over a store of its own), logs
// them in under new nicknames, and Ann invites Bob; Bob's Yes starts the clock,
// and Bob's handling of the deal stops it. Prints each round and the median,
// the 90th percentile and the largest.
#include "app/program.h"
#include "lobby/testing/bench/bench_stats.h"
#include "lobby/testing/irc_network.h"
#include "lobby/testing/wait_until.h"
#include "sound/testing/fake_audio.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

using namespace tarvelo;

namespace {

struct TPlayer {
  explicit TPlayer(const std::string& nick) : Nick(nick) {
    const TStoreLocations locations{home.filePath("config/Tarvelo.conf"), home.filePath("machine/Tarvelo.conf"),
                                    home.filePath("config"), home.filePath("data")};
    Program = std::make_unique<TProgram>(locations, QStringList{}, [] { return std::make_unique<TFakeAudio>(); });
  }
  bool Begin(quint16 port) {
    Program->Start();
    if (!WaitUntil([&] { return Program->Started(); })) return false;
    Program->Window().EndStartUp();
    TLobbyClient& client = Program->LobbyClient();
    client.SetServer("127.0.0.1", port);
    client.ChooseRoomType(JustForFun, "");
    client.LogIn(Nick, "secret-of-" + Nick);
    return WaitUntil([&] { return client.Lobby().LobbyState == InLobby; });
  }
  std::string Nick;
  QTemporaryDir home;
  std::unique_ptr<TProgram> Program;
};

// Milliseconds from Bob's Yes to both tables dealt; -1 when the round failed.
double Round(quint16 port, int round) {
  TPlayer ann("Ann" + std::to_string(round)), bob("Bob" + std::to_string(round));
  if (!ann.Begin(port) || !bob.Begin(port)) return -1;
  if (!WaitUntil([&] { return ann.Program->LobbyClient().Players().size() >= 2; })) return -1;
  QElapsedTimer clock;
  double dealtAt = -1;
  QObject::connect(&bob.Program->Network(), &TNetworkGame::handled, [&](const std::string& message) {
    if (message.starts_with("DEAL")) dealtAt = static_cast<double>(clock.nsecsElapsed()) / 1e6;
  });
  // Bob says Yes; any other box is closed.
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    if (box->text().contains("invites you")) {
      clock.start();
      box->button(QMessageBox::Yes)->click();
    } else {
      box->reject();
    }
  });
  answer.start(1);
  ann.Program->Invitations().Invite(bob.Nick);
  const bool dealt = WaitUntil([&] {
    return dealtAt >= 0 && ann.Program->Session().Game().LastDealString == bob.Program->Session().Game().LastDealString;
  });
  return dealt ? dealtAt : -1;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  int rounds = 20;
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--rounds") == 0 && i + 1 < argc) rounds = std::max(1, std::atoi(argv[++i]));
  TIrcNetwork network;
  if (!network.Start()) {
    std::fprintf(stderr, "The lobby did not start: %s\n", network.Error().toStdString().c_str());
    return 1;
  }
  std::vector<double> times;
  for (int round = 1; round <= rounds; ++round) {
    const double ms = Round(network.Port(), round);
    std::printf("round %2d: %s\n", round, ms < 0 ? "failed" : (std::to_string(ms) + " ms").c_str());
    if (ms >= 0) times.push_back(ms);
  }
  std::printf("Yes to both tables dealt, %zu of %d rounds: median %.1f ms, p90 %.1f ms, max %.1f ms\n", times.size(),
              rounds, bench::Percentile(times, 0.5), bench::Percentile(times, 0.9), bench::Percentile(times, 1.0));
  return times.size() == static_cast<size_t>(rounds) ? 0 : 1;
}
