// The Advanced level: a turn with simple, partly random rules, going out with
// the finishing steps shared with the other levels.
#include "ai/computer_player.h"

#include <algorithm>
#include <optional>

namespace tarvelo {

void TComputerPlayer::advancedTurn() {
  PlayTurn({nullptr, true, &TComputerPlayer::advancedPileDecision, &TComputerPlayer::AdvancedMeldTakenCard,
            &TComputerPlayer::LayWholeRank, &TComputerPlayer::AdvancedMeldStep,
            &TComputerPlayer::advancedChooseDiscard});
}

void TComputerPlayer::LayWholeRank(int rank) { meldNaturals(rank, 0); }

void TComputerPlayer::AdvancedMeldTakenCard(const TCard& top) {
  const int r = top.Rank;
  const bool canasta = !HasMelded() && canastaFromHand() == r;
  meldNaturals(r, 0);
  if (canasta) {
    // A canasta straight from the hand: the rank, then wildcards up to seven cards.
    recountTallies();
    for (int size = Tally.ownMeld[r]; size < 7; ++size) Moves.MeldWildcard(r);
  }
  advancedCompleteInitialMeld();
}

void TComputerPlayer::AdvancedMeldStep() {
  Moves.LayDownRedThrees(false);
  if (!HasMelded()) {
    const TMeldEstimate estimate = advancedInitialMeldEstimate();
    // Two padded pairs are worth it only against a minimum above 50.
    if (estimate.Reachable && (estimate.PairsPadded < 2 || TGame::InitialMeldFor(Game.Table.OpponentScore) > 50))
      Guarded("the first meld", [this] { advancedCompleteInitialMeld(); });
  }
  if (HasMelded()) advancedBuildCanastas();
  if (HasCanastasNeeded() || !Game.Rules.CanastaRequired) AdvancedGoOutStep();
  recountTallies();
  if (Game.Table.OpponentMelds.Count > 20 && HasCanastasNeeded() && BlackThreesInHand() > 0) threeBlocking = true;
}

void TComputerPlayer::AdvancedGoOutStep() {
  const TTableState& t = Game.Table;
  if (!HasCanastasNeeded()) {
    if (t.PlayerCanastas.Count >= Game.Rules.NumberOfCanastas && HasMelded() && t.PlayerHand.Count < 7)
      LayNaturalsWithin(t.OpponentHand.Count - 6);
    return;
  }
  const double u = Game.Host.RandomReal();
  const int playerCards = t.PlayerHand.Count;
  const bool goOut = t.PlayerMelds.Count + playerCards > 30 ||
                     (t.OpponentMelds.Count + t.OpponentHand.Count <= 6 && !threeBlocking) ||
                     16.0 / (playerCards * playerCards + 1) > u || t.OpponentHand.Count == 2;
  if (!goOut) return;
  LayNaturalsWithin(t.OpponentHand.Count);
  Guarded("going out", [this] { finishGoingOut(); });
}

bool TComputerPlayer::advancedPileDecision() {
  const TTableState& t = Game.Table;
  const std::optional<TCard> top = PileTopToTry();
  if (!top) return false;
  const int r = top->Rank;
  const THandProbe probe(*this, *top);
  const TMeldEstimate estimate = advancedInitialMeldEstimate();
  const bool ok = HasMelded() || estimate.Reachable;
  const double pile = t.DiscardPile.Count;
  if (!HasCanastasNeeded() && Game.Rules.CanastaRequired) {
    if (!ok) return false;
    if (CanastaHuntQualifies(r, estimate.PairsPadded)) return true;
    return 25.0 / (pile * pile) < Game.Host.RandomReal();
  }
  const double u = Game.Host.RandomReal();
  recountTallies();
  const int total = Tally.ownHand[r] + Tally.ownMeld[r] + Tally.discardCount[r];
  const bool pairInHand = Tally.ownHand[r] >= 3;  // two naturals besides the top card
  const bool meld = Tally.ownMeld[r] >= 3;
  if (total >= 4 && total + Tally.WildcardsInHand() >= 7) return ok && (pairInHand || meld);
  if (16.0 / (pile * pile) >= u) return ok && pairInHand;
  return ok && (pairInHand || meld);
}

TMeldEstimate TComputerPlayer::advancedInitialMeldEstimate() {
  const TMeldPoints m = InitialMeldPoints();
  const int allowedPairs = initialMeldTarget < 90 ? 0 : initialMeldTarget < 120 ? 1 : 99;
  // Six cards stay in the hand; weighing the pile, the rest of it comes into the hand as well.
  const TTableState& t = Game.Table;
  const int handAfter = t.OpponentHand.Count + (ProbedTopRank != 0 ? t.DiscardPile.Count - 1 : 0);
  const bool reachable = m.Points >= initialMeldTarget && m.Cards < handAfter - 6 && m.PairsPadded <= allowedPairs;
  return {reachable, m.PairsPadded};
}

int TComputerPlayer::canastaFromHand() {
  recountTallies();
  const int wild = Tally.WildcardsInHand();
  int jokers = Tally.ownHand[RankJoker];
  int found = 0;
  for (int r = RankAce; r >= RankFour; --r) {
    const int n = Tally.ownHand[r];
    if (n <= 3 || n + wild < 7) continue;
    int points = RankValue(r) * n;
    for (int missing = 7 - n; missing > 0; --missing) {
      points += jokers > 0 ? 50 : 20;
      if (jokers > 0) --jokers;  // a joker goes to one rank only
    }
    if (points >= initialMeldTarget) found = r;  // the scan runs downward: the lowest stays
  }
  return found;
}

void TComputerPlayer::advancedCompleteInitialMeld() {
  LayFirstMeld(advancedInitialMeldEstimate().PairsPadded, &TComputerPlayer::LayWholeRank);
}

void TComputerPlayer::advancedBuildCanastas() {
  for (int r = RankAce; r >= RankFour; --r) {
    recountTallies();
    const int have = Tally.ownHand[r] + Tally.ownMeld[r];
    const int wild = Tally.WildcardsInHand();
    if (have + wild < 7 || Game.Table.OpponentCanastas.Kind[r] != NoCanasta) continue;
    const int need = std::max(0, 7 - have);
    // A canasta may hold three wildcards at most, and a card must stay in the hand.
    if (wild < need || need > 3 - wildcardsInMeld(r) || Tally.ownHand[r] + need >= Game.Table.OpponentHand.Count)
      continue;
    Guarded("a canasta with wildcards", [&] {
      meldNaturals(r, 0);
      for (int i = 0; i < need; ++i) Moves.MeldWildcard(r);
    });
  }
}

}  // namespace tarvelo
