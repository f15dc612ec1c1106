// The Expert's discard: it freezes a pile worth denying, blocks with black
// threes, keeps shedding one rank, prefers ranks the player has shown no
// interest in, and does not feed the player a canasta.
#include "ai/computer_player.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace tarvelo {

int TComputerPlayer::DiscardBlackThree() const { return FindFirst(Game.Table.OpponentHand, IsBlackThree); }

int TComputerPlayer::DiscardWildcard(bool jokerPreferred) const {
  const int preferred = findInHand(jokerPreferred ? RankJoker : RankTwo);
  return preferred >= 0 ? preferred : findInHand(jokerPreferred ? RankTwo : RankJoker);
}

int TComputerPlayer::expertChooseDiscard() {
  recountTallies();
  // Mostly a two: a joker is worth more to keep.
  const bool jokerPreferred = Game.Host.RandomInt(10) >= 8;
  int choice = UrgentDiscard(jokerPreferred);
  if (choice == DiscardFromMelds) return choice;
  if (choice < 0) choice = ChosenDiscard(jokerPreferred);
  return LastCardGuard(choice);
}

int TComputerPlayer::UrgentDiscard(bool jokerPreferred) {
  const TTableState& t = Game.Table;
  if (threeBlocking && BlackThreesInHand() > 0) return DiscardBlackThree();
  if (t.OpponentHand.Count == 1) return 0;
  // Wildcards to spare freeze a pile that cannot be taken anyway, or that the computer cannot yet go out against.
  if (Tally.WildcardsInHand() > 2 * Game.Rules.NumberOfCanastas + 2 &&
      (PileFrozenForComputer() || !HasCanastasNeeded()))
    return DiscardWildcard(jokerPreferred);
  return RedThreeFreeze();
}

int TComputerPlayer::ChosenDiscard(bool jokerPreferred) {
  int choice = -1;
  if (shedRank != 0 && Tally.ownHand[shedRank] > 0 && canSpare(shedRank)) return findInHand(shedRank);
  shedRank = 0;
  if (pileContested()) choice = ContestedPileDiscard(jokerPreferred);
  if (const int freeze = WildcardFreeze(jokerPreferred); freeze >= 0) choice = freeze;
  if (choice < 0) choice = SafestRankDiscard();
  if (choice < 0) choice = DiscardOfLastResort();
  return choice;
}

int TComputerPlayer::RedThreeFreeze() const {
  const TTableState& t = Game.Table;
  if (FindFirst(t.OpponentMelds, IsRedThree) < 0 || Game.Rules.NumberOfCanastas != 2 || HasMelded() ||
      t.OpponentHand.Count >= 14 || !Game.Rules.ThreeBlock)
    return -1;
  // Only chosen here: the card leaves the meld area when its discard is made (DiscardMove).
  return DiscardFromMelds;
}

TMove TComputerPlayer::DiscardMove(int index) const {
  if (index != DiscardFromMelds) return {.Kind = TMoveKind::Discard, .Card = index};
  // The red threes after it close up; the card goes to the pile, which it freezes.
  return {.Kind = TMoveKind::DiscardRedThree, .Card = FindFirst(Game.Table.OpponentMelds, IsRedThree)};
}

int TComputerPlayer::ContestedPileDiscard(bool jokerPreferred) {
  recountTallies();
  const TTableState& t = Game.Table;
  if (BlackThreesInHand() > 0) return DiscardBlackThree();
  if (t.OpponentHand.Count > 11 && t.PlayerHand.Count <= 20 && Tally.WildcardsInHand() > 0) {
    const int first = jokerPreferred ? RankJoker : RankTwo, other = jokerPreferred ? RankTwo : RankJoker;
    if (Tally.ownHand[first] > 0 && canSpare(first)) return findInHand(first);
    if (Tally.ownHand[other] > 0 && canSpare(other)) return findInHand(other);
  }
  return SpareSafeRank();
}

int TComputerPlayer::SpareSafeRank() {
  const bool frozen = PileFrozenForComputer();
  for (int limit = 9; limit > 0;) {
    recountTallies();
    int largest = 0;
    for (int r = RankFour; r <= RankAce; ++r) {
      const int n = Tally.ownHand[r];
      // A pair is worth keeping against a frozen pile: only a pair takes it.
      if (n > 0 && n < limit && !(frozen && n == 2)) largest = std::max(largest, n);
    }
    if (largest == 0) return -1;
    for (int r = RankFour; r <= RankAce; ++r) {
      if (Tally.ownHand[r] != largest || (frozen && largest == 2)) continue;
      const bool unwanted = frozen ? Tally.oppTaken[r] <= 1 : Tally.oppMeld[r] + Tally.oppTaken[r] <= 1;
      if (unwanted && canSpare(r)) {
        shedRank = r;
        return findInHand(r);
      }
    }
    limit = largest;
  }
  return -1;
}

int TComputerPlayer::WildcardsAndThreesTakenByPlayer() const {
  return Tally.oppTaken[RankJoker] + Tally.oppTaken[RankTwo] + Tally.oppTaken[RankThree];
}

int TComputerPlayer::WildcardFreeze(bool jokerPreferred) const {
  const TTableState& t = Game.Table;
  const int wild = Tally.WildcardsInHand();
  if (!(wild > 3 || (wild >= 1 && HasCanastasNeeded()))) return -1;
  // The player is close to going out with a big table: a frozen pile keeps it from a last big take.
  if (t.PlayerHand.Count - WildcardsAndThreesTakenByPlayer() <= 7 && t.PlayerMelds.Count > 19 &&
      !PileFrozenForComputer() && !threeBlocking)
    return DiscardWildcard(jokerPreferred);
  return -1;
}

bool TComputerPlayer::FeedsPlayer(int rank) const {
  const bool frozen = PileFrozenForComputer();
  const int playerHas = Tally.oppMeld[rank] + Tally.oppTaken[rank];
  return !(frozen && Tally.oppTaken[rank] < 2) && playerHas + Tally.discardCount[rank] >= 6 && playerHas <= 6;
}

int TComputerPlayer::SafestOfTotal(const std::vector<int>& ranks) {
  const TTableState& t = Game.Table;
  const bool frozen = PileFrozenForComputer();
  auto safety = [&](int r) { return frozen ? -Tally.oppTaken[r] : -(Tally.oppTaken[r] + Tally.oppMeld[r]); };
  const bool careful = HasCanastasNeeded() || (frozen ? 0 : t.PlayerMelds.Count) + t.PlayerHand.Count <= 25;
  for (int bound = 1; bound >= -8;) {
    int best = INT_MIN;
    for (int r : ranks)
      if (safety(r) < bound) best = std::max(best, safety(r));
    if (best == INT_MIN) return -1;
    for (int r : ranks) {
      if (safety(r) != best || (careful && FeedsPlayer(r))) continue;
      const int index = findInHand(r);
      if (index >= 0) return index;
    }
    bound = best;
  }
  return -1;
}

int TComputerPlayer::SafestRankDiscard() {
  recountTallies();
  const int b3 = BlackThreesInHand();
  const bool stockHigh = Game.Table.Stock.Count > 69;
  int chosen = -1;
  for (int level = 0; level < 9 && chosen < 0;) {
    int smallest = INT_MAX;
    for (int r = RankFour; r <= RankAce; ++r) {
      const int total = Tally.ownHand[r] + Tally.ownMeld[r];
      if (total > level) smallest = std::min(smallest, total);
    }
    if (smallest == INT_MAX) break;
    std::vector<int> ranks;
    for (int r = RankFour; r <= RankAce; ++r)
      if (Tally.ownHand[r] + Tally.ownMeld[r] == smallest) ranks.push_back(r);
    // Late in the hand a black three blocks better than any rank of two or more.
    chosen = smallest < 2 || b3 == 0 || stockHigh ? SafestOfTotal(ranks) : DiscardBlackThree();
    level = smallest;
  }
  // Nothing safe: a rank whose meld on the player's side holds wildcards is no help to it.
  for (int r = RankFour; r <= RankAce && chosen < 0; ++r)
    if (Tally.ownHand[r] > 0 && Tally.oppMeldNatural[r] != Tally.oppMeld[r]) chosen = findInHand(r);
  if (chosen >= 0) shedRank = Game.Table.OpponentHand.At(chosen).Rank;
  return chosen;
}

int TComputerPlayer::HighestRankInHand() const {
  for (int r = RankAce; r >= RankJoker; --r)
    if (const int index = findInHand(r); index >= 0) return index;
  return -1;
}

int TComputerPlayer::DiscardOfLastResort() const {
  const bool blackThree = BlackThreesInHand() > 0;
  if (!blackThree || Game.Table.Stock.Count > 69) return HighestRankInHand();
  return DiscardBlackThree();
}

int TComputerPlayer::LastCardGuard(int index) {
  const TTableState& t = Game.Table;
  if (index < 0 || !t.DiscardPile.Empty() || t.PlayerHand.Count != 1) return index;
  recountTallies();
  const int rank = t.OpponentHand.At(index).Rank;
  // A three or a wildcard on an empty pile gives the player nothing to meld its last card with.
  if (rank < RankFour || Tally.oppMeld[rank] == 0) return index;
  for (int r = RankFour; r <= RankAce; ++r)
    if (Tally.ownHand[r] > 0 && Tally.oppMeld[r] == 0) return findInHand(r);
  return HighestRankInHand();
}

}  // namespace tarvelo
