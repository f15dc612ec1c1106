// The Expert's decision to take the discard pile: it adds the top card, and
// then the whole pile, to its hand for a moment and compares how well the
// hand melds with and without them.
#include "ai/computer_player.h"

#include <optional>

namespace tarvelo {

bool TComputerPlayer::expertPileDecision() {
  const std::optional<TCard> top = PileTopToTry();
  if (!top) return false;
  const TTableState& t = Game.Table;
  const int r = top->Rank;
  canastaProspect = canastaProspectNow();
  const int looseBefore = looseCards().Loose;

  const THandProbe probe(*this, *top);
  const TExpertEstimate estimate = initialMeldEstimate(r, canastaProspect, true);
  const bool ok = HasMelded() || estimate.Reachable;
  plannedWildcards = estimate.wildcardsUsed;

  if (pileContested()) {
    recountTallies();
    // With a big hand against a small one, a spare wildcard is better thrown to freeze the pile.
    const bool freezeInstead =
        t.OpponentHand.Count > 24 && t.PlayerHand.Count <= 20 &&
        ((Tally.ownHand[RankTwo] > 0 && canSpare(RankTwo)) || (Tally.ownHand[RankJoker] > 0 && canSpare(RankJoker)));
    if (freezeInstead) return false;
    recountTallies();
    const bool pileHasWildcard = Tally.discardCount[RankJoker] + Tally.discardCount[RankTwo] > 0;
    return ok && ((t.Stock.Count <= 70 && t.DiscardPile.Count >= 3) || pileHasWildcard);
  }

  const int looseAfter = LooseWithWholePile();
  if (threeBlocking) return ExpertThreeBlockingTake(ok, looseBefore, looseAfter, r);
  const bool take = ExpertHuntOrBuildTake(ok, looseBefore, looseAfter, r);
  // Early in a hand that one canasta ends, the pile is not worth opening the game for.
  return take && (Game.Rules.NumberOfCanastas != 1 || t.Stock.Count < 68);
}

int TComputerPlayer::LooseWithWholePile() {
  TTableState& t = Game.Table;
  const THandProbe probe(*this);
  // The top card is in the hand already; the rest comes from the bottom up.
  for (int i = 0; i + 1 < t.DiscardPile.Count; ++i) AddCard(t.OpponentHand, t.DiscardPile.Cards[i]);
  return looseCards().Loose;
}

bool TComputerPlayer::ExpertThreeBlockingTake(bool ok, int looseBefore, int looseAfter, int topRank) {
  recountTallies();
  const bool frozen = PileFrozenForComputer();
  const bool meldOpen = Tally.ownMeld[topRank] >= 3 && !frozen;
  const bool guard = !(aggressiveTurn && HasCanastasNeeded() && looseBefore <= 2) || looseBefore + 1 >= looseAfter;
  if (ok && BlackThreesInHand() == 0 && shedRank == 0 && guard) {
    const int needed = Game.Rules.NumberOfCanastas;
    return Tally.ownHand[topRank] >= 3 || meldOpen ||
           (HasCanastasNeeded() && Game.Table.DiscardPile.Count >= 8 / needed);
  }
  return ok && canastaProspect && (Tally.ownHand[topRank] >= 3 || meldOpen);
}

bool TComputerPlayer::ExpertHuntOrBuildTake(bool ok, int looseBefore, int looseAfter, int topRank) {
  if (!HasCanastasNeeded() && Game.Rules.CanastaRequired) {
    if (!ok) return false;
    if (CanastaHuntQualifies(topRank, plannedWildcards)) return true;
    // Without a canasta in sight, a big pile is still worth it, and a pile of five or fewer never.
    const double pile = Game.Table.DiscardPile.Count;
    return 25.0 / (pile * pile) < Game.Host.RandomReal();
  }
  if (aggressiveTurn && HasCanastasNeeded() && looseBefore <= 2) return ok && looseAfter <= looseBefore + 1;
  return ExpertRankRuleTake(ok, topRank);
}

bool TComputerPlayer::ExpertRankRuleTake(bool ok, int topRank) {
  recountTallies();
  const TTableState& t = Game.Table;
  const int u = Tally.ownHand[topRank], m = Tally.ownMeld[topRank];
  const int total = u + m + Tally.discardCount[topRank];
  const int wild = Tally.WildcardsInHand();
  const int pile = t.DiscardPile.Count, stock = t.Stock.Count;
  const int needed = Game.Rules.NumberOfCanastas;
  if (total >= 5 && m < 7 && total + wild >= 8) return ok;
  if (needed == 2 && ((pile >= 3 && (m >= 1 || u >= 3)) || (pile >= 6 && (m >= 1 || (u == 2 && wild > 0))))) return ok;
  if (m == 0 || PileFrozenForComputer()) {
    const bool stockLow = stock <= 15 * needed + 46;
    if (u >= 4) return ok && stockLow;
    if (u == 3) return ok && pile >= 15 - 7 * needed && stockLow;
    return false;
  }
  return ok && pile >= 4;
}

}  // namespace tarvelo
