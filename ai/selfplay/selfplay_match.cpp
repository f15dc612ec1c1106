#include "ai/selfplay/selfplay_match.h"

#include "ai/computer_player.h"
#include "ai/selfplay/selfplay_host.h"
#include "ai/selfplay/turn_check.h"
#include "engine/card_names.h"
#include "engine/table_mirror.h"

#include <algorithm>
#include <chrono>
#include <map>
#include <sstream>
#include <thread>
#include <utility>

namespace tarvelo {

namespace {

using TCardCounts = std::map<std::pair<int, int>, int>;  // (id, pack) -> cards

TCardCounts CountCards(const TCardArea& area) {
  TCardCounts counts;
  for (const TCard& c : area.Live()) ++counts[{c.Id, c.Deck}];
  return counts;
}

void HashScore(std::uint64_t& hash, int score) {
  const auto bits = static_cast<std::uint32_t>(score);
  for (int shift = 0; shift < 32; shift += 8) {
    hash ^= (bits >> shift) & 0xFFu;
    hash *= 1099511628211ull;
  }
}

int CountOf(const TCardCounts& counts, const std::pair<int, int>& key) {
  const auto it = counts.find(key);
  return it == counts.end() ? 0 : it->second;
}

// What one game leaves for the match: its counts, its final scores side by side, its trace.
struct TGameOutcome {
  TMatchResults Results;
  bool Finished = false;
  std::array<int, SideCount> FinalScores{};
  std::string Trace;
};

// One game between the two sides, on one table that is turned around after every turn.
class TMatchGame {
 public:
  TMatchGame(const TMatchSettings& settings, TSelfPlayHost& host, TGameOutcome& outcome, int number)
      : settings_(settings), host_(host), results_(outcome.Results), outcome_(outcome), number_(number) {
    game_.Rules = settings.Rules;
    for (int side = 0; side < SideCount; ++side) {
      TComputerPlayer& computer = computers_[side];
      computer.Settings.computerLevel = settings.Levels[side];
      computer.Settings.aggressiveness = settings.Aggressiveness;
      computer.Settings.MasterSamples = settings.MasterSamples;
      computer.Settings.MasterMilliseconds = settings.MasterMilliseconds;
      computer.CheckLegality = true;
      computer.MoveSkipped = [this](const std::string& what) { Count(what, results_.Refused, results_.RefusedKinds); };
      computer.SearchDone = [this](const TSearchReport& report) {
        results_.SearchSeconds.push_back(report.Seconds);
        results_.SearchSamples += report.Samples;
      };
    }
    if (settings.Trace) trace_ = &traceText_;
  }
  ~TMatchGame() { outcome_.Trace = traceText_.str(); }

  void Play();

 private:
  void PlayTurn();
  void TraceTurn(const TCardArea& handBefore, const TCardArea& pileBefore) const;
  void TraceHand() const;
  void NoteWhatTheOtherSideSaw(const TCardArea& handBefore, const TCardArea& pileBefore);
  void CheckTurn();
  void Count(const std::string& kind) { Count(kind, results_.Violations, results_.Kinds); }
  void Count(const std::string& kind, int& total, std::map<std::string, TViolationKind>& kinds);
  void RecordResult();

  const TMatchSettings& settings_;
  TSelfPlayHost& host_;
  TMatchResults& results_;
  TGameOutcome& outcome_;
  int number_;
  std::ostringstream traceText_;
  std::ostream* trace_ = nullptr;
  TGame game_{host_};
  std::array<TComputerPlayer, SideCount> computers_{TComputerPlayer(game_), TComputerPlayer(game_)};
  // What each side saw go into the other side's hand.
  std::array<TCardArea, SideCount> memory_{};
  int atOpponent_ = SideOpponent;  // the side in the computer's place of the table
  TTurnStart start_;
  bool turnChecked_ = true;
};

void TMatchGame::Play() {
  host_.TurnPending = false;
  host_.GameOver = false;
  host_.HandEnded = [this] {
    CheckTurn();
    TraceHand();
    memory_ = {};
  };
  host_.Warned = [this](const std::string& text) { Count("warning: " + text); };
  game_.ChooseFirstDrawer();
  game_.DealHand(true);
  for (int turns = 0; !host_.GameOver; ++turns) {
    if (turns >= settings_.TurnLimit) {
      ++results_.Abandoned;
      break;
    }
    // With the player's place to move, the table turns so that the other side plays it.
    if (!host_.TurnPending) {
      TurnTableAround(game_);
      atOpponent_ ^= 1;
    }
    host_.TurnPending = false;
    PlayTurn();
  }
  if (host_.GameOver) RecordResult();
  host_.HandEnded = nullptr;
  host_.Warned = nullptr;
}

void TMatchGame::PlayTurn() {
  TTableState& t = game_.Table;
  const int side = atOpponent_;
  t.pickupMemory = memory_[side];
  start_ = RecordTurnStart(game_);
  const TCardArea handBefore = t.OpponentHand, pileBefore = t.DiscardPile;
  const int hands = host_.HandsScored;
  turnChecked_ = false;
  computers_[side].playComputerTurn();
  if (host_.HandsScored != hands) return;  // checked before the next deal
  TraceTurn(handBefore, pileBefore);
  NoteWhatTheOtherSideSaw(handBefore, pileBefore);
  CheckTurn();
}

// One line a turn: the side's hand and the pile before, its melds and hand after, the pile's top after.
void TMatchGame::TraceTurn(const TCardArea& handBefore, const TCardArea& pileBefore) const {
  if (!trace_) return;
  const TTableState& t = game_.Table;
  const bool took = t.DiscardPile.Count < pileBefore.Count;
  *trace_ << "game " << number_ + 1 << " hand " << host_.HandsScored + 1 << ' '
          << LevelText(settings_.Levels[atOpponent_]) << (atOpponent_ == SidePlayer ? " (player)" : " (opponent)")
          << ": hand [" << CardNames(handBefore) << "] pile " << int{pileBefore.Count}
          << (pileBefore.Empty() ? "" : " top " + CardName(pileBefore.Top())) << " | "
          << (took ? "took the pile" : "drew") << " | melds [" << CardNames(t.OpponentMelds) << "] value "
          << t.OpponentMeldValue << " canastas " << t.OpponentCanastas.Count << " | hand [" << CardNames(t.OpponentHand)
          << "] | pile top " << (t.DiscardPile.Empty() ? "-" : CardName(t.DiscardPile.Top())) << '\n';
}

void TMatchGame::TraceHand() const {
  if (!trace_) return;
  const THandResults& r = host_.LastHand;
  // The player's place of the table is the side that is not in the computer's place.
  const int atPlayer = atOpponent_ ^ 1;
  auto told = [](const THandScore& s) {
    return std::to_string(s.Total()) + " (canastas " + std::to_string(s.Rows[RowCanastas].Count) +
           (s.Rows[RowFinishBonus].Value > 0 ? ", went out)" : ")");
  };
  *trace_ << "hand ends: " << LevelText(settings_.Levels[atPlayer]) << ' ' << told(r.Player) << ", "
          << LevelText(settings_.Levels[atOpponent_]) << ' ' << told(r.Opponent) << '\n';
}

void TMatchGame::NoteWhatTheOtherSideSaw(const TCardArea& handBefore, const TCardArea& pileBefore) {
  const TTableState& t = game_.Table;
  TCardArea& seen = memory_[atOpponent_ ^ 1];
  const TCardCounts before = CountCards(handBefore), after = CountCards(t.OpponentHand);
  const TCardCounts pile = CountCards(pileBefore), pileNow = CountCards(t.DiscardPile);
  // Cards that left the hand are forgotten; those that came from the pile were seen.
  for (const auto& [key, n] : before)
    for (int gone = n - CountOf(after, key); gone > 0; --gone) RemoveById(seen, static_cast<CardId>(key.first));
  for (const auto& [key, n] : after) {
    const int came = n - CountOf(before, key);
    const int fromPile = std::min(came, CountOf(pile, key) - CountOf(pileNow, key));
    for (int i = 0; i < fromPile; ++i) AddCard(seen, MakeCard(static_cast<CardId>(key.first), key.second));
  }
}

void TMatchGame::CheckTurn() {
  if (turnChecked_) return;
  turnChecked_ = true;
  for (const std::string& fault : CheckFinishedTurn(game_, start_)) Count(fault);
}

void TMatchGame::Count(const std::string& kind, int& total, std::map<std::string, TViolationKind>& kinds) {
  TViolationKind& v = kinds[kind];
  ++total;
  if (v.Count++ > 0) return;
  const TTableState& t = game_.Table;
  v.Example = "game " + std::to_string(number_ + 1) + ", hand " + std::to_string(host_.HandsScored + 1) + ", " +
              LevelText(settings_.Levels[atOpponent_]) + " side; its hand: [" + CardNames(t.OpponentHand) +
              "]; its melds: [" + CardNames(t.OpponentMelds) + "]; canastas " +
              std::to_string(t.OpponentCanastas.Count) + "; pile: [" + CardNames(t.DiscardPile) + "]";
}

void TMatchGame::RecordResult() {
  const TGameOverInfo& f = host_.Final;
  const int atPlayer = atOpponent_ ^ 1;
  results_.FinalScoreSum[atPlayer] += f.PlayerScore;
  results_.FinalScoreSum[atOpponent_] += f.OpponentScore;
  outcome_.Finished = true;
  outcome_.FinalScores[atPlayer] = f.PlayerScore;
  outcome_.FinalScores[atOpponent_] = f.OpponentScore;
  if (f.Draw)
    ++results_.Draws;
  else
    ++results_.Wins[f.PlayerWon ? atPlayer : atOpponent_];
}

void AddKinds(std::map<std::string, TViolationKind>& into, const std::map<std::string, TViolationKind>& kinds) {
  for (const auto& [kind, v] : kinds) {
    TViolationKind& k = into[kind];
    if (k.Count == 0) k.Example = v.Example;  // the first game's example stays
    k.Count += v.Count;
  }
}

// Adds one game to the match, in the order of the games.
void AddGame(TMatchResults& match, const TGameOutcome& game, std::ostream* trace) {
  const TMatchResults& r = game.Results;
  match.Games += 1;
  match.Draws += r.Draws;
  match.Hands += r.Hands;
  match.Abandoned += r.Abandoned;
  for (int side = 0; side < SideCount; ++side) {
    match.Wins[side] += r.Wins[side];
    match.FinalScoreSum[side] += r.FinalScoreSum[side];
  }
  if (game.Finished)
    for (const int score : game.FinalScores) HashScore(match.ScoreHash, score);
  match.Violations += r.Violations;
  AddKinds(match.Kinds, r.Kinds);
  match.Refused += r.Refused;
  AddKinds(match.RefusedKinds, r.RefusedKinds);
  match.SearchSeconds.insert(match.SearchSeconds.end(), r.SearchSeconds.begin(), r.SearchSeconds.end());
  match.SearchSamples += r.SearchSamples;
  if (trace) *trace << game.Trace;
}

void PlayGame(const TMatchSettings& settings, int number, TGameOutcome& outcome) {
  TSelfPlayHost host(GameSeed(settings.Seed, number));
  TMatchGame(settings, host, outcome, number).Play();
  outcome.Results.Hands = host.HandsScored;
}

}  // namespace

std::uint32_t GameSeed(std::uint32_t matchSeed, int game) {
  // SplitMix32-style mixing: neighbouring games get unrelated sequences.
  std::uint32_t x = matchSeed + 0x9E3779B9u * static_cast<std::uint32_t>(game + 1);
  x = (x ^ (x >> 16)) * 0x85EBCA6Bu;
  x = (x ^ (x >> 13)) * 0xC2B2AE35u;
  return x ^ (x >> 16);
}

TMatchResults PlayMatch(const TMatchSettings& settings) {
  TMatchResults results;
  const auto begin = std::chrono::steady_clock::now();
  const int jobs = std::clamp(settings.Jobs, 1, std::max(1, settings.Games));
  // Games are played in blocks, each game of a block on one of the jobs, and
  // added to the match in their order.
  const int block = 64 * jobs;
  for (int first = 0; first < settings.Games; first += block) {
    const int count = std::min(block, settings.Games - first);
    std::vector<TGameOutcome> games(static_cast<size_t>(count));
    auto play = [&](int job) {
      for (int i = job; i < count; i += jobs) PlayGame(settings, first + i, games[static_cast<size_t>(i)]);
    };
    std::vector<std::thread> threads;
    for (int job = 1; job < jobs; ++job) threads.emplace_back(play, job);
    play(0);
    for (std::thread& t : threads) t.join();
    for (const TGameOutcome& game : games) AddGame(results, game, settings.Trace);
  }
  results.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
  return results;
}

}  // namespace tarvelo
