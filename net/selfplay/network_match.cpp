#include "net/selfplay/network_match.h"

#include "engine/invariants.h"
#include "engine/table_mirror.h"
#include "net/selfplay/headless_side.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <deque>
#include <memory>

namespace tarvelo {

namespace {
// No message for this long: the pair's match is stuck and given up.
constexpr qint64 StuckMilliseconds = 60000;

QString HostOf(const std::string& address) { return QString::fromStdString(address.substr(0, address.rfind(':'))); }
quint16 PortOf(const std::string& address) {
  return static_cast<quint16>(std::stoi(address.substr(address.rfind(':') + 1)));
}

TComputerSettings LevelOf(const TMatchSettings& m, int side) {
  return {.computerLevel = m.Levels[side],
          .aggressiveness = m.Aggressiveness,
          .MasterSamples = m.MasterSamples,
          .MasterMilliseconds = m.MasterMilliseconds};
}

// Two sides of one match, and what travels between them.
class TPair {
 public:
  TPair(const TSelfPlayOptions& options, int number, const QString& folder, TMatchResults& results,
        TNetworkFigures& figures);

  void LogIn(const std::string& first, const std::string& second) {
    a_->LogIn(HostOf(first), PortOf(first));
    b_->LogIn(HostOf(second), PortOf(second));
  }
  // Invites once both are in the lobby and see each other.
  void InviteWhenReady();
  bool Done() const { return done_; }
  bool Stuck() const { return !done_ && sinceMessage_.elapsed() > StuckMilliseconds; }
  void GiveUp() { Finish(); }

 private:
  void Wire(THeadlessSide& from, THeadlessSide& to, std::deque<qint64>& inFlight);
  void CheckTables();
  void GameOver(const TGameOverInfo& info);
  void Finish();

  const TSelfPlayOptions& options_;
  TMatchResults& results_;
  TNetworkFigures& figures_;
  std::unique_ptr<THeadlessSide> a_, b_;
  std::deque<qint64> aToB_, bToA_;  // send times of the messages on the way
  QElapsedTimer clock_, sinceMessage_;
  bool invited_ = false, done_ = false;
  int games_ = 0;
};

TPair::TPair(const TSelfPlayOptions& options, int number, const QString& folder, TMatchResults& results,
             TNetworkFigures& figures)
    : options_(options), results_(results), figures_(figures) {
  const TMatchSettings& m = options.Match;
  const std::string tag = std::to_string(QCoreApplication::applicationPid() % 10000) + "x" + std::to_string(number);
  a_ = std::make_unique<THeadlessSide>("SpA" + tag, LevelOf(m, SidePlayer), m.Rules, GameSeed(m.Seed, 2 * number),
                                       folder + "/a");
  b_ = std::make_unique<THeadlessSide>("SpB" + tag, LevelOf(m, SideOpponent), m.Rules, GameSeed(m.Seed, 2 * number + 1),
                                       folder + "/b");
  clock_.start();
  sinceMessage_.start();
  Wire(*a_, *b_, aToB_);
  Wire(*b_, *a_, bToA_);
  a_->MatchOver = [this](const TGameOverInfo& info) { GameOver(info); };
  a_->HandScored = [this] { ++results_.Hands; };
}

void TPair::Wire(THeadlessSide& from, THeadlessSide& to, std::deque<qint64>& inFlight) {
  QObject::connect(&from.Network(), &TNetworkGame::sent, &from,
                   [this, &inFlight](const std::string&) { inFlight.push_back(clock_.nsecsElapsed()); });
  QObject::connect(&to.Network(), &TNetworkGame::handled, &to, [this, &inFlight](const std::string&) {
    sinceMessage_.restart();
    if (inFlight.empty()) return;
    figures_.LatencyMs.push_back(static_cast<double>(clock_.nsecsElapsed() - inFlight.front()) / 1e6);
    inFlight.pop_front();
    CheckTables();
  });
}

void TPair::InviteWhenReady() {
  if (invited_ || !a_->LoggedIn() || !b_->LoggedIn()) return;
  const std::vector<std::string>& players = a_->Client().Players();
  if (std::find(players.begin(), players.end(), b_->Nick()) == players.end()) return;
  invited_ = true;
  a_->Invitations().Invite(b_->Nick());
}

// Every message of each side has reached the other: the two tables hold the same cards.
void TPair::CheckTables() {
  if (!aToB_.empty() || !bToA_.empty()) return;
  const TGame &a = a_->Game(), &b = b_->Game();
  if (a.LastDealString.empty() || b.LastDealString.empty()) return;  // not dealt yet
  std::string fault = a.LastDealString == b.LastDealString ? "" : "the two tables hold different deals";
  if (fault.empty()) fault = CheckCardConservation(a.Table);
  if (fault.empty()) fault = CheckCardConservation(b.Table);
  if (fault.empty()) fault = MirrorDifference(a, b);
  if (fault.empty()) return;
  if (figures_.MirrorFaults++ == 0) figures_.FirstMirrorFault = fault;
}

void TPair::GameOver(const TGameOverInfo& info) {
  if (done_) return;  // its sessions play on while the other pairs finish
  ++results_.Games;
  if (info.Draw)
    ++results_.Draws;
  else
    ++results_.Wins[info.PlayerWon ? SidePlayer : SideOpponent];
  results_.FinalScoreSum[SidePlayer] += info.PlayerScore;
  results_.FinalScoreSum[SideOpponent] += info.OpponentScore;
  if (++games_ >= options_.Match.Games) Finish();
}

// The turns a side could not make as its computer played them count as refused moves.
void TPair::Finish() {
  done_ = true;
  for (THeadlessSide* side : {a_.get(), b_.get()}) {
    const int refused = side->RefusedTurns();
    if (refused == 0) continue;
    results_.Refused += refused;
    TViolationKind& kind = results_.RefusedKinds["a turn not made as the computer played it"];
    kind.Count += refused;
    if (kind.Example.empty()) kind.Example = side->Nick();
  }
}
}  // namespace

TMatchResults PlayNetworkMatch(const TSelfPlayOptions& options, TNetworkFigures& figures, std::string& error) {
  TMatchResults results;
  figures.Pairs = options.Pairs;
  const size_t comma = options.Lobby.find(',');
  const std::string first = options.Lobby.substr(0, comma);
  const std::string second = comma == std::string::npos ? first : options.Lobby.substr(comma + 1);
  QTemporaryDir folder;
  std::vector<std::unique_ptr<TPair>> pairs;
  for (int p = 0; p < options.Pairs; ++p) {
    pairs.push_back(std::make_unique<TPair>(options, p, folder.path() + "/" + QString::number(p), results, figures));
    pairs.back()->LogIn(first, second);
  }
  QElapsedTimer clock;
  clock.start();
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    bool allDone = true;
    for (const auto& pair : pairs) {
      pair->InviteWhenReady();
      if (pair->Stuck()) {
        ++results.Abandoned;
        pair->GiveUp();
      }
      allDone = allDone && pair->Done();
    }
    if (allDone) QCoreApplication::exit(0);
  });
  poll.start(20);
  QCoreApplication::exec();
  results.Seconds = static_cast<double>(clock.elapsed()) / 1000.0;
  if (results.Games == 0 && results.Abandoned == options.Pairs) error = "no game was played through " + options.Lobby;
  return results;
}

}  // namespace tarvelo
