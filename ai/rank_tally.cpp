#include "ai/rank_tally.h"

namespace tarvelo {

TRankTally CountRanks(const TGame& game) {
  const TTableState& t = game.Table;
  TRankTally n;
  for (const TCard& c : t.OpponentHand.Live()) ++n.ownHand[c.Rank];
  for (const TCard& c : t.OpponentMelds.Live()) {
    ++n.ownMeld[game.ColumnOf(c.X)];
    ++n.ownMeldNatural[c.Rank];
  }
  for (const TCard& c : t.PlayerMelds.Live()) {
    ++n.oppMeld[game.ColumnOf(c.X)];
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
