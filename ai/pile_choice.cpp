// What every level asks before taking the discard pile.
#include "ai/computer_player.h"

#include <optional>

namespace tarvelo {

bool TComputerPlayer::canTakeDiscardPile(const TCard& topCard, bool frozen) {
  // With the stock exhausted, a top card that fits a meld may be taken as well.
  return MayTakeWholePile(topCard, frozen) ||
         (StockExhausted() && StockExhaustedTest() && TakeableTop(topCard, frozen));
}

bool TComputerPlayer::TakeableTop(const TCard& topCard, bool frozen) {
  const TTableState& t = Game.Table;
  recountTallies();
  const int r = topCard.Rank;
  const int m = tally.ownMeld[r];
  // A wildcard or a three on top is never taken, nor a single card with a single card in hand.
  if (r <= RankThree || (t.DiscardPile.Count == 1 && t.OpponentHand.Count == 1)) return false;
  // A new meld from the pile must leave cards to go on with; so must a take that
  // needs two naturals from the hand while the canastas to go out are missing.
  const bool pairFromHand = frozen || (Game.Rules.NaturalPair && Game.Rules.AddExistingMeld);
  const bool mustLeaveCards = m == 0 || (pairFromHand && !HasCanastasNeeded());
  return !mustLeaveCards || t.OpponentHand.Count + t.DiscardPile.Count > 3;
}

bool TComputerPlayer::MayTakeWholePile(const TCard& topCard, bool frozen) {
  if (!TakeableTop(topCard, frozen)) return false;
  const int r = topCard.Rank;
  const int h = tally.ownHand[r], m = tally.ownMeld[r];
  if (h >= 2) return m < 7 || Game.Rules.AddToCanasta;
  if (frozen) return false;
  if (m < 3) return h == 1 && tally.WildcardsInHand() > 0 && !Game.Rules.NaturalPair;
  return !Game.Rules.AddExistingMeld && (m < 7 || Game.Rules.AddToCanasta);
}

std::optional<TCard> TComputerPlayer::PileTopToTry() {
  const TTableState& t = Game.Table;
  if (t.DiscardPile.Empty()) return std::nullopt;
  const TCard top = t.DiscardPile.Top();
  // Where the top card does not count, the target rises by its points for the
  // whole turn, also when the pile is then left.
  if (!Game.Rules.TopCardCounts) initialMeldTarget += top.Value;
  if (!canTakeDiscardPile(top, PileFrozenForComputer())) return std::nullopt;
  return top;
}

bool TComputerPlayer::CanastaHuntQualifies(int topRank, int plannedWild) {
  recountTallies();
  const int wild = tally.WildcardsInHand();
  // The top card is counted both in the hand and in the pile: once is enough.
  auto reach = [&](int x) {
    return tally.ownHand[x] + tally.discardCount[x] + tally.ownMeld[x] - (x == topRank ? 1 : 0);
  };
  int target = 0;
  for (int x = RankAce; x >= RankFour && target == 0; --x)
    if (reach(x) >= 4 && reach(x) + wild >= 7) target = x;
  if (target == 0) return false;
  // Wildcards planned for the initial meld are not there for a rank still short of a meld of its own.
  if (tally.ownHand[target] < 3) return reach(target) - plannedWild + wild > 6;
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
