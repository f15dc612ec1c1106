// The Expert's measures of its hand: loose cards, a canasta in prospect, the
// reach of a first meld, whether a card can be spared, and whether the pile
// is worth fighting for.
#include "ai/computer_player.h"

#include <algorithm>

namespace tarvelo {

TLooseCards TComputerPlayer::looseCards() {
  recountTallies();
  const int b3 = BlackThreesInHand();
  int pairs = 0, meldable = 0;
  for (int r = RankAce; r >= RankFour; --r) {
    const int total = Tally.ownHand[r] + Tally.ownMeld[r];
    if (total == 2)
      ++pairs;
    else if (total >= 3)
      meldable += Tally.ownHand[r];
  }
  const int spareWild = Tally.WildcardsInHand() - pairs;
  int loose = Game.Table.OpponentHand.Count - 3 * pairs - meldable - spareWild;
  if (b3 >= 3) loose -= b3;
  if (spareWild < 0) loose += 2 * -spareWild;  // a pair without a wildcard is two loose cards
  return {spareWild >= 0 && (loose == 0 || loose == 1), loose};
}

bool TComputerPlayer::canastaProspectNow() {
  recountTallies();
  const int wild = Tally.WildcardsInHand();
  for (int r = RankFour; r <= RankAce; ++r) {
    if (Tally.ownMeld[r] >= 7) continue;
    const int c = Tally.ownHand[r] + Tally.ownMeldNatural[r] + Tally.discardCount[r];
    // Seven cards come within reach only through the pile's cards of the rank.
    if (c >= 4 && c + wild >= 7 && c + wild - Tally.discardCount[r] <= 6) return true;
  }
  return false;
}

namespace {
// The counters of a first-meld plan.
struct TPlan {
  int Points = 0, Jokers = 0, Twos = 0, Wild = 0, Cards = 0;

  bool HasWildcard() const { return Jokers + Twos > 0; }
  // Jokers first: each is worth more to a meld.
  void UseWildcard() {
    if (Jokers > 0) {
      Points += 50;
      --Jokers;
    } else {
      Points += 20;
      --Twos;
    }
    ++Wild;
  }
};

// Wildcards onto natural triples, from the aces down, up to three a rank.
// The pair rule does not reach them: a triple of the hand is a meld of naturals already.
void WildcardsOnTriples(TPlan& p, const TRankTally& tally, int target) {
  for (int r = RankAce; r >= RankFour && p.Points < target && p.HasWildcard(); --r) {
    if (tally.ownHand[r] < 3) continue;
    for (int added = 0; added < 3 && p.Points < target && p.HasWildcard(); ++added) p.UseWildcard();
  }
}

// Wildcards that the pile itself brings need not come from the hand.
bool WithinWildcardBudget(int wildcardsUsed, int target, int pile, const TRankTally& tally) {
  const int w = wildcardsUsed - tally.discardCount[RankJoker] - tally.discardCount[RankTwo];
  if (pile >= 20) return true;
  if (target < 90) return w <= (pile >= 15 ? 1 : 0);
  if (target < 120) return w <= (pile >= 7 ? 1 : 0);
  return w <= (pile >= 6 ? 1 : 0) + (pile >= 11 ? 1 : 0);
}
}  // namespace

TExpertEstimate TComputerPlayer::initialMeldEstimate(int topRank, bool prospect, bool strict) {
  recountTallies();
  const TTableState& t = Game.Table;
  const int target = initialMeldTarget;
  TPlan base{t.OpponentMeldValue, Tally.ownHand[RankJoker], Tally.ownHand[RankTwo], 0, 0};
  if (topRank != 0) {
    base.Points += RankValue(topRank) * Tally.ownHand[topRank];
    base.Cards = Tally.ownHand[topRank];
    // The top card with a single natural of the hand: a wildcard only where the pair rule is off.
    if (Tally.ownHand[topRank] == 2 && base.HasWildcard() && !Game.Rules.NaturalPair) base.UseWildcard();
  }
  for (int r = RankFour; r <= RankAce && base.Points < target; ++r) {
    if (Tally.ownHand[r] < 3 || r == topRank) continue;
    base.Points += RankValue(r) * Tally.ownHand[r];
    base.Cards += Tally.ownHand[r];
  }
  TPlan onTriples = base;
  WildcardsOnTriples(onTriples, Tally, target);
  TPlan onPairs = base;
  for (int r = RankAce; r >= RankFour && onPairs.Points < target && onPairs.HasWildcard(); --r) {
    if (Tally.ownHand[r] != 2 || r == topRank) continue;
    onPairs.Points += 2 * RankValue(r);
    onPairs.UseWildcard();
    onPairs.Cards += 2;
  }
  WildcardsOnTriples(onPairs, Tally, target);

  // A loose estimate may fall five points short: the hand will still change.
  const int needed = target - (strict ? 0 : 5);
  const bool reachTriples = onTriples.Points >= needed, reachPairs = onPairs.Points >= needed;
  wildcardPlan = reachTriples && reachPairs ? (onPairs.Wild < onTriples.Wild ? 2 : 1)
                 : reachTriples             ? 1
                 : reachPairs               ? 2
                                            : 0;
  const TPlan& chosen = wildcardPlan == 1 ? onTriples : onPairs;
  const int canastasNeeded = Game.Rules.NumberOfCanastas;
  const int pile = t.DiscardPile.Count;
  const bool room = !strict || t.OpponentHand.Count + pile - 9 - 3 * canastasNeeded >= chosen.Cards + chosen.Wild ||
                    (canastasNeeded == 1 && prospect);
  const bool budget = canastasNeeded != 1 || WithinWildcardBudget(chosen.Wild, target, pile, Tally);
  return {room && budget && wildcardPlan != 0, chosen.Wild};
}

bool TComputerPlayer::canSpare(int rank) {
  if (HasMelded()) return true;
  const int index = findInHand(rank);
  if (index < 0) return false;
  const THandProbe probe(*this);
  const int savedPlan = wildcardPlan;
  RemoveAt(Game.Table.OpponentHand, index, 0, true, 0);
  const bool reachable = initialMeldEstimate(0, false, false).Reachable;
  wildcardPlan = savedPlan;
  return reachable;
}

// The one look at the player's hidden cards the Expert takes by design: how many
// jokers, twos and threes the hand holds (counted as the player's own pile take
// counts them), and nothing of which they are.
int TComputerPlayer::PlayerWildcardsAndThreesInHand() const {
  int n = 0;
  for (const TCard& c : Game.Table.PlayerHand.Live()) n += c.Rank <= RankThree ? 1 : 0;
  return n;
}

bool TComputerPlayer::NearCanasta() const {
  int triples = 0, bigs = 0;
  for (int r = RankFour; r <= RankAce; ++r) {
    const int total = Tally.ownHand[r] + Tally.ownMeld[r];
    triples += total == 3 ? 1 : 0;
    bigs += total >= 4 ? 1 : 0;
  }
  const int wild = Tally.WildcardsInHand();
  return (triples > 0 && triples + wild > 2) || (bigs > 0 && bigs + wild > 1);
}

bool TComputerPlayer::pileContested() {
  const TTableState& t = Game.Table;
  if (t.DiscardPile.Empty()) return false;
  if (opponentHoldsMajority) return false;
  if (!HasMelded() && shedRank == 0 && !initialMeldEstimate(0, false, false).Reachable) return false;
  recountTallies();
  if (t.PlayerHand.Count + t.PlayerMelds.Count + PlayerWildcardsAndThreesInHand() > 25) return false;
  int pairsInHand = 0;
  for (int r = RankFour; r <= RankAce; ++r) pairsInHand += Tally.ownHand[r] >= 2 ? 1 : 0;
  const int needed = Game.Rules.NumberOfCanastas;
  if (needed == 2 && pairsInHand > 4) return true;
  const int top = t.DiscardPile.Top().Rank;
  const int playerHas = Tally.oppTaken[top] + Tally.oppMeld[top];
  // The pile would give the player a canasta.
  const bool feedsCanasta = playerHas + Tally.discardCount[top] > 6 && playerHas < 7;
  return (!NearCanasta() && t.OpponentCanastas.Count == 0) || t.DiscardPile.Count > 19 ||
         (t.OpponentHand.Count > 19 && HasCanastasNeeded()) || feedsCanasta;
}

}  // namespace tarvelo
