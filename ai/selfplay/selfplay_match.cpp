#include "ai/selfplay/selfplay_match.h"

#include "ai/computer_player.h"
#include "ai/selfplay/selfplay_host.h"
#include "ai/selfplay/turn_check.h"
#include "engine/card_names.h"
#include "engine/table_mirror.h"

#include <chrono>
#include <map>
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

// One game between the two sides, on one table that is turned around after every turn.
class TMatchGame {
 public:
  TMatchGame(const TMatchSettings& settings, TSelfPlayHost& host, TMatchResults& results, int number)
      : settings_(settings), host_(host), results_(results), number_(number) {
    game_.Rules = settings.Rules;
    for (int side = 0; side < SideCount; ++side) {
      TComputerPlayer& computer = computers_[side];
      computer.Settings.computerLevel = settings.Levels[side];
      computer.Settings.aggressiveness = settings.Aggressiveness;
      computer.CheckLegality = true;
      computer.MoveSkipped = [this](const std::string& what) { Count(what, results_.Refused, results_.RefusedKinds); };
    }
  }

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
  int number_;
  TGame game_{host_};
  TSilentHost quiet_;
  TGame scratch_{quiet_};
  std::array<TComputerPlayer, SideCount> computers_{TComputerPlayer(game_), TComputerPlayer(game_)};
  // What each side saw go into the other side's hand.
  std::array<TCardArea, SideCount> memory_{};
  int atOpponent_ = SideOpponent;        // the side in the computer's place of the table
  int handsBefore_ = host_.HandsScored;  // hands of the games before this one
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
  if (!settings_.Trace) return;
  const TTableState& t = game_.Table;
  const bool took = t.DiscardPile.Count < pileBefore.Count;
  *settings_.Trace << "game " << number_ + 1 << " hand " << host_.HandsScored - handsBefore_ + 1 << ' '
                   << LevelText(settings_.Levels[atOpponent_])
                   << (atOpponent_ == SidePlayer ? " (player)" : " (opponent)") << ": hand [" << CardNames(handBefore)
                   << "] pile " << int{pileBefore.Count}
                   << (pileBefore.Empty() ? "" : " top " + CardName(pileBefore.Top())) << " | "
                   << (took ? "took the pile" : "drew") << " | melds [" << CardNames(t.OpponentMelds) << "] value "
                   << t.OpponentMeldValue << " canastas " << t.OpponentCanastas.Count << " | hand ["
                   << CardNames(t.OpponentHand) << "] | pile top "
                   << (t.DiscardPile.Empty() ? "-" : CardName(t.DiscardPile.Top())) << '\n';
}

void TMatchGame::TraceHand() const {
  if (!settings_.Trace) return;
  const THandResults& r = host_.LastHand;
  // The player's place of the table is the side that is not in the computer's place.
  const int atPlayer = atOpponent_ ^ 1;
  auto told = [](const THandScore& s) {
    return std::to_string(s.Total()) + " (canastas " + std::to_string(s.Rows[RowCanastas].Count) +
           (s.Rows[RowFinishBonus].Value > 0 ? ", went out)" : ")");
  };
  *settings_.Trace << "hand ends: " << LevelText(settings_.Levels[atPlayer]) << ' ' << told(r.Player) << ", "
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
  for (const std::string& fault : CheckFinishedTurn(game_, start_, scratch_)) Count(fault);
}

void TMatchGame::Count(const std::string& kind, int& total, std::map<std::string, TViolationKind>& kinds) {
  TViolationKind& v = kinds[kind];
  ++total;
  if (v.Count++ > 0) return;
  const TTableState& t = game_.Table;
  v.Example = "game " + std::to_string(number_ + 1) + ", hand " + std::to_string(host_.HandsScored - handsBefore_ + 1) +
              ", " + LevelText(settings_.Levels[atOpponent_]) + " side; its hand: [" + CardNames(t.OpponentHand) +
              "]; its melds: [" + CardNames(t.OpponentMelds) + "]; canastas " +
              std::to_string(t.OpponentCanastas.Count) + "; pile: [" + CardNames(t.DiscardPile) + "]";
}

void TMatchGame::RecordResult() {
  const TGameOverInfo& f = host_.Final;
  const int atPlayer = atOpponent_ ^ 1;
  results_.FinalScoreSum[atPlayer] += f.PlayerScore;
  results_.FinalScoreSum[atOpponent_] += f.OpponentScore;
  const std::array<int, SideCount> bySide = atPlayer == SidePlayer
                                                ? std::array<int, SideCount>{f.PlayerScore, f.OpponentScore}
                                                : std::array<int, SideCount>{f.OpponentScore, f.PlayerScore};
  for (const int score : bySide) HashScore(results_.ScoreHash, score);
  if (f.Draw)
    ++results_.Draws;
  else
    ++results_.Wins[f.PlayerWon ? atPlayer : atOpponent_];
}

}  // namespace

TMatchResults PlayMatch(const TMatchSettings& settings) {
  TMatchResults results;
  TSelfPlayHost host(settings.Seed);
  const auto begin = std::chrono::steady_clock::now();
  for (int i = 0; i < settings.Games; ++i) {
    const int hands = host.HandsScored;
    TMatchGame(settings, host, results, i).Play();
    results.Hands += host.HandsScored - hands;
    ++results.Games;
  }
  results.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
  return results;
}

}  // namespace tarvelo
