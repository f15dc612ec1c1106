// The Advanced level's choice of the card to discard.
#include "ai/computer_player.h"

namespace tarvelo {

namespace {
// Ranks four to ace, ascending or descending.
template <typename Visit>
int FirstRank(bool ascending, Visit accept) {
  for (int i = 0; i <= RankAce - RankFour; ++i) {
    const int r = ascending ? RankFour + i : RankAce - i;
    if (accept(r)) return r;
  }
  return 0;
}
}  // namespace

int TComputerPlayer::WildcardToThrow() const {
  const int two = findInHand(RankTwo);
  return two >= 0 ? two : findInHand(RankJoker);
}

bool TComputerPlayer::PlayerMeldTakesNoMore(int rank) const {
  return Game.Table.PlayerCanastas.Kind[rank] != NoCanasta && !Game.Rules.AddToCanasta;
}

int TComputerPlayer::advancedChooseDiscard() {
  const TTableState& t = Game.Table;
  recountTallies();
  const int handCount = t.OpponentHand.Count;
  const int wild = Tally.WildcardsInHand();
  if (handCount == 1) return 0;
  if (wild >= 3 && wild >= handCount - 4 && (PileFrozenForComputer() || !HasCanastasNeeded())) return WildcardToThrow();
  if (t.DiscardPile.Count > 5) return AdvancedDiscardOnBigPile();
  return AdvancedDiscardOnSmallPile();
}

int TComputerPlayer::AdvancedDiscardOnBigPile() {
  const TTableState& t = Game.Table;
  const int blackThree = FindFirst(t.OpponentHand, IsBlackThree);
  if (blackThree >= 0) return blackThree;
  // A single, or four or five of a kind, that the player cannot use.
  const int unwanted = FirstRank(true, [&](int r) {
    const int n = Tally.ownHand[r];
    return (n == 1 || n == 4 || n == 5) && (Tally.oppMeld[r] == 0 || PlayerMeldTakesNoMore(r));
  });
  if (unwanted != 0) return findInHand(unwanted);
  for (int k = 0; k <= 15; ++k) {
    int fewest = 0;
    for (int r = RankFour; r <= RankAce; ++r) {
      if (Tally.ownHand[r] == 0 || (Tally.oppMeld[r] > k && !PlayerMeldTakesNoMore(r))) continue;
      if (fewest == 0 || Tally.ownHand[r] < Tally.ownHand[fewest]) fewest = r;
    }
    if (fewest == 0) continue;
    // Rather freeze the pile than feed a short hand's meld.
    if (Tally.WildcardsInHand() > 0 && t.PlayerHand.Count < 10 && Tally.oppMeld[fewest] >= 2 && !t.PileFrozen)
      return WildcardToThrow();
    return findInHand(fewest);
  }
  return 0;
}

int TComputerPlayer::AdvancedDiscardOnSmallPile() {
  const int blackThree = FindFirst(Game.Table.OpponentHand, IsBlackThree);
  for (int k = 1; k <= 15; ++k) {
    const bool ascending = Game.Host.RandomReal() < 0.8;
    const int r = FirstRank(ascending, [&](int x) {
      return Tally.ownHand[x] > 0 && Tally.ownHand[x] + Tally.ownMeld[x] == k && Tally.oppMeld[x] != 6;
    });
    if (r == 0) continue;
    if (Tally.ownHand[r] >= 2 && blackThree >= 0) return blackThree;
    return findInHand(r);
  }
  return blackThree >= 0 ? blackThree : 0;
}

}  // namespace tarvelo
