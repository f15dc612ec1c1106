#include "ai/rank_tally.h"

namespace tarvelo {

TRankTally CountRanks(const TGame& game) {
  const TTableState& t = game.Table;
  TRankTally n;
  for (const TCard& c : t.OpponentHand.Live()) ++n.ownHand[c.Rank];
  for (const TCard& c : t.OpponentMelds.Live()) {
    ++n.ownMeld[c.Column];
    ++n.ownMeldNatural[c.Rank];
  }
  for (const TCard& c : t.PlayerMelds.Live()) {
    ++n.oppMeld[c.Column];
    ++n.oppMeldNatural[c.Rank];
  }
  for (const TCard& c : t.DiscardPile.Live()) ++n.discardCount[c.Rank];
  for (const TCard& c : t.pickupMemory.Live()) ++n.oppTaken[c.Rank];
  return n;
}

int RankValue(int rank) {
  switch (rank) {
    case RankJoker:
      return 50;
    case RankTwo:
      return 20;
    case RankAce:
      return 20;
    default:
      return rank <= RankSeven ? 5 : 10;
  }
}

}  // namespace tarvelo
