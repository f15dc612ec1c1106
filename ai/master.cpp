// The Master level: the Expert's turn, with each of its decisions (the pile,
// how boldly to meld and go out, the discard) chosen by search over the cards
// it cannot see.
#include "ai/computer_player.h"
#include "ai/master_search.h"

#include <algorithm>

namespace tarvelo {

TComputerPlayer::TLevelSteps TComputerPlayer::ExpertLevelSteps() {
  // The Expert lays the top card while the pile's freeze still tells it how many naturals the take needs.
  return {&TComputerPlayer::ExpertSetUp,           false,
          &TComputerPlayer::expertPileDecision,    &TComputerPlayer::ExpertMeldTakenCard,
          &TComputerPlayer::ExpertLayExhaustedTop, &TComputerPlayer::expertMeldStep,
          &TComputerPlayer::expertChooseDiscard};
}

void TComputerPlayer::MasterTurn() {
  TLevelSteps steps = ExpertLevelSteps();
  steps.PileDecision = &TComputerPlayer::MasterPileDecision;
  steps.MeldStep = &TComputerPlayer::MasterMeldStep;
  steps.ChooseDiscard = &TComputerPlayer::MasterChooseDiscard;
  PlayTurn(steps);
}

int TComputerPlayer::Aggressiveness() const {
  // The Master finds its boldness by search: the slider is the Expert's.
  return Settings.computerLevel == LevelMaster ? DefaultAggressiveness : Settings.aggressiveness;
}

int TComputerPlayer::Search(int candidates, const TMasterSearch::TCandidateTurn& play, bool alikeFirst) {
  TMasterSearch search(*this);
  // Two ways to the same turn need no deals to tell them apart.
  if (alikeFirst && search.SameTurn(0, 1, play)) return 0;
  const int best = search.Best(candidates, play);
  if (SearchDone) SearchDone(search.Report());
  return best;
}

bool TComputerPlayer::MasterPileDecision() {
  // The Expert's decision first: it also sets the plans its taking step lays by.
  const bool expertTakes = expertPileDecision();
  const TTableState& t = Game.Table;
  if (t.DiscardPile.Empty() || !MayTakeWholePile()) return expertTakes;
  const int best = Search(2, [expertTakes](TComputerPlayer& self, int candidate) {
    self.PlayTurnAfterPileDecision(ExpertLevelSteps(), (candidate == 0) == expertTakes);
  });
  return (best == 0) == expertTakes;
}

void TComputerPlayer::MasterMeldStep() {
  const bool drawn = aggressiveTurn;
  const int best = Search(
      2,
      [drawn](TComputerPlayer& self, int candidate) {
        self.aggressiveTurn = (candidate == 0) == drawn;
        self.PlayTurnFromMeldStep(ExpertLevelSteps());
      },
      true);
  aggressiveTurn = (best == 0) == drawn;
  expertMeldStep();
}

std::vector<int> TComputerPlayer::DiscardCandidates(int expertChoice) const {
  // The Expert's choice first, then one card of every other kind in the hand.
  std::vector<int> candidates{expertChoice};
  const TCardArea& hand = Game.Table.OpponentHand;
  std::vector<int> ranks;
  if (expertChoice >= 0) ranks.push_back(hand.Cards[expertChoice].Rank);
  for (int i = 0; i < hand.Count; ++i) {
    const int rank = hand.Cards[i].Rank;
    if (std::find(ranks.begin(), ranks.end(), rank) != ranks.end()) continue;
    ranks.push_back(rank);
    candidates.push_back(i);
  }
  return candidates;
}

int TComputerPlayer::MasterChooseDiscard() {
  const int expertChoice = expertChooseDiscard();
  if (expertChoice < 0 && expertChoice != DiscardFromMelds) return expertChoice;
  const std::vector<int> candidates = DiscardCandidates(expertChoice);
  if (candidates.size() < 2) return expertChoice;
  const int best = Search(static_cast<int>(candidates.size()), [&candidates](TComputerPlayer& self, int candidate) {
    self.FinishTurn(self.DiscardMove(candidates[static_cast<size_t>(candidate)]));
  });
  return candidates[static_cast<size_t>(best)];
}

void TComputerPlayer::CopyStrategyFrom(const TComputerPlayer& other) {
  Settings = other.Settings;
  Settings.computerLevel = LevelExpert;  // a hand played out in the head is played by the Expert's rules
  CheckLegality = other.CheckLegality;
  static_cast<TStrategyMemory&>(*this) = other;
  turn_ = other.turn_;
  handSeen_ = other.handSeen_;
  busy_ = other.busy_;
}

}  // namespace tarvelo
