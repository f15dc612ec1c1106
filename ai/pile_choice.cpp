// What every level asks before taking the discard pile.
#include "ai/computer_player.h"
#include "engine/seat_rules.h"

#include <optional>

namespace tarvelo {

bool TComputerPlayer::canTakeDiscardPile() {
  // With the stock exhausted, a top card that fits a meld may be taken as well.
  return MayTakeWholePile() || (StockExhausted() && IsForcedToTake(Game, Seat::Opponent) && LeavesCardsToGoOn());
}

bool TComputerPlayer::LeavesCardsToGoOn() {
  const TTableState& t = Game.Table;
  recountTallies();
  const bool frozen = PileFrozenForComputer();
  const bool pairFromHand = frozen || (Game.Rules.NaturalPair && Game.Rules.AddExistingMeld);
  const bool newMeld = Tally.ownMeld[t.DiscardPile.Top().Rank] == 0;
  const bool mustLeaveCards = newMeld || (pairFromHand && !HasCanastasNeeded());
  return !mustLeaveCards || t.OpponentHand.Count + t.DiscardPile.Count > 3;
}

bool TComputerPlayer::MayTakeWholePile() { return MayTakePile(Game, Seat::Opponent, false) && LeavesCardsToGoOn(); }

std::optional<TCard> TComputerPlayer::PileTopToTry() {
  const TTableState& t = Game.Table;
  if (t.DiscardPile.Empty()) return std::nullopt;
  const TCard top = t.DiscardPile.Top();
  // Where the top card does not count, the target rises by its points for the
  // whole turn, also when the pile is then left.
  initialMeldTarget += TopCardRaise(Game.Rules, top);
  if (!canTakeDiscardPile()) return std::nullopt;
  return top;
}

bool TComputerPlayer::CanastaHuntQualifies(int topRank, int plannedWild) {
  recountTallies();
  const int wild = Tally.WildcardsInHand();
  // The top card is counted both in the hand and in the pile: once is enough.
  auto reach = [&](int x) {
    return Tally.ownHand[x] + Tally.discardCount[x] + Tally.ownMeld[x] - (x == topRank ? 1 : 0);
  };
  int target = 0;
  for (int x = RankAce; x >= RankFour && target == 0; --x)
    if (reach(x) >= 4 && reach(x) + wild >= 7) target = x;
  if (target == 0) return false;
  // Wildcards planned for the initial meld are not there for a rank still short of a meld of its own.
  if (Tally.ownHand[target] < 3) return reach(target) - plannedWild + wild > 6;
  return true;
}

THandProbe::THandProbe(TComputerPlayer& computer) : computer_(computer), saved_(computer.Game.Table.OpponentHand) {}

THandProbe::THandProbe(TComputerPlayer& computer, const TCard& card) : THandProbe(computer) {
  AddCard(computer.Game.Table.OpponentHand, card);
  computer.ProbedTopRank = card.Rank;
  computer.recountTallies();
}

THandProbe::~THandProbe() {
  computer_.ProbedTopRank = 0;
  computer_.Game.Table.OpponentHand = saved_;
  computer_.recountTallies();
}

}  // namespace tarvelo
