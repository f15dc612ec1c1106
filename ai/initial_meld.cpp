// The first meld of a hand, shared by the Beginner and the Advanced level:
// whether the hand can reach the target, and laying it.
#include "ai/computer_player.h"

namespace tarvelo {

TMeldPoints TComputerPlayer::InitialMeldPoints() {
  recountTallies();
  const TRankTally& n = Tally;
  TMeldPoints m;
  m.Points = Game.Table.OpponentMeldValue;
  // Natural triples first, from the low ranks up.
  for (int r = RankFour; r <= RankAce && m.Points < initialMeldTarget; ++r) {
    if (n.ownHand[r] < 3) continue;
    m.Points += RankValue(r) * n.ownHand[r];
    m.Cards += n.ownHand[r];
  }
  // Then natural pairs padded with a wildcard, jokers first, from the high ranks down.
  int jokers = n.ownHand[RankJoker], twos = n.ownHand[RankTwo];
  for (int r = RankAce; r >= RankFour && m.Points < initialMeldTarget && jokers + twos > 0; --r) {
    if (n.ownHand[r] != 2) continue;
    // The pair rule speaks of the pile's top card only: a new meld started with
    // it needs two naturals from the hand; a pair of the hand may be padded.
    if (r == ProbedTopRank && Game.Rules.NaturalPair) continue;
    m.Points += 2 * RankValue(r) + (jokers > 0 ? 50 : 20);
    (jokers > 0 ? jokers : twos)--;
    m.Cards += 3;
    ++m.PairsPadded;
  }
  return m;
}

int TComputerPlayer::HighestPairBelow(int rank) {
  recountTallies();
  for (int r = rank - 1; r >= RankFour; --r)
    if (Tally.ownHand[r] == 2) return r;
  return 0;
}

int TComputerPlayer::FirstRankOfAtLeastThree() {
  recountTallies();
  for (const TCard& c : Game.Table.OpponentHand.Live())
    if (c.Rank >= RankFour && Tally.ownHand[c.Rank] + Tally.ownMeld[c.Rank] >= 3) return c.Rank;
  return 0;
}

void TComputerPlayer::LayFirstMeld(int pairsPadded, TLayRank layRank) {
  const TCardArea& hand = Game.Table.OpponentHand;
  int below = RankAce + 1;
  for (int i = 0; i < pairsPadded; ++i) {
    const int r = HighestPairBelow(below);
    if (r == 0) break;
    (this->*layRank)(r);
    below = r;
  }
  while (!hand.Empty() && Game.Table.OpponentMeldValue < initialMeldTarget) {
    const int r = FirstRankOfAtLeastThree();
    if (r == 0) return;
    (this->*layRank)(r);
  }
}

}  // namespace tarvelo
